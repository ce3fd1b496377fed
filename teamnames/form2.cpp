#include "teamnames/form2.h"

#include "common/workingcopy.h"
#include "shell/clicknotifier.h"
#include "shell/editmenu.h"
#include "shell/gamefilesession.h"
#include "shell/platform.h"
#include "shell/screenfit.h"
#include "shell/widgetplacement.h"
#include "shell/windowtitle.h"
#include "teamnames/teamnametable.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace {

// The search looks at no more than this many teams, however long the list is.
constexpr int searchLimit = 157;

} // namespace

Form2::Form2(Platform& platform, QWidget* parent) : QMainWindow(parent), m_platform(platform) {
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);

    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuOpen = mnuFile->addAction(QStringLiteral("Open"));
    mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
    mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));

    auto* client = new QWidget(this);
    client->setFixedSize(520, 420);
    setCentralWidget(client);

    List1 = place<QListWidget>(client, "List1", 8, 8, 250, 370);
    place<QLabel>(client, "Label1", 270, 8, 240, 20)->setText(QStringLiteral("Team Name:"));
    nazivigraca = place<QLineEdit>(client, "nazivigraca", 270, 30, 240, 24);
    nazivigraca->setMaxLength(TeamNameLayout::nameSlotWidth);
    place<QLabel>(client, "Label2", 270, 62, 240, 20)->setText(QStringLiteral("Short Name:"));
    nazivigraca_dres = place<QLineEdit>(client, "nazivigraca_dres", 270, 84, 60, 24);
    nazivigraca_dres->setMaxLength(TeamNameLayout::shortNameWidth);
    Command2 = place<QPushButton>(client, "Command2", 270, 124, 110, 30);
    Command2->setText(QStringLiteral("Load"));
    Command2->setEnabled(false);
    promjena_imena = place<QPushButton>(client, "promjena_imena", 390, 124, 120, 30);
    promjena_imena->setText(QStringLiteral("Change name"));
    Command1 = place<QPushButton>(client, "Command1", 270, 164, 240, 40);
    Command1->setText(QStringLiteral("SAVE"));
    trazi_tim = place<QLineEdit>(client, "trazi_tim", 270, 230, 160, 24);
    trazi_tim->setText(QStringLiteral("Search Team....."));
    Command9 = place<QPushButton>(client, "Command9", 436, 229, 74, 26);
    Command9->setText(QStringLiteral("Search "));
    puni = place<QProgressBar>(client, "puni", 8, 388, 502, 24);
    puni->setValue(0);
    sat = new QTimer(this);
    sat->setObjectName(QStringLiteral("sat"));
    m_session = new GameFileSession(m_platform, this, *sat, QStringLiteral("the team name editor"),
                                    TeamNameLayout::longNamePassEnd);
    new WindowTitle(*this, QStringLiteral("Team Edit PES 2010 DEMO by Tavor"), *m_session);

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    new EditMenu(*menuBar(), nullptr, *m_session);
    connect(m_session, &GameFileSession::loadFinished, this, &Form2::loadFinished);
    connect(mnuOpen, &QAction::triggered, this, &Form2::openTeamFile);
    connect(Command2, &QPushButton::clicked, this, &Form2::pressLoad);
    connect(promjena_imena, &QPushButton::clicked, this, &Form2::changeName);
    connect(Command9, &QPushButton::clicked, this, &Form2::search);
    connect(Command1, &QPushButton::clicked, this, &Form2::save);
    auto* saveShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(saveShortcut, &QShortcut::activated, Command1, &QPushButton::click);
    connect(List1, &QListWidget::currentRowChanged, this, &Form2::selectTeam);
    connect(ClickNotifier::watch(trazi_tim), &ClickNotifier::clicked, trazi_tim, &QLineEdit::clear);
}

Form2::~Form2() = default;

void Form2::closeEvent(QCloseEvent* event) {
    // Closing destroys the window, and with it a save that is still going.
    if (m_session->refuseWhileSaving(QStringLiteral("Close the window again"))) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void Form2::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!std::exchange(m_placed, true))
        QTimer::singleShot(0, this, [this] { ScreenFit::keepOnScreen(*this); });
}

void Form2::message(const QString& text) {
    m_session->message(text);
}

GameFileSession& Form2::session() {
    return *m_session;
}

const QString& Form2::teamFile() const {
    return m_session->gameFile();
}

void Form2::windowLoad() {
    open(QStringLiteral("Select unnamed_32.bin:"), QStringLiteral("unnamed_32.bin"));
}

void Form2::openTeamFile() {
    open(QStringLiteral("Select unnamed_11.bin:"), QStringLiteral("unnamed_11.bin"));
}

void Form2::open(const QString& title, const QString& fileName) {
    if (m_session->refuseWhileSaving(QStringLiteral("Open a file")))
        return;
    const QString chosen = m_platform.chooseFile(this, title, fileName, fileName);
    activateWindow();
    if (chosen.isEmpty())
        return; // cancelled: the team file open before stays the one this window works on
    if (!m_session->open(chosen))
        return; // the main window has that file open
    Command2->setEnabled(true);
}

bool Form2::pressLoad() {
    if (!m_session->isOpen()) {
        message(QStringLiteral("No team file is open. Use File > Open in the team editor first."));
        return false;
    }
    return m_session->load(*puni, [this] { return loadNow(); });
}

bool Form2::loadNow() {
    if (const QString problem = m_session->decompressProblem(); !problem.isEmpty()) {
        message(problem);
        return false;
    }
    QString error;
    const auto lists = TeamNameTable::load(m_session->workingCopy(), &error);
    if (!lists) {
        message(error);
        return false;
    }

    List1->clear();
    adrese_naziv.clear();
    igraci_skraceno.clear();
    listaid.clear();
    puni->setMaximum(TeamNameLayout::shortNameCount);
    puni->setValue(0);
    // Every long-name entry moves the bar, listed or not: it ends at 200 of 201.
    puni->setValue(TeamNameLayout::longNameCount);
    List1->addItems(lists->names);
    adrese_naziv.items = lists->nameOffsets;
    igraci_skraceno.items = lists->shortNames;
    m_shortEntryOffsets = lists->shortEntryOffsets;
    listaid.items = lists->teamIds;
    m_session->markListsCurrent();
    return true;
}

QStringList Form2::teamNames() const {
    QStringList names;
    names.reserve(List1->count());
    for (int i = 0; i < List1->count(); ++i)
        names << List1->item(i)->text();
    return names;
}

QStringList Form2::teamIds() const {
    return listaid.items;
}

void Form2::selectTeam(int row) {
    adrese_naziv.select(row);
    nazivigraca->setText(row >= 0 ? List1->item(row)->text() : QString());
    // The short names can be fewer than the names; a team past their end has none to show.
    igraci_skraceno.select(row);
    nazivigraca_dres->setText(igraci_skraceno.text());
    listaid.select(row);
}

void Form2::changeName() {
    const int row = List1->currentRow();
    if (row < 0 || !adrese_naziv.hasCurrent()) {
        message(QStringLiteral("Select a team to rename first."));
        return;
    }
    if (!m_session->listsCurrent()) {
        message(QStringLiteral("The list still shows the team file opened before. Press Load to "
                               "list the teams of %1, then rename.")
                    .arg(QDir::toNativeSeparators(teamFile())));
        return;
    }
    QString error;
    const qint64 nameOffset = adrese_naziv.text().toLongLong();
    // A team past the end of the short names shows none and has none to write: its stored bytes
    // stay as they are.
    std::optional<TeamNameTable::ShortNameTarget> shortName;
    if (igraci_skraceno.hasCurrent())
        shortName = TeamNameTable::ShortNameTarget{
            nazivigraca_dres->text(), m_shortEntryOffsets.value(igraci_skraceno.current)};
    const auto patches =
        shortName || nazivigraca_dres->text().isEmpty()
            ? TeamNameTable::renamePatches(nameOffset, nazivigraca->text(), shortName, &error)
            : std::nullopt;
    if (!shortName && !nazivigraca_dres->text().isEmpty())
        error = QStringLiteral("This team is listed past the end of the short-name table, so it "
                               "has no short name that could be written. Empty the Short Name "
                               "box to rename the team alone.");
    if (!m_session->writeBack(patches.value_or(std::vector<Patch>()), error,
                              QStringLiteral("Change name: %1").arg(nazivigraca->text()),
                              [editor = QPointer(this), nameOffset] {
                                  if (editor)
                                      editor->showTeamAgain(nameOffset);
                              }))
        return;
    List1->item(row)->setText(nazivigraca->text());
    igraci_skraceno.setText(nazivigraca_dres->text());
}

void Form2::showTeamAgain(qint64 nameOffset) {
    if (!m_session->listsCurrent() || !loadNow())
        return;
    const int row = int(adrese_naziv.items.indexOf(QString::number(nameOffset)));
    if (row >= 0)
        List1->setCurrentRow(row);
}

void Form2::search() {
    const QString wanted = trazi_tim->text();
    const int last = std::min(List1->count(), searchLimit);
    for (int i = 0; i < last; ++i) {
        if (List1->item(i)->text() == wanted) {
            List1->setCurrentRow(i);
            return;
        }
    }
}

void Form2::save() {
    m_session->save();
}
