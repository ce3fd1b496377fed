// rosterly-bench: the editor's operations timed on the full synthetic database, through the real
// windows (offscreen) and the real codec where the editor uses it.
#include "app/databaseimport.h"
#include "app/form1.h"
#include "codec/container.h"
#include "exchange/bulkchange.h"
#include "exchange/playercolumns.h"
#include "player/abilitycolouring.h"
#include "playertable/playertablemodel.h"
#include "playertable/playertablewindow.h"
#include "playertable/tablecolumns.h"
#include "shell/gamefilesession.h"
#include "teamnames/form2.h"
#include "tools/folderplatform.h"
#include "tools/samplebuilder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdlib>
#include <memory>
#include <numeric>

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

// The player table opened from the menu: the window made, the working copy and the teams read,
// the first rows shown.
void playerTableOpen(benchmark::State& state) {
    LoadedEditor& e = editor();
    QCoreApplication::processEvents(); // what the main window still has to lay out is not counted
    for (auto _ : state) {
        auto table = std::make_unique<PlayerTableWindow>(e.window->session(),
                                                         PlayerTableWindow::MainWindow{});
        table->show();
        QCoreApplication::processEvents(); // laid out and painted
        benchmark::DoNotOptimize(table.get());
    }
}
BENCHMARK(playerTableOpen)->Unit(benchmark::kMillisecond);

// One table, opened once, for the operations on it.
PlayerTableWindow& playerTable() {
    LoadedEditor& e = editor();
    if (!e.window->playerTable())
        e.c().mnuPlayerTable->trigger();
    return *e.window->playerTable();
}

// A sort by a number column, a text column and the squads' names, each way in turn.
void playerTableSort(benchmark::State& state) {
    PlayerTableModel& model = playerTable().model();
    const char* names[] = {"speed", "name", "teams"};
    const int column = TableColumns::find(QString::fromLatin1(names[state.range(0)]));
    int round = 0;
    for (auto _ : state)
        model.sort(column, round++ % 2 == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    state.SetLabel(names[state.range(0)]);
}
BENCHMARK(playerTableSort)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void playerTableFilter(benchmark::State& state) {
    PlayerTableModel& model = playerTable().model();
    QString error;
    for (auto _ : state)
        model.setFilter(QStringLiteral("position=CF,SS speed>=80 teams~a"), &error);
    model.setFilter(QString(), &error);
}
BENCHMARK(playerTableFilter)->Unit(benchmark::kMillisecond);

// A cell edited: the plan with the import's rules, the write through the session (a whole
// working copy put in place) and the grid's re-reading of the record.
void playerTableCellEdit(benchmark::State& state) {
    PlayerTableModel& model = playerTable().model();
    const QModelIndex cell = model.index(model.rowOf(12), TableColumns::find("speed"));
    int round = 0;
    for (auto _ : state)
        model.setData(cell, round++ % 2 == 0 ? QStringLiteral("70") : QStringLiteral("71"),
                      Qt::EditRole);
}
BENCHMARK(playerTableCellEdit)->Unit(benchmark::kMicrosecond);

std::vector<int> everyEditablePlayer() {
    std::vector<int> records(size_t(PlayerLayout::editableRecordCount));
    std::iota(records.begin(), records.end(), 0);
    return records;
}

// "+5 speed" for all 6450 players the sheets hold, as the dialog's OK does it: planned with the
// import's rules (the first change lines listed, as the preview lists them) and written as one
// step through the session, each way in turn so that every round changes every player.
void bulkChangeAll(benchmark::State& state) {
    LoadedEditor& e = editor();
    const std::vector<int> records = everyEditablePlayer();
    const int speed = int(PlayerColumns::names().indexOf(QStringLiteral("speed")));
    int round = 0;
    for (auto _ : state) {
        const WorkingCopy copy = e.window->session().workingCopy();
        const auto database = copy.read(0, copy.size());
        const BulkChange::Mode mode =
            round++ % 2 == 0 ? BulkChange::Mode::Subtract : BulkChange::Mode::Add;
        const BulkChange::Plan plan =
            BulkChange::plan(*database, records, {speed, mode, QStringLiteral("5")}, 8);
        e.window->session().writeBack(
            plan.import.patches, QString(),
            BulkChange::label({speed, mode, QStringLiteral("5")}, plan.changed), {});
    }
}
BENCHMARK(bulkChangeAll)->Unit(benchmark::kMillisecond);

// The dialog's preview after the value was typed: the plan over all 6450 players, with the first
// change lines only.
void bulkPreview(benchmark::State& state) {
    const QByteArray database = SampleBuilder::playerDatabase();
    const std::vector<int> records = everyEditablePlayer();
    const int speed = int(PlayerColumns::names().indexOf(QStringLiteral("speed")));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            BulkChange::plan(database, records, {speed, BulkChange::Mode::Add, "5"}, 8));
}
BENCHMARK(bulkPreview)->Unit(benchmark::kMillisecond);

// File > Import from Another Database's window on a database whose 1,000 players differ from
// the open one's: the plan of every part and the list of the players, shown.
void databaseImportOpen(benchmark::State& state) {
    LoadedEditor& e = editor();
    QByteArray other = SampleBuilder::playerDatabase();
    for (int k = 0; k < 1000; ++k) {
        const qint64 at = PlayerLayout::nameOffset(k * 6) + PlayerLayout::abilityBlock;
        other[at] = char((uchar(other[at]) & 0x80) | ((uchar(other[at]) & 0x7F) % 99 + 1));
    }
    QCoreApplication::processEvents();
    for (auto _ : state) {
        auto window = std::make_unique<DatabaseImport>(
            *e.platform,
            DatabaseImport::Sessions{e.window->session(), &e.window->teamEditor()->session(), {}},
            DatabaseImport::Other{QStringLiteral("other/unnamed_25.bin"),
                                  QStringLiteral("other/unnamed_32.bin"), other,
                                  SampleBuilder::teamFile()});
        window->show();
        QCoreApplication::processEvents();
        if (window->plan().players.size() != 1000)
            state.SkipWithError("the window did not list the 1,000 players that differ");
    }
}
BENCHMARK(databaseImportOpen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The player table's settings of the user's are not read nor changed.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    editorInstance().reset();
    return 0;
}
