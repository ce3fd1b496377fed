#include "tests/testsupport.h"

#include "player/playerrecord.h"
#include "tools/samplebuilder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QtEndian>

namespace TestSupport {

QString builtProgram(const QString& name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

QString failingProgram() {
    return builtProgram(QStringLiteral("rosterly-cli"));
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
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

bool waitForRuns(const CodecRuns& runs, int msecs) {
    return QTest::qWaitFor([&] { return runs.state() != CodecRuns::State::Running; }, msecs);
}

Patch int32Patch(qint64 offset, qint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian<qint32>(value, bytes.data());
    return {offset, bytes};
}

SampleGame::SampleGame(const QString& subfolder)
    : m_folder(subfolder.isEmpty() ? m_dir.path() : m_dir.filePath(subfolder)) {
    if (!m_dir.isValid())
        m_error = QStringLiteral("no temporary folder: ") + m_dir.errorString();
    else if (!SampleBuilder::writeGameFolder(m_folder, false, &m_error) && m_error.isEmpty())
        m_error = QStringLiteral("the sample game folder was not written");
    platform.answers[playerTitle] = database();
    platform.answers[teamTitle] = teamFile();
}

QString SampleGame::database() const {
    return QDir(m_folder).filePath(QStringLiteral("unnamed_25.bin"));
}

QString SampleGame::teamFile() const {
    return QDir(m_folder).filePath(QStringLiteral("unnamed_32.bin"));
}

QString SampleGame::databaseWorkingCopy() const {
    return WorkingCopy::pathForGameFile(database());
}

QString SampleGame::teamWorkingCopy() const {
    return WorkingCopy::pathForGameFile(teamFile());
}

} // namespace TestSupport

namespace PlayerPatch {

Patch byte(int player, qint64 fromName, int value) {
    return {PlayerLayout::nameOffset(player) + fromName, QByteArray(1, static_cast<char>(value))};
}

Patch word(int player, qint64 fromName, int value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian<quint16>(static_cast<quint16>(value), bytes.data());
    return {PlayerLayout::nameOffset(player) + fromName, bytes};
}

Patch ability(int player, int slot, int value) {
    return byte(player, PlayerLayout::abilityBlock + slot, value);
}

Patch id(int player, qint32 id) {
    return TestSupport::int32Patch(PlayerLayout::recordStart(player), id);
}

} // namespace PlayerPatch
