#pragma once

#include <QString>
#include <QStringList>

// What the command line prints: results on standard output, refusals and problems on standard
// error, always as UTF-8 lines.
namespace CliOutput {

enum ExitStatus { Done = 0, Refused = 1, WrongUsage = 2 };

void out(const QString& line);
void out(const QStringList& lines);
// Bytes as they are, on standard output: a sheet printed whole.
void raw(const QByteArray& bytes);
void err(const QString& line);

// A usage problem: the message, then where to find the usage. Returns WrongUsage.
int usageError(const QString& command, const QString& message);

} // namespace CliOutput
