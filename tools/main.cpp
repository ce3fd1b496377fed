// The sample builder. `rosterly-sample DIR [--raw]` writes a synthetic game folder: the player
// database unnamed_25.bin and the team file unnamed_32.bin in the game's compressed form, and with
// --raw also their decompressed working copies. Prints every path written, one per line.

#include "tools/samplebuilder.h"

#include <QDir>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

void printLine(FILE* stream, const QString& text) {
    std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char* argv[]) {
    QString dir;
    bool raw = false;
    bool usable = true;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QLatin1String("--raw") && !raw)
            raw = true;
        else if (!argument.startsWith(QLatin1Char('-')) && dir.isEmpty() && !argument.isEmpty())
            dir = argument;
        else
            usable = false;
    }
    if (!usable || dir.isEmpty()) {
        printLine(stderr, QStringLiteral("usage: rosterly-sample DIR [--raw]\n"
                                         "Writes the synthetic unnamed_25.bin and unnamed_32.bin "
                                         "into DIR; with --raw also\ntheir decompressed forms "
                                         "(name + .unzlib)."));
        return 2;
    }

    QString error;
    if (!SampleBuilder::writeGameFolder(dir, raw, &error)) {
        printLine(stderr, QStringLiteral("rosterly-sample: ") + error);
        return 1;
    }
    for (const QString& path : SampleBuilder::gameFolderFiles(dir, raw))
        printLine(stdout, QDir::toNativeSeparators(path));
    return 0;
}
