#include "app/form1.h"

#include "app/backupmenu.h"
#include "app/databaseimport.h"
#include "app/playerindexload.h"
#include "app/spreadsheetmenu.h"
#include "appearance/facerelink.h"
#include "common/samefile.h"
#include "common/translations.h"
#include "player/abilitycolouring.h"
#include "player/abilitytable.h"
#include "player/playereditor.h"
#include "player/playerrecord.h"
#include "player/playerview.h"
#include "playertable/playertablewindow.h"
#include "shell/clicknotifier.h"
#include "shell/editmenu.h"
#include "shell/editorsettings.h"
#include "shell/gamefilesession.h"
#include "shell/platform.h"
#include "shell/screenfit.h"
#include "shell/shownhint.h"
#include "shell/windowtitle.h"
#include "teamnames/form2.h"
#include "teams/playersearch.h"
#include "teams/rosterview.h"
#include "teams/squadeditor.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QUndoStack>
#include <QWindow>

namespace {
constexpr int clientWidth = 1027; // 15405 x 9420 twips at 96 dots per inch
constexpr int clientHeight = 628;

bool inOneFolder(const QString& a, const QString& b) {
    return sameFile(QFileInfo(a).absolutePath(), QFileInfo(b).absolutePath());
}
} // namespace

Form1::Form1(Platform& platform, QWidget* parent) : QMainWindow(parent), m_platform(platform) {
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    // The menus and the controls are made without captions: setTexts gives them theirs.
    c.mnuFile = menuBar()->addMenu(QString());
    c.mnuFile->setObjectName(QStringLiteral("mnuFile"));
    c.mnuOpen = c.mnuFile->addAction(QString());
    c.mnuOpen->setObjectName(QStringLiteral("mnuOpen"));
    c.mnuOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    c.mnuExportCsv = c.mnuFile->addAction(QString());
    c.mnuExportCsv->setObjectName(QStringLiteral("mnuExportCsv"));
    c.mnuExportXlsx = c.mnuFile->addAction(QString());
    c.mnuExportXlsx->setObjectName(QStringLiteral("mnuExportXlsx"));
    c.mnuImportCsv = c.mnuFile->addAction(QString());
    c.mnuImportCsv->setObjectName(QStringLiteral("mnuImportCsv"));
    c.mnuImportDatabase = c.mnuFile->addAction(QString());
    c.mnuImportDatabase->setObjectName(QStringLiteral("mnuImportDatabase"));
    c.mnuRestoreBackup = c.mnuFile->addAction(QString());
    c.mnuRestoreBackup->setObjectName(QStringLiteral("mnuRestoreBackup"));
    c.mnuFile->addSeparator();
    c.mnuQuit = c.mnuFile->addAction(QString());
    c.mnuQuit->setObjectName(QStringLiteral("mnuQuit"));
    c.mnuQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(c.mnuQuit, &QAction::triggered, this, &QWidget::close);
    c.mnuTeamEdit = menuBar()->addAction(QString());
    c.mnuTeamEdit->setObjectName(QStringLiteral("mnuTeamEdit"));
    c.mnuSquads = menuBar()->addAction(QString());
    c.mnuSquads->setObjectName(QStringLiteral("mnuSquads"));
    c.mnuSquads->setEnabled(false);
    c.mnuPlayerTable = menuBar()->addAction(QString());
    c.mnuPlayerTable->setObjectName(QStringLiteral("mnuPlayerTable"));
    c.mnuPlayerTable->setEnabled(false);
    buildLanguageMenu();

    // The fixed layout sits in a scroll area that shows all of it where the screen has room, and
    // scroll bars around it where it has not (a laptop at 125 % or 150 % display scaling).
    m_scroller = new QScrollArea(this);
    m_scroller->setObjectName(QStringLiteral("clientScroller"));
    m_scroller->setFrameShape(QFrame::NoFrame);
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(clientWidth, clientHeight);
    m_scroller->setWidget(client); // which takes it
    setCentralWidget(m_scroller);
    buildForm1Controls(client, c);

    // Fixed single border: no resizing, no minimize or maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_session = new GameFileSession(m_platform, this, *c.sat, windowName(), PlayerLayout::tableEnd);
    m_session->setRecords(
        {PlayerLayout::tableStart, PlayerLayout::recordSize, PlayerLayout::recordCount});
    m_title = new WindowTitle(*this, QString(), *m_session);
    new EditMenu(*menuBar(), c.mnuTeamEdit, *m_session);
    setTexts();
    auto* view = new PlayerView(c.playerView(), c.lists, c.hidden, *m_session);
    m_view = view;
    const auto showPlayer = [view = QPointer(view)](qint64 nameOffset) {
        if (view)
            view->showAgain(nameOffset);
    };
    new PlayerEditor(c.playerEditor(), c.lists, c.hidden, *m_session, showPlayer);
    new FaceRelink(c.faceRelink(), c.lists, c.hidden, *m_session, showPlayer);
    new RosterView(c.rosterView(), c.lists, *m_session,
                   [this] { return m_form2 ? m_form2->teamIds() : QStringList(); });
    new PlayerSearch(c.playerSearch(), c.search);
    new SpreadsheetMenu({*c.mnuExportCsv, *c.mnuExportXlsx, *c.mnuImportCsv}, m_platform, this,
                        {*m_session, [this] { return m_form2 ? &m_form2->session() : nullptr; },
                         [this] { reloadAfterWrite(); }});
    new BackupMenu(*c.mnuRestoreBackup, m_platform, this,
                   {*m_session, [this] { return m_form2 ? &m_form2->session() : nullptr; }});
    std::array<QLineEdit*, AbilityColouring::boxCount> coloured{};
    int next = 0;
    for (const AbilitySlot& slot : abilitySlots)
        if (slot.slot != dribbleSpeedSlot)
            coloured[next++] = c.abilityBoxes[slot.slot];
    new AbilityColouring(coloured, *c.sat_provjera_broja);
    connectControls();
    connect(m_session, &GameFileSession::loadFinished, this, &Form1::loadFinished);
    // A write of another window (the player table's bulk change, say) shows in the squads too;
    // from the event loop, once the write's own window has shown it.
    connect(m_session, &GameFileSession::written, this, [this] {
        if (m_squads && m_squads->isVisible())
            QTimer::singleShot(0, m_squads, [squads = m_squads] {
                if (squads)
                    squads->showAgain();
            });
    });

    // The window's load step: the letter tables of the search.
    PlayerSearch::fillLetterTables(c.search);
    c.sat_provjera_broja->start();

    fitToScreen();
}

void Form1::fitToScreen() {
    const QScreen* screen = this->screen();
    if (!screen)
        return;
    const QSize frame = isVisible() ? frameGeometry().size() - size() : ScreenFit::assumedFrame;
    const QSize chrome = frame + QSize(0, menuBar()->sizeHint().height());
    m_scroller->setFixedSize(ScreenFit::visiblePart(QSize(clientWidth, clientHeight), chrome,
                                                    screen->availableGeometry()));
    adjustSize();
    move(ScreenFit::place(size() + frame, screen->availableGeometry()).topLeft());
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Shown, the window's frame is known: the window is fitted again with its real size.
    if (!m_fitted) {
        m_fitted = true;
        QTimer::singleShot(0, this, &Form1::fitToScreen);
        if (QWindow* window = windowHandle())
            connect(window, &QWindow::screenChanged, this, &Form1::fitToScreen);
    }
}

Form1::~Form1() = default;

QString Form1::windowName() {
    //: How messages of the team name editor name this window.
    return tr("the player editor");
}

void Form1::buildLanguageMenu() {
    c.mnuLanguage = menuBar()->addMenu(QString());
    c.mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));
    auto* choices = new QActionGroup(c.mnuLanguage);
    choices->setExclusive(true);
    const QString kept = EditorSettings().value(EditorSettings::languageKey()).toString();
    const auto add = [&](const QString& caption, const QString& name, const QString& code) {
        QAction* action = c.mnuLanguage->addAction(caption);
        action->setObjectName(name);
        action->setData(code);
        action->setCheckable(true);
        action->setChecked(code == kept);
        choices->addAction(action);
        return action;
    };
    c.languageSystem = add(QString(), QStringLiteral("languageSystem"), QString());
    // Each language by its own name, which is never translated.
    for (const Language& language : languages) {
        const QString code = QString::fromLatin1(language.code);
        add(QString::fromUtf8(language.nativeName), QStringLiteral("language_") + code, code);
    }
    if (!choices->checkedAction())
        c.languageSystem->setChecked(true); // a kept code that is not offered
    connect(choices, &QActionGroup::triggered, this, [](QAction* chosen) {
        const QString code = chosen->data().toString();
        EditorSettings().setValue(EditorSettings::languageKey(), code);
        Translations::install(*QCoreApplication::instance(),
                              code.isEmpty() ? Translations::systemLanguage() : code);
        // Every window says its texts again now, not only once the event loop runs.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    });
}

void Form1::setTexts() {
    m_title->setCaption(tr("PES 2011 Rosterly v0.1  by Tavor  %1")
                            .arg(QStringLiteral("https://rosterly.example.org")));
    m_session->setWindowName(windowName());

    c.mnuFile->setTitle(tr("&File"));
    //: File > Open: chooses the player database.
    c.mnuOpen->setText(tr("Open"));
    c.mnuExportCsv->setText(tr("Export to CSV…"));
    c.mnuExportXlsx->setText(tr("Export to Excel…"));
    c.mnuImportCsv->setText(tr("Import Sheet…"));
    c.mnuImportDatabase->setText(tr("Import from Another Database…"));
    c.mnuRestoreBackup->setText(tr("Restore Backup…"));
    c.mnuQuit->setText(tr("&Quit"));
    c.mnuTeamEdit->setText(tr("Team Editor"));
    c.mnuSquads->setText(tr("Squads"));
    c.mnuPlayerTable->setText(tr("Player Table"));
    c.mnuLanguage->setTitle(tr("Language"));
    //: The Language menu's entry that speaks the system's language.
    c.languageSystem->setText(tr("System"));

    setForm1Texts(c);
    // The hints stay only until a click or a shown player replaces them.
    replaceHint(c.trazi_tim, m_searchHint, tr("Search Player....."));
    //: Above the face's file number: the face file is unnamed_<number>.bin.
    replaceHint(c.lblface, m_faceHint, tr("Face:  unnamed_"));
    //: Above the hair's file number: the hair file is unnamed_<number>.bin.
    replaceHint(c.lblhair, m_hairHint, tr("Hair: unnamed_"));
}

void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QMainWindow::changeEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program: the team name editor goes with it. A save still
    // going in either window would be lost, so the window stays until it has finished.
    if (m_session->refuseWhileSaving(tr("Close the window again")) ||
        (m_form2 && !m_form2->close())) {
        event->ignore();
        return;
    }
    if (m_squads)
        m_squads->close();
    if (m_table)
        m_table->close();
    QMainWindow::closeEvent(event);
}

Form2* Form1::teamEditor() const {
    return m_form2;
}

SquadEditor* Form1::squadEditor() const {
    return m_squads;
}

PlayerTableWindow* Form1::playerTable() const {
    return m_table;
}

void Form1::showPlayerTable() {
    if (!m_table) {
        PlayerTableWindow::MainWindow main;
        main.teams = [this] {
            return m_form2 ? SquadTeam::listed(m_form2->teamNames(), m_form2->teamIds())
                           : QList<SquadTeam>();
        };
        main.showPlayer = [this](int record) {
            c.List1->setCurrentRow(record);
            raise();
            activateWindow();
        };
        main.playerChanged = [this](int record) {
            if (c.List1->currentRow() == record)
                m_view->show(record);
        };
        m_table = new PlayerTableWindow(*m_session, std::move(main), this); // a window of its own
    } else {
        m_table->reload();
    }
    m_table->show();
    m_table->raise();
    m_table->activateWindow();
}

void Form1::showSquadEditor() {
    if (!m_squads) {
        const auto teams = [this] {
            return m_form2 ? SquadTeam::listed(m_form2->teamNames(), m_form2->teamIds())
                           : QList<SquadTeam>();
        };
        m_squads = new SquadEditor(*m_session, teams, this); // a window of its own
    }
    m_squads->showAgain();
    m_squads->show();
    m_squads->raise();
    m_squads->activateWindow();
}

void Form1::squadsLoaded(bool loaded) {
    c.mnuSquads->setEnabled(loaded && m_form2 && !m_form2->teamIds().isEmpty());
    if (m_squads && c.mnuSquads->isEnabled())
        m_squads->showAgain();
    c.mnuPlayerTable->setEnabled(loaded);
    if (m_table && loaded)
        m_table->reload();
}

void Form1::teamsChanged() {
    if (m_squads && m_squads->isVisible() && c.mnuSquads->isEnabled())
        m_squads->showAgain();
    if (m_table && c.mnuPlayerTable->isEnabled())
        m_table->teamsChanged();
}

void Form1::message(const QString& text) {
    m_session->message(text);
}

bool Form1::load() {
    if (!m_session->isOpen()) {
        // Before any File > Open there is nothing to read, and no team file to ask for either.
        message(tr("No player database is open. Use File > Open first."));
        return false;
    }
    // The team file is asked for again when none was chosen; not while a Load already waits,
    // which the session refuses.
    if (!m_session->isLoading())
        ensureTeamEditor();
    return m_session->load(
        *c.puni, [this] { return completeLoad(); }, m_form2 ? &m_form2->session() : nullptr);
}

void Form1::reloadAfterWrite() {
    m_reloadingAfterWrite = true;
    load();
}

bool Form1::completeLoad() {
    Form2* editor = m_form2; // closed meanwhile: there is no team file to list
    // The player shown before is shown again, read anew, when the list still holds him.
    const auto shown = m_session->listsCurrent() ? c.lists.selectedNameOffset() : std::nullopt;
    const bool loaded = loadPlayerIndex(
        PlayerIndexLoadControls{c.List1, c.timovi_lista, c.transferto, c.puni, c.Frame1}, c.lists,
        *m_session, editor);
    if (editor && !std::exchange(m_reloadingAfterWrite, false))
        editor->hide();
    if (!loaded)
        return false;
    const int row = shown ? int(c.lists.adrese_naziv.items.indexOf(QString::number(*shown))) : -1;
    if (row >= 0)
        c.List1->setCurrentRow(row);
    else
        m_view->clear();
    return true;
}

Form2& Form1::ensureTeamEditor() {
    if (!m_form2) {
        m_form2 = new Form2(m_platform, this); // a window of its own, deleted with this one
        m_form2->session().setNeighbour(m_session);
        m_session->setNeighbour(&m_form2->session());
        // Queued: the team list is shown again only after the step has been pushed.
        connect(&m_form2->session().history(), &QUndoStack::indexChanged, this,
                &Form1::teamsChanged, Qt::QueuedConnection);
        connect(m_form2, &Form2::loadFinished, this, &Form1::teamsChanged);
    }
    // Asked again while no team file was chosen (the first question was cancelled), since the
    // editor's own File > Open offers another file name.
    if (m_form2->teamFile().isEmpty())
        m_form2->windowLoad();
    return *m_form2;
}

void Form1::showTeamEditor() {
    Form2& editor = ensureTeamEditor();
    editor.show();
    editor.raise();
    editor.activateWindow();
}

void Form1::connectControls() {
    connect(c.mnuOpen, &QAction::triggered, this, &Form1::openDatabase);
    connect(c.Command1, &QPushButton::clicked, this, &Form1::save);
    // SAVE keeps its button; the shortcut presses it.
    auto* saveShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    connect(saveShortcut, &QShortcut::activated, c.Command1, &QPushButton::click);
    connect(c.Command2, &QPushButton::clicked, this, &Form1::load);
    connect(c.mnuTeamEdit, &QAction::triggered, this, &Form1::showTeamEditor);
    connect(c.mnuSquads, &QAction::triggered, this, &Form1::showSquadEditor);
    connect(c.mnuPlayerTable, &QAction::triggered, this, &Form1::showPlayerTable);
    connect(c.mnuImportDatabase, &QAction::triggered, this, [this] {
        DatabaseImport::ask(
            m_platform,
            {*m_session, m_form2 ? &m_form2->session() : nullptr, [this] { reloadAfterWrite(); }},
            this);
    });
    connect(this, &Form1::loadFinished, this, &Form1::squadsLoaded);
    connect(c.Command6, &QPushButton::clicked, c.framespecial, &QWidget::show);
    connect(ClickNotifier::watch(c.Label16), &ClickNotifier::clicked, c.framespecial,
            &QWidget::hide);
}

void Form1::openDatabase() {
    if (m_session->refuseWhileSaving(tr("Open a file")))
        return;
    // The filter's description is the file's name, which stays as it is.
    const QString chosen =
        m_platform.chooseFile(this, tr("Select unnamed_25.bin:"), QStringLiteral("unnamed_25.bin"),
                              QStringLiteral("unnamed_25.bin"));
    activateWindow();
    if (chosen.isEmpty())
        return; // cancelled: the open file and its lists stay as they were
    if (!m_session->open(chosen))
        return; // the team name editor has that file open: nothing changes

    c.List1->clear();
    // The player's offset lists go too: a write-back after this open must not reach the new
    // working copy with a player of the old one.
    c.lists.clear();
    c.timovi_lista->clear();
    c.transferto->clear();
    c.List2->clear();
    c.List4->clear();
    c.Label13->clear();
    m_view->clear();
    // The squads of the file open before are not this one's: they wait for its Load.
    c.mnuSquads->setEnabled(false);
    if (m_squads)
        m_squads->hide();
    c.mnuPlayerTable->setEnabled(false);
    if (m_table)
        m_table->hide();

    // The first time, this creates the team name editor, which asks for the team file.
    const bool teamFileOpen = m_form2 && !m_form2->teamFile().isEmpty();
    Form2& editor = ensureTeamEditor();
    editor.show();
    editor.hide();
    // The two files of a game folder belong together: a database from another folder than the
    // team file open asks for that folder's team file, as the first File > Open did.
    if (teamFileOpen && !inOneFolder(editor.teamFile(), chosen)) {
        editor.windowLoad();
        if (!inOneFolder(editor.teamFile(), chosen))
            message(tr("The team file %1 stays open in the team name editor, from another "
                       "folder than %2. Team names, the team chooser and the squads come from it "
                       "until File > Open in the team name editor opens the team file beside the "
                       "player database.")
                        .arg(QDir::toNativeSeparators(editor.teamFile()),
                             QDir::toNativeSeparators(chosen)));
    }

    show();
    raise();
    c.Frame3->hide();
}

void Form1::save() {
    m_session->save();
}

bool Form1::isLoading() const {
    return m_session->isLoading();
}
