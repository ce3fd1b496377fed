#include "app/spreadsheetmenu.h"

#include "common/wholefile.h"
#include "exchange/playersheet.h"
#include "exchange/rosterimport.h"
#include "exchange/rostersheet.h"
#include "exchange/sheetkind.h"
#include "exchange/teamsheet.h"
#include "sheetformats/sheetfile.h"
#include "shell/gamefilesession.h"
#include "shell/platform.h"
#include "shell/programtitle.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

namespace {

constexpr int changesShown = 10; // the first changes the question lists

// The whole working copy, or empty after saying why.
std::optional<QByteArray> readAll(const GameFileSession& session, QString* error) {
    const WorkingCopy copy = session.workingCopy();
    const auto bytes = copy.read(0, std::max<qint64>(copy.size(), 0));
    if (!bytes)
        *error = copy.errorString();
    return bytes;
}

} // namespace

SpreadsheetMenu::SpreadsheetMenu(Actions actions, Platform& platform, QWidget* window, Files files)
    : QObject(window), m_platform(platform), m_window(window), m_files(std::move(files)) {
    connect(&actions.exportCsv, &QAction::triggered, this,
            [this] { exportSheets(SheetFormat::Csv); });
    connect(&actions.exportXlsx, &QAction::triggered, this,
            [this] { exportSheets(SheetFormat::Xlsx); });
    connect(&actions.import, &QAction::triggered, this, &SpreadsheetMenu::importSheet);
}

bool SpreadsheetMenu::refuseUnlessLoaded(const QString& action) const {
    GameFileSession& players = m_files.players;
    if (!players.isOpen() || !players.listsCurrent()) {
        players.message(tr("Open a player database and press Load first."));
        return true;
    }
    return players.refuseWhileSaving(action);
}

GameFileSession* SpreadsheetMenu::loadedTeamFile() const {
    GameFileSession* teams = m_files.teams();
    return teams && teams->isOpen() && teams->listsCurrent() ? teams : nullptr;
}

bool SpreadsheetMenu::writeSheet(const QString& folder, const QString& name,
                                 const std::optional<QByteArray>& bytes, const QString& error) {
    const QString path = QDir::toNativeSeparators(QDir(folder).filePath(name));
    if (!bytes) {
        m_files.players.message(tr("%1 could not be made: %2").arg(path, error));
        return false;
    }
    if (QFile::exists(path) &&
        !m_platform.ask(m_window, programTitle(), tr("%1 exists already. Replace it?").arg(path)))
        return false;
    QString why;
    if (WholeFile::replace(QDir::fromNativeSeparators(path), *bytes, &why))
        return true;
    m_files.players.message(tr("%1 could not be written: %2").arg(path, why));
    return false;
}

void SpreadsheetMenu::exportSheets(SheetFormat format) {
    if (refuseUnlessLoaded(tr("Export again")))
        return;
    const QString folder = m_platform.chooseFolder(
        m_window, format == SheetFormat::Xlsx ? tr("Export to Excel") : tr("Export to CSV"));
    if (folder.isEmpty())
        return;
    QString error;
    const auto database = readAll(m_files.players, &error);
    if (!database || !(error = PlayerSheet::databaseProblem(*database)).isEmpty()) {
        m_files.players.message(error);
        return;
    }
    std::optional<QByteArray> teamFile;
    if (GameFileSession* teams = loadedTeamFile()) {
        teamFile = readAll(*teams, &error);
        if (teamFile && !TeamSheet::teamFileProblem(*teamFile).isEmpty())
            teamFile.reset(); // listed before, unreadable now: the players go out alone
    }

    QStringList written;
    const auto exportOne = [&](const QString& base, const std::function<bool(SheetWriter&)>& fill) {
        QString why;
        const QString name = SheetFile::fileName(base, format);
        if (writeSheet(folder, name, SheetFile::write(format, base, fill, &why), why))
            written << name;
    };
    exportOne(QStringLiteral("players"),
              [&](SheetWriter& out) { return PlayerSheet::write(*database, out); });
    if (teamFile) {
        exportOne(QStringLiteral("teams"),
                  [&](SheetWriter& out) { return TeamSheet::write(*teamFile, out); });
        exportOne(QStringLiteral("rosters"),
                  [&](SheetWriter& out) { return RosterSheet::write(*database, *teamFile, out); });
    }
    if (!written.isEmpty())
        m_files.players.inform(
            //: %1 lists the sheets' file names.
            tr("Wrote %1 to %2.")
                .arg(written.join(QStringLiteral(", ")), QDir::toNativeSeparators(folder)));
}

void SpreadsheetMenu::importSheet() {
    if (refuseUnlessLoaded(tr("Import again")))
        return;
    const QString chosen =
        m_platform.chooseFile(m_window, tr("Import Sheet"), tr("Spreadsheet (CSV or Excel)"),
                              QStringLiteral("*.csv *.xlsx"));
    if (chosen.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(chosen);
    QString error;
    const auto bytes = WholeFile::read(chosen, &error);
    if (!bytes) {
        m_files.players.message(tr("%1 cannot be read: %2").arg(path, error));
        return;
    }
    const SheetTable sheet = SheetFile::read(chosen, *bytes);
    if (!sheet.error().isEmpty()) {
        m_files.players.message(
            tr("%1 cannot be imported: %2\nNothing was written.").arg(path, sheet.error()));
        return;
    }

    const SheetKind kind = sheetKindOf(sheet);
    // A rosters sheet is written into the player database, whose roster table it edits, and
    // needs the team file for the teams' names and IDs.
    GameFileSession* teamFile = loadedTeamFile();
    GameFileSession* target = kind == SheetKind::Teams                  ? teamFile
                              : kind == SheetKind::Rosters && !teamFile ? nullptr
                                                                        : &m_files.players;
    if (kind == SheetKind::Unknown) {
        m_files.players.message(tr("%1 is neither a players sheet (it has no index column) nor "
                                   "a teams sheet (no position column). Nothing was written.")
                                    .arg(path));
        return;
    }
    if (!target) {
        m_files.players.message(kind == SheetKind::Teams
                                    ? tr("%1 holds team names, but no team file is loaded. Load "
                                         "the team file first. Nothing was written.")
                                          .arg(path)
                                    : tr("%1 holds the teams' rosters, but no team file is "
                                         "loaded. Load the team file first. Nothing was written.")
                                          .arg(path));
        return;
    }
    if (target->refuseWhileSaving(tr("Import again")))
        return;

    const auto gameBytes = readAll(*target, &error);
    if (!gameBytes) {
        target->message(tr("%1\nNothing was written.").arg(error));
        return;
    }
    std::optional<QByteArray> teamBytes;
    if (kind == SheetKind::Rosters && !(teamBytes = readAll(*teamFile, &error))) {
        target->message(tr("%1\nNothing was written.").arg(error));
        return;
    }
    const ImportPlan plan = kind == SheetKind::Players ? PlayerSheet::plan(*gameBytes, sheet)
                            : kind == SheetKind::Teams
                                ? TeamSheet::plan(*gameBytes, sheet)
                                : RosterImport::plan(*gameBytes, *teamBytes, sheet);
    const QString notes = plan.notes.isEmpty()
                              ? QString()
                              : QStringLiteral("\n\n") + plan.notes.join(QLatin1Char('\n'));
    if (!plan.ok()) {
        target->message(tr("%1 was refused:\n%2\nNothing was written.")
                            .arg(path, plan.errors.join(QLatin1Char('\n'))));
        return;
    }
    if (plan.patches.empty()) {
        //: %2 is empty or the sheet's notes, on lines of their own.
        target->inform(tr("%1 changes nothing: every cell shows what the file holds already.%2")
                           .arg(path, notes));
        return;
    }
    QStringList shown = plan.changes.mid(0, changesShown);
    if (plan.changes.size() > changesShown)
        //: After the first changes listed: how many more there are.
        shown << tr("… and %1 more").arg(plan.changes.size() - changesShown);
    //: %1 is the sheet, %2 and %3 how many fields ("1 field", "5 fields"), %4 and %5 how many
    //: records; the changes follow on lines of their own (%6), then the notes (%7).
    const QString question =
        tr("%1 changes %2 %3 in %4 %5:\n%6%7\n\nWrite these changes into the working copy?")
            .arg(path, QString::number(plan.fieldCount),
                 plan.fieldCount == 1 ? tr("field") : tr("fields"),
                 QString::number(plan.recordCount),
                 plan.recordCount == 1 ? tr("record") : tr("records"),
                 shown.join(QLatin1Char('\n')), notes);
    if (!m_platform.ask(m_window, programTitle(), question))
        return;
    //: The step's name in the Edit menu: %1 is the sheet's file name, %2 how many records.
    const QString label =
        plan.recordCount == 1
            ? tr("Import %1 (%2 record)")
                  .arg(QFileInfo(path).fileName(), QString::number(plan.recordCount))
            : tr("Import %1 (%2 records)")
                  .arg(QFileInfo(path).fileName(), QString::number(plan.recordCount));
    if (target->writeBack(plan.patches, QString(), label, m_files.reload))
        m_files.reload();
}
