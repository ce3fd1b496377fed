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
#include <QDir>
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

const QString askTitle = QStringLiteral("Import from Another Database");
const QString askTeamTitle = QStringLiteral("The other database's team file (Cancel: none)");

constexpr std::pair<M::Part, const char*> partBoxes[] = {{M::Details, "mergeDetails"},
                                                         {M::Abilities, "mergeAbilities"},
                                                         {M::Appearance, "mergeAppearance"},
                                                         {M::Squads, "mergeSquads"},
                                                         {M::TeamNames, "mergeTeamNames"}};
const char* const partCaptions[] = {"&Details", "&Abilities", "A&ppearance", "&Squads",
                                    "&Team names"};

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
        return tell(QStringLiteral("Open a player database and press Load first."));
    if (sessions.players.refuseWhileSaving(QStringLiteral("Import again")))
        return nullptr;
    Other other;
    other.database = platform.chooseFile(parent, askTitle, QStringLiteral("Player database"),
                                         QStringLiteral("*.bin *.unzlib"));
    if (other.database.isEmpty())
        return nullptr;
    other.teamFile = platform.chooseFile(parent, askTeamTitle, QStringLiteral("Team file"),
                                         QStringLiteral("*.bin *.unzlib"));
    // Read in memory only: nothing is written beside the other files.
    QString error;
    const auto database = GameFileBytes::read(other.database, &error);
    if (!database)
        return tell(error + QStringLiteral("\nNothing was imported."));
    if (const QString problem = PlayerSheet::databaseProblem(*database); !problem.isEmpty())
        return tell(QDir::toNativeSeparators(other.database) + QStringLiteral(": ") + problem);
    other.databaseBytes = *database;
    if (!other.teamFile.isEmpty()) {
        const auto teams = GameFileBytes::read(other.teamFile, &error);
        if (!teams)
            return tell(error + QStringLiteral("\nNothing was imported."));
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
    setWindowTitle(QStringLiteral("Import from Another Database — %1")
                       .arg(QDir::toNativeSeparators(shortPath(m_other.database))));
    QString error;
    m_database = readAll(m_sessions.players, &error).value_or(QByteArray());
    if (m_sessions.teams && m_sessions.teams->isOpen() && m_sessions.teams->listsCurrent())
        m_teamFile = readAll(*m_sessions.teams, &error).value_or(QByteArray());
    const TeamNameLists lists = TeamNameTable::decode(m_teamFile);
    m_rows.reset(m_database, SquadTeam::listed(lists.names, lists.teamIds));

    auto* layout = new QVBoxLayout(this);
    auto* parts = new QHBoxLayout;
    layout->addLayout(parts);
    parts->addWidget(new QLabel(QStringLiteral("Take:"), this));
    const bool teams = !m_teamFile.isEmpty() && !m_other.teamFileBytes.isEmpty();
    for (size_t i = 0; i < std::size(partBoxes); ++i) {
        m_parts[i] = new QCheckBox(QString::fromLatin1(partCaptions[i]), this);
        m_parts[i]->setObjectName(QString::fromLatin1(partBoxes[i].second));
        const bool teamPart = partBoxes[i].first == M::Squads || partBoxes[i].first == M::TeamNames;
        m_parts[i]->setChecked(!teamPart || teams);
        m_parts[i]->setEnabled(!teamPart || teams);
        if (teamPart && !teams)
            m_parts[i]->setToolTip(QStringLiteral("Needs both team files."));
        parts->addWidget(m_parts[i]);
        connect(m_parts[i], &QCheckBox::toggled, this, &DatabaseImport::replan);
    }
    parts->addStretch();
    auto* filterRow = new QHBoxLayout;
    layout->addLayout(filterRow);
    auto* filterLabel = new QLabel(QStringLiteral("&Filter:"), this);
    filterRow->addWidget(filterLabel);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("mergeFilter"));
    m_filter->setPlaceholderText(QStringLiteral("teams=Brazil position=CF,SS"));
    filterLabel->setBuddy(m_filter);
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
    m_players->setHeaderLabels({QStringLiteral("Record"), QStringLiteral("ID"),
                                QStringLiteral("Name"), QStringLiteral("Parts"),
                                QStringLiteral("Changes")});
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
    m_import = new QPushButton(QStringLiteral("&Import"), this);
    m_import->setObjectName(QStringLiteral("mergeImport"));
    bottom->addWidget(m_import);

    connect(m_filter, &QLineEdit::textChanged, this, &DatabaseImport::filterTyped);
    connect(m_players, &QTreeWidget::itemChanged, this, &DatabaseImport::showSummary);
    connect(m_import, &QPushButton::clicked, this, &DatabaseImport::import);
    resize(980, 620);
    QTimer::singleShot(0, this, [this] { ScreenFit::keepOnScreen(*this); });
    replan();
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
        lines << QStringLiteral("refused: ") + refusal;
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

bool DatabaseImport::import() {
    QSet<int> leftOut;
    for (int i = 0; i < m_players->topLevelItemCount(); ++i)
        if (m_players->topLevelItem(i)->checkState(RecordColumn) != Qt::Checked)
            leftOut.insert(m_players->topLevelItem(i)->text(RecordColumn).toInt());
    if (!m_plan.refusals.isEmpty() &&
        !m_platform.ask(this, programTitle(),
                        QStringLiteral("Some of it cannot be taken:\n%1\n\nImport the rest?")
                            .arg(m_plan.refusals.join(u'\n'))))
        return false;
    const int players = int(m_plan.players.size()) - int(leftOut.size());
    const QString label =
        QStringLiteral("Import from %1 (%2 %3)")
            .arg(shortPath(m_other.database))
            .arg(players)
            .arg(players == 1 ? QStringLiteral("player") : QStringLiteral("players"));
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
