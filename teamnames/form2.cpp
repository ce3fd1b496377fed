#include "teamnames/form2.h"

#include "common/workingcopy.h"
#include "shell/clicknotifier.h"
#include "shell/editmenu.h"
#include "shell/gamefilesession.h"
#include "shell/platform.h"
#include "shell/screenfit.h"
#include "shell/shownhint.h"
#include "shell/widgetplacement.h"
#include "shell/windowtitle.h"
#include "teamnames/teamnametable.h"

#include <QCloseEvent>
#include <QDir>
#include <QEvent>
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

    mnuFile = menuBar()->addMenu(QString());
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuOpen = mnuFile->addAction(QString());
    mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
    mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));

    auto* client = new QWidget(this);
    client->setFixedSize(520, 420);
    setCentralWidget(client);

    List1 = place<QListWidget>(client, "List1", 8, 8, 250, 370);
    Label1 = place<QLabel>(client, "Label1", 270, 8, 240, 20);
    nazivigraca = place<QLineEdit>(client, "nazivigraca", 270, 30, 240, 24);
    nazivigraca->setMaxLength(TeamNameLayout::nameSlotWidth);
    Label2 = place<QLabel>(client, "Label2", 270, 62, 240, 20);
    nazivigraca_dres = place<QLineEdit>(client, "nazivigraca_dres", 270, 84, 60, 24);
    nazivigraca_dres->setMaxLength(TeamNameLayout::shortNameWidth);
    Command2 = place<QPushButton>(client, "Command2", 270, 124, 110, 30);
    Command2->setEnabled(false);
    promjena_imena = place<QPushButton>(client, "promjena_imena", 390, 124, 120, 30);
    Command1 = place<QPushButton>(client, "Command1", 270, 164, 240, 40);
    trazi_tim = place<QLineEdit>(client, "trazi_tim", 270, 230, 160, 24);
    Command9 = place<QPushButton>(client, "Command9", 436, 229, 74, 26);
    puni = place<QProgressBar>(client, "puni", 8, 388, 502, 24);
    puni->setValue(0);
    sat = new QTimer(this);
    sat->setObjectName(QStringLiteral("sat"));
    // The window's name in the other window's messages is set with the other texts.
    m_session =
        new GameFileSession(m_platform, this, *sat, QString(), TeamNameLayout::longNamePassEnd);
    m_title = new WindowTitle(*this, QString(), *m_session);
    setTexts();

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

void Form2::setTexts() {
    //: The window's title; Team Edit PES 2010 is the name of the tool, Tavor its maker
    m_title->setCaption(tr("Team Edit PES 2010 DEMO by Tavor"));
    //: How messages of the main window name this window.
    m_session->setWindowName(tr("the team name editor"));
    mnuFile->setTitle(tr("&File"));
    mnuOpen->setText(tr("Open"));
    Label1->setText(tr("Team Name:"));
    Label2->setText(tr("Short Name:"));
    //: A button that lists the teams of the open team file
    Command2->setText(tr("Load"));
    promjena_imena->setText(tr("Change name"));
    Command1->setText(tr("SAVE"));
    // The box holds the hint until it is clicked, which empties it.
    replaceHint(trazi_tim, m_searchHint, tr("Search Team....."));
    Command9->setText(tr("Search "));
}

void Form2::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QMainWindow::changeEvent(event);
}

void Form2::closeEvent(QCloseEvent* event) {
    // Closing destroys the window, and with it a save that is still going.
    //: Completes the warning "A save is in progress. %1 when it has finished."
    if (m_session->refuseWhileSaving(tr("Close the window again"))) {
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
    //: The title of the file dialog; unnamed_32.bin is the name of a game file
    open(tr("Select unnamed_32.bin:"), QStringLiteral("unnamed_32.bin"));
}

void Form2::openTeamFile() {
    //: The title of the file dialog; unnamed_11.bin is the name of a game file
    open(tr("Select unnamed_11.bin:"), QStringLiteral("unnamed_11.bin"));
}

void Form2::open(const QString& title, const QString& fileName) {
    //: Completes the warning "A save is in progress. %1 when it has finished."
    if (m_session->refuseWhileSaving(tr("Open a file")))
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
        message(tr("No team file is open. Use File > Open in the team editor first."));
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
        message(tr("Select a team to rename first."));
        return;
    }
    if (!m_session->listsCurrent()) {
        message(tr("The list still shows the team file opened before. Press Load to list the teams "
                   "of %1, then rename.")
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
        error = tr("This team is listed past the end of the short-name table, so it has no short "
                   "name that could be written. Empty the Short Name box to rename the team "
                   "alone.");
    if (!m_session->writeBack(patches.value_or(std::vector<Patch>()), error,
                              tr("Change name: %1").arg(nazivigraca->text()),
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
