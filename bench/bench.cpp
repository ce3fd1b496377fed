// rosterly-bench: the editor's operations timed on the full synthetic database, through the real
// windows (offscreen) and the real codec where the editor uses it.
#include "app/form1.h"
#include "codec/container.h"
#include "player/abilitycolouring.h"
#include "teamnames/form2.h"
#include "tools/folderplatform.h"
#include "tools/samplebuilder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdlib>
#include <memory>

namespace {

// One editor with the sample database opened and loaded, shared by the window benchmarks.
struct LoadedEditor {
    QTemporaryDir dir;
    std::unique_ptr<FolderPlatform> platform;
    std::unique_ptr<Form1> window;

    LoadedEditor() {
        QString error;
        if (!SampleBuilder::writeGameFolder(dir.path(), false, &error))
            qFatal("%s", qPrintable(error));
        platform = std::make_unique<FolderPlatform>(dir.path());
        window = std::make_unique<Form1>(*platform);
        if (!openAndLoad(*window))
            qFatal("the sample database did not load");
    }
    Form1Controls& c() { return window->controls(); }
};

// Built on first use and released before the application object goes away.
std::unique_ptr<LoadedEditor>& editorInstance() {
    static std::unique_ptr<LoadedEditor> instance;
    return instance;
}

LoadedEditor& editor() {
    if (!editorInstance())
        editorInstance() = std::make_unique<LoadedEditor>();
    return *editorInstance();
}

void codecDecompress(benchmark::State& state) {
    const QByteArray packed = Container::compress(SampleBuilder::playerDatabase()).bytes;
    for (auto _ : state)
        benchmark::DoNotOptimize(Container::decompress(packed));
}
BENCHMARK(codecDecompress)->Unit(benchmark::kMillisecond);

// zlib's inflate of the same stream in one call, as the codec inflated every file before.
void zlibDecompress(benchmark::State& state) {
    const QByteArray database = SampleBuilder::playerDatabase();
    const QByteArray packed = Container::compress(database).bytes;
    const auto* stream = reinterpret_cast<const Bytef*>(packed.constData()) + Container::headerSize;
    QByteArray data(database.size(), Qt::Uninitialized);
    for (auto _ : state) {
        uLongf size = uLongf(data.size());
        if (uncompress(reinterpret_cast<Bytef*>(data.data()), &size, stream,
                       uLong(packed.size() - Container::headerSize)) != Z_OK)
            qFatal("zlib could not inflate the codec's stream");
        benchmark::DoNotOptimize(data);
    }
}
BENCHMARK(zlibDecompress)->Unit(benchmark::kMillisecond);

// The size of the zlib stream beside the time, exact (a counter would be rounded to four digits).
void labelStreamSize(benchmark::State& state, qsizetype bytes) {
    state.SetLabel(QStringLiteral("stream of %1 bytes").arg(bytes).toStdString());
}

// The zlib stream of `data` at zlib's best level, as the codec wrote it before it used libdeflate:
// the reference the codec's compress is measured against.
QByteArray zlibBestStream(const QByteArray& data) {
    uLongf size = compressBound(uLong(data.size()));
    QByteArray stream(qsizetype(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(stream.data()), &size,
                  reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        qFatal("zlib could not compress the sample database");
    stream.truncate(qsizetype(size));
    return stream;
}

// Argument 0: the sample; 1: the sample with random bytes wherever the editor reads nothing, the
// hardest database to pack.
QByteArray databaseToPack(const benchmark::State& state) {
    return SampleBuilder::playerDatabase(state.range(0) == 0 ? SampleBuilder::UnreadBytes::AsFields
                                                             : SampleBuilder::UnreadBytes::AsNoise);
}

void codecCompress(benchmark::State& state) {
    const QByteArray database = databaseToPack(state);
    qsizetype fileSize = 0;
    for (auto _ : state) {
        const Container::Result packed = Container::compress(database);
        fileSize = packed.bytes.size();
        benchmark::DoNotOptimize(packed);
    }
    labelStreamSize(state, fileSize - Container::headerSize);
}
BENCHMARK(codecCompress)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void zlibBestCompress(benchmark::State& state) {
    const QByteArray database = databaseToPack(state);
    qsizetype streamSize = 0;
    for (auto _ : state) {
        const QByteArray stream = zlibBestStream(database);
        streamSize = stream.size();
        benchmark::DoNotOptimize(stream);
    }
    labelStreamSize(state, streamSize);
}
BENCHMARK(zlibBestCompress)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void mainLoad(benchmark::State& state) {
    LoadedEditor& e = editor();
    for (auto _ : state)
        benchmark::DoNotOptimize(e.window->load());
}
BENCHMARK(mainLoad)->Unit(benchmark::kMillisecond);

void teamFileLoad(benchmark::State& state) {
    LoadedEditor& e = editor();
    for (auto _ : state)
        benchmark::DoNotOptimize(e.window->teamEditor()->pressLoad());
}
BENCHMARK(teamFileLoad)->Unit(benchmark::kMicrosecond);

void playerSelection(benchmark::State& state) {
    LoadedEditor& e = editor();
    int row = 0;
    for (auto _ : state)
        e.c().List1->setCurrentRow(row++ % 2 == 0 ? 10 : 11);
}
BENCHMARK(playerSelection)->Unit(benchmark::kMicrosecond);

void applyChanges(benchmark::State& state) {
    LoadedEditor& e = editor();
    e.c().List1->setCurrentRow(12);
    for (auto _ : state)
        e.c().promjena_imena->click();
}
BENCHMARK(applyChanges)->Unit(benchmark::kMicrosecond);

void applyAbilities(benchmark::State& state) {
    LoadedEditor& e = editor();
    e.c().List1->setCurrentRow(12);
    for (auto _ : state)
        e.c().Command4->click();
}
BENCHMARK(applyAbilities)->Unit(benchmark::kMicrosecond);

void relink(benchmark::State& state) {
    LoadedEditor& e = editor();
    e.c().List1->setCurrentRow(12);
    for (auto _ : state)
        e.c().Command5->click();
}
BENCHMARK(relink)->Unit(benchmark::kMicrosecond);

void showTeam(benchmark::State& state) {
    LoadedEditor& e = editor();
    int team = 0;
    for (auto _ : state)
        e.c().timovi_lista->setCurrentIndex(team++ % 2);
}
BENCHMARK(showTeam)->Unit(benchmark::kMicrosecond);

void searchWithoutMatch(benchmark::State& state) {
    LoadedEditor& e = editor();
    e.c().trazi_tim->setText(QStringLiteral("Nobody Of This Name"));
    for (auto _ : state)
        e.c().Command9->click();
}
BENCHMARK(searchWithoutMatch)->Unit(benchmark::kMicrosecond);

void colouringTick(benchmark::State& state) {
    LoadedEditor& e = editor();
    e.c().List1->setCurrentRow(1);
    auto* colouring = e.c().sat_provjera_broja->findChild<AbilityColouring*>();
    colouring->tick();
    for (auto _ : state)
        colouring->tick();
}
BENCHMARK(colouringTick)->Unit(benchmark::kMicrosecond);

// Squads opened from the menu: the window reads the working copy, the teams and who is in which
// squad, and shows the first team on each side.
void squadWindowOpen(benchmark::State& state) {
    LoadedEditor& e = editor();
    QAction* squads = e.c().mnuSquads;
    if (!squads->isEnabled())
        state.SkipWithError("Squads is not enabled after Load");
    for (auto _ : state) {
        squads->trigger();
        if (QWidget* window = e.window->findChild<QWidget*>(QStringLiteral("SquadEditor")))
            window->hide();
    }
}
BENCHMARK(squadWindowOpen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    editorInstance().reset();
    return 0;
}
