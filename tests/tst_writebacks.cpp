// Apply Changes, Apply Abilities and Relink through the main window: the bytes they write into
// the selected player's record, the values they refuse with the record left as it was, and the
// round trips through another selection and through SAVE and a fresh open.
#include "app/form1.h"
#include "common/workingcopy.h"
#include "player/abilitytable.h"
#include "player/playerrecord.h"
#include "tests/testsupport.h"
#include "tests/windowsupport.h"
#include "tools/samplebuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

namespace L = PlayerLayout;

// The edited player, and another one to select in between.
constexpr int edited = 500;
constexpr int other = 501;

// A record every button writes back unchanged when nothing was edited: a position that is its
// entry's stored code with its flag set (SB, 65, slot 3), a recognised foot, flagged weight,
// no 1-On-1 flag (so its box shows bit 7 alone), no Penalty Stopper, a Long Throw byte without
// its flag, and raw word D81.
std::vector<Patch> editablePlayer(int player) {
    std::vector<Patch> patches{
        PlayerPatch::byte(player, L::positionCode, 65),
        PlayerPatch::byte(player, L::foot, 4),
        PlayerPatch::byte(player, L::weight, 0x80 | 72),
        PlayerPatch::byte(player, L::spacing, 3),
        PlayerPatch::byte(player, L::age, 44),
        PlayerPatch::byte(player, L::height, 30),
        PlayerPatch::word(player, L::rawWord, 0x0D81),
        PlayerPatch::word(player, L::faceBase, 742),
        PlayerPatch::word(player, L::hairBase, 168),
    };
    for (int slot = 0; slot < L::abilitySlotCount; ++slot)
        patches.push_back(PlayerPatch::ability(player, slot, slot == 3 ? 0x80 | 60 : 60));
    patches.push_back(PlayerPatch::ability(player, L::specialAbilitySlot, 0));
    patches.push_back(PlayerPatch::ability(player, L::penaltyStopperSlot, 5));
    patches.push_back(PlayerPatch::ability(player, L::longThrowSlot, 3));
    return patches;
}

QByteArray withBytes(QByteArray bytes, qint64 at, const QByteArray& patch) {
    bytes.replace(at, patch.size(), patch);
    return bytes;
}

QByteArray zeroFilled(const QByteArray& text, int width) {
    return text + QByteArray(width - text.size(), '\0');
}

} // namespace

class TestWritebacks : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_game.reset(); }

    void applyChangesWritesTheField_data();
    void applyChangesWritesTheField();
    void applyChangesWritesTheFoot_data();
    void applyChangesWritesTheFoot();
    void positionPicksAreStored();
    void weightAloneKeepsThePositionCode_data();
    void weightAloneKeepsThePositionCode();
    void buttonsWithoutEditsChangeNoByte_data();
    void buttonsWithoutEditsChangeNoByte();
    void refusedValueWritesNothing_data();
    void refusedValueWritesNothing();
    void noSelectedPlayerWritesNothing_data();
    void noSelectedPlayerWritesNothing();

    void applyAbilitiesWritesTheSlot_data();
    void applyAbilitiesWritesTheSlot();
    void specialBoxesSetTheSum_data();
    void specialBoxesSetTheSum();
    void penaltyStopperAndLongThrow_data();
    void penaltyStopperAndLongThrow();

    void relinkWritesTheRawWord_data();
    void relinkWritesTheRawWord();
    void relinkWritesFaceAndHair_data();
    void relinkWritesFaceAndHair();

    void editsSurviveAnotherSelection();
    void editsSurviveSaveAndReopen();

private:
    // Opens and loads the sample with the edited player made editable and the extra patches;
    // the second also selects the edited player.
    bool openAndLoad(Form1& window, const std::vector<Patch>& extra = {});
    bool openAndSelectEdited(Form1& window, const std::vector<Patch>& extra = {});
    QByteArray record(int player) const;
    QByteArray everything() const { return TestSupport::readFile(m_game->databaseWorkingCopy()); }
    QPushButton* button(Form1Controls& c, const QString& name) const;

    // The edits the round trips make, and the check that the window shows them.
    void makeEveryEdit(Form1Controls& c);
    void verifyEveryEdit(Form1Controls& c);

    std::unique_ptr<TestSupport::SampleGame> m_game;
};

void TestWritebacks::init() {
    m_game = std::make_unique<TestSupport::SampleGame>();
    QVERIFY2(m_game->isValid(), qPrintable(m_game->error()));
}

bool TestWritebacks::openAndLoad(Form1& window, const std::vector<Patch>& extra) {
    std::vector<Patch> patches = editablePlayer(edited);
    patches.insert(patches.end(), extra.begin(), extra.end());
    return TestSupport::openAndLoad(window, *m_game, patches);
}

bool TestWritebacks::openAndSelectEdited(Form1& window, const std::vector<Patch>& extra) {
    if (!openAndLoad(window, extra))
        return false;
    window.controls().List1->setCurrentRow(edited);
    return true;
}

QByteArray TestWritebacks::record(int player) const {
    return everything().mid(L::recordStart(player), L::recordSize);
}

QPushButton* TestWritebacks::button(Form1Controls& c, const QString& name) const {
    if (name == QLatin1String("changes"))
        return c.promjena_imena;
    if (name == QLatin1String("abilities"))
        return c.Command4;
    return c.Command5;
}

// ---- Apply Changes ----

void TestWritebacks::applyChangesWritesTheField_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint64>("fromName");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("name") << QStringLiteral("nazivigraca") << "Neo" << L::name
                          << zeroFilled("Neo", 46);
    QTest::newRow("name, 46 characters")
        << QStringLiteral("nazivigraca") << QString(46, u'x') << L::name << QByteArray(46, 'x');
    QTest::newRow("name, code page letters")
        << QStringLiteral("nazivigraca") << QStringLiteral("Œdegaard Müller €") << L::name
        << zeroFilled("\x8C"
                      "degaard M\xFCller \x80",
                      46);
    QTest::newRow("name emptied") << QStringLiteral("nazivigraca") << "" << L::name
                                  << QByteArray(46, '\0');
    QTest::newRow("name on shirt")
        << QStringLiteral("nazivigraca_dres") << "NEO" << L::shirtName << zeroFilled("NEO", 16);
    QTest::newRow("name on shirt, 16 characters")
        << QStringLiteral("nazivigraca_dres") << "ABCDEFGHIJKLMNOP" << L::shirtName
        << QByteArray("ABCDEFGHIJKLMNOP");
    QTest::newRow("spacing 7") << QStringLiteral("spacing") << "7" << L::spacing
                               << QByteArray("\x06");
    QTest::newRow("spacing 256") << QStringLiteral("spacing") << "256" << L::spacing
                                 << QByteArray("\xFF");
    QTest::newRow("age 25") << QStringLiteral("age") << "25" << L::age << QByteArray("\x2A");
    QTest::newRow("age -17") << QStringLiteral("age") << "-17" << L::age << QByteArray(1, '\0');
    QTest::newRow("age 238") << QStringLiteral("age") << "238" << L::age << QByteArray("\xFF");
    QTest::newRow("age 24.5 rounds to even")
        << QStringLiteral("age") << "24.5" << L::age << QByteArray("\x29");
    QTest::newRow("weight keeps its flag")
        << QStringLiteral("weight") << "80" << L::weight << QByteArray("\xD0");
    QTest::newRow("weight 127") << QStringLiteral("weight") << "127" << L::weight
                                << QByteArray("\xFF");
    QTest::newRow("height 190") << QStringLiteral("visina") << "190" << L::height
                                << QByteArray("\x2A");
    QTest::newRow("height 403") << QStringLiteral("visina") << "403" << L::height
                                << QByteArray("\xFF");
    QTest::newRow("height in hexadecimal")
        << QStringLiteral("visina") << "&HBE" << L::height << QByteArray("\x2A");
}

void TestWritebacks::applyChangesWritesTheField() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(qint64, fromName);
    QFETCH(QByteArray, expected);

    Form1 window(m_game->platform);
    QVERIFY(openAndSelectEdited(window));
    Form1Controls& c = window.controls();
    const QByteArray before = everything();
    auto* line = window.findChild<QLineEdit*>(box);
    QVERIFY(line);
    line->setText(typed);
    QCOMPARE(line->text(), typed);
    c.promjena_imena->click();

    QVERIFY(m_game->platform.messages.isEmpty());
    QCOMPARE(everything(), withBytes(before, L::nameOffset(edited) + fromName, expected));
    // The lists show the new names at once; the neighbours keep theirs.
    QCOMPARE(c.List1->item(edited)->text(), c.nazivigraca->text());
    QCOMPARE(c.lists.odabir_timova.items.at(edited), c.nazivigraca->text());
    QCOMPARE(c.lists.igraci_skraceno.items.at(edited), c.nazivigraca_dres->text());
    QCOMPARE(c.List1->item(other)->text(), SampleBuilder::playerName(other));
    QCOMPARE(c.lists.odabir_timova.items.at(other), SampleBuilder::playerName(other));
    QCOMPARE(c.List1->count(), L::recordCount);
}

void TestWritebacks::applyChangesWritesTheFoot_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("written");

    QTest::newRow("4, Left") << 4 << "Left" << 5;
    QTest::newRow("5, Right") << 5 << "Right" << 4;
    QTest::newRow("17, Right") << 17 << "Right" << 16;
    // A byte the foot table does not know is shown with no entry and kept as it is.
    QTest::newRow("26, left alone") << 26 << "" << 26;
}

void TestWritebacks::applyChangesWritesTheFoot() {
    QFETCH(int, stored);
    QFETCH(QString, chosen);
    QFETCH(int, written);

    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window, {PlayerPatch::byte(edited, L::foot, stored)}));
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(edited - 1);
    c.foot->setCurrentIndex(1); // the player shown before is left-footed
    c.List1->setCurrentRow(edited);
    const QByteArray before = everything();
    c.foot->setCurrentIndex(c.foot->findText(chosen));
    c.promjena_imena->click();
    QVERIFY(m_game->platform.messages.isEmpty());
    QCOMPARE(everything(),
             withBytes(before, L::nameOffset(edited) + L::foot, QByteArray(1, char(written))));
}

// The user picks "SB" and then "GK" from the position list; each pick is stored by Apply
// Changes and marks its position playable, which Apply Abilities stores as the slot's flag.
void TestWritebacks::positionPicksAreStored() {
    // An AMF (code 145, slot 7's flag) with SB's flag clear.
    Form1 window(m_game->platform);
    QVERIFY(openAndSelectEdited(window, {PlayerPatch::byte(edited, L::positionCode, 145),
                                         PlayerPatch::ability(edited, 3, 60),
                                         PlayerPatch::ability(edited, 7, 0x80 | 60)}));
    Form1Controls& c = window.controls();
    QCOMPARE(c.position->currentText(), QStringLiteral("AMF"));
    QVERIFY(!c.check(4)->isChecked());
    const qint64 n = L::nameOffset(edited);

    const struct {
        const char* caption;
        int code;
        int box;
        int slot;
    } picks[] = {{"SB", 65, 4, 3}, {"GK", 0, 1, 0}};
    for (const auto& pick : picks) {
        const int entry = c.position->findText(QString::fromLatin1(pick.caption));
        c.position->setCurrentIndex(entry);
        emit c.position->activated(entry);
        QCOMPARE(c.hidden.pozicija, QString::number(pick.code));
        QVERIFY(c.check(pick.box)->isChecked());
        QVERIFY(c.check(9)->isChecked()); // the AMF flag stays
        c.promjena_imena->click();
        QCOMPARE(static_cast<quint8>(everything().at(n + L::positionCode)), quint8(pick.code));
        QCOMPARE(static_cast<quint8>(everything().at(n + L::abilityBlock + pick.slot)),
                 quint8(60)); // flags are written by Apply Abilities only
    }
    c.Command4->click();
    const QByteArray after = everything();
    QCOMPARE(static_cast<quint8>(after.at(n + L::abilityBlock + 0)), quint8(0x80 | 60));
    QCOMPARE(static_cast<quint8>(after.at(n + L::abilityBlock + 3)), quint8(0x80 | 60));
    QCOMPARE(static_cast<quint8>(after.at(n + L::abilityBlock + 7)), quint8(0x80 | 60));
    QVERIFY(m_game->platform.messages.isEmpty());

    c.List1->setCurrentRow(other);
    c.List1->setCurrentRow(edited);
    QCOMPARE(c.position->currentText(), QStringLiteral("GK"));
    QCOMPARE(c.hidden.pozicija, QStringLiteral("0"));
}

// Codes that select an entry without being the code it stores (08 GK, 40 SB, 90 AMF, B2 CF): an
// Apply Changes of the weight alone writes the weight alone, as a sheet import of it does.
void TestWritebacks::weightAloneKeepsThePositionCode_data() {
    QTest::addColumn<int>("code");
    for (const int code : {0x08, 0x40, 0x90, 0xB2, 0x41})
        QTest::newRow(qPrintable(QString::number(code, 16))) << code;
}

void TestWritebacks::weightAloneKeepsThePositionCode() {
    QFETCH(int, code);
    Form1 window(m_game->platform);
    QVERIFY(openAndSelectEdited(window, {PlayerPatch::byte(edited, L::positionCode, code),
                                         PlayerPatch::byte(edited, L::weight, 70)}));
    Form1Controls& c = window.controls();
    const QByteArray before = everything();
    c.weight->setText(QStringLiteral("71"));
    c.promjena_imena->click();
    QVERIFY(m_game->platform.messages.isEmpty());
    QCOMPARE(everything(), withBytes(before, L::nameOffset(edited) + L::weight, "\x47"));
}

void TestWritebacks::buttonsWithoutEditsChangeNoByte_data() {
    QTest::addColumn<QString>("pressed");
    QTest::newRow("Apply Changes") << "changes";
    QTest::newRow("Apply Abilities") << "abilities";
    QTest::newRow("Relink") << "relink";
}

// The shirt number box is shown but never stored: the roster table keeps its bytes.
void TestWritebacks::buttonsWithoutEditsChangeNoByte() {
    QFETCH(QString, pressed);
    Form1 window(m_game->platform);
    QVERIFY(openAndSelectEdited(window));
    Form1Controls& c = window.controls();
    const QByteArray before = everything();
    c.plnumber->setText(QStringLiteral("10"));
    button(c, pressed)->click();
    QVERIFY(m_game->platform.messages.isEmpty());
    QCOMPARE(everything(), before);
}

void TestWritebacks::refusedValueWritesNothing_data() {
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("box"); // "zbirocjene": the hidden sum
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");

    QTest::newRow("age 300") << QStringLiteral("changes") << "age"
                             << "300"
                             << "Age";
    QTest::newRow("weight 200") << QStringLiteral("changes") << "weight"
                                << "200"
                                << "Weight";
    QTest::newRow("height 50") << QStringLiteral("changes") << "visina"
                               << "50"
                               << "Height";
    QTest::newRow("height 404") << QStringLiteral("changes") << "visina"
                                << "404"
                                << "Height";
    QTest::newRow("spacing 0") << QStringLiteral("changes") << "spacing"
                               << "0"
                               << "Spacing";
    QTest::newRow("name with Ł") << QStringLiteral("changes") << "nazivigraca"
                                 << "Łukasz Piszczek"
                                 << "Player Name";
    QTest::newRow("name on shirt with Ł") << QStringLiteral("changes") << "nazivigraca_dres"
                                          << "ŁUKASZ"
                                          << "Name on shirt";
    QTest::newRow("attack 150") << QStringLiteral("abilities") << "attack"
                                << "150"
                                << "Attack";
    QTest::newRow("goalkeeper skills -1") << QStringLiteral("abilities") << "gkskill"
                                          << "-1"
                                          << "Goalkeeper Skills";
    QTest::newRow("special sum negative") << QStringLiteral("abilities") << "zbirocjene"
                                          << "-3"
                                          << "Special abilities";
    QTest::newRow("face emptied") << QStringLiteral("relink") << "face"
                                  << ""
                                  << "Face";
    QTest::newRow("face 40000") << QStringLiteral("relink") << "face"
                                << "40000"
                                << "Face";
    QTest::newRow("hair -30000") << QStringLiteral("relink") << "hair"
                                 << "-30000"
                                 << "Hair";
    QTest::newRow("hair emptied") << QStringLiteral("relink") << "hair"
                                  << ""
                                  << "Hair";
}

// Each row also makes a valid edit for the same button first, which must not be written either.
void TestWritebacks::refusedValueWritesNothing() {
    QFETCH(QString, pressed);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, field);

    Form1 window(m_game->platform);
    QVERIFY(openAndSelectEdited(window));
    Form1Controls& c = window.controls();
    const QByteArray before = everything();

    if (pressed == QLatin1String("changes")) {
        c.nazivigraca->setText(QStringLiteral("Partial Write"));
        c.age->setText(QStringLiteral("30"));
        c.position->setCurrentIndex(0);
        emit c.position->activated(0);
    } else if (pressed == QLatin1String("abilities")) {
        c.abilityBoxes[1]->setText(QStringLiteral("11"));
        c.check(31)->click();
    } else {
        c.face->setText(QStringLiteral("301"));
    }
    if (box == QLatin1String("zbirocjene")) {
        c.hidden.zbirocjene = typed;
    } else {
        auto* line = window.findChild<QLineEdit*>(box);
        QVERIFY(line);
        line->setText(typed);
    }
    if (box == QLatin1String("face") && typed.isEmpty())
        QCOMPARE(c.hair->text(), QString::number(301 + 3574)); // an empty face proposes nothing
    const QString wordBefore = c.hidden.Text2;

    button(c, pressed)->click();
    QCOMPARE(m_game->platform.messages.size(), 1);
    QVERIFY2(m_game->platform.messages.first().text.contains(field),
             qPrintable(m_game->platform.messages.first().text));
    QCOMPARE(record(edited), before.mid(L::recordStart(edited), L::recordSize));
    QCOMPARE(everything(), before);
    QCOMPARE(c.hidden.Text2, wordBefore);
    QCOMPARE(c.List1->item(edited)->text(), SampleBuilder::playerName(edited));
}

void TestWritebacks::noSelectedPlayerWritesNothing_data() {
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<bool>("reopened");

    for (const char* pressed : {"changes", "abilities", "relink"}) {
        QTest::addRow("%s after Load", pressed) << QString::fromLatin1(pressed) << false;
        QTest::addRow("%s after a new File > Open", pressed)
            << QString::fromLatin1(pressed) << true;
    }
}

// With boxes full of valid values, but no player selected (none yet, or the one selected
// belonged to the file open before), each button says so and writes nothing.
void TestWritebacks::noSelectedPlayerWritesNothing() {
    QFETCH(QString, pressed);
    QFETCH(bool, reopened);

    Form1 window(m_game->platform);
    QVERIFY(openAndLoad(window));
    Form1Controls& c = window.controls();
    if (reopened) {
        c.List1->setCurrentRow(edited);
        QVERIFY(TestSupport::openAndWait(window));
    }
    QCOMPARE(c.List1->currentRow(), -1);
    const QByteArray before = everything();
    c.nazivigraca->setText(QStringLiteral("Nobody"));
    c.age->setText(QStringLiteral("30"));
    c.weight->setText(QStringLiteral("70"));
    c.visina->setText(QStringLiteral("180"));
    c.spacing->setText(QStringLiteral("2"));
    c.hidden.pozicija = QStringLiteral("65");
    for (QLineEdit* box : c.abilityBoxes)
        box->setText(QStringLiteral("77"));
    c.face->setText(QStringLiteral("300"));
    c.hidden.Text2 = QStringLiteral("D81");

    button(c, pressed)->click();
    QCOMPARE(m_game->platform.messages.size(), 1);
    QCOMPARE(everything(), before);
    if (reopened)
        QCOMPARE(everything(), SampleBuilder::playerDatabase());
}

// ---- Apply Abilities ----

void TestWritebacks::applyAbilitiesWritesTheSlot_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<int>("written");

    QTest::newRow("attack 85 with GK") << 0 << "85" << true << 0xD5;
    QTest::newRow("attack 85 without GK") << 0 << "85" << false << 0x55;
    QTest::newRow("attack 127 with GK") << 0 << "127" << true << 0xFF;
    QTest::newRow("stamina 80 without SB") << 3 << "80" << false << 0x50;
    QTest::newRow("long pass speed 70 with 1-On-1") << 13 << "70" << true << 0xC6;
    QTest::newRow("team work 99 with Side") << 23 << "99" << true << 0xE3;
    QTest::newRow("goalkeeper skills 70.5") << 25 << "70.5" << false << 70;
    QTest::newRow("dribble speed in hexadecimal") << 9 << "&H1F" << false << 31;
    QTest::newRow("mentality empty") << 24 << "" << false << 0;
}

void TestWritebacks::applyAbilitiesWritesTheSlot() {
    QFETCH(int, slot);
    QFETCH(QString, typed);
    QFETCH(bool, flag);
    QFETCH(int, written);

    Form1 window(m_game->platform);
    QVERIFY(openAndSelectEdited(window));
    Form1Controls& c = window.controls();
    QByteArray expected = everything();
    const qint64 n = L::nameOffset(edited);
    expected[n + L::abilityBlock + slot] = static_cast<char>(written);
    if (slot == 13)
        expected[n + L::abilityBlock + L::specialAbilitySlot] = static_cast<char>(0x80);

    c.abilityBoxes[slot]->setText(typed);
    c.check(abilitySlots[slot].flagBox)->setChecked(flag);
    c.Command4->click();
    QVERIFY(m_game->platform.messages.isEmpty());
    QCOMPARE(everything(), expected);
}

void TestWritebacks::specialBoxesSetTheSum_data() {
    QTest::addColumn<QList<int>>("clicked");
    QTest::addColumn<QStringList>("sums");
    QTest::addColumn<int>("special");
    QTest::addColumn<int>("penalty");
    QTest::addColumn<int>("slot13");

    QTest::newRow("Sliding") << QList<int>{31} << QStringList{"8"} << 8 << 5 << 60;
    QTest::newRow("Sliding on and off")
        << QList<int>{31, 31} << QStringList{"8", "0"} << 0 << 5 << 60;
    QTest::newRow("1-Touch Pass, Outside, Sliding")
        << QList<int>{28, 29, 31} << QStringList{"1", "3", "11"} << 11 << 5 << 60;
    QTest::newRow("Penalty Stopper") << QList<int>{34} << QStringList{"64"} << 64 << 69 << 60;
    QTest::newRow("1-On-1 Stopper")
        << QList<int>{25} << QStringList{"128"} << 128 << 5 << (0x80 | 60);
    QTest::newRow("every box") << QList<int>{25, 28, 29, 30, 31, 32, 33, 34}
                               << QStringList{"128", "129", "131", "135",
                                              "143", "159", "191", "255"}
                               << 255 << 69 << (0x80 | 60);
}

void TestWritebacks::specialBoxesSetTheSum() {
    QFETCH(QList<int>, clicked);
    QFETCH(QStringList, sums);
    QFETCH(int, special);
    QFETCH(int, penalty);
    QFETCH(int, slot13);

    Form1 window(m_game->platform);
    QVERIFY(openAndSelectEdited(window));
    Form1Controls& c = window.controls();
    QCOMPARE(c.hidden.zbirocjene, QStringLiteral("0"));
    c.Command6->click(); // the Special Options panel
    QByteArray expected = everything();
    for (int k = 0; k < clicked.size(); ++k) {
        c.check(clicked[k])->click();
        QCOMPARE(c.hidden.zbirocjene, sums[k]);
    }
    c.Command4->click();
    QVERIFY(m_game->platform.messages.isEmpty());
    const qint64 block = L::nameOffset(edited) + L::abilityBlock;
    expected[block + L::specialAbilitySlot] = static_cast<char>(special);
    expected[block + L::penaltyStopperSlot] = static_cast<char>(penalty);
    expected[block + 13] = static_cast<char>(slot13);
    QCOMPARE(everything(), expected);

    c.List1->setCurrentRow(other);
    c.List1->setCurrentRow(edited);
    QCOMPARE(c.hidden.zbirocjene, sums.last());
}

void TestWritebacks::penaltyStopperAndLongThrow_data() {
    QTest::addColumn<int>("special");
    QTest::addColumn<int>("penaltyStored");
    QTest::addColumn<int>("longThrowStored");
    QTest::addColumn<bool>("clickPenalty");
    QTest::addColumn<bool>("clickLongThrow");
    QTest::addColumn<int>("penaltyWritten");
    QTest::addColumn<int>("longThrowWritten");
    QTest::addColumn<bool>("longThrowShown"); // after selecting the player again

    QTest::newRow("Penalty Stopper on") << 0 << 5 << 3 << true << false << 69 << 3 << false;
    QTest::newRow("Penalty Stopper on at 99") << 0 << 99 << 3 << true << false << 99 << 3 << false;
    QTest::newRow("Penalty Stopper off") << 64 << 69 << 3 << true << false << 5 << 3 << false;
    QTest::newRow("Penalty Stopper off keeps 62")
        << 64 << 62 << 3 << true << false << 62 << 3 << false;
    QTest::newRow("Long Throw on") << 0 << 5 << 3 << false << true << 5 << 131 << true;
    QTest::newRow("Long Throw off") << 0 << 5 << 135 << false << true << 5 << 7 << false;
    QTest::newRow("Long Throw on at 99") << 0 << 5 << 99 << false << true << 5 << 99 << false;
    QTest::newRow("Long Throw off keeps 120") << 0 << 5 << 120 << false << true << 5 << 120 << true;
    QTest::newRow("both on") << 0 << 0 << 0 << true << true << 64 << 128 << true;
}

void TestWritebacks::penaltyStopperAndLongThrow() {
    QFETCH(int, special);
    QFETCH(int, penaltyStored);
    QFETCH(int, longThrowStored);
    QFETCH(bool, clickPenalty);
    QFETCH(bool, clickLongThrow);
    QFETCH(int, penaltyWritten);
    QFETCH(int, longThrowWritten);
    QFETCH(bool, longThrowShown);

    Form1 window(m_game->platform);
    QVERIFY(openAndSelectEdited(window,
                                {PlayerPatch::ability(edited, L::specialAbilitySlot, special),
                                 PlayerPatch::ability(edited, L::penaltyStopperSlot, penaltyStored),
                                 PlayerPatch::ability(edited, L::longThrowSlot, longThrowStored)}));
    Form1Controls& c = window.controls();
    c.Command6->click();
    if (clickPenalty)
        c.check(penaltyStopperBox)->click();
    if (clickLongThrow)
        c.check(longThrowBox)->click();
    c.Command4->click();
    // A stored 100-127 has no flag bit to clear: the user is told it stays.
    const bool keptWithoutFlag =
        longThrowStored > 99 && longThrowStored < 128 && !c.check(longThrowBox)->isChecked();
    QCOMPARE(m_game->platform.messages.size(), keptWithoutFlag ? 1 : 0);
    if (keptWithoutFlag)
        QVERIFY(m_game->platform.messages.first().text.contains(QStringLiteral("no flag bit")));

    const QByteArray after = record(edited);
    const qint64 at = L::nameOffsetInRecord + L::abilityBlock;
    QCOMPARE(static_cast<quint8>(after.at(at + L::penaltyStopperSlot)), quint8(penaltyWritten));
    QCOMPARE(static_cast<quint8>(after.at(at + L::longThrowSlot)), quint8(longThrowWritten));
    const int specialWritten = clickPenalty ? special ^ 64 : special;
    QCOMPARE(static_cast<quint8>(after.at(at + L::specialAbilitySlot)), quint8(specialWritten));

    c.List1->setCurrentRow(other);
    c.List1->setCurrentRow(edited);
    QCOMPARE(c.check(longThrowBox)->isChecked(), longThrowShown);
    QCOMPARE(c.check(penaltyStopperBox)->isChecked(), (specialWritten & 64) != 0);
}

// ---- Relink ----

void TestWritebacks::relinkWritesTheRawWord_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("text2");

    QTest::newRow("D81") << 0x0D81 << 1 << QByteArray("\x81\x0D") << "0D81";
    // The new word's link digit is the old text's fourth character, so a second press links
    // the "1" of "0D81".
    QTest::newRow("D81, second press") << 0x0D81 << 2 << QByteArray("\x81\x1D") << "1D81";
    QTest::newRow("4D82") << 0x4D82 << 1 << QByteArray("\x81\x2D") << "2D81";
    QTest::newRow("4D82, second press") << 0x4D82 << 2 << QByteArray("\x81\x1D") << "1D81";
    QTest::newRow("8D81, negative") << 0x8D81 << 1 << QByteArray("\x81\x1D") << "1D81";
    QTest::newRow("0") << 0 << 1 << QByteArray("\x81\x0D") << "0D81";
}

void TestWritebacks::relinkWritesTheRawWord() {
    QFETCH(int, stored);
    QFETCH(int, presses);
    QFETCH(QByteArray, written);
    QFETCH(QString, text2);

    Form1 window(m_game->platform);
    QVERIFY(openAndSelectEdited(window, {PlayerPatch::word(edited, L::rawWord, stored)}));
    Form1Controls& c = window.controls();
    const QByteArray before = everything();
    for (int press = 0; press < presses; ++press)
        c.Command5->click();
    QVERIFY(m_game->platform.messages.isEmpty());
    QCOMPARE(c.hidden.Text2, text2);
    // Face and hair are written too, with the values the boxes show: their bytes stay.
    QCOMPARE(everything(), withBytes(before, L::nameOffset(edited) + L::rawWord, written));
}

void TestWritebacks::relinkWritesFaceAndHair_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("hair"); // empty: the proposal the face made is kept
    QTest::addColumn<QString>("hairShown");
    QTest::addColumn<QByteArray>("faceBytes");
    QTest::addColumn<QByteArray>("hairBytes");

    QTest::newRow("face 300") << "300"
                              << ""
                              << "3874" << QByteArray("\x2A\x00", 2) << QByteArray("\x2A\x00", 2);
    QTest::newRow("face 258, hair 3832") << "258"
                                         << "3832"
                                         << "3832" << QByteArray(2, '\0') << QByteArray(2, '\0');
    QTest::newRow("face 1000, hair 4000")
        << "1000"
        << "4000"
        << "4000" << QByteArray("\xE6\x02", 2) << QByteArray("\xA8\x00", 2);
    QTest::newRow("lowest") << "-32510"
                            << "-28936"
                            << "-28936" << QByteArray("\x00\x80", 2) << QByteArray("\x00\x80", 2);
    QTest::newRow("face below 258")
        << "100"
        << ""
        << "3674" << QByteArray("\x62\xFF", 2) << QByteArray("\x62\xFF", 2);
}

void TestWritebacks::relinkWritesFaceAndHair() {
    QFETCH(QString, face);
    QFETCH(QString, hair);
    QFETCH(QString, hairShown);
    QFETCH(QByteArray, faceBytes);
    QFETCH(QByteArray, hairBytes);

    Form1 window(m_game->platform);
    QVERIFY(openAndSelectEdited(window));
    Form1Controls& c = window.controls();
    const QByteArray before = everything();
    c.face->setText(face);
    if (!hair.isEmpty())
        c.hair->setText(hair);
    QCOMPARE(c.hair->text(), hairShown);
    QCOMPARE(c.lblface->text(), QStringLiteral("Face: unnamed_%1.bin").arg(face));
    QCOMPARE(c.lblhair->text(), QStringLiteral("Hair: unnamed_%1.bin").arg(hairShown));

    c.Command5->click();
    QVERIFY(m_game->platform.messages.isEmpty());
    const qint64 n = L::nameOffset(edited);
    QCOMPARE(everything(),
             withBytes(withBytes(before, n + L::faceBase, faceBytes), n + L::hairBase, hairBytes));

    c.List1->setCurrentRow(other);
    c.List1->setCurrentRow(edited);
    QCOMPARE(c.face->text(), face);
    QCOMPARE(c.hair->text(), hairShown);
}

// ---- Round trips ----

void TestWritebacks::makeEveryEdit(Form1Controls& c) {
    c.nazivigraca->setText(QStringLiteral("Zoë Tester"));
    c.nazivigraca_dres->setText(QStringLiteral("TESTER"));
    c.age->setText(QStringLiteral("33"));
    c.spacing->setText(QStringLiteral("9"));
    c.weight->setText(QStringLiteral("77"));
    c.visina->setText(QStringLiteral("181"));
    c.foot->setCurrentIndex(1);
    const int cf = c.position->findText(QStringLiteral("CF"));
    c.position->setCurrentIndex(cf);
    emit c.position->activated(cf);
    c.promjena_imena->click();

    for (int slot = 0; slot < L::abilitySlotCount; ++slot)
        c.abilityBoxes[slot]->setText(QString::number(40 + slot));
    c.check(1)->setChecked(true);  // GK
    c.check(14)->setChecked(true); // slot 25's flag
    c.Command6->click();
    c.check(28)->click(); // 1-Touch Pass
    c.check(31)->click(); // Sliding
    c.check(longThrowBox)->click();
    c.Command4->click();

    c.face->setText(QStringLiteral("1234"));
    c.hair->setText(QStringLiteral("3999"));
    c.Command5->click();
}

void TestWritebacks::verifyEveryEdit(Form1Controls& c) {
    QCOMPARE(c.nazivigraca->text(), QStringLiteral("Zoë Tester"));
    QCOMPARE(c.List1->item(edited)->text(), QStringLiteral("Zoë Tester"));
    QCOMPARE(c.nazivigraca_dres->text(), QStringLiteral("TESTER"));
    QCOMPARE(c.lblprebaciigrac->text(), QStringLiteral("Zoë Tester"));
    QCOMPARE(c.age->text(), QStringLiteral("33"));
    QCOMPARE(c.spacing->text(), QStringLiteral("9"));
    QCOMPARE(c.weight->text(), QStringLiteral("77"));
    QCOMPARE(c.visina->text(), QStringLiteral("181"));
    QCOMPARE(c.foot->currentText(), QStringLiteral("Left"));
    QCOMPARE(c.hidden.Text1, QStringLiteral("5"));
    QCOMPARE(c.position->currentText(), QStringLiteral("CF"));
    QCOMPARE(c.hidden.pozicija, QStringLiteral("192"));
    for (int slot = 0; slot < L::abilitySlotCount; ++slot)
        QCOMPARE(c.abilityBoxes[slot]->text(), QString::number(40 + slot));
    QList<int> checked;
    for (int n = 1; n <= 35; ++n)
        if (c.check(n)->isChecked())
            checked << n;
    // GK, SB (the position before), CF (the position now), slot 25's flag, the two special
    // abilities and Long Throw.
    QCOMPARE(checked, (QList<int>{1, 4, 12, 14, 28, 31, 35}));
    QCOMPARE(c.hidden.zbirocjene, QStringLiteral("9"));
    QCOMPARE(c.face->text(), QStringLiteral("1234"));
    QCOMPARE(c.hair->text(), QStringLiteral("3999"));
    QCOMPARE(c.lblface->text(), QStringLiteral("Face: unnamed_1234.bin"));
    QCOMPARE(c.lblhair->text(), QStringLiteral("Hair: unnamed_3999.bin"));
    QCOMPARE(c.hidden.Text2, QStringLiteral("D81"));
}

void TestWritebacks::editsSurviveAnotherSelection() {
    Form1 window(m_game->platform);
    QVERIFY(openAndSelectEdited(window));
    Form1Controls& c = window.controls();
    makeEveryEdit(c);
    QVERIFY(m_game->platform.messages.isEmpty());
    c.List1->setCurrentRow(other);
    QCOMPARE(c.nazivigraca->text(), SampleBuilder::playerName(other));
    c.List1->setCurrentRow(edited);
    verifyEveryEdit(c);
}

void TestWritebacks::editsSurviveSaveAndReopen() {
    QByteArray edits;
    {
        Form1 window(m_game->platform);
        QVERIFY(openAndSelectEdited(window));
        Form1Controls& c = window.controls();
        makeEveryEdit(c);
        QVERIFY(m_game->platform.messages.isEmpty());
        edits = everything();
        QVERIFY(edits != SampleBuilder::playerDatabase());
        c.Command1->click();
        QTRY_COMPARE_WITH_TIMEOUT(m_game->platform.messages.size(), 1, 20000);
        QCOMPARE(m_game->platform.messages.first().text, QStringLiteral("DONE!"));
    }
    m_game->platform.messages.clear();

    // The saved game file decompresses to exactly the edited working copy.
    QVERIFY(QFile::remove(m_game->databaseWorkingCopy()));
    QCOMPARE(TestSupport::runCodec({m_game->database(), QStringLiteral("-d")}), 0);
    QCOMPARE(everything(), edits);
    QVERIFY(QFile::remove(m_game->databaseWorkingCopy()));

    FakePlatform fresh;
    fresh.answers = m_game->platform.answers;
    Form1 window(fresh);
    QVERIFY(TestSupport::openAndLoad(window, *m_game)); // the saved edits, no patches
    Form1Controls& c = window.controls();
    c.List1->setCurrentRow(edited);
    verifyEveryEdit(c);
    QVERIFY(fresh.messages.isEmpty());
}

QTEST_MAIN(TestWritebacks)
#include "tst_writebacks.moc"
