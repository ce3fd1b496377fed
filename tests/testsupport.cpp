#include "tests/testsupport.h"

#include <QFile>
#include <QProcess>

namespace TestSupport {

QString builtProgram(const QString& name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

int runCodec(const QStringList& arguments, QString* standardError) {
    QProcess process;
    process.start(builtProgram(QStringLiteral("zlib2.dll")), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (standardError)
        *standardError = QString::fromLocal8Bit(process.readAllStandardError());
    return process.exitCode();
}

} // namespace TestSupport
