#include "codec/container.h"
#include "common/gametext.h"
#include "player/abilitytable.h"
#include "player/playerrecord.h"
#include "player/positiontable.h"
#include "tests/testsupport.h"
#include "tools/samplebuilder.h"

#include <QDir>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

using namespace SampleBuilder;

template <typename T> T readAt(const QByteArray& bytes, qint64 offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

PlayerRecord recordAt(const QByteArray& db, int index) {
    return PlayerRecord::decode(
        QByteArrayView(db).sliced(PlayerLayout::recordStart(index), PlayerLayout::recordSize));
}

// The ability slot whose flag marks the registered position playable, found through the check
// box both tables name.
int playableSlot(int positionCode) {
    const int box = PositionTable::checkBoxForEntry(PositionTable::entryForCode(positionCode));
    for (const AbilitySlot& slot : abilitySlots)
        if (slot.slot < PositionTable::entryCount && slot.flagBox == box)
            return slot.slot;
    return -1;
}

} // namespace

class TestSampleBuilder : public QObject {
    Q_OBJECT

private slots:
    void filesAreStable_data() {
        QTest::addColumn<bool>("players");
        QTest::addColumn<qint64>("size");
        QTest::newRow("player database") << true << qint64(1520000);
        QTest::newRow("team file") << false << qint64(280000);
    }
    void filesAreStable() {
        QFETCH(bool, players);
        QFETCH(qint64, size);
        const QByteArray first = players ? playerDatabase() : teamFile();
        QCOMPARE(qint64(first.size()), size);
        QCOMPARE(players ? playerDatabase() : teamFile(), first);
    }

    void namedRecords_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::newRow("first record") << 0 << playerName(0);
        QTest::newRow("accented") << accentedNamePlayer << QStringLiteral("Mesut Özil");
        QTest::newRow("46 characters")
            << fullWidthNamePlayer
            << QStringLiteral("Francisco Javier Rodríguez Hernández y Sánchez");
        QTest::newRow("duplicate name") << duplicateNamePlayers[0].second << playerName(137);
        QTest::newRow("last listable") << firstCoveredPlayer - 1 << playerName(6449);
        QTest::newRow("first after rosters") << 6592 << playerName(6592);
        QTest::newRow("last record") << 6664 << playerName(6664);
    }
    void namedRecords() {
        QFETCH(int, index);
        QFETCH(QString, name);
        const QByteArray db = playerDatabase();
        QVERIFY(isIntactPlayer(index));
        QCOMPARE(readAt<qint32>(db, 32 + 228 * index), playerId(index));
        const PlayerRecord record = recordAt(db, index);
        QCOMPARE(record.id, playerId(index));
        QCOMPARE(record.name, name);
        QVERIFY(!record.shirtName.isEmpty());
        QCOMPARE(record.shirtName, record.shirtName.toUpper());
    }

    void fullWidthNameFillsTheField() {
        const QByteArray db = playerDatabase();
        const QByteArray field =
            db.mid(PlayerLayout::nameOffset(fullWidthNamePlayer), PlayerLayout::nameWidth);
        QVERIFY(!field.contains('\0'));
        QCOMPARE(GameText::decode(field).size(), PlayerLayout::nameWidth);
    }

    void intactRecordsKeepTheirRanges() {
        const QByteArray db = playerDatabase();
        QSet<QString> seen;
        for (int index = 0; index < PlayerLayout::recordCount; ++index) {
            if (!isIntactPlayer(index))
                continue;
            const PlayerRecord r = recordAt(db, index);
            const auto where = [index](const char* what) {
                return qPrintable(QStringLiteral("player %1: %2").arg(index).arg(what));
            };
            QVERIFY2(r.age >= 17 + 17 && r.age <= 40 + 17, where("age"));
            QVERIFY2(r.height >= 165 - 148 && r.height <= 200 - 148, where("height"));
            QVERIFY2((r.weight & 0x7F) >= 55 && (r.weight & 0x7F) <= 95, where("weight"));
            QVERIFY2(r.spacing <= 15, where("spacing"));
            QVERIFY2(PlayerValues::shownFace(r.faceBase) >= 300 &&
                         PlayerValues::shownFace(r.faceBase) <= 3000,
                     where("face"));
            QVERIFY2(PlayerValues::shownHair(r.hairBase) >= 3574, where("hair"));
            for (int slot = 0; slot < PlayerLayout::abilitySlotCount; ++slot) {
                const int value = r.abilityBlock[slot] & 0x7F;
                QVERIFY2(value >= 40 && value <= 99, where("ability"));
            }
            const int slot = playableSlot(r.positionCode);
            QVERIFY2(slot >= 0, where("position code"));
            QVERIFY2(r.abilityBlock[slot] & 0x80, where("registered position not playable"));
            const bool stopper = r.abilityBlock[28] & 64;
            QVERIFY2(stopper == (r.abilityBlock[29] == 64), where("penalty stopper bytes"));
            QVERIFY2(!r.name.isEmpty() && !r.shirtName.isEmpty(), where("name"));

            if (r.foot & 1)
                seen << QStringLiteral("left foot");
            if (r.foot >= 18)
                seen << QStringLiteral("foot 18+");
            if (r.weight & 0x80)
                seen << QStringLiteral("weight flag");
            if (r.abilityBlock[30] & 0x80)
                seen << QStringLiteral("long throw");
            if (stopper)
                seen << QStringLiteral("penalty stopper");
            if (r.hairBase < 0)
                seen << QStringLiteral("negative hair");
            if (r.rawWord != 0x0D81)
                seen << QStringLiteral("other raw word");
        }
        QCOMPARE(seen.size(), 7);
        QVERIFY(recordAt(db, unrecognisedFootPlayer).foot >= 18);
        QCOMPARE(quint16(recordAt(db, negativeRawWordPlayer).rawWord), quint16(0x8D81));
    }

    void idsAndNamesAreUnique() {
        const QByteArray db = playerDatabase();
        QSet<qint32> ids;
        QHash<QString, int> names;
        for (int index = 0; index < firstCoveredPlayer; ++index) {
            const PlayerRecord r = recordAt(db, index);
            QVERIFY(r.id > 0);
            ids << r.id;
            names[r.name] += 1;
        }
        QCOMPARE(ids.size(), firstCoveredPlayer);
        // The roster table starts after the ID of the first covered record.
        QCOMPARE(readAt<qint32>(db, PlayerLayout::recordStart(firstCoveredPlayer)),
                 playerId(firstCoveredPlayer));
        QVERIFY(!ids.contains(playerId(firstCoveredPlayer)));
        for (const auto& [original, copy] : duplicateNamePlayers) {
            QCOMPARE(recordAt(db, copy).name, recordAt(db, original).name);
            QCOMPARE(names.value(recordAt(db, original).name), 2);
            names.remove(recordAt(db, original).name);
        }
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            QVERIFY2(it.value() == 1, qPrintable(it.key()));
    }

    void teamTablesListTheTeams() {
        using namespace TeamNameLayout;
        const QByteArray file = teamFile();
        QList<int> longListed, longPlaceholders, shortListed, shortPlaceholders;
        for (int k = 0; k < longNameCount; ++k)
            (file.mid(longNameOffset(k), 5) == "DUMMY" ? longPlaceholders : longListed) << k;
        for (int m = 0; m < shortNameCount; ++m)
            (file.mid(shortNameOffset(m), 3) == "DMY" ? shortPlaceholders : shortListed) << m;
        QCOMPARE(longPlaceholders,
                 QList<int>(longNamePlaceholders.begin(), longNamePlaceholders.end()));
        QCOMPARE(shortPlaceholders,
                 QList<int>(shortNamePlaceholders.begin(), shortNamePlaceholders.end()));
        QCOMPARE(longListed.size(), teamCount);
        QCOMPARE(shortListed.size(), teamCount);

        QSet<qint16> ids;
        for (int j = 0; j < teamCount; ++j) {
            const Team& team = teams()[j];
            QCOMPARE(team.longEntry, longListed[j]);
            QCOMPARE(team.shortEntry, shortListed[j]);
            QCOMPARE(GameText::decode(file.mid(longNameOffset(team.longEntry), nameSlotWidth)),
                     team.name);
            QCOMPARE(GameText::decode(file.mid(shortNameOffset(team.shortEntry), 3)),
                     team.shortName);
            QCOMPARE(readAt<qint16>(file, shortNameOffset(team.shortEntry) + 4), team.id);
            ids << team.id;
        }
        QCOMPARE(ids.size(), teamCount);
    }

    void particularTeams_data() {
        QTest::addColumn<int>("team");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("idBytes");
        QTest::newRow("ID 16") << id16Team << QStringLiteral("Greece") << QByteArray("\x10\x00", 2);
        QTest::newRow("ID -1") << minusOneIdTeam << QStringLiteral("Cagliari Calcio")
                               << QByteArray("\xFF\xFF", 2);
        QTest::newRow("lower-case dummy")
            << lowerCaseDummyTeam << QStringLiteral("dummy fc") << QByteArray("\x27\x01", 2);
        QTest::newRow("70 characters")
            << fullWidthNameTeam
            << QStringLiteral(
                   "Sociedad Deportiva y Cultural Atlético Unión de San Martín de Misiones")
            << QByteArray("\x28\x01", 2);
        QTest::newRow("umlaut") << 156 << QStringLiteral("FC Bayern München")
                                << QByteArray("\x00\x01", 2);
        QTest::newRow("short entry inside DUMMY")
            << dummyOverlapTeam << QStringLiteral("Dumbarton FC") << QByteArray("\x59\x00", 2);
    }
    void particularTeams() {
        QFETCH(int, team);
        QFETCH(QString, name);
        QFETCH(QByteArray, idBytes);
        const QByteArray file = teamFile();
        const Team& t = teams()[team];
        QCOMPARE(GameText::decode(file.mid(TeamNameLayout::longNameOffset(t.longEntry), 70)), name);
        QCOMPARE(file.mid(TeamNameLayout::shortNameOffset(t.shortEntry) + 4, 2), idBytes);
    }

    void rostersMatchTheTeamList() {
        const QByteArray db = playerDatabase();
        const QByteArray names = teamFile();
        QHash<qint32, int> indexOfId;
        for (int index = 0; index < PlayerLayout::recordCount; ++index)
            if (isIntactPlayer(index))
                indexOfId.insert(recordAt(db, index).id, index);
        QHash<int, int> teamsOfPlayer;
        QSet<int> nationalPlayers, clubPlayers;
        for (int j = 0; j < teamCount; ++j) {
            const qint64 start = RosterLayout::recordStart(j);
            const qint64 shortEntry = TeamNameLayout::shortNameOffset(teams()[j].shortEntry);
            QCOMPARE(readAt<qint32>(db, start), qint32(readAt<qint16>(names, shortEntry + 4)));
            QSet<int> numbers;
            int filled = 0;
            for (int s = 0; s < RosterLayout::slotCount; ++s) {
                const qint32 id = readAt<qint32>(db, start + 4 + 4 * s);
                const int number = quint8(db[start + 132 + s]);
                if (id == 0) {
                    QCOMPARE(number, 0);
                    continue;
                }
                QVERIFY(number >= 1 && number <= 99);
                QCOMPARE(filled, s); // empty slots only after the filled ones
                ++filled;
                QVERIFY2(indexOfId.value(id, firstCoveredPlayer) < firstCoveredPlayer,
                         qPrintable(QStringLiteral("team %1 slot %2").arg(j).arg(s)));
                teamsOfPlayer[indexOfId.value(id)] += 1;
                (j < nationalTeamCount ? nationalPlayers : clubPlayers) << indexOfId.value(id);
                numbers << number;
            }
            QVERIFY(filled >= minRosterSize);
            QCOMPARE(numbers.size(), filled);
            QCOMPARE(filled, teams()[j].players.size());
        }
        QCOMPARE(readAt<qint32>(db, RosterLayout::recordStart(minusOneIdTeam)), qint32(-1));
        QCOMPARE(teams()[fullRosterTeam].players.size(), 32);
        QCOMPARE(teams()[roster25Team].players.size(), 25);
        const int shared = teams()[fullRosterTeam].players.first();
        QCOMPARE(teamsOfPlayer.value(shared), 2);
        QCOMPARE(teams()[sharedPlayerSecondTeam].players.last(), shared);
        // Those in two squads are exactly the call-ups: one club, one national team.
        const QSet<int> calledUp = nationalPlayers & clubPlayers;
        QCOMPARE(calledUp.size(), nationalTeamCount * calledUpPerNationalTeam + 1);
        QVERIFY(calledUp.contains(shared));
        for (auto it = teamsOfPlayer.cbegin(); it != teamsOfPlayer.cend(); ++it)
            QCOMPARE(it.value(), calledUp.contains(it.key()) ? 2 : 1);
        const qsizetype freeAgents = firstCoveredPlayer - teamsOfPlayer.size();
        QVERIFY(freeAgents > 100 && freeAgents < firstCoveredPlayer / 4);
    }

    void writesTheGameFolder_data() {
        QTest::addColumn<bool>("raw");
        QTest::addColumn<QString>("formSetName");
        QTest::addColumn<QByteArray>("playerPrefix");
        QTest::addColumn<QByteArray>("teamPrefix");
        QTest::addColumn<bool>("bigEndian");
        QTest::addColumn<int>("playerAlignment"); // the team file is never padded
        const QByteArray p0101("\x00\x01\x01WESYS", 8);
        const QByteArray p0001("\x00\x00\x01WESYS", 8);
        QTest::newRow("PC form") << false << "pc" << p0101 << p0001 << false << 16;
        QTest::newRow("PC form, working copies") << true << "pc" << p0101 << p0001 << false << 16;
        QTest::newRow("big-endian") << false << "be" << p0101 << p0001 << true << 16;
        QTest::newRow("plain") << false << "plain" << p0101 << p0101 << false << 1;
    }
    void writesTheGameFolder() {
        QFETCH(bool, raw);
        QFETCH(QString, formSetName);
        QFETCH(QByteArray, playerPrefix);
        QFETCH(QByteArray, teamPrefix);
        QFETCH(bool, bigEndian);
        QFETCH(int, playerAlignment);
        QTemporaryDir temporary;
        QVERIFY(temporary.isValid());
        const QString dir = temporary.filePath(QStringLiteral("not yet/game"));
        const std::optional<GameFileForms> forms = formSet(formSetName);
        QVERIFY(forms);
        QString error;
        QVERIFY2(writeGameFolder(dir, raw, &error, *forms), qPrintable(error));

        const QByteArray expected[] = {playerDatabase(), teamFile()};
        const QString names[] = {QStringLiteral("unnamed_25.bin"),
                                 QStringLiteral("unnamed_32.bin")};
        const QByteArray prefixes[] = {playerPrefix, teamPrefix};
        const int alignments[] = {playerAlignment, 1};
        for (int file = 0; file < 2; ++file) {
            const QString path = QDir(dir).filePath(names[file]);
            const QByteArray packed = TestSupport::readFile(path);
            QCOMPARE(packed.left(8), prefixes[file]);
            const auto sizeAt = [&](qint64 at) {
                return bigEndian ? qFromBigEndian<quint32>(packed.constData() + at)
                                 : qFromLittleEndian<quint32>(packed.constData() + at);
            };
            QCOMPARE(sizeAt(12), quint32(expected[file].size()));
            const qint64 streamEnd = 16 + sizeAt(8);
            if (alignments[file] == 1) {
                QCOMPARE(packed.size(), streamEnd);
            } else { // padded with zeros, less than one boundary's worth (none when it ends on one)
                QVERIFY(packed.size() >= streamEnd && packed.size() - streamEnd < alignments[file]);
                QCOMPARE(packed.size() % alignments[file], 0);
                QCOMPARE(Container::formOf(packed)->alignment, alignments[file]);
                QCOMPARE(packed.mid(streamEnd), QByteArray(packed.size() - streamEnd, '\0'));
            }
            const Container::Result unpacked = Container::decompress(packed);
            QVERIFY2(unpacked.ok(), qPrintable(unpacked.error));
            QVERIFY(unpacked.bytes == expected[file]);
            const QString workingCopy = path + QStringLiteral(".unzlib");
            QCOMPARE(QFile::exists(workingCopy), raw);
            if (raw)
                QVERIFY(TestSupport::readFile(workingCopy) == expected[file]);
        }
    }

    void refusesAFolderItCannotCreate() {
        QTemporaryDir temporary;
        const QString blocker = temporary.filePath(QStringLiteral("a file"));
        QVERIFY(TestSupport::writeFile(blocker, "x"));
        QString error;
        QVERIFY(!writeGameFolder(blocker + QStringLiteral("/game"), false, &error));
        QVERIFY(error.contains(QStringLiteral("a file")));
    }

    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("filesWritten");
        const QString dir = QStringLiteral("DIR");
        QTest::newRow("no arguments") << QStringList{} << 2 << 0;
        QTest::newRow("unknown option") << QStringList{dir, QStringLiteral("--zip")} << 2 << 0;
        QTest::newRow("two folders") << QStringList{dir, dir + QLatin1Char('2')} << 2 << 0;
        QTest::newRow("game files") << QStringList{dir} << 0 << 2;
        QTest::newRow("raw") << QStringList{dir, QStringLiteral("--raw")} << 0 << 4;
        QTest::newRow("raw first") << QStringList{QStringLiteral("--raw"), dir} << 0 << 4;
        QTest::newRow("big-endian form")
            << QStringList{QStringLiteral("--form"), QStringLiteral("be"), dir} << 0 << 2;
        QTest::newRow("unknown form")
            << QStringList{dir, QStringLiteral("--form"), QStringLiteral("zip")} << 2 << 0;
        QTest::newRow("form without a name")
            << QStringList{dir, QStringLiteral("--form")} << 2 << 0;
        QTest::newRow("folder under a file") << QStringList{QStringLiteral("FILE/game")} << 1 << 0;
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(int, filesWritten);
        QTemporaryDir temporary;
        QVERIFY(TestSupport::writeFile(temporary.filePath(QStringLiteral("FILE")), "x"));
        for (QString& argument : arguments)
            if (argument.startsWith(QLatin1String("DIR")) ||
                argument.startsWith(QLatin1String("FILE")))
                argument = temporary.filePath(argument);

        QProcess process;
        // Text mode reads Windows' CRLF line ends as LF.
        process.start(TestSupport::builtProgram(QStringLiteral("rosterly-sample")), arguments,
                      QIODevice::ReadWrite | QIODevice::Text);
        QVERIFY2(process.waitForFinished(120000), qPrintable(process.errorString()));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), exitCode);
        const QStringList printed = QString::fromLocal8Bit(process.readAllStandardOutput())
                                        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(printed.size(), filesWritten);
        QCOMPARE(process.readAllStandardError().isEmpty(), exitCode == 0);
        for (const QString& path : printed)
            QVERIFY2(QFileInfo(path).size() > 0, qPrintable(path));
    }
};

QTEST_GUILESS_MAIN(TestSampleBuilder)
#include "tst_samplebuilder.moc"
