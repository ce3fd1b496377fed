// The road of a typical edit through both windows with the real codec: open both files, load,
// find a player by search, edit and apply everything, rename a team, save both files, and check
// the saved game files byte for byte.
#include "app/form1.h"
#include "common/gametext.h"
#include "common/workingcopy.h"
#include "player/playerrecord.h"
#include "teamnames/form2.h"
#include "teamnames/teamnamelayout.h"
#include "teamnames/teamnametable.h"
#include "tests/testsupport.h"
#include "tests/windowsupport.h"
#include "tools/samplebuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtEndian>
#include <QtTest>

namespace {

// The bytes of `after` that differ from `before`, as offsets.
QList<qint64> changedOffsets(const QByteArray& before, const QByteArray& after) {
    QList<qint64> changed;
    for (qint64 i = 0; i < std::min(before.size(), after.size()); ++i)
        if (before.at(i) != after.at(i))
            changed << i;
    return changed;
}

QByteArray decompressedGameFile(const QString& gameFile) {
    const QString copy = gameFile + QStringLiteral(".check");
    QFile::remove(copy);
    if (!QFile::copy(gameFile, copy) || TestSupport::runCodec({copy, QStringLiteral("-d")}) != 0)
        return {};
    return TestSupport::readFile(WorkingCopy::pathForGameFile(copy));
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void typicalEditSurvivesSaveAndReopen_data();
    void typicalEditSurvivesSaveAndReopen();
    void saveKeepsThePcFormOfBothFiles();
};

void TestEndToEnd::typicalEditSurvivesSaveAndReopen_data() {
    QTest::addColumn<QString>("folderName");
    QTest::newRow("plain folder") << "game";
    QTest::newRow("blanks and non-ASCII letters") << "PES 2011 Spielstände/my game";
}

void TestEndToEnd::typicalEditSurvivesSaveAndReopen() {
    QFETCH(QString, folderName);
    TestSupport::SampleGame game(folderName);
    QVERIFY2(game.isValid(), qPrintable(game.error()));
    FakePlatform& platform = game.platform;

    Form1 window(platform);
    QVERIFY(TestSupport::openAndLoad(window, game));
    Form1Controls& c = window.controls();
    QCOMPARE(c.List1->count(), PlayerLayout::recordCount);

    // Find the player by his name in capitals ("MESUT ÖZIL").
    const int player = SampleBuilder::accentedNamePlayer;
    c.trazi_tim->setText(SampleBuilder::playerName(player).toUpper());
    c.Command9->click();
    QCOMPARE(c.List1->currentRow(), player);
    const qint64 n = PlayerLayout::nameOffset(player);

    // Details.
    c.nazivigraca->setText(QStringLiteral("Jérôme Édité"));
    c.nazivigraca_dres->setText(QStringLiteral("ÉDITÉ"));
    c.age->setText(QStringLiteral("30"));
    c.visina->setText(QStringLiteral("185"));
    c.weight->setText(QStringLiteral("80"));
    c.spacing->setText(QStringLiteral("4"));
    c.foot->setCurrentIndex(1);
    c.position->setCurrentIndex(7); // "SMF"
    emit c.position->activated(7);
    c.promjena_imena->click();
    // Abilities, positions and special abilities.
    c.abilityBoxes[0]->setText(QStringLiteral("91"));
    c.abilityBoxes[25]->setText(QStringLiteral("45"));
    c.check(31)->setChecked(!c.check(31)->isChecked()); // "Sliding"
    c.check(35)->setChecked(true);                      // "Long Throw"
    c.Command4->click();
    // Face and hair.
    c.face->setText(QStringLiteral("500"));
    c.hair->setText(QStringLiteral("4100"));
    c.Command5->click();
    QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.messages.value(0).text));

    // A team renamed in the team name editor.
    Form2* editor = window.teamEditor();
    QVERIFY(editor);
    auto* teams = editor->findChild<QListWidget*>(QStringLiteral("List1"));
    teams->setCurrentRow(4);
    const qint64 teamOffset = editor->nameOffsets().text().toLongLong();
    editor->findChild<QLineEdit*>(QStringLiteral("nazivigraca"))
        ->setText(QStringLiteral("Édité FC"));
    editor->findChild<QLineEdit*>(QStringLiteral("nazivigraca_dres"))
        ->setText(QStringLiteral("EFC"));
    editor->findChild<QPushButton*>(QStringLiteral("promjena_imena"))->click();

    // Both saves.
    c.Command1->click();
    editor->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(platform.messages.size(), 2, 30000);
    for (const auto& message : platform.messages)
        QCOMPARE(message.text, QStringLiteral("DONE!"));

    // The saved game files hold exactly the working copies.
    const QByteArray savedDatabase = decompressedGameFile(game.database());
    const QByteArray savedTeams = decompressedGameFile(game.teamFile());
    QCOMPARE(savedDatabase, TestSupport::readFile(game.databaseWorkingCopy()));
    QCOMPARE(savedTeams, TestSupport::readFile(game.teamWorkingCopy()));

    // Every changed byte of the database lies inside the edited player's fields.
    const QByteArray originalDatabase = SampleBuilder::playerDatabase();
    QCOMPARE(savedDatabase.size(), originalDatabase.size());
    for (const qint64 offset : changedOffsets(originalDatabase, savedDatabase)) {
        const qint64 field = offset - n;
        const bool edited = (field >= 0 && field < 62) || field == 64 || field == 66 ||
                            field == 67 || (field >= 72 && field <= 102) || field == 110 ||
                            field == 111 || (field >= 112 && field < 118) || field == 168;
        QVERIFY2(edited, qPrintable(QStringLiteral("byte %1 changed").arg(offset)));
    }
    QCOMPARE(GameText::decode(savedDatabase.mid(n, 46)), QStringLiteral("Jérôme Édité"));
    QCOMPARE(quint8(savedDatabase.at(n + PlayerLayout::age)), quint8(30 + 17));
    QCOMPARE(quint8(savedDatabase.at(n + PlayerLayout::positionCode)), quint8(129));
    QCOMPARE(quint8(savedDatabase.at(n + PlayerLayout::abilityBlock)) & 0x7F, 91);
    QCOMPARE(qFromLittleEndian<qint16>(savedDatabase.constData() + n + PlayerLayout::faceBase),
             qint16(500 - 258));

    // The team file changed only inside the renamed entry and the short name listed beside it.
    const QByteArray originalTeams = SampleBuilder::teamFile();
    const qint64 shortEntry = TeamNameTable::decode(originalTeams).shortEntryOffsets.at(4);
    for (const qint64 offset : changedOffsets(originalTeams, savedTeams)) {
        const qint64 inEntry = offset - teamOffset;
        QVERIFY((inEntry >= 0 && inEntry < TeamNameLayout::renamedShortName + 3) ||
                (offset >= shortEntry && offset < shortEntry + 3));
    }

    // A new session on the saved files shows what was stored.
    QFile::remove(game.databaseWorkingCopy());
    QFile::remove(game.teamWorkingCopy());
    FakePlatform again;
    again.answers = platform.answers;
    Form1 reopened(again);
    QVERIFY(TestSupport::openAndLoad(reopened, game));
    Form1Controls& r = reopened.controls();
    r.List1->setCurrentRow(player);
    QCOMPARE(r.nazivigraca->text(), QStringLiteral("Jérôme Édité"));
    QCOMPARE(r.nazivigraca_dres->text(), QStringLiteral("ÉDITÉ"));
    QCOMPARE(r.age->text(), QStringLiteral("30"));
    QCOMPARE(r.visina->text(), QStringLiteral("185"));
    QCOMPARE(r.weight->text(), QStringLiteral("80"));
    QCOMPARE(r.spacing->text(), QStringLiteral("4"));
    QCOMPARE(r.foot->currentText(), QStringLiteral("Left"));
    QCOMPARE(r.position->currentText(), QStringLiteral("SMF"));
    QVERIFY(r.check(8)->isChecked()); // "SMF" is playable
    QCOMPARE(r.abilityBoxes[0]->text(), QStringLiteral("91"));
    QCOMPARE(r.abilityBoxes[25]->text(), QStringLiteral("45"));
    QCOMPARE(r.check(31)->isChecked(), c.check(31)->isChecked());
    QVERIFY(r.check(35)->isChecked());
    QCOMPARE(r.hidden.zbirocjene, c.hidden.zbirocjene);
    QCOMPARE(r.face->text(), QStringLiteral("500"));
    QCOMPARE(r.hair->text(), QStringLiteral("4100"));
    QCOMPARE(reopened.teamEditor()->teamNames().at(4), QStringLiteral("Édité FC"));
    QCOMPARE(r.timovi_lista->itemText(4), QStringLiteral("Édité FC"));
    QVERIFY(again.messages.isEmpty());
}

void TestEndToEnd::saveKeepsThePcFormOfBothFiles() {
    TestSupport::SampleGame game;
    QVERIFY2(game.isValid(), qPrintable(game.error()));
    QCOMPARE(TestSupport::readFile(game.database()).left(8), QByteArray("\x00\x01\x01WESYS", 8));
    QCOMPARE(TestSupport::readFile(game.teamFile()).left(8), QByteArray("\x00\x00\x01WESYS", 8));

    Form1 window(game.platform);
    QVERIFY(TestSupport::openAndLoad(window, game));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(3);
    c.age->setText(QStringLiteral("33"));
    c.promjena_imena->click();
    Form2* editor = window.teamEditor();
    QVERIFY(editor);
    editor->findChild<QListWidget*>(QStringLiteral("List1"))->setCurrentRow(2);
    editor->findChild<QLineEdit*>(QStringLiteral("nazivigraca"))
        ->setText(QStringLiteral("Renamed"));
    editor->findChild<QPushButton*>(QStringLiteral("promjena_imena"))->click();
    c.Command1->click();
    editor->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QTRY_COMPARE_WITH_TIMEOUT(game.platform.messages.size(), 2, 30000);
    for (const auto& message : game.platform.messages)
        QCOMPARE(message.text, QStringLiteral("DONE!"));

    // Same eight bytes, little-endian sizes, the database padded to 16 and the team file unpadded.
    const QByteArray database = TestSupport::readFile(game.database());
    const QByteArray teams = TestSupport::readFile(game.teamFile());
    QCOMPARE(database.left(8), QByteArray("\x00\x01\x01WESYS", 8));
    QCOMPARE(qFromLittleEndian<quint32>(database.constData() + 12), quint32(1520000));
    QCOMPARE(database.size() % 16, 0);
    QCOMPARE(teams.left(8), QByteArray("\x00\x00\x01WESYS", 8));
    QCOMPARE(teams.size(), 16 + qFromLittleEndian<quint32>(teams.constData() + 8));

    const QByteArray savedDatabase = decompressedGameFile(game.database());
    QCOMPARE(quint8(savedDatabase.at(PlayerLayout::nameOffset(3) + PlayerLayout::age)), 33 + 17);
    QCOMPARE(savedDatabase, TestSupport::readFile(game.databaseWorkingCopy()));
    const QByteArray savedTeams = decompressedGameFile(game.teamFile());
    QCOMPARE(savedTeams, TestSupport::readFile(game.teamWorkingCopy()));
    QVERIFY(savedTeams != SampleBuilder::teamFile());
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
