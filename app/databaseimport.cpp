#include "app/databaseimport.h"

#include "exchange/gamefilebytes.h"
#include "exchange/playersheet.h"
#include "exchange/teamsheet.h"
#include "playertable/playerfilter.h"
#include "shell/gamefilesession.h"
#include "shell/platform.h"
#include "shell/programtitle.h"
#include "shell/screenfit.h"
#include "teamnames/teamnametable.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

namespace M = DatabaseMerge;

constexpr std::pair<M::Part, const char*> partBoxes[] = {{M::Details, "mergeDetails"},
                                                         {M::Abilities, "mergeAbilities"},
                                                         {M::Appearance, "mergeAppearance"},
                                                         {M::Squads, "mergeSquads"},
                                                         {M::TeamNames, "mergeTeamNames"}};
constexpr const char* partCaptions[] = {QT_TRANSLATE_NOOP("DatabaseImport", "&Details"),
                                        QT_TRANSLATE_NOOP("DatabaseImport", "&Abilities"),
                                        QT_TRANSLATE_NOOP("DatabaseImport", "A&ppearance"),
                                        QT_TRANSLATE_NOOP("DatabaseImport", "&Squads"),
                                        QT_TRANSLATE_NOOP("DatabaseImport", "&Team names")};

enum Column { RecordColumn, IdColumn, NameColumn, PartsColumn, ChangesColumn };

std::optional<QByteArray> readAll(const GameFileSession& session, QString* error) {
    const WorkingCopy copy = session.workingCopy();
    const auto bytes = copy.read(0, std::max<qint64>(copy.size(), 0));
    if (!bytes)
        *error = copy.errorString();
    return bytes;
}

QString shortPath(const QString& path) {
    const QFileInfo file(path);
    return QFileInfo(file.absolutePath()).fileName() + u'/' + file.fileName();
}

} // namespace

DatabaseImport* DatabaseImport::ask(Platform& platform, Sessions sessions, QWidget* parent) {
    const auto tell = [&](const QString& text) {
        platform.showWarning(parent, programTitle(), text);
        return nullptr;
    };
    if (!sessions.players.isOpen() || !sessions.players.listsCurrent())
        return tell(tr("Open a player database and press Load first."));
    if (sessions.players.refuseWhileSaving(tr("Import again")))
        return nullptr;
    Other other;
    other.database = platform.chooseFile(parent, tr("Import from Another Database"),
                                         tr("Player database"), QStringLiteral("*.bin *.unzlib"));
    if (other.database.isEmpty())
        return nullptr;
    other.teamFile =
        platform.chooseFile(parent, tr("The other database's team file (Cancel: none)"),
                            tr("Team file"), QStringLiteral("*.bin *.unzlib"));
    // Read in memory only: nothing is written beside the other files.
    QString error;
    const auto database = GameFileBytes::read(other.database, &error);
    if (!database)
        return tell(tr("%1\nNothing was imported.").arg(error));
    if (const QString problem = PlayerSheet::databaseProblem(*database); !problem.isEmpty())
        return tell(QDir::toNativeSeparators(other.database) + QStringLiteral(": ") + problem);
    other.databaseBytes = *database;
    if (!other.teamFile.isEmpty()) {
        const auto teams = GameFileBytes::read(other.teamFile, &error);
        if (!teams)
            return tell(tr("%1\nNothing was imported.").arg(error));
        if (const QString problem = TeamSheet::teamFileProblem(*teams); !problem.isEmpty())
            return tell(QDir::toNativeSeparators(other.teamFile) + QStringLiteral(": ") + problem);
        other.teamFileBytes = *teams;
    }
    auto* window = new DatabaseImport(platform, std::move(sessions), std::move(other), parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

DatabaseImport::DatabaseImport(Platform& platform, Sessions sessions, Other other, QWidget* parent)
    : QWidget(parent, Qt::Window), m_platform(platform), m_sessions(std::move(sessions)),
      m_other(std::move(other)) {
    setObjectName(QStringLiteral("DatabaseImport"));
    QString error;
    m_database = readAll(m_sessions.players, &error).value_or(QByteArray());
    if (m_sessions.teams && m_sessions.teams->isOpen() && m_sessions.teams->listsCurrent())
        m_teamFile = readAll(*m_sessions.teams, &error).value_or(QByteArray());
    const TeamNameLists lists = TeamNameTable::decode(m_teamFile);
    m_rows.reset(m_database, SquadTeam::listed(lists.names, lists.teamIds));

    auto* layout = new QVBoxLayout(this);
    auto* parts = new QHBoxLayout;
    layout->addLayout(parts);
    m_take = new QLabel(this);
    parts->addWidget(m_take);
    const bool teams = !m_teamFile.isEmpty() && !m_other.teamFileBytes.isEmpty();
    for (size_t i = 0; i < std::size(partBoxes); ++i) {
        m_parts[i] = new QCheckBox(this);
        m_parts[i]->setObjectName(QString::fromLatin1(partBoxes[i].second));
        const bool teamPart = partBoxes[i].first == M::Squads || partBoxes[i].first == M::TeamNames;
        m_parts[i]->setChecked(!teamPart || teams);
        m_parts[i]->setEnabled(!teamPart || teams);
        parts->addWidget(m_parts[i]);
        connect(m_parts[i], &QCheckBox::toggled, this, &DatabaseImport::replan);
    }
    parts->addStretch();
    auto* filterRow = new QHBoxLayout;
    layout->addLayout(filterRow);
    m_filterLabel = new QLabel(this);
    filterRow->addWidget(m_filterLabel);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("mergeFilter"));
    // Words of the filter language, which are not translated.
    m_filter->setPlaceholderText(QStringLiteral("teams=Brazil position=CF,SS"));
    m_filterLabel->setBuddy(m_filter);
    filterRow->addWidget(m_filter, 1);
    m_filterProblem = new QLabel(this);
    m_filterProblem->setObjectName(QStringLiteral("mergeFilterProblem"));
    m_filterProblem->setStyleSheet(QStringLiteral("color: #b00000"));
    m_filterProblem->hide();
    layout->addWidget(m_filterProblem);

    m_players = new QTreeWidget(this);
    m_players->setObjectName(QStringLiteral("mergePlayers"));
    m_players->setRootIsDecorated(false);
    m_players->setUniformRowHeights(true);
    m_players->setColumnCount(ChangesColumn + 1);
    m_players->header()->resizeSection(RecordColumn, 80);
    m_players->header()->resizeSection(IdColumn, 60);
    m_players->header()->resizeSection(NameColumn, 190);
    m_players->header()->resizeSection(PartsColumn, 150);
    layout->addWidget(m_players, 3);
    m_teams = new QPlainTextEdit(this);
    m_teams->setObjectName(QStringLiteral("mergeTeams"));
    m_teams->setReadOnly(true);
    layout->addWidget(m_teams, 1);

    auto* bottom = new QHBoxLayout;
    layout->addLayout(bottom);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("mergeSummary"));
    bottom->addWidget(m_summary, 1);
    m_import = new QPushButton(this);
    m_import->setObjectName(QStringLiteral("mergeImport"));
    bottom->addWidget(m_import);

    connect(m_filter, &QLineEdit::textChanged, this, &DatabaseImport::filterTyped);
    connect(m_players, &QTreeWidget::itemChanged, this, &DatabaseImport::showSummary);
    connect(m_import, &QPushButton::clicked, this, &DatabaseImport::import);
    setTexts();
    resize(980, 620);
    QTimer::singleShot(0, this, [this] { ScreenFit::keepOnScreen(*this); });
    replan();
}

void DatabaseImport::setTexts() {
    setWindowTitle(tr("Import from Another Database — %1")
                       .arg(QDir::toNativeSeparators(shortPath(m_other.database))));
    //: Before the check boxes of the parts taken from the other database.
    m_take->setText(tr("Take:"));
    for (size_t i = 0; i < std::size(partBoxes); ++i) {
        m_parts[i]->setText(QCoreApplication::translate("DatabaseImport", partCaptions[i]));
        if (!m_parts[i]->isEnabled())
            m_parts[i]->setToolTip(tr("Needs both team files."));
    }
    m_filterLabel->setText(tr("&Filter:"));
    //: The columns of the list of players that differ: the record number, the player ID, his
    //: name, the parts that differ and the changes.
    m_players->setHeaderLabels({tr("Record"), tr("ID"), tr("Name"), tr("Parts"), tr("Changes")});
    m_import->setText(tr("&Import"));
    if (m_planned) {
        // The parts, the changes and the summary are worded again; the players left out stay out.
        const QSet<int> leftOut = leftOutRecords();
        replan();
        for (int i = 0; i < m_players->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = m_players->topLevelItem(i);
            if (leftOut.contains(item->text(RecordColumn).toInt()))
                item->setCheckState(RecordColumn, Qt::Unchecked);
        }
        if (!m_filterProblem->isHidden()) {
            QString error;
            PlayerFilter::parse(m_filter->text(), &error);
            m_filterProblem->setText(error);
        }
    }
}

void DatabaseImport::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QWidget::changeEvent(event);
}

void DatabaseImport::filterTyped(const QString& text) {
    QString error;
    const auto filter = PlayerFilter::parse(text, &error);
    m_filterProblem->setText(error);
    m_filterProblem->setVisible(!filter);
    if (!filter)
        return; // the players of the last filter that could be read stay
    if (filter->isEmpty()) {
        m_filtered.reset();
    } else {
        std::vector<int> records;
        for (int row = 0; row < m_rows.rowCount(); ++row)
            if (filter->matches(m_rows, row))
                records.push_back(row);
        m_filtered = std::move(records);
    }
    replan();
}

void DatabaseImport::replan() {
    M::Choice choice;
    choice.parts = 0;
    for (size_t i = 0; i < std::size(partBoxes); ++i)
        if (m_parts[i]->isChecked())
            choice.parts |= partBoxes[i].first;
    choice.records = m_filtered;
    m_plan =
        M::plan({m_database, m_teamFile}, {m_other.databaseBytes, m_other.teamFileBytes}, choice);
    m_planned = true;
    showPlan();
}

void DatabaseImport::showPlan() {
    const QSignalBlocker quiet(m_players);
    m_players->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(m_plan.players.size()));
    for (const M::PlayerChange& player : m_plan.players) {
        QStringList parts;
        for (const M::Part part : {M::Details, M::Abilities, M::Appearance})
            if (player.parts & part)
                parts << M::partName(part);
        QStringList changes;
        for (const QString& line : player.lines)
            changes << line.section(QStringLiteral(": "), 1); // without "index id name"
        auto* item = new QTreeWidgetItem(
            {QString::number(player.record), QString::number(player.id), player.name,
             parts.join(QStringLiteral(", ")), changes.join(QStringLiteral("; "))});
        item->setCheckState(RecordColumn, Qt::Checked);
        item->setToolTip(ChangesColumn, player.lines.join(u'\n'));
        items << item;
    }
    m_players->addTopLevelItems(items);
    QStringList lines = m_plan.squads.changes + m_plan.teamNames.changes;
    for (const QString& refusal : m_plan.refusals)
        //: A squad or team name of the other database that cannot be taken, and why.
        lines << tr("refused: %1").arg(refusal);
    lines << m_plan.notes << m_plan.notInThisDatabase;
    if (!m_plan.error.isEmpty())
        lines = QStringList{m_plan.error};
    m_teams->setPlainText(lines.join(u'\n'));
    showSummary();
}

int DatabaseImport::checkedPlayers() const {
    int checked = 0;
    for (int i = 0; i < m_players->topLevelItemCount(); ++i)
        checked += m_players->topLevelItem(i)->checkState(RecordColumn) == Qt::Checked ? 1 : 0;
    return checked;
}

void DatabaseImport::showSummary() {
    const int players = checkedPlayers();
    m_summary->setText(m_plan.summary(players));
    m_import->setEnabled(players > 0 || m_plan.squadCount > 0 || m_plan.teamNameCount > 0);
}

QSet<int> DatabaseImport::leftOutRecords() const {
    QSet<int> leftOut;
    for (int i = 0; i < m_players->topLevelItemCount(); ++i)
        if (m_players->topLevelItem(i)->checkState(RecordColumn) != Qt::Checked)
            leftOut.insert(m_players->topLevelItem(i)->text(RecordColumn).toInt());
    return leftOut;
}

bool DatabaseImport::import() {
    const QSet<int> leftOut = leftOutRecords();
    if (!m_plan.refusals.isEmpty() &&
        !m_platform.ask(this, programTitle(),
                        tr("Some of it cannot be taken:\n%1\n\nImport the rest?")
                            .arg(m_plan.refusals.join(u'\n'))))
        return false;
    const int players = int(m_plan.players.size()) - int(leftOut.size());
    //: The step's name in the Edit menu: %1 is the other database, %2 how many players.
    const QString label = players == 1
                              ? tr("Import from %1 (%2 player)")
                                    .arg(shortPath(m_other.database), QString::number(players))
                              : tr("Import from %1 (%2 players)")
                                    .arg(shortPath(m_other.database), QString::number(players));
    const std::vector<Patch> database = m_plan.databasePatches(leftOut);
    const auto reload = m_sessions.reload;
    const auto again = [reload] {
        if (reload)
            reload();
    };
    // The team file first: when the player database then cannot be written, its step is taken
    // back, so that the import is written whole or not at all.
    GameFileSession* teams = m_sessions.teams.data();
    const bool names = teams && !m_plan.teamNames.patches.empty();
    if (names && !teams->writeBack(m_plan.teamNames.patches, QString(), label, again))
        return false;
    if (!database.empty() && !m_sessions.players.writeBack(database, QString(), label, again)) {
        if (names)
            teams->undo();
        return false;
    }
    again();
    close();
    return true;
}
