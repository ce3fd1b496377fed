// The codec tool. `zlib2.dll FILE -d` unpacks a compressed game file into FILE.unzlib;
// `zlib2.dll FILE` packs FILE into FILE.zlib. All arguments but a final "-d" are joined with
// single blanks into one path, so a caller that does not quote a path with blanks still works.
//
// A packed working copy replaces the game file it was unpacked from, so `zlib2.dll P.unzlib` packs
// in the form of P (its prefix, byte order and padding) when P is a compressed game file, and in
// the PC form otherwise.
//
// The output is written to a temporary file beside it and renamed into place only when it is
// complete. On any failure nothing is renamed: no output appears, and an output file left by an
// earlier run stays exactly as it was.

#include "codec/container.h"
#include "common/translations.h"
#include "common/wholefile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

constexpr char workingCopySuffix[] = ".unzlib";

enum ExitCode { Success = 0, Failure = 1, WrongUsage = 2 };

void printError(const QString& text) {
    const QByteArray line = QByteArrayLiteral("zlib2.dll: ") + text.toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

void printUsage() {
    //: The command lines stay as they are; the descriptions after them may be translated.
    printError(QCoreApplication::translate("Codec",
                                           "usage:\n"
                                           "  zlib2.dll FILE -d   unpack the compressed game file "
                                           "FILE into FILE.unzlib\n"
                                           "  zlib2.dll FILE      pack FILE into FILE.zlib"));
}

std::optional<QByteArray> readInput(const QString& path) {
    QString error;
    std::optional<QByteArray> bytes = WholeFile::read(path, &error);
    if (!bytes)
        printError(error);
    return bytes;
}

// How long a Windows rename refused by a passing reader of the output is tried again.
constexpr int renamePatienceMs = 5000;

bool writeOutput(const QString& path, const QByteArray& bytes) {
    QString error;
    if (WholeFile::replacePatiently(path, bytes, renamePatienceMs, &error))
        return true;
    printError(QCoreApplication::translate("Codec", "%1: cannot be written: %2").arg(path, error));
    return false;
}

// The form of the game file a packed working copy will replace; nothing (so the default form) when
// the input is no working copy, or its game file is missing or no container. A game file that
// exists but cannot be read leaves its form unknown, which is an error rather than a guess.
std::optional<Container::Form> formToKeep(const QString& input, bool* failed) {
    *failed = false;
    const QLatin1StringView suffix(workingCopySuffix);
    if (!input.endsWith(suffix))
        return std::nullopt;
    const QString gameFile = input.chopped(suffix.size());
    if (!QFileInfo(gameFile).isFile())
        return std::nullopt;
    const std::optional<QByteArray> original = readInput(gameFile);
    if (!original) {
        printError(QCoreApplication::translate(
                       "Codec", "%1: the game file's form cannot be kept, so nothing was packed")
                       .arg(input));
        *failed = true;
        return std::nullopt;
    }
    return Container::formOf(*original);
}

} // namespace

int main(int argc, char* argv[]) {
    // The application object reads the arguments as the system passed them (UTF-16 on Windows,
    // where argv holds only what the ANSI code page can show of a path).
    QCoreApplication app(argc, argv);
    // Its error lines reach the user through the editor, in the editor's language.
    Translations::install(app, Translations::inheritedLanguage());
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    const bool unpack = !arguments.isEmpty() && arguments.last() == QLatin1String("-d");
    if (unpack)
        arguments.removeLast();
    const QString input = arguments.join(QLatin1Char(' '));
    if (input.isEmpty()) {
        printUsage();
        return WrongUsage;
    }

    const std::optional<QByteArray> bytes = readInput(input);
    if (!bytes)
        return Failure;

    Container::Result result;
    if (unpack) {
        result = Container::decompress(*bytes);
    } else {
        bool failed = false;
        const std::optional<Container::Form> form = formToKeep(input, &failed);
        if (failed)
            return Failure;
        result = Container::compress(*bytes, form.value_or(Container::Form{}));
    }
    if (!result.ok()) {
        printError(QStringLiteral("%1: %2").arg(input, result.error));
        return Failure;
    }

    const QString output = input + (unpack ? QStringLiteral(".unzlib") : QStringLiteral(".zlib"));
    return writeOutput(output, result.bytes) ? Success : Failure;
}
