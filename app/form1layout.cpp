#include "app/form1controls.h"
#include "shell/widgetplacement.h"

#include "player/abilitytable.h"
#include "player/gameterms.h"
#include "player/playerrecord.h"
#include "player/positiontable.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstring>

namespace {

// The controls are made without their captions, which setForm1Texts gives them.
QLabel* label(QWidget* parent, const char* name, int x, int y, int w, int h = 20,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = place<QLabel>(parent, name, x, y, w, h);
    l->setAlignment(align);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, int x, int y, int w, int h = 26) {
    return place<QPushButton>(parent, name, x, y, w, h);
}

QGroupBox* frame(QWidget* parent, const char* name, int x, int y, int w, int h) {
    return place<QGroupBox>(parent, name, x, y, w, h);
}

void colour(QLabel* l, const char* colourName, bool bold, int pointSize = 0) {
    l->setStyleSheet(QStringLiteral("color: %1;").arg(QString::fromLatin1(colourName)));
    QFont f = l->font();
    f.setBold(bold);
    if (pointSize > 0)
        f.setPointSize(pointSize);
    l->setFont(f);
}

// The game's terms, in the language shown.
QString checkCaption(int number) {
    for (const AbilitySlot& s : abilitySlots)
        if (s.flagBox == number)
            return gameTerm(s.flagCaption);
    for (const SpecialAbilityBit& b : specialAbilityBits)
        if (b.checkBox == number)
            return gameTerm(b.caption);
    if (number == penaltiesBox)
        //: A player's special ability, as the game names it
        return gameTerm(QT_TRANSLATE_NOOP("GameTerms", "Penalties"));
    if (number == longThrowBox)
        //: A player's special ability, as the game names it
        return gameTerm(QT_TRANSLATE_NOOP("GameTerms", "Long Throw"));
    return {};
}

const AbilitySlot& slotOfBox(const char* boxName) {
    return *std::find_if(abilitySlots.begin(), abilitySlots.end(),
                         [&](const AbilitySlot& s) { return std::strcmp(s.box, boxName) == 0; });
}

void buildAbilities(Form1Controls& c) {
    QGroupBox* f = c.Frame1;
    constexpr int rowHeight = 21;
    constexpr int top = 20;
    constexpr int rowsPerColumn = 13;
    // Captions Label4(0-25) in their own order; each box sits to the right of its caption.
    for (int i = 0; i < 26; ++i) {
        const int column = i / rowsPerColumn;
        const int row = i % rowsPerColumn;
        const int x = 6 + column * 160;
        const int y = top + row * rowHeight;
        const char* boxName = abilityLabelOrder[i];
        c.Label4[i] = label(f, "Label4", x, y, 112, 20, Qt::AlignRight | Qt::AlignVCenter);
        c.Label4[i]->setObjectName(QStringLiteral("Label4_%1").arg(i));
        auto* box = place<QLineEdit>(f, boxName, x + 116, y, 36, 20);
        box->setMaxLength(5);
        c.abilityBoxes[slotOfBox(boxName).slot] = box;
    }
    // Playable positions, in the order of the position list.
    for (int n = 1; n <= 12; ++n) {
        auto* box = place<QCheckBox>(f, "", 326, top + (n - 1) * rowHeight, 72, 20);
        box->setObjectName(QStringLiteral("Check%1").arg(n));
        c.checks[n] = box;
    }
    c.Command4 = button(f, "Command4", 8, 300, 140);
    c.Command6 = button(f, "Command6", 156, 300, 140);

    // The panel covers the boxes above and leaves the two buttons along the bottom visible.
    c.framespecial = frame(f, "framespecial", 4, 14, 395, 282);
    c.framespecial->setAutoFillBackground(true);
    c.framespecial->hide();
    for (int n = 13; n <= 35; ++n) {
        const int index = n - 13;
        const int column = index / 12;
        const int row = index % 12;
        auto* box = place<QCheckBox>(c.framespecial, "", 10 + column * 200, 22 + row * 21, 190, 20);
        box->setObjectName(QStringLiteral("Check%1").arg(n));
        c.checks[n] = box;
    }
    // The panel's close box: a sign, not a word.
    c.Label16 = label(c.framespecial, "Label16", 371, 4, 18, 18, Qt::AlignCenter);
    c.Label16->setText(QStringLiteral("X"));
    c.Label16->setFrameShape(QFrame::Box);
    c.Label16->setCursor(Qt::PointingHandCursor);
}

} // namespace

void buildForm1Controls(QWidget* w, Form1Controls& c) {
    // Left column: the player list with Load at its top right and the search below it.
    c.List1 = place<QListWidget>(w, "List1", 8, 8, 190, 530);
    c.Command2 = button(w, "Command2", 204, 8, 70);
    // Its hint, which a click takes away, is the window's to set.
    c.trazi_tim = place<QLineEdit>(w, "trazi_tim", 8, 544, 190, 24);
    c.Command9 = button(w, "Command9", 204, 543, 70);

    // Second column: player ID, team chooser and roster.
    c.Label9 = label(w, "Label9", 282, 8, 180);
    c.lblID = label(w, "lblID", 282, 28, 186, 34);
    colour(c.lblID, "#000080", true, 18);
    c.timovi_lista = place<QComboBox>(w, "timovi_lista", 282, 70, 190, 24);
    c.List4 = place<QListWidget>(w, "List4", 282, 100, 40, 330);
    c.List2 = place<QListWidget>(w, "List2", 324, 100, 148, 330);
    c.moveup = button(w, "moveup", 282, 436, 62);
    c.movedown = button(w, "movedown", 346, 436, 62);
    c.removefromteam = button(w, "removefromteam", 410, 436, 62);
    // The roster area is read-only in this version.
    for (QWidget* readOnly :
         {static_cast<QWidget*>(c.timovi_lista), static_cast<QWidget*>(c.List4),
          static_cast<QWidget*>(c.List2), static_cast<QWidget*>(c.moveup),
          static_cast<QWidget*>(c.movedown), static_cast<QWidget*>(c.removefromteam)})
        readOnly->setEnabled(false);

    // Details along the top.
    c.Label1 = label(w, "Label1", 482, 8, 88);
    c.nazivigraca = place<QLineEdit>(w, "nazivigraca", 572, 8, 230, 22);
    c.nazivigraca->setMaxLength(46);
    c.Label2 = label(w, "Label2", 810, 8, 92);
    c.nazivigraca_dres = place<QLineEdit>(w, "nazivigraca_dres", 904, 8, 115, 22);
    c.nazivigraca_dres->setMaxLength(16);

    c.Label7 = label(w, "Label7", 482, 40, 60);
    c.position = place<QComboBox>(w, "position", 544, 38, 72, 24);
    for (int entry = 0; entry < PositionTable::entryCount; ++entry)
        c.position->addItem(QString());
    c.Label14 = label(w, "Label14", 630, 40, 36);
    c.foot = place<QComboBox>(w, "foot", 668, 38, 72, 24);
    c.foot->addItems({QString(), QString()});
    c.Label11 = label(w, "Label11", 760, 40, 56);
    c.plnumber = place<QLineEdit>(w, "plnumber", 818, 34, 56, 32);
    c.plnumber->setAlignment(Qt::AlignCenter);
    QFont big = c.plnumber->font();
    big.setBold(true);
    big.setPointSize(14);
    c.plnumber->setFont(big);

    c.Label5 = label(w, "Label5", 482, 72, 50);
    c.visina = place<QLineEdit>(w, "visina", 534, 72, 46, 22);
    c.Label10 = label(w, "Label10", 592, 72, 52);
    c.weight = place<QLineEdit>(w, "weight", 646, 72, 46, 22);
    c.Label6 = label(w, "Label6", 704, 72, 34);
    c.age = place<QLineEdit>(w, "age", 740, 72, 46, 22);
    c.Label15 = label(w, "Label15", 798, 72, 58);
    c.spacing = place<QLineEdit>(w, "spacing", 858, 72, 46, 22);

    c.Label12 = label(w, "Label12", 482, 100, 537, 20, Qt::AlignCenter);
    colour(c.Label12, "#FF0000", false);

    // Centre: the abilities, hidden until Load.
    c.Frame1 = frame(w, "Frame1", 482, 124, 403, 332);
    buildAbilities(c);
    c.Frame1->hide();

    // Right: face and hair, Apply Changes and SAVE.
    c.frameface = frame(w, "frameface", 891, 124, 128, 196);
    // Their captions until a face and a hair are shown are the window's to set.
    c.lblface = label(c.frameface, "lblface", 6, 18, 118, 34);
    c.face = place<QLineEdit>(c.frameface, "face", 6, 54, 116, 22);
    c.lblhair = label(c.frameface, "lblhair", 6, 80, 118, 34);
    c.hair = place<QLineEdit>(c.frameface, "hair", 6, 116, 116, 22);
    c.Command5 = button(c.frameface, "Command5", 6, 150, 116, 30);
    // The file names are long for the narrow frame: a smaller font, wrapped after "Face:".
    for (QLabel* fileLabel : {c.lblface, c.lblhair}) {
        fileLabel->setWordWrap(true);
        QFont small = fileLabel->font();
        small.setPointSize(std::max(7, small.pointSize() - 1));
        fileLabel->setFont(small);
    }
    c.promjena_imena = button(w, "promjena_imena", 891, 330, 128, 32);
    c.Command1 = button(w, "Command1", 891, 372, 128, 44);

    // Below the centre: the shown team and player.
    c.Frame2 = frame(w, "Frame2", 482, 462, 537, 100);
    c.Label13 = label(c.Frame2, "Label13", 10, 22, 517, 22);
    colour(c.Label13, "#000080", true);
    c.lblprebaciigrac = label(c.Frame2, "lblprebaciigrac", 10, 48, 517, 22);
    colour(c.lblprebaciigrac, "#FF0000", true);
    c.transferplayer = button(c.Frame2, "transferplayer", 10, 70, 120, 24);
    c.transferplayer->hide();
    c.transferto = place<QComboBox>(c.Frame2, "transferto", 140, 70, 200, 24);
    c.transferto->hide();

    // Bottom edge.
    c.Label3 = label(w, "Label3", 8, 574, 1011, 18);
    c.puni = place<QProgressBar>(w, "puni", 8, 596, 1011, 24);
    c.puni->setValue(0);

    // An empty frame in front of the lower right until a file is opened.
    c.Frame3 = place<QFrame>(w, "Frame3", 513, 118, 514, 510);
    c.Frame3->setFrameShape(QFrame::Panel);
    c.Frame3->setAutoFillBackground(true);
    c.Frame3->raise();

    c.sat_provjera_broja = new QTimer(w);
    c.sat_provjera_broja->setObjectName(QStringLiteral("sat_provjera_broja"));
    c.sat_provjera_broja->setInterval(2);
    c.sat = new QTimer(w);
    c.sat->setObjectName(QStringLiteral("sat"));
    c.sat->setInterval(1000);
}

void setForm1Texts(Form1Controls& c) {
    c.Command2->setText(QCoreApplication::translate("Form1", "Load"));
    //: The button that searches the player list for the name typed beside it.
    c.Command9->setText(QCoreApplication::translate("Form1", "Search "));
    c.Label9->setText(QCoreApplication::translate("Form1", "Player ID:"));
    //: Shown in the team chooser until a team is chosen.
    c.timovi_lista->setPlaceholderText(QCoreApplication::translate("Form1", "Team Select...."));
    //: The button that moves the chosen player up the squad list.
    c.moveup->setText(QCoreApplication::translate("Form1", "Move UP"));
    //: The button that moves the chosen player down the squad list.
    c.movedown->setText(QCoreApplication::translate("Form1", "Down"));
    //: The button that takes the chosen player out of the squad.
    c.removefromteam->setText(QCoreApplication::translate("Form1", "Remove"));

    c.Label1->setText(QCoreApplication::translate("Form1", "Player Name:"));
    c.Label2->setText(QCoreApplication::translate("Form1", "Name on shirt:"));
    //: The player's registered position.
    c.Label7->setText(QCoreApplication::translate("Form1", "Position:"));
    //: The foot the player prefers.
    c.Label14->setText(QCoreApplication::translate("Form1", "Foot:"));
    //: The player's shirt number.
    c.Label11->setText(QCoreApplication::translate("Form1", "Number:"));
    c.Label5->setText(QCoreApplication::translate("Form1", "Height:"));
    c.Label10->setText(QCoreApplication::translate("Form1", "Weight:"));
    c.Label6->setText(QCoreApplication::translate("Form1", "Age:"));
    //: The player's spacing value, as the game's database names it.
    c.Label15->setText(QCoreApplication::translate("Form1", "Spacing:"));
    c.Label12->setText(QCoreApplication::translate(
        "Form1", "When you change some of these values, don't forget to click on Apply Changes!"));
    const QStringList positions = PositionTable::shownCaptions();
    for (int entry = 0; entry < c.position->count() && entry < positions.size(); ++entry)
        c.position->setItemText(entry, positions.at(entry));
    for (int entry = 0; entry < c.foot->count(); ++entry)
        c.foot->setItemText(entry, gameTerm(PlayerValues::footNames.at(size_t(entry))));

    c.Frame1->setTitle(QCoreApplication::translate("Form1", "Abilities"));
    for (int i = 0; i < 26; ++i)
        c.Label4[i]->setText(gameTerm(slotOfBox(abilityLabelOrder[i]).caption));
    for (int n = 1; n <= 12; ++n)
        c.checks[n]->setText(positions.value(n - 1));
    c.Command4->setText(QCoreApplication::translate("Form1", "Apply Abilities"));
    c.Command6->setText(QCoreApplication::translate("Form1", "Special Options"));
    c.framespecial->setTitle(QCoreApplication::translate("Form1", "Special Options"));
    for (int n = 13; n <= 35; ++n)
        c.checks[n]->setText(checkCaption(n));

    c.frameface->setTitle(QCoreApplication::translate("Form1", "Face Relink"));
    c.Command5->setText(QCoreApplication::translate("Form1", "Relink"));
    c.promjena_imena->setText(QCoreApplication::translate("Form1", "Apply Changes"));
    //: The button that packs the working copy into the game file.
    c.Command1->setText(QCoreApplication::translate("Form1", "SAVE"));

    c.Frame2->setTitle(QCoreApplication::translate("Form1", "Transfer:"));
    c.transferplayer->setText(QCoreApplication::translate("Form1", "Transfer player"));
    c.transferto->setPlaceholderText(QCoreApplication::translate("Form1", "Team Select...."));
    c.Label3->setText(QCoreApplication::translate(
        "Form1", "Rosterly: a player and team editor for the PES 2011 database."));
}
