// LibreOffice Calc, the real program, opening the sheets the editor writes and saving them again
// as CSV or as a workbook: an untouched sheet that went through it changes nothing, and an edited
// one changes exactly the edited records to exactly what was typed.
#include "exchange/playercolumns.h"
#include "exchange/playersheet.h"
#include "exchange/teamsheet.h"
#include "player/playerrecord.h"
#include "player/shownplayer.h"
#include "sheetformats/csvreader.h"
#include "sheetformats/csvwriter.h"
#include "sheetformats/sheetfile.h"
#include "tests/testsupport.h"
#include "tools/samplebuilder.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <functional>

namespace {

namespace L = PlayerLayout;

constexpr int conversionTimeout = 120000; // ms; converting the players sheet takes seconds

// What Calc's CSV import dialog starts with: comma, semicolon and tab as separators, UTF-8,
// quoted cells not forced to text, special numbers not detected, formulas not evaluated.
const QString calcImportDialog =
    QStringLiteral("CSV:44/59/9,34,76,1,,0,false,false,true,false,false,,false");
// Calc's CSV export as UTF-8, with commas and quotes where a cell needs them.
const QString utf8CsvExport =
    QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false");

// The edited sheet: new names for ten players (texts a spreadsheet takes for a number, a date, a
// truth value or a formula, letters beyond ASCII, a leading apostrophe, a comma and quotes) and
// three new abilities each for ten others.
const QList<std::pair<int, QString>> newNames{
    {10, QStringLiteral("007")},     {120, QStringLiteral("=SUM(A1)")},
    {230, QStringLiteral("3/4")},    {340, QStringLiteral("12:30")},
    {450, QStringLiteral("1e5")},    {560, QStringLiteral("12345678901234567890")},
    {670, QStringLiteral("Müller")}, {880, QStringLiteral("'t Hart")},
    {990, QStringLiteral("TRUE")},   {1100, QStringLiteral("Smith, \"Jr\" Jones")}};
const QList<int> newAbilities{3000, 3150, 3300, 3450, 3600, 3750, 3900, 4050, 4400, 5000};
constexpr int changedSlots[] = {0, 4, 25};

QByteArray editedSheet(QByteArrayView db) {
    CsvWriter out;
    const auto& columns = PlayerColumns::all();
    for (const PlayerColumns::Column& column : columns)
        out.text(column.name);
    out.endRow();
    for (int i = 0; i < L::editableRecordCount; ++i) {
        ShownPlayer player = ShownPlayer::at(db, i);
        for (const auto& [index, name] : newNames)
            if (index == i)
                player.name = name;
        if (newAbilities.contains(i))
            for (const int slot : changedSlots)
                player.abilities[slot] += player.abilities[slot] >= 90 ? -30 : 7;
        for (const PlayerColumns::Column& column : columns)
            PlayerColumns::write(out, column, i, player);
        out.endRow();
    }
    return out.take();
}

QByteArray applied(QByteArray file, const std::vector<Patch>& patches) {
    for (const Patch& p : patches)
        file.replace(p.offset, p.bytes.size(), p.bytes);
    return file;
}

} // namespace

class TestSpreadsheetPrograms : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void roundTrip_data();
    void roundTrip();

private:
    void convert(QString& folder, const QString& step);
    void checkEdited(const ImportPlan& plan);

    QTemporaryDir m_dir;
    QString m_soffice;
    QByteArray m_db;
    QByteArray m_teams;
    QByteArray m_edited;
    QHash<QString, qsizetype> m_rows; // rows of each sheet as the editor wrote it
    QSet<QString> m_converted;        // folders Calc has filled already
    int m_runs = 0;
};

void TestSpreadsheetPrograms::initTestCase() {
    m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (m_soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: scripts/spreadsheet-check.sh installs it "
              "and runs this suite");
    QVERIFY2(m_dir.isValid(), qPrintable(m_dir.errorString()));
    const QDir game(m_dir.filePath(QStringLiteral("game")));
    QString error;
    QVERIFY2(SampleBuilder::writeGameFolder(game.path(), true, &error), qPrintable(error));
    const QString suffix = QString::fromLatin1(SampleBuilder::workingCopySuffix);
    m_db = TestSupport::readFile(game.filePath(SampleBuilder::playerFileName + suffix));
    m_teams = TestSupport::readFile(game.filePath(SampleBuilder::teamFileName + suffix));
    m_edited = editedSheet(m_db);

    const QDir csv(m_dir.filePath(QStringLiteral("csv")));
    const QDir xlsx(m_dir.filePath(QStringLiteral("xlsx")));
    QVERIFY(csv.mkpath(QStringLiteral(".")) && xlsx.mkpath(QStringLiteral(".")));
    const QHash<QString, std::function<bool(SheetWriter&)>> sheets{
        {QStringLiteral("players"),
         [&](SheetWriter& out) { return PlayerSheet::write(m_db, out); }},
        {QStringLiteral("teams"),
         [&](SheetWriter& out) { return TeamSheet::write(m_teams, out); }}};
    for (auto sheet = sheets.begin(); sheet != sheets.end(); ++sheet) {
        for (const SheetFormat format : {SheetFormat::Csv, SheetFormat::Xlsx}) {
            const auto bytes = SheetFile::write(format, sheet.key(), sheet.value(), &error);
            QVERIFY2(bytes, qPrintable(error));
            const QString name = SheetFile::fileName(sheet.key(), format);
            QVERIFY(TestSupport::writeFile((format == SheetFormat::Csv ? csv : xlsx).filePath(name),
                                           *bytes));
            if (format == SheetFormat::Csv)
                m_rows[sheet.key()] = SheetFile::read(name, *bytes).rows().size();
        }
    }
    QVERIFY(TestSupport::writeFile(csv.filePath(QStringLiteral("edited.csv")), m_edited));
    m_rows[QStringLiteral("edited")] = m_rows.value(QStringLiteral("players"));
    QCOMPARE(m_rows.value(QStringLiteral("players")), L::editableRecordCount + 1);
}

// Calc opens every sheet of `folder` and saves it into a folder of its own by `step`: "csv"
// (a CSV opened with the import dialog's settings, saved as UTF-8 CSV), "plain csv" (opened and
// saved with no settings given) or "xlsx". `folder` becomes that folder. Rows that take the same
// steps share one conversion.
void TestSpreadsheetPrograms::convert(QString& folder, const QString& step) {
    const QDir from(folder);
    const QString out = folder + QLatin1Char('-') + QString(step).replace(u' ', u'-');
    folder = out;
    if (m_converted.contains(out))
        return;
    const QStringList files = from.entryList(QDir::Files, QDir::Name);
    const QString profile = m_dir.filePath(QStringLiteral("profile-%1").arg(++m_runs));
    QStringList arguments{QStringLiteral("-env:UserInstallation=") +
                              QUrl::fromLocalFile(profile).toString(),
                          QStringLiteral("--headless")};
    if (step != QStringLiteral("plain csv") && files.value(0).endsWith(QStringLiteral(".csv")))
        arguments << QStringLiteral("--infilter=") + calcImportDialog;
    arguments << QStringLiteral("--convert-to")
              << (step == QStringLiteral("xlsx")  ? QStringLiteral("xlsx")
                  : step == QStringLiteral("csv") ? utf8CsvExport
                                                  : QStringLiteral("csv"))
              << QStringLiteral("--outdir") << out;
    for (const QString& file : files)
        arguments << from.filePath(file);
    QProcess soffice;
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    soffice.start(m_soffice, arguments);
    const bool ended = soffice.waitForFinished(conversionTimeout);
    if (!ended)
        soffice.kill();
    const QString said = QString::fromUtf8(soffice.readAll());
    QVERIFY2(ended && soffice.exitStatus() == QProcess::NormalExit && soffice.exitCode() == 0,
             qPrintable(QStringLiteral("soffice %1\n%2").arg(arguments.join(u' '), said)));
    const QString extension =
        step == QStringLiteral("xlsx") ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
    for (const QString& file : files) {
        const QString made = QDir(out).filePath(QFileInfo(file).completeBaseName() + extension);
        QVERIFY2(QFileInfo(made).size() > 0,
                 qPrintable(made + QStringLiteral(" not made\n") + said));
    }
    m_converted << out;
}

void TestSpreadsheetPrograms::roundTrip_data() {
    QTest::addColumn<QString>("source");    // the editor's sheets: "csv" or "xlsx"
    QTest::addColumn<QStringList>("steps"); // what Calc does with them, in order
    QTest::addColumn<QStringList>("sheets");
    const QStringList untouched{QStringLiteral("players"), QStringLiteral("teams")};
    const QStringList edited{QStringLiteral("edited")};
    QTest::newRow("csv to csv") << "csv" << QStringList{"csv"} << untouched;
    QTest::newRow("csv to csv, no settings") << "csv" << QStringList{"plain csv"} << untouched;
    QTest::newRow("csv to xlsx") << "csv" << QStringList{"xlsx"} << untouched;
    QTest::newRow("csv to xlsx to csv") << "csv" << QStringList{"xlsx", "csv"} << untouched;
    QTest::newRow("xlsx to xlsx") << "xlsx" << QStringList{"xlsx"} << untouched;
    QTest::newRow("edited, as written") << "csv" << QStringList{} << edited;
    QTest::newRow("edited, csv to csv") << "csv" << QStringList{"csv"} << edited;
    QTest::newRow("edited, csv to csv, no settings") << "csv" << QStringList{"plain csv"} << edited;
    QTest::newRow("edited, csv to xlsx") << "csv" << QStringList{"xlsx"} << edited;
    QTest::newRow("edited, csv to xlsx to csv") << "csv" << QStringList{"xlsx", "csv"} << edited;
}

void TestSpreadsheetPrograms::roundTrip() {
    QFETCH(QString, source);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, sheets);
    QString folder = m_dir.filePath(source);
    for (const QString& step : steps) {
        convert(folder, step);
        if (QTest::currentTestFailed())
            return;
    }
    const QString extension = steps.isEmpty() ? source : steps.last().section(u' ', -1);
    for (const QString& sheet : sheets) {
        const QString path = QDir(folder).filePath(sheet + QLatin1Char('.') + extension);
        const SheetTable table = SheetFile::read(path, TestSupport::readFile(path));
        QVERIFY2(table.error().isEmpty(), qPrintable(path + QStringLiteral(": ") + table.error()));
        QCOMPARE(table.rows().size(), m_rows.value(sheet));
        const ImportPlan plan = sheet == QStringLiteral("teams") ? TeamSheet::plan(m_teams, table)
                                                                 : PlayerSheet::plan(m_db, table);
        QVERIFY2(plan.ok(), qPrintable(plan.errors.join(u'\n')));
        if (sheet == QStringLiteral("edited")) {
            checkEdited(plan);
            continue;
        }
        QVERIFY2(plan.patches.empty() && plan.changes.isEmpty(),
                 qPrintable(path + QStringLiteral(" changes:\n") + plan.changes.join(u'\n')));
    }
}

// The import changes exactly the edited records, and the database it leaves is exported as the
// edited sheet was written: every new value read back as typed, nothing else different.
void TestSpreadsheetPrograms::checkEdited(const ImportPlan& plan) {
    QSet<int> edited(newAbilities.begin(), newAbilities.end());
    for (const auto& [index, name] : newNames)
        edited << index;
    QSet<int> changed;
    for (const QString& line : plan.changes)
        changed << line.section(u' ', 0, 0).toInt();
    QCOMPARE(changed, edited);
    QCOMPARE(plan.recordCount, int(edited.size()));

    const QByteArray exported = PlayerSheet::write(applied(m_db, plan.patches));
    const SheetTable typed = CsvReader::parse(m_edited);
    const SheetTable readBack = CsvReader::parse(exported);
    QCOMPARE(readBack.rows().size(), typed.rows().size());
    QStringList differences;
    for (size_t r = 0; r < typed.rows().size(); ++r) {
        const SheetTable::Row& want = typed.rows()[r];
        const SheetTable::Row& have = readBack.rows()[r];
        for (int c = 0; c < std::min(want.cellCount, have.cellCount); ++c)
            if (readBack.cell(have, c) != typed.cell(want, c))
                differences << QStringLiteral("row %1, column %2: typed \"%3\", read back \"%4\"")
                                   .arg(want.number)
                                   .arg(PlayerColumns::names().value(c),
                                        QString::fromUtf8(typed.cell(want, c)),
                                        QString::fromUtf8(readBack.cell(have, c)));
    }
    QVERIFY2(exported == m_edited, qPrintable(differences.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestSpreadsheetPrograms)
#include "tst_spreadsheetprograms.moc"
