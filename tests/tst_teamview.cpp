// The read-only team view of the main window (the chosen team's roster as shirt numbers beside
// player names) and the player search.
#include "app/form1.h"
#include "common/workingcopy.h"
#include "player/playerrecord.h"
#include "teams/rosterlayout.h"
#include "tests/testsupport.h"
#include "tests/windowsupport.h"
#include "tools/samplebuilder.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

namespace R = RosterLayout;
using TestSupport::int32Patch;

// Slot markers of the crafted rosters, besides player indexes.
constexpr int emptySlot = -1;   // player ID 0
constexpr int unknownSlot = -2; // an ID no record carries
constexpr qint32 unknownId = 999999;

qint32 idForSlot(int entry) {
    if (entry == emptySlot)
        return 0;
    if (entry == unknownSlot)
        return unknownId;
    return SampleBuilder::playerId(entry);
}

// The patches that give roster record `record` the team ID and these slots; slots past the list
// hold ID 0. Only bytes before `fileEnd` are written.
std::vector<Patch> rosterRecord(int record, qint32 teamId, const QList<int>& players,
                                const QList<int>& shirts,
                                qint64 fileEnd = SampleBuilder::playerDatabaseSize) {
    const qint64 start = R::recordStart(record);
    std::vector<Patch> patches;
    const auto add = [&](const Patch& patch) {
        if (patch.offset + patch.bytes.size() <= fileEnd)
            patches.push_back(patch);
    };
    add(int32Patch(start + R::teamId, teamId));
    for (int s = 0; s < R::slotCount; ++s) {
        add(int32Patch(start + R::playerIds + 4 * s,
                       s < players.size() ? idForSlot(players[s]) : 0));
        add({start + R::shirtNumbers + s,
             QByteArray(1, static_cast<char>(s < shirts.size() ? shirts[s] : 0))});
    }
    return patches;
}

// Compares the view with the expected roster: the expected rows first, then the whole view, so
// that a view with rows too many still shows whether the expected ones are right.
#define COMPARE_ROSTER(c, names, shirts)                                                           \
    do {                                                                                           \
        const QStringList names_ = names;                                                          \
        const QStringList shirts_ = shirts;                                                        \
        QCOMPARE(rowsOf((c).List2).mid(0, names_.size()), names_);                                 \
        QCOMPARE(rowsOf((c).List4).mid(0, shirts_.size()), shirts_);                               \
        QCOMPARE(rowsOf((c).List2), names_);                                                       \
        QCOMPARE(rowsOf((c).List4), shirts_);                                                      \
    } while (false)

QStringList rowsOf(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

QStringList namesOf(const QList<int>& players) {
    QStringList names;
    for (const int p : players)
        names << SampleBuilder::playerName(p);
    return names;
}

QStringList shirtsOf(const SampleBuilder::Team& team) {
    QStringList shirts;
    for (int s = 0; s < team.players.size(); ++s)
        shirts << QString::number(team.shirtNumbers[s]);
    return shirts;
}

bool isAscii(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 128)
            return false;
    return true;
}

// An intact player with a plain ASCII name of mixed case, which no other record carries.
int asciiNamedPlayer() {
    for (int i = 10; i < PlayerLayout::recordCount; ++i) {
        const QString name = SampleBuilder::playerName(i);
        if (!SampleBuilder::isIntactPlayer(i) || !isAscii(name) || name.toLower() == name)
            continue;
        bool unique = true;
        for (const auto& [first, second] : SampleBuilder::duplicateNamePlayers)
            unique = unique && i != first && i != second;
        if (unique)
            return i;
    }
    return -1;
}

} // namespace

class TestTeamView : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_game.reset(); }

    void firstTeamShownAfterLoad();
    void showsTheChosenTeamsRoster_data();
    void showsTheChosenTeamsRoster();
    void showsCraftedRoster_data();
    void showsCraftedRoster();
    void firstRecordWithTheTeamIdIsShown_data();
    void firstRecordWithTheTeamIdIsShown();
    void rosterAreaStaysReadOnly_data();
    void rosterAreaStaysReadOnly();

    void searchSelectsTheFirstMatch_data();
    void searchSelectsTheFirstMatch();
    void searchFindsARenamedPlayer();
    void searchBoxEmptiesOnEveryClick();
    void searchWithoutPlayersDoesNothing_data();
    void searchWithoutPlayersDoesNothing();

private:
    std::unique_ptr<TestSupport::SampleGame> m_game;
};

void TestTeamView::init() {
    m_game = std::make_unique<TestSupport::SampleGame>();
    QVERIFY2(m_game->isValid(), qPrintable(m_game->error()));
}

// ---- The team view ----

void TestTeamView::firstTeamShownAfterLoad() {
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    Form1Controls& c = window.controls();
    const SampleBuilder::Team& first = SampleBuilder::teams().first();
    QCOMPARE(c.timovi_lista->currentIndex(), 0);
    QCOMPARE(c.transferto->currentIndex(), 0);
    QCOMPARE(c.Label13->text(), QStringLiteral("Team: ") + first.name);
    COMPARE_ROSTER(c, namesOf(first.players), shirtsOf(first));
    QVERIFY(m_game->platform.messages.isEmpty());
}

void TestTeamView::showsTheChosenTeamsRoster_data() {
    QTest::addColumn<int>("team");
    QTest::newRow("first") << 0;
    QTest::newRow("shares a player") << SampleBuilder::sharedPlayerSecondTeam;
    QTest::newRow("32 players") << SampleBuilder::fullRosterTeam;
    QTest::newRow("25 players") << SampleBuilder::roster25Team;
    QTest::newRow("team ID -1") << SampleBuilder::minusOneIdTeam;
    QTest::newRow("short name over a placeholder") << SampleBuilder::dummyOverlapTeam;
    QTest::newRow("70-character name") << SampleBuilder::fullWidthNameTeam;
}

void TestTeamView::showsTheChosenTeamsRoster() {
    QFETCH(int, team);
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    Form1Controls& c = window.controls();
    const SampleBuilder::Team& shown = SampleBuilder::teams().at(team);
    c.timovi_lista->setCurrentIndex(team);

    QCOMPARE(c.Label13->text(), QStringLiteral("Team: ") + shown.name);
    QCOMPARE(c.transferto->currentIndex(), team);
    COMPARE_ROSTER(c, namesOf(shown.players), shirtsOf(shown));
    QCOMPARE(c.List2->count(), c.List4->count());
    if (team == SampleBuilder::fullRosterTeam)
        QCOMPARE(c.List2->count(), R::slotCount);
    if (team == SampleBuilder::roster25Team)
        QCOMPARE(c.List2->count(), 25);

    // Back to the first team: its rows replace these.
    c.timovi_lista->setCurrentIndex(0);
    const QStringList firstNames = namesOf(SampleBuilder::teams().first().players);
    QCOMPARE(rowsOf(c.List2).mid(0, firstNames.size()), firstNames);
}

void TestTeamView::showsCraftedRoster_data() {
    QTest::addColumn<QList<int>>("entries"); // player index, emptySlot or unknownSlot; 32 entries
    QTest::addColumn<QList<int>>("shirts");
    QTest::addColumn<int>("idPlayer"); // a record given the ID below before Load, or -1
    QTest::addColumn<qint32>("id");
    QTest::addColumn<QList<int>>("shownPlayers");
    QTest::addColumn<QStringList>("shownShirts");

    QList<int> all, shirts;
    QStringList allShirts;
    for (int s = 0; s < R::slotCount; ++s) {
        all << 1000 + s;
        shirts << (s == 0 ? 0 : s == 31 ? 255 : s + 1);
        allShirts << QString::number(shirts.last());
    }
    QTest::newRow("all 32 slots") << all << shirts << -1 << 0 << all << allShirts;

    QList<int> first25 = all.mid(0, 25);
    QList<int> slots25 = first25;
    while (slots25.size() < R::slotCount)
        slots25 << emptySlot;
    QTest::newRow("slots 25-31 empty")
        << slots25 << shirts << -1 << 0 << first25 << allShirts.mid(0, 25);

    QList<int> twice = all;
    twice[5] = 1000;
    QList<int> shownTwice = all;
    shownTwice[5] = 1000;
    QTest::newRow("the same player in two slots")
        << twice << shirts << -1 << 0 << shownTwice << allShirts;

    QList<int> gaps = all;
    gaps[3] = unknownSlot;
    gaps[4] = emptySlot;
    QList<int> shownGaps = all;
    shownGaps.remove(3, 2);
    QStringList shirtsGaps = allShirts;
    shirtsGaps.remove(3, 2);
    QTest::newRow("unknown and empty slots between")
        << gaps << shirts << -1 << 0 << shownGaps << shirtsGaps;

    QList<int> lastOnly(R::slotCount, emptySlot);
    lastOnly[31] = 1031;
    QTest::newRow("only the last slot")
        << lastOnly << shirts << -1 << 0 << QList<int>{1031} << QStringList{"255"};

    QTest::newRow("every slot empty") << QList<int>(R::slotCount, emptySlot) << shirts << -1 << 0
                                      << QList<int>{} << QStringList{};

    QList<int> withNegative = slots25;
    withNegative[0] = 2000;
    QList<int> shownNegative = first25;
    shownNegative[0] = 2000;
    QTest::newRow("negative player ID")
        << withNegative << shirts << 2000 << qint32(-5) << shownNegative << allShirts.mid(0, 25);

    // Record 900 carries player 1000's ID too: the walk from the top finds record 900 first.
    QList<int> shownShared = all;
    shownShared[0] = 900;
    QTest::newRow("an ID two records carry")
        << all << shirts << 900 << SampleBuilder::playerId(1000) << shownShared << allShirts;
}

void TestTeamView::showsCraftedRoster() {
    QFETCH(QList<int>, entries);
    QFETCH(QList<int>, shirts);
    QFETCH(int, idPlayer);
    QFETCH(qint32, id);
    QFETCH(QList<int>, shownPlayers);
    QFETCH(QStringList, shownShirts);

    const qint16 teamId = SampleBuilder::teams().first().id;
    std::vector<Patch> crafted = rosterRecord(0, teamId, entries, shirts);
    if (idPlayer >= 0) {
        crafted.push_back(PlayerPatch::id(idPlayer, id));
        // Slots listing that record list it by its new ID.
        for (int s = 0; s < entries.size(); ++s)
            if (entries[s] == idPlayer)
                crafted.push_back(int32Patch(R::recordStart(0) + R::playerIds + 4 * s, id));
    }

    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game, crafted));
    Form1Controls& c = window.controls();
    QCOMPARE(c.Label13->text(), QStringLiteral("Team: ") + SampleBuilder::teams().first().name);
    COMPARE_ROSTER(c, namesOf(shownPlayers), shownShirts);
}

void TestTeamView::firstRecordWithTheTeamIdIsShown_data() {
    QTest::addColumn<QList<int>>("records"); // records given the first team's ID
    QTest::addColumn<bool>("craftSlots");    // whether the first of them gets crafted slots
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("shirts");

    const QList<SampleBuilder::Team>& teams = SampleBuilder::teams();
    QTest::newRow("records 2 and 4")
        << QList<int>{2, 4} << false << namesOf(teams[2].players) << shirtsOf(teams[2]);
    QTest::newRow("the last team's record")
        << QList<int>{196} << false << namesOf(teams[196].players) << shirtsOf(teams[196]);
    // The file has room for 300 whole records after the table's start; record 300 is cut short.
    QTest::newRow("the last whole record")
        << QList<int>{299} << true << namesOf({10, 11, 12}) << QStringList{"7", "8", "9"};
    QTest::newRow("a record the file cuts short")
        << QList<int>{300} << true << QStringList{} << QStringList{};
    QTest::newRow("no record") << QList<int>{} << false << QStringList{} << QStringList{};
}

// The first team's own record loses its ID; the view finds the first record that carries it.
void TestTeamView::firstRecordWithTheTeamIdIsShown() {
    QFETCH(QList<int>, records);
    QFETCH(bool, craftSlots);
    QFETCH(QStringList, names);
    QFETCH(QStringList, shirts);

    const qint16 teamId = SampleBuilder::teams().first().id;
    std::vector<Patch> crafted{int32Patch(R::recordStart(0) + R::teamId, 9999)};
    for (const int record : records)
        crafted.push_back(int32Patch(R::recordStart(record) + R::teamId, teamId));
    if (craftSlots) {
        const std::vector<Patch> roster =
            rosterRecord(records.first(), teamId, {10, 11, 12}, {7, 8, 9});
        crafted.insert(crafted.end(), roster.begin(), roster.end());
    }
    // Record 300 starts inside the file but does not end inside it.
    QVERIFY(R::recordStart(300) < SampleBuilder::playerDatabaseSize);
    QVERIFY(R::recordStart(301) > SampleBuilder::playerDatabaseSize);

    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game, crafted));
    Form1Controls& c = window.controls();
    QCOMPARE(c.Label13->text(), QStringLiteral("Team: ") + SampleBuilder::teams().first().name);
    COMPARE_ROSTER(c, names, shirts);
    QVERIFY(m_game->platform.messages.isEmpty());
}

void TestTeamView::rosterAreaStaysReadOnly_data() {
    QTest::addColumn<int>("steps");
    QTest::newRow("started") << 0;
    QTest::newRow("opened") << 1;
    QTest::newRow("loaded") << 2;
    QTest::newRow("another team chosen") << 3;
    QTest::newRow("a player selected") << 4;
    QTest::newRow("a player found") << 5;
    QTest::newRow("changes applied") << 6;
    QTest::newRow("opened again") << 7;
}

void TestTeamView::rosterAreaStaysReadOnly() {
    QFETCH(int, steps);
    Form1 window(m_game->platform);
    window.show();
    Form1Controls& c = window.controls();
    if (steps >= 1) {
        QVERIFY(TestSupport::openAndWait(window));
    }
    if (steps >= 2)
        QVERIFY(window.load());
    if (steps >= 3)
        c.timovi_lista->setCurrentIndex(SampleBuilder::fullRosterTeam);
    if (steps >= 4)
        c.List1->setCurrentRow(42);
    if (steps >= 5) {
        c.trazi_tim->setText(SampleBuilder::playerName(SampleBuilder::accentedNamePlayer));
        c.Command9->click();
        QCOMPARE(c.List1->currentRow(), SampleBuilder::accentedNamePlayer);
    }
    if (steps >= 6)
        c.promjena_imena->click();
    if (steps >= 7) {
        QVERIFY(TestSupport::openAndWait(window));
    }

    for (QWidget* w : {static_cast<QWidget*>(c.timovi_lista), static_cast<QWidget*>(c.List4),
                       static_cast<QWidget*>(c.List2), static_cast<QWidget*>(c.moveup),
                       static_cast<QWidget*>(c.movedown), static_cast<QWidget*>(c.removefromteam)})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(!c.transferplayer->isVisible());
    QVERIFY(!c.transferto->isVisible());
    QVERIFY(c.transferplayer->isHidden());
    QVERIFY(c.transferto->isHidden());
}

// ---- The player search ----

void TestTeamView::searchSelectsTheFirstMatch_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("found"); // -1: none

    const int plain = asciiNamedPlayer();
    QVERIFY(plain >= 0);
    const QString name = SampleBuilder::playerName(plain);
    QTest::newRow("exact name") << name << plain;
    QTest::newRow("all capitals") << name.toUpper() << plain;
    QTest::newRow("all small letters") << name.toLower() << plain;
    QTest::newRow("a trailing blank") << name + QLatin1Char(' ') << -1;
    QTest::newRow("first name alone") << name.section(QLatin1Char(' '), 0, 0) << -1;

    const int ozil = SampleBuilder::accentedNamePlayer;
    QTest::newRow("Mesut Özil") << QStringLiteral("Mesut Özil") << ozil;
    QTest::newRow("MESUT ÖZIL") << QStringLiteral("MESUT ÖZIL") << ozil;
    QTest::newRow("mesut Özil") << QStringLiteral("mesut Özil") << ozil;
    QTest::newRow("mesut özil, small ö") << QStringLiteral("mesut özil") << -1;
    QTest::newRow("surname alone") << QStringLiteral("Özil") << -1;

    for (const auto& [first, second] : SampleBuilder::duplicateNamePlayers)
        QTest::addRow("duplicate name of %d and %d", first, second)
            << SampleBuilder::playerName(second) << first;
    const QString wide = SampleBuilder::playerName(SampleBuilder::fullWidthNamePlayer);
    QTest::newRow("46-character name") << wide << SampleBuilder::fullWidthNamePlayer;
    QTest::newRow("46-character name in capitals, accents unfolded") << wide.toUpper() << -1;
    const int last = PlayerLayout::recordCount - 1;
    QTest::newRow("the last record") << SampleBuilder::playerName(last) << last;
    QTest::newRow("nobody") << QStringLiteral("Nobody Atall") << -1;
}

void TestTeamView::searchSelectsTheFirstMatch() {
    QFETCH(QString, query);
    QFETCH(int, found);

    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    Form1Controls& c = window.controls();
    constexpr int before = 5;
    c.List1->setCurrentRow(before);
    const QString shownBefore = c.nazivigraca->text();

    c.trazi_tim->setText(query);
    c.Command9->click();
    QVERIFY(m_game->platform.messages.isEmpty());
    if (found < 0) {
        QCOMPARE(c.List1->currentRow(), before);
        QCOMPARE(c.nazivigraca->text(), shownBefore);
        QCOMPARE(c.puni->maximum(), PlayerLayout::recordCount);
        QCOMPARE(c.puni->value(), PlayerLayout::recordCount);
        return;
    }
    QCOMPARE(c.List1->currentRow(), found);
    QCOMPARE(c.nazivigraca->text(), SampleBuilder::playerName(found));
    QCOMPARE(c.lblID->text(), QString::number(SampleBuilder::playerId(found)));
    QCOMPARE(c.lists.adrese_naziv.text(), QString::number(PlayerLayout::nameOffset(found)));
    // The bar stands at the number of names examined.
    QCOMPARE(c.puni->value(), found + 1);
}

void TestTeamView::searchFindsARenamedPlayer() {
    Form1 window(m_game->platform);
    QVERIFY(TestSupport::openAndLoad(window, *m_game));
    Form1Controls& c = window.controls();
    const int renamed = 4000;
    const QString oldName = SampleBuilder::playerName(renamed);
    c.List1->setCurrentRow(renamed);
    c.nazivigraca->setText(QStringLiteral("Renamed Player"));
    c.promjena_imena->click();
    QVERIFY(m_game->platform.messages.isEmpty());
    c.List1->setCurrentRow(0);

    c.trazi_tim->setText(QStringLiteral("RENAMED player"));
    c.Command9->click();
    QCOMPARE(c.List1->currentRow(), renamed);
    c.List1->setCurrentRow(0);
    c.trazi_tim->setText(oldName);
    c.Command9->click();
    QCOMPARE(c.List1->currentRow(), 0);
}

void TestTeamView::searchBoxEmptiesOnEveryClick() {
    Form1 window(m_game->platform);
    window.show();
    QLineEdit* box = window.controls().trazi_tim;
    QCOMPARE(box->text(), QStringLiteral("Search Player....."));
    const QStringList typed{QStringLiteral("Mesut"), QStringLiteral("x"),
                            QStringLiteral("Adam Smith")};
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->text(), QString());
    for (const QString& text : typed) {
        QTest::keyClicks(box, text);
        QCOMPARE(box->text(), text);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
        QCOMPARE(box->text(), QString());
    }
}

void TestTeamView::searchWithoutPlayersDoesNothing_data() {
    QTest::addColumn<bool>("opened");
    QTest::newRow("before File > Open") << false;
    QTest::newRow("opened, before Load") << true;
}

void TestTeamView::searchWithoutPlayersDoesNothing() {
    QFETCH(bool, opened);
    Form1 window(m_game->platform);
    window.show();
    Form1Controls& c = window.controls();
    if (opened) {
        QVERIFY(TestSupport::openAndWait(window));
    }
    c.puni->setValue(3);
    const int maximum = c.puni->maximum();
    c.trazi_tim->setText(QStringLiteral("Mesut Özil"));
    c.Command9->click();
    QVERIFY(m_game->platform.messages.isEmpty());
    QCOMPARE(c.List1->count(), 0);
    QCOMPARE(c.List1->currentRow(), -1);
    QCOMPARE(c.puni->value(), 3);
    QCOMPARE(c.puni->maximum(), maximum);
    QCOMPARE(c.nazivigraca->text(), QString());
}

QTEST_MAIN(TestTeamView)
#include "tst_teamview.moc"
