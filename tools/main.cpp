// The sample builder. `rosterly-sample DIR [--raw] [--form NAME]` writes a synthetic game folder:
// the player database unnamed_25.bin and the team file unnamed_32.bin in the game's compressed
// form (the PC form unless another is named), and with --raw also their decompressed working
// copies. Prints every path written, one per line.

#include "cli/clioutput.h"
#include "tools/samplebuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QStringList>

#include <optional>

namespace {

const char usage[] = R"(usage: rosterly-sample DIR [--raw] [--form pc|be|plain]
Writes the synthetic unnamed_25.bin and unnamed_32.bin into DIR; with --raw also
their decompressed forms (name + .unzlib). --form picks the container form:
  pc     as the game's PC data (the default): sizes little-endian, the player
         database behind 00 01 01 WESYS padded to 16 bytes, the team file behind
         00 00 01 WESYS unpadded
  be     the same with big-endian sizes, as console data has them
  plain  both behind 00 01 01 WESYS, little-endian, unpadded)";

} // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv); // the arguments as the system passed them
    const QStringList arguments = QCoreApplication::arguments();
    QString dir;
    bool raw = false;
    std::optional<SampleBuilder::GameFileForms> forms;
    bool usable = true;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--raw") && !raw)
            raw = true;
        else if (argument == QLatin1String("--form") && !forms && i + 1 < arguments.size()) {
            forms = SampleBuilder::formSet(arguments.at(++i));
            usable = usable && forms.has_value();
        } else if (!argument.startsWith(QLatin1Char('-')) && dir.isEmpty() && !argument.isEmpty())
            dir = argument;
        else
            usable = false;
    }
    if (!usable || dir.isEmpty()) {
        CliOutput::err(QString::fromLatin1(usage));
        return 2;
    }

    QString error;
    if (!SampleBuilder::writeGameFolder(dir, raw, &error, forms.value_or(SampleBuilder::pcForms))) {
        CliOutput::err(QStringLiteral("rosterly-sample: ") + error);
        return 1;
    }
    for (const QString& path : SampleBuilder::gameFolderFiles(dir, raw))
        CliOutput::out(QDir::toNativeSeparators(path));
    return 0;
}
