#include "cli/clioutput.h"

#include <QCoreApplication>

#include <cstdio>

namespace CliOutput {

namespace {

void print(std::FILE* stream, const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

} // namespace

void out(const QString& line) {
    print(stdout, line);
}

void out(const QStringList& lines) {
    for (const QString& line : lines)
        out(line);
}

void raw(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void err(const QString& line) {
    print(stderr, line);
}

int usageError(const QString& command, const QString& message) {
    err(QStringLiteral("rosterly-cli: ") + message);
    //: %1 is the command's name followed by a space ("import "), or nothing
    err(QCoreApplication::translate("CliOutput", "Try: rosterly-cli %1--help")
            .arg(command.isEmpty() ? QString() : command + u' '));
    return WrongUsage;
}

} // namespace CliOutput
