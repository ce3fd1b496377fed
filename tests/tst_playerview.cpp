// The player list after Load, and what the window shows for the player selected in it: details,
// position and foot, face and hair, abilities with their flags, the special abilities and the
// colours of the ability boxes.
#include "app/form1.h"
#include "common/workingcopy.h"
#include "player/abilitytable.h"
#include "player/playerrecord.h"
#include "tests/testsupport.h"
#include "tests/windowsupport.h"
#include "tools/samplebuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QSet>
#include <QtEndian>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// Players the crafted cases use: ordinary intact records, far from the particular ones.
constexpr int craftedPlayer = 300;
constexpr int previousPlayer = 301;

// A record whose position, flags and special abilities check no box of their own: position code
// 1 selects no entry, every ability is 50 without its flag, no special ability, no long throw.
std::vector<Patch> plainRecord(int player) {
    std::vector<Patch> patches{PlayerPatch::byte(player, PlayerLayout::positionCode, 1)};
    for (int slot = 0; slot < PlayerLayout::abilitySlotCount; ++slot)
        patches.push_back(PlayerPatch::ability(player, slot, 50));
    patches.push_back(PlayerPatch::ability(player, PlayerLayout::specialAbilitySlot, 0));
    patches.push_back(PlayerPatch::ability(player, PlayerLayout::penaltyStopperSlot, 0));
    patches.push_back(PlayerPatch::ability(player, PlayerLayout::longThrowSlot, 0));
    return patches;
}

QList<int> checkedAmong(Form1Controls& c, const QList<int>& boxes) {
    QList<int> checked;
    for (const int n : boxes)
        if (c.check(n)->isChecked())
            checked << n;
    return checked;
}

QColor baseOf(const QLineEdit* box) {
    return box->palette().color(QPalette::Base);
}

} // namespace

class TestPlayerView : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadListsEveryRecord();
    void loadListsNegativeAndZeroIds();
    void loadTwiceListsEverythingOnce();
    void loadNeedsTheWholePlayerTable_data();
    void loadNeedsTheWholePlayerTable();
    void loadBeforeOpenCreatesNothing();
    void loadAfterFailedDecompressSaysSo();

    void showsTheRecordsDetails_data();
    void showsTheRecordsDetails();
    void showsAbilityAndItsFlag_data();
    void showsAbilityAndItsFlag();
    void showsWeightWithoutItsFlag_data();
    void showsWeightWithoutItsFlag();
    void showsSpecialAbilities_data();
    void showsSpecialAbilities();
    void specialSumFollowsEverySelection();
    void showsRegisteredPosition_data();
    void showsRegisteredPosition();
    void showsFoot_data();
    void showsFoot();
    void showsFaceAndHair_data();
    void showsFaceAndHair();

    void colourbandsOfShownAbilities();
    void typedValueRecolours_data();
    void typedValueRecolours();

private:
    std::unique_ptr<TestSupport::SampleGame> m_game;
    QString m_startFolder; // the current folder, which one case changes
};

void TestPlayerView::init() {
    m_startFolder = QDir::currentPath();
    m_game = std::make_unique<TestSupport::SampleGame>();
    QVERIFY2(m_game->isValid(), qPrintable(m_game->error()));
}

void TestPlayerView::cleanup() {
    QDir::setCurrent(m_startFolder);
    m_game.reset();
}

// ---- Load ----

void TestPlayerView::loadListsEveryRecord() {
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    Form1Controls& c = window.controls();
    QVERIFY(m_game->platform.messages.isEmpty());
    QCOMPARE(c.List1->count(), PlayerLayout::recordCount);
    QCOMPARE(c.lists.listaid.count(), PlayerLayout::recordCount);
    QCOMPARE(c.lists.igraci_skraceno.count(), PlayerLayout::recordCount);
    QCOMPARE(c.lists.odabir_timova.count(), PlayerLayout::recordCount);
    QCOMPARE(c.lists.adrese_naziv.count(), PlayerLayout::recordCount);
    for (int i = 0; i < PlayerLayout::recordCount; ++i) {
        QCOMPARE(c.lists.adrese_naziv.items.at(i), QString::number(PlayerLayout::nameOffset(i)));
        QCOMPARE(c.lists.odabir_timova.items.at(i), c.List1->item(i)->text());
        if (!SampleBuilder::isIntactPlayer(i))
            continue;
        QCOMPARE(c.List1->item(i)->text(), SampleBuilder::playerName(i));
        QCOMPARE(c.lists.listaid.items.at(i), QString::number(SampleBuilder::playerId(i)));
    }
    QCOMPARE(c.lists.igraci_skraceno.items.at(SampleBuilder::accentedNamePlayer),
             QStringLiteral("ÖZIL"));
    QVERIFY(c.Frame1->isVisible());
    QCOMPARE(c.puni->value(), c.puni->maximum());
}

void TestPlayerView::loadListsNegativeAndZeroIds() {
    Form1 window(m_game->platform);
    QVERIFY(
        TestSupport::openAndLoad(window, *m_game, {PlayerPatch::id(0, -5), PlayerPatch::id(1, 0)}));
    Form1Controls& c = window.controls();
    QCOMPARE(c.lists.listaid.items.at(0), QStringLiteral("-5"));
    QCOMPARE(c.lists.listaid.items.at(1), QStringLiteral("0"));
    QCOMPARE(c.lists.listaid.items.at(2), QString::number(SampleBuilder::playerId(2)));

    c.List1->setCurrentRow(0);
    QCOMPARE(c.lblID->text(), QStringLiteral("-5"));
    QCOMPARE(c.hidden.id, QStringLiteral("-5"));
    c.List1->setCurrentRow(1);
    QCOMPARE(c.lblID->text(), QStringLiteral("0"));
}

void TestPlayerView::loadTwiceListsEverythingOnce() {
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    QVERIFY(window.load());
    Form1Controls& c = window.controls();
    for (const int count :
         {c.List1->count(), c.lists.listaid.count(), c.lists.igraci_skraceno.count(),
          c.lists.odabir_timova.count(), c.lists.adrese_naziv.count()})
        QCOMPARE(count, PlayerLayout::recordCount);

    const QList<SampleBuilder::Team>& teams = SampleBuilder::teams();
    QCOMPARE(c.timovi_lista->count(), teams.size());
    QCOMPARE(c.transferto->count(), teams.size());
    QSet<QString> seen;
    for (int t = 0; t < c.timovi_lista->count(); ++t) {
        QCOMPARE(c.timovi_lista->itemText(t), teams.at(t).name);
        QVERIFY2(!seen.contains(c.timovi_lista->itemText(t)), qPrintable(teams.at(t).name));
        seen.insert(c.timovi_lista->itemText(t));
    }
    QCOMPARE(c.timovi_lista->currentIndex(), 0);
    QVERIFY(m_game->platform.messages.isEmpty());
}

void TestPlayerView::loadNeedsTheWholePlayerTable_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("loadedBefore");
    QTest::addColumn<bool>("loads");

    const qint64 end = PlayerLayout::tableEnd;
    QTest::newRow("one byte short, first Load") << end - 1 << false << false;
    QTest::newRow("one byte short, after a Load") << end - 1 << true << false;
    QTest::newRow("empty, first Load") << qint64(0) << false << false;
    QTest::newRow("ends with the last record") << end << false << true;
}

void TestPlayerView::loadNeedsTheWholePlayerTable() {
    QFETCH(qint64, size);
    QFETCH(bool, loadedBefore);
    QFETCH(bool, loads);

    Form1 window(m_game->platform);
    window.show();
    QVERIFY(TestSupport::openDecompressed(window));
    Form1Controls& c = window.controls();
    QStringList namesBefore;
    if (loadedBefore) {
        QVERIFY(window.load());
        c.List1->setCurrentRow(5);
        namesBefore = c.lists.odabir_timova.items;
    }
    QFile file(m_game->databaseWorkingCopy());
    QVERIFY(file.resize(size));
    const QByteArray cut = TestSupport::readFile(m_game->databaseWorkingCopy());

    QCOMPARE(window.load(), loads);
    QCOMPARE(TestSupport::readFile(m_game->databaseWorkingCopy()), cut);
    if (loads) {
        QVERIFY(m_game->platform.messages.isEmpty());
        QCOMPARE(c.List1->count(), PlayerLayout::recordCount);
        return;
    }
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(!m_game->platform.messages.first().text.isEmpty());
    if (loadedBefore) {
        QCOMPARE(c.List1->count(), PlayerLayout::recordCount);
        QCOMPARE(c.lists.odabir_timova.items, namesBefore);
        QCOMPARE(c.lists.adrese_naziv.count(), PlayerLayout::recordCount);
        QCOMPARE(c.List1->currentRow(), 5);
        QCOMPARE(c.timovi_lista->count(), SampleBuilder::teams().size());
    } else {
        QCOMPARE(c.List1->count(), 0);
        QCOMPARE(c.lists.listaid.count(), 0);
        QCOMPARE(c.lists.adrese_naziv.count(), 0);
        QCOMPARE(c.timovi_lista->count(), 0);
        QVERIFY(!c.Frame1->isVisible());
    }
}

void TestPlayerView::loadBeforeOpenCreatesNothing() {
    QVERIFY(QDir::setCurrent(m_game->folder())); // where an unnamed working copy would go
    const QStringList filesBefore = QDir(m_game->folder()).entryList(QDir::Files);
    {
        Form1 window(m_game->platform);
        window.show();
        QVERIFY(!window.load());
        Form1Controls& c = window.controls();
        QCOMPARE(m_game->platform.messages.size(), 1);
        QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("File > Open")));
        QCOMPARE(c.List1->count(), 0);
        QCOMPARE(c.lists.adrese_naziv.count(), 0);
        QCOMPARE(c.timovi_lista->count(), 0);
        QVERIFY(!c.Frame1->isVisible());
        // Refused before anything happened: no file dialog, no codec run, no file.
        QTest::qWait(500); // a codec run started anyway would have written by now
        const QStringList filesAfter = QDir(m_game->folder()).entryList(QDir::Files);
        QVERIFY2(m_game->platform.askedTitles.isEmpty() && filesAfter == filesBefore,
                 qPrintable(QStringLiteral("asked for: %1; files now: %2")
                                .arg(m_game->platform.askedTitles.join(QStringLiteral(", ")),
                                     filesAfter.join(QStringLiteral(", ")))));
    }
}

void TestPlayerView::loadAfterFailedDecompressSaysSo() {
    m_game->platform.codec = TestSupport::failingProgram();
    Form1 window(m_game->platform);
    window.show();
    QVERIFY(TestSupport::openAndWait(window));
    QCOMPARE(window.session().decompressRuns().state(), CodecRuns::State::Failed);
    QVERIFY(!window.load());
    Form1Controls& c = window.controls();
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY(m_game->platform.messages.first().text.contains(m_game->database()));
    QCOMPARE(c.List1->count(), 0);
    QCOMPARE(c.timovi_lista->count(), 0);
    QVERIFY(!c.Frame1->isVisible());
}

// ---- The selected player ----

void TestPlayerView::showsTheRecordsDetails_data() {
    QTest::addColumn<int>("player");
    QTest::newRow("accented name") << SampleBuilder::accentedNamePlayer;
    QTest::newRow("46-character name") << SampleBuilder::fullWidthNamePlayer;
    QTest::newRow("negative raw word") << SampleBuilder::negativeRawWordPlayer;
    QTest::newRow("last record") << PlayerLayout::recordCount - 1;
}

// Every detail box against the record's own bytes, decoded here by offset.
void TestPlayerView::showsTheRecordsDetails() {
    QFETCH(int, player);
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    Form1Controls& c = window.controls();
    const QByteArray all = TestSupport::readFile(m_game->databaseWorkingCopy());
    const qint64 n = PlayerLayout::nameOffset(player);
    const auto at = [&](qint64 fromName) { return static_cast<quint8>(all.at(n + fromName)); };
    const auto word = [&](qint64 fromName) {
        return qFromLittleEndian<qint16>(all.data() + n + fromName);
    };

    c.List1->setCurrentRow(player);
    const QString name = SampleBuilder::playerName(player);
    QCOMPARE(c.nazivigraca->text(), name);
    QCOMPARE(c.lblprebaciigrac->text(), name);
    QCOMPARE(c.lblID->text(), QString::number(SampleBuilder::playerId(player)));
    QCOMPARE(c.hidden.id, c.lblID->text());
    QCOMPARE(c.age->text(), QString::number(at(168) - 17));
    QCOMPARE(c.visina->text(), QString::number(at(110) + 148));
    QCOMPARE(c.spacing->text(), QString::number(at(64) + 1));
    QCOMPARE(c.hidden.Text2, QString::number(static_cast<quint16>(word(112)), 16).toUpper());
    QCOMPARE(c.face->text(), QString::number(word(114) + 258));
    QCOMPARE(c.hair->text(), QString::number(word(116) + 3832));
    QCOMPARE(c.plnumber->text(), QString());
    QCOMPARE(c.lists.adrese_naziv.text(), QString::number(n));
    QCOMPARE(c.lists.listaid.text(), c.lblID->text());
    QCOMPARE(c.lists.odabir_timova.text(), name);
    for (int slot = 0; slot < PlayerLayout::abilitySlotCount; ++slot)
        QCOMPARE(c.abilityBoxes[slot]->text(), QString::number(at(72 + slot) & 0x7F));
}

void TestPlayerView::showsAbilityAndItsFlag_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("flagBox");
    QTest::addColumn<bool>("flagged");

    QTest::newRow("attack 150") << 0 << 150 << "22" << 1 << true;
    QTest::newRow("attack 22") << 0 << 22 << "22" << 1 << false;
    QTest::newRow("stamina 208") << 3 << 208 << "80" << 4 << true;
    QTest::newRow("speed 200") << 4 << 200 << "72" << 6 << true;
    QTest::newRow("teamwork 255") << 23 << 255 << "127" << 13 << true;
    QTest::newRow("gkskill 227") << 25 << 227 << "99" << 14 << true;
    QTest::newRow("long pass speed 140") << 13 << 140 << "12" << 25 << true;
}

void TestPlayerView::showsAbilityAndItsFlag() {
    QFETCH(int, slot);
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(int, flagBox);
    QFETCH(bool, flagged);

    std::vector<Patch> crafted = plainRecord(craftedPlayer);
    crafted.push_back(PlayerPatch::ability(craftedPlayer, slot, stored));
    // The player shown before has every flag set, so a box left checked would show.
    for (int s = 0; s < PlayerLayout::abilitySlotCount; ++s)
        crafted.push_back(PlayerPatch::ability(previousPlayer, s, 0x80 | 60));
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game, crafted));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(previousPlayer);
    c.List1->setCurrentRow(craftedPlayer);

    QCOMPARE(c.abilityBoxes[slot]->text(), shown);
    QCOMPARE(c.check(flagBox)->isChecked(), flagged);
    QList<int> otherFlags;
    for (const AbilitySlot& s : abilitySlots)
        if (s.slot != slot)
            otherFlags << s.flagBox;
    QCOMPARE(checkedAmong(c, otherFlags), QList<int>());
    for (int s = 0; s < PlayerLayout::abilitySlotCount; ++s)
        if (s != slot)
            QCOMPARE(c.abilityBoxes[s]->text(), QStringLiteral("50"));
}

void TestPlayerView::showsWeightWithoutItsFlag_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("99") << 99 << "99";
    QTest::newRow("100") << 100 << "100";
    QTest::newRow("128") << 128 << "0";
    QTest::newRow("200") << 200 << "72";
}

void TestPlayerView::showsWeightWithoutItsFlag() {
    QFETCH(int, stored);
    QFETCH(QString, shown);
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(
        window, *m_game, {PlayerPatch::byte(craftedPlayer, PlayerLayout::weight, stored)}));
    window.controls().List1->setCurrentRow(craftedPlayer);
    QCOMPARE(window.controls().weight->text(), shown);
}

void TestPlayerView::showsSpecialAbilities_data() {
    QTest::addColumn<int>("special");
    QTest::addColumn<bool>("slot13Flag");
    QTest::addColumn<int>("longThrow");
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<QString>("sum");

    QTest::newRow("11") << 11 << false << 0 << QList<int>{28, 29, 31} << "11";
    QTest::newRow("65") << 65 << false << 0 << QList<int>{28, 34} << "65";
    QTest::newRow("every bit") << 255 << false << 0 << QList<int>{25, 28, 29, 30, 31, 32, 33, 34}
                               << "255";
    QTest::newRow("slot 13 flag, bit 7 clear") << 3 << true << 0 << QList<int>{25, 28, 29} << "131";
    QTest::newRow("slot 13 flag, bit 7 set") << 131 << true << 0 << QList<int>{25, 28, 29} << "131";
    QTest::newRow("long throw 100") << 0 << false << 100 << QList<int>{35} << "0";
    QTest::newRow("long throw 135") << 32 << false << 135 << QList<int>{33, 35} << "32";
}

void TestPlayerView::showsSpecialAbilities() {
    QFETCH(int, special);
    QFETCH(bool, slot13Flag);
    QFETCH(int, longThrow);
    QFETCH(QList<int>, checked);
    QFETCH(QString, sum);

    std::vector<Patch> crafted = plainRecord(craftedPlayer);
    crafted.push_back(
        PlayerPatch::ability(craftedPlayer, PlayerLayout::specialAbilitySlot, special));
    crafted.push_back(PlayerPatch::ability(craftedPlayer, 13, slot13Flag ? 0x80 | 50 : 50));
    crafted.push_back(PlayerPatch::ability(craftedPlayer, PlayerLayout::longThrowSlot, longThrow));
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game, crafted));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(craftedPlayer);

    QCOMPARE(checkedAmong(c, {25, 27, 28, 29, 30, 31, 32, 33, 34, 35}), checked);
    QCOMPARE(c.hidden.zbirocjene, sum);
}

// The sum is kept by the boxes' changes alone, so every selection must leave it at the selected
// player's special byte, whatever was shown before.
void TestPlayerView::specialSumFollowsEverySelection() {
    struct Crafted {
        int player;
        int special;
        bool slot13Flag;
        int sum;
    };
    const Crafted players[] = {
        {400, 11, false, 11}, {401, 65, true, 193},   {402, 200, true, 200},
        {403, 0, false, 0},   {404, 255, false, 255},
    };
    std::vector<Patch> crafted;
    for (const Crafted& p : players) {
        for (const Patch& patch : plainRecord(p.player))
            crafted.push_back(patch);
        crafted.push_back(
            PlayerPatch::ability(p.player, PlayerLayout::specialAbilitySlot, p.special));
        crafted.push_back(PlayerPatch::ability(p.player, 13, p.slot13Flag ? 0x80 | 50 : 50));
    }
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game, crafted));
    Form1Controls& c = window.controls();

    const int order[] = {0, 0, 1, 0, 2, 2, 3, 4, 1, 4, 0};
    for (const int k : order) {
        const Crafted& p = players[k];
        if (c.List1->currentRow() == p.player) {
            // The same player again, as the user selects him: a click on his row.
            c.List1->scrollToItem(c.List1->item(p.player));
            const QRect row = c.List1->visualItemRect(c.List1->item(p.player));
            QTest::mouseClick(c.List1->viewport(), Qt::LeftButton, {}, row.center());
        } else {
            c.List1->setCurrentRow(p.player);
        }
        QCOMPARE(c.List1->currentRow(), p.player);
        QCOMPARE(c.hidden.zbirocjene, QString::number(p.sum));
    }
}

void TestPlayerView::showsRegisteredPosition_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("position");
    QTest::addColumn<QString>("pozicija");
    QTest::addColumn<int>("positionBox"); // 0: none of Check1-Check12

    // The player shown before is a "WB" (code 97).
    QTest::newRow("178 reads as CF") << 178 << "CF"
                                     << "192" << 12;
    QTest::newRow("64 SB") << 64 << "SB"
                           << "65" << 4;
    QTest::newRow("8 GK") << 8 << "GK"
                          << "0" << 1;
    QTest::newRow("32 CB") << 32 << "CB"
                           << "48" << 3;
    QTest::newRow("179 SS") << 179 << "SS"
                            << "177" << 11;
    QTest::newRow("146 AMF") << 146 << "AMF"
                             << "145" << 9;
    QTest::newRow("97, the one shown before") << 97 << "WB"
                                              << "97" << 5;
    QTest::newRow("1 matches no entry") << 1 << "WB"
                                        << "1" << 0;
}

void TestPlayerView::showsRegisteredPosition() {
    QFETCH(int, code);
    QFETCH(QString, position);
    QFETCH(QString, pozicija);
    QFETCH(int, positionBox);

    std::vector<Patch> crafted = plainRecord(craftedPlayer);
    crafted.push_back(PlayerPatch::byte(craftedPlayer, PlayerLayout::positionCode, code));
    for (const Patch& patch : plainRecord(previousPlayer))
        crafted.push_back(patch);
    crafted.push_back(PlayerPatch::byte(previousPlayer, PlayerLayout::positionCode, 97));
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game, crafted));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(previousPlayer);
    QCOMPARE(c.position->currentText(), QStringLiteral("WB"));
    c.List1->setCurrentRow(craftedPlayer);

    QCOMPARE(c.position->currentText(), position);
    QCOMPARE(c.hidden.pozicija, pozicija);
    // The flags of slots 0-11 are all clear: only the position rule checks a position box.
    const QList<int> expected = positionBox ? QList<int>{positionBox} : QList<int>{};
    QCOMPARE(checkedAmong(c, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), expected);
}

void TestPlayerView::showsFoot_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("foot");
    QTest::addColumn<QString>("text1");

    // The player shown before is left-footed (foot byte 1).
    QTest::newRow("0") << 0 << "Right"
                       << "0";
    QTest::newRow("4") << 4 << "Right"
                       << "4";
    QTest::newRow("5") << 5 << "Left"
                       << "5";
    QTest::newRow("17") << 17 << "Left"
                        << "11";
    // A byte the foot table does not know shows no entry rather than the previous player's.
    QTest::newRow("18 unrecognised") << 18 << ""
                                     << "12";
    QTest::newRow("26 unrecognised") << 26 << ""
                                     << "1A";
}

void TestPlayerView::showsFoot() {
    QFETCH(int, stored);
    QFETCH(QString, foot);
    QFETCH(QString, text1);
    Form1 window(m_game->platform);
    QVERIFY(
        TestSupport::openAndLoad(window, *m_game,
                                 {PlayerPatch::byte(previousPlayer, PlayerLayout::foot, 1),
                                  PlayerPatch::byte(craftedPlayer, PlayerLayout::foot, stored)}));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(previousPlayer);
    QCOMPARE(c.foot->currentText(), QStringLiteral("Left"));
    c.List1->setCurrentRow(craftedPlayer);
    QCOMPARE(c.foot->currentText(), foot);
    QCOMPARE(c.hidden.Text1, text1);
}

void TestPlayerView::showsFaceAndHair_data() {
    QTest::addColumn<int>("faceBase");
    QTest::addColumn<int>("hairBase");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("hair");

    QTest::newRow("hair unlike the proposal") << 42 << 100 << "300"
                                              << "3932";
    QTest::newRow("hair equal to the proposal") << 42 << 42 << "300"
                                                << "3874";
    QTest::newRow("face equal to the one before") << 1000 << 7 << "1258"
                                                  << "3839";
    QTest::newRow("lowest bases") << -32768 << -32768 << "-32510"
                                  << "-28936";
    QTest::newRow("highest bases") << 32767 << 32767 << "33025"
                                   << "36599";
}

void TestPlayerView::showsFaceAndHair() {
    QFETCH(int, faceBase);
    QFETCH(int, hairBase);
    QFETCH(QString, face);
    QFETCH(QString, hair);

    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(
        window, *m_game,
        {PlayerPatch::word(previousPlayer, PlayerLayout::faceBase, 1000),
         PlayerPatch::word(previousPlayer, PlayerLayout::hairBase, 1000),
         PlayerPatch::word(craftedPlayer, PlayerLayout::faceBase, static_cast<qint16>(faceBase)),
         PlayerPatch::word(craftedPlayer, PlayerLayout::hairBase, static_cast<qint16>(hairBase))}));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(previousPlayer);
    QCOMPARE(c.face->text(), QStringLiteral("1258"));
    c.List1->setCurrentRow(craftedPlayer);

    QCOMPARE(c.face->text(), face);
    QCOMPARE(c.hair->text(), hair);
    QCOMPARE(c.lblface->text(), QStringLiteral("Face: unnamed_%1.bin").arg(face));
    QCOMPARE(c.lblhair->text(), QStringLiteral("Hair: unnamed_%1.bin").arg(hair));
}

// ---- Colours ----

void TestPlayerView::colourbandsOfShownAbilities() {
    const struct {
        int slot;
        int stored;
        QColor colour;
    } shown[] = {
        {0, 69, Qt::white},
        {1, 70, QColor(0, 192, 0)},
        {2, 0x80 | 79, QColor(0, 192, 0)},
        {3, 80, QColor(255, 255, 0)},
        {4, 89, QColor(255, 255, 0)},
        {5, 90, QColor(255, 128, 0)},
        {6, 94, QColor(255, 128, 0)},
        {7, 95, QColor(255, 0, 0)},
        {8, 0x80 | 99, QColor(255, 0, 0)},
        {23, 99, QColor(255, 0, 0)},
        {24, 75, QColor(0, 192, 0)},
        {25, 85, QColor(255, 255, 0)},
    };
    std::vector<Patch> crafted = plainRecord(craftedPlayer);
    for (const auto& s : shown)
        crafted.push_back(PlayerPatch::ability(craftedPlayer, s.slot, s.stored));
    crafted.push_back(PlayerPatch::ability(craftedPlayer, dribbleSpeedSlot, 99));
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game, crafted));
    Form1Controls& c = window.controls();
    const QColor untouched = baseOf(c.abilityBoxes[dribbleSpeedSlot]);
    c.List1->setCurrentRow(craftedPlayer);

    for (const auto& s : shown)
        QTRY_COMPARE_WITH_TIMEOUT(baseOf(c.abilityBoxes[s.slot]), s.colour, 5000);
    QCOMPARE(c.abilityBoxes[dribbleSpeedSlot]->text(), QStringLiteral("99"));
    QTest::qWait(50);
    QCOMPARE(baseOf(c.abilityBoxes[dribbleSpeedSlot]), untouched);
    QCOMPARE(baseOf(c.nazivigraca), untouched);
}

void TestPlayerView::typedValueRecolours_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QColor>("colour");

    const QColor white(255, 255, 255), green(0, 192, 0), yellow(255, 255, 0), orange(255, 128, 0),
        red(255, 0, 0);
    QTest::newRow("attack 69") << 0 << "69" << white;
    QTest::newRow("attack 70") << 0 << "70" << green;
    QTest::newRow("defence 79") << 1 << "79" << green;
    QTest::newRow("defence 80") << 1 << "80" << yellow;
    QTest::newRow("stamina 89") << 3 << "89" << yellow;
    QTest::newRow("stamina 90") << 3 << "90" << orange;
    QTest::newRow("team work 94") << 23 << "94" << orange;
    QTest::newRow("team work 95") << 23 << "95" << red;
    QTest::newRow("mentality letters") << 24 << "abc" << white;
    QTest::newRow("shot power leading number") << 15 << "91x" << orange;
}

// The box first shows a red 99 (or, for a red row, a white 10); the typed value then sets the
// row's colour.
void TestPlayerView::typedValueRecolours() {
    QFETCH(int, slot);
    QFETCH(QString, typed);
    QFETCH(QColor, colour);

    const bool startsRed = colour != QColor(255, 0, 0);
    std::vector<Patch> crafted = plainRecord(craftedPlayer);
    crafted.push_back(PlayerPatch::ability(craftedPlayer, slot, startsRed ? 99 : 10));
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game, crafted));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(craftedPlayer);
    QLineEdit* box = c.abilityBoxes[slot];
    QTRY_COMPARE_WITH_TIMEOUT(baseOf(box), startsRed ? QColor(255, 0, 0) : QColor(Qt::white), 5000);

    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), typed);
    QTRY_COMPARE_WITH_TIMEOUT(baseOf(box), colour, 5000);

    // Dribble Speed takes no colour, whatever is typed into it.
    QLineEdit* dribbleSpeed = c.abilityBoxes[dribbleSpeedSlot];
    const QColor untouched = baseOf(dribbleSpeed);
    dribbleSpeed->setText(typed);
    dribbleSpeed->setText(QStringLiteral("99"));
    QTest::qWait(50);
    QCOMPARE(baseOf(dribbleSpeed), untouched);
}

QTEST_MAIN(TestPlayerView)
#include "tst_playerview.moc"
