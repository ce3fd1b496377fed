#include "tests/testsupport.h"

#include "exchange/teamsheet.h"
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

namespace TestSupport {

namespace {

// A record starts at 32 + 228 r; from its start: the player ID at 0, the name at 50, speed at
// 126, face (stored - 258, 16-bit) at 164, age (stored + 17) at 218. Roster record j starts at
// 1470676 + 164 j: the team ID at 0, slot s's player ID at 4 + 4 s, its number at 132 + s.
constexpr qint64 record(int r) {
    return 32 + 228 * r;
}
constexpr qint64 roster(int j) {
    return 1470676 + 164 * j;
}

void put32(QByteArray& bytes, qint64 at, qint32 value) {
    qToLittleEndian<qint32>(value, bytes.data() + at);
}

} // namespace

GamePair otherSample() {
    GamePair other{SampleBuilder::playerDatabase(), SampleBuilder::teamFile()};
    QByteArray& db = other.database;
    const QByteArray ten = db.mid(record(10), 228);
    db.replace(record(10), 228, db.mid(record(11), 228));
    db.replace(record(11), 228, ten);
    db[record(10) + 126] = char(41);
    put32(db, record(20), otherSampleExtraId);
    const QByteArray name("Zolt\xE1n Kiss", 11);
    db.replace(record(30) + 50, 46, name + QByteArray(46 - name.size(), '\0'));
    db[record(30) + 218] = char(db[record(30) + 218] + 1);
    qToLittleEndian<qint16>(1234 - 258, db.data() + record(40) + 164);
    const QByteArray austria = db.mid(roster(0), 164);
    db.replace(roster(0) + 4, 4, austria.mid(8, 4));
    db.replace(roster(0) + 8, 4, austria.mid(4, 4));
    db[roster(0) + 132] = char(98);
    db[roster(0) + 133] = char(99);
    put32(db, roster(2) + 4, otherSampleExtraId);
    const ImportPlan renamed =
        TeamSheet::plan(other.teamFile, QByteArray("position,name\r\n1,Belgique\r\n"));
    for (const Patch& patch : renamed.patches)
        other.teamFile.replace(patch.offset, patch.bytes.size(), patch.bytes);
    return other;
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
