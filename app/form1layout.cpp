#include "app/form1controls.h"
#include "shell/widgetplacement.h"

#include "player/abilitytable.h"
#include "player/positiontable.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
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

QLabel* label(QWidget* parent, const char* name, const QString& caption, int x, int y, int w,
              int h = 20, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = place<QLabel>(parent, name, x, y, w, h);
    l->setText(caption);
    l->setAlignment(align);
    return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int x, int y, int w,
                    int h = 26) {
    auto* b = place<QPushButton>(parent, name, x, y, w, h);
    b->setText(caption);
    return b;
}

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, int x, int y, int w,
                 int h) {
    auto* f = place<QGroupBox>(parent, name, x, y, w, h);
    f->setTitle(caption);
    return f;
}

void colour(QLabel* l, const char* colourName, bool bold, int pointSize = 0) {
    l->setStyleSheet(QStringLiteral("color: %1;").arg(QString::fromLatin1(colourName)));
    QFont f = l->font();
    f.setBold(bold);
    if (pointSize > 0)
        f.setPointSize(pointSize);
    l->setFont(f);
}

QString checkCaption(int number) {
    for (const AbilitySlot& s : abilitySlots)
        if (s.flagBox == number)
            return QString::fromUtf8(s.flagCaption);
    for (const SpecialAbilityBit& b : specialAbilityBits)
        if (b.checkBox == number)
            return QString::fromUtf8(b.caption);
    if (number == penaltiesBox)
        return QStringLiteral("Penalties");
    if (number == longThrowBox)
        return QStringLiteral("Long Throw");
    return {};
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
        const auto slot =
            std::find_if(abilitySlots.begin(), abilitySlots.end(),
                         [&](const AbilitySlot& s) { return std::strcmp(s.box, boxName) == 0; });
        c.Label4[i] = label(f, "Label4", QString::fromUtf8(slot->caption), x, y, 112, 20,
                            Qt::AlignRight | Qt::AlignVCenter);
        c.Label4[i]->setObjectName(QStringLiteral("Label4_%1").arg(i));
        auto* box = place<QLineEdit>(f, boxName, x + 116, y, 36, 20);
        box->setMaxLength(5);
        c.abilityBoxes[slot->slot] = box;
    }
    // Playable positions, in the order of the position list.
    for (int n = 1; n <= 12; ++n) {
        auto* box = place<QCheckBox>(f, "", 326, top + (n - 1) * rowHeight, 72, 20);
        box->setObjectName(QStringLiteral("Check%1").arg(n));
        box->setText(PositionTable::captions().at(n - 1));
        c.checks[n] = box;
    }
    c.Command4 = button(f, "Command4", QStringLiteral("Apply Abilities"), 8, 300, 140);
    c.Command6 = button(f, "Command6", QStringLiteral("Special Options"), 156, 300, 140);

    // The panel covers the boxes above and leaves the two buttons along the bottom visible.
    c.framespecial = frame(f, "framespecial", QStringLiteral("Special Options"), 4, 14, 395, 282);
    c.framespecial->setAutoFillBackground(true);
    c.framespecial->hide();
    for (int n = 13; n <= 35; ++n) {
        const int index = n - 13;
        const int column = index / 12;
        const int row = index % 12;
        auto* box = place<QCheckBox>(c.framespecial, "", 10 + column * 200, 22 + row * 21, 190, 20);
        box->setObjectName(QStringLiteral("Check%1").arg(n));
        box->setText(checkCaption(n));
        c.checks[n] = box;
    }
    c.Label16 =
        label(c.framespecial, "Label16", QStringLiteral("X"), 371, 4, 18, 18, Qt::AlignCenter);
    c.Label16->setFrameShape(QFrame::Box);
    c.Label16->setCursor(Qt::PointingHandCursor);
}

} // namespace

void buildForm1Controls(QWidget* w, Form1Controls& c) {
    // Left column: the player list with Load at its top right and the search below it.
    c.List1 = place<QListWidget>(w, "List1", 8, 8, 190, 530);
    c.Command2 = button(w, "Command2", QStringLiteral("Load"), 204, 8, 70);
    c.trazi_tim = place<QLineEdit>(w, "trazi_tim", 8, 544, 190, 24);
    c.trazi_tim->setText(QStringLiteral("Search Player....."));
    c.Command9 = button(w, "Command9", QStringLiteral("Search "), 204, 543, 70);

    // Second column: player ID, team chooser and roster.
    c.Label9 = label(w, "Label9", QStringLiteral("Player ID:"), 282, 8, 180);
    c.lblID = label(w, "lblID", QString(), 282, 28, 186, 34);
    colour(c.lblID, "#000080", true, 18);
    c.timovi_lista = place<QComboBox>(w, "timovi_lista", 282, 70, 190, 24);
    c.timovi_lista->setPlaceholderText(QStringLiteral("Team Select...."));
    c.List4 = place<QListWidget>(w, "List4", 282, 100, 40, 330);
    c.List2 = place<QListWidget>(w, "List2", 324, 100, 148, 330);
    c.moveup = button(w, "moveup", QStringLiteral("Move UP"), 282, 436, 62);
    c.movedown = button(w, "movedown", QStringLiteral("Down"), 346, 436, 62);
    c.removefromteam = button(w, "removefromteam", QStringLiteral("Remove"), 410, 436, 62);
    // The roster area is read-only in this version.
    for (QWidget* readOnly :
         {static_cast<QWidget*>(c.timovi_lista), static_cast<QWidget*>(c.List4),
          static_cast<QWidget*>(c.List2), static_cast<QWidget*>(c.moveup),
          static_cast<QWidget*>(c.movedown), static_cast<QWidget*>(c.removefromteam)})
        readOnly->setEnabled(false);

    // Details along the top.
    label(w, "Label1", QStringLiteral("Player Name:"), 482, 8, 88);
    c.nazivigraca = place<QLineEdit>(w, "nazivigraca", 572, 8, 230, 22);
    c.nazivigraca->setMaxLength(46);
    label(w, "Label2", QStringLiteral("Name on shirt:"), 810, 8, 92);
    c.nazivigraca_dres = place<QLineEdit>(w, "nazivigraca_dres", 904, 8, 115, 22);
    c.nazivigraca_dres->setMaxLength(16);

    label(w, "Label7", QStringLiteral("Position:"), 482, 40, 60);
    c.position = place<QComboBox>(w, "position", 544, 38, 72, 24);
    c.position->addItems(PositionTable::captions());
    label(w, "Label14", QStringLiteral("Foot:"), 630, 40, 36);
    c.foot = place<QComboBox>(w, "foot", 668, 38, 72, 24);
    c.foot->addItems({QStringLiteral("Right"), QStringLiteral("Left")});
    label(w, "Label11", QStringLiteral("Number:"), 760, 40, 56);
    c.plnumber = place<QLineEdit>(w, "plnumber", 818, 34, 56, 32);
    c.plnumber->setAlignment(Qt::AlignCenter);
    QFont big = c.plnumber->font();
    big.setBold(true);
    big.setPointSize(14);
    c.plnumber->setFont(big);

    label(w, "Label5", QStringLiteral("Height:"), 482, 72, 50);
    c.visina = place<QLineEdit>(w, "visina", 534, 72, 46, 22);
    label(w, "Label10", QStringLiteral("Weight:"), 592, 72, 52);
    c.weight = place<QLineEdit>(w, "weight", 646, 72, 46, 22);
    label(w, "Label6", QStringLiteral("Age:"), 704, 72, 34);
    c.age = place<QLineEdit>(w, "age", 740, 72, 46, 22);
    label(w, "Label15", QStringLiteral("Spacing:"), 798, 72, 58);
    c.spacing = place<QLineEdit>(w, "spacing", 858, 72, 46, 22);

    c.Label12 = label(w, "Label12",
                      QStringLiteral("When you change some of these values, don't forget to "
                                     "click on Apply Changes!"),
                      482, 100, 537, 20, Qt::AlignCenter);
    colour(c.Label12, "#FF0000", false);

    // Centre: the abilities, hidden until Load.
    c.Frame1 = frame(w, "Frame1", QStringLiteral("Abilities"), 482, 124, 403, 332);
    buildAbilities(c);
    c.Frame1->hide();

    // Right: face and hair, Apply Changes and SAVE.
    c.frameface = frame(w, "frameface", QStringLiteral("Face Relink"), 891, 124, 128, 196);
    c.lblface = label(c.frameface, "lblface", QStringLiteral("Face:  unnamed_"), 6, 18, 118, 34);
    c.face = place<QLineEdit>(c.frameface, "face", 6, 54, 116, 22);
    c.lblhair = label(c.frameface, "lblhair", QStringLiteral("Hair: unnamed_"), 6, 80, 118, 34);
    c.hair = place<QLineEdit>(c.frameface, "hair", 6, 116, 116, 22);
    c.Command5 = button(c.frameface, "Command5", QStringLiteral("Relink"), 6, 150, 116, 30);
    // The file names are long for the narrow frame: a smaller font, wrapped after "Face:".
    for (QLabel* fileLabel : {c.lblface, c.lblhair}) {
        fileLabel->setWordWrap(true);
        QFont small = fileLabel->font();
        small.setPointSize(std::max(7, small.pointSize() - 1));
        fileLabel->setFont(small);
    }
    c.promjena_imena =
        button(w, "promjena_imena", QStringLiteral("Apply Changes"), 891, 330, 128, 32);
    c.Command1 = button(w, "Command1", QStringLiteral("SAVE"), 891, 372, 128, 44);

    // Below the centre: the shown team and player.
    c.Frame2 = frame(w, "Frame2", QStringLiteral("Transfer:"), 482, 462, 537, 100);
    c.Label13 = label(c.Frame2, "Label13", QString(), 10, 22, 517, 22);
    colour(c.Label13, "#000080", true);
    c.lblprebaciigrac = label(c.Frame2, "lblprebaciigrac", QString(), 10, 48, 517, 22);
    colour(c.lblprebaciigrac, "#FF0000", true);
    c.transferplayer =
        button(c.Frame2, "transferplayer", QStringLiteral("Transfer player"), 10, 70, 120, 24);
    c.transferplayer->hide();
    c.transferto = place<QComboBox>(c.Frame2, "transferto", 140, 70, 200, 24);
    c.transferto->setPlaceholderText(QStringLiteral("Team Select...."));
    c.transferto->hide();

    // Bottom edge.
    c.Label3 = label(w, "Label3",
                     QStringLiteral("Rosterly: a player and team editor for the PES 2011 "
                                    "database."),
                     8, 574, 1011, 18);
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
