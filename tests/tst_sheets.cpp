// Sheets as spreadsheet programs keep them: awkward texts through CSV and .xlsx, the cell types an
// .xlsx workbook holds (read or refused by cell), the encodings CSV is saved in, and files that
// are no sheet at all.
#include "common/gametext.h"
#include "exchange/playersheet.h"
#include "player/playerrecord.h"
#include "player/shownplayer.h"
#include "sheetformats/sheetfile.h"
#include "sheetformats/xlsxpackage.h"
#include "tools/samplebuilder.h"

#include <QTemporaryDir>
#include <QTest>

#include <zip.h>

namespace {

namespace L = PlayerLayout;

constexpr int player = 42;

QByteArray withName(QByteArray db, int index, const QString& name) {
    db.replace(L::nameOffset(index), L::nameWidth, *GameText::encodeField(name, L::nameWidth));
    return db;
}

std::optional<QByteArray> exported(const QByteArray& db, SheetFormat format) {
    QString error;
    return SheetFile::write(
        format, QStringLiteral("players"),
        [&](SheetWriter& out) { return PlayerSheet::write(db, out); }, &error);
}

QString path(SheetFormat format) {
    return SheetFile::fileName(QStringLiteral("players"), format);
}

// A workbook of the given parts, zipped with libzip; the relationships lead to them as a
// spreadsheet program writes them. `before` lists sheets the workbook has before the one with
// `sheetData`: "chart" a chart sheet, "empty" a worksheet without cells.
QByteArray workbook(const QByteArray& sheetData, const QByteArray& sharedStrings = {},
                    const QByteArray& styles = {}, const QList<QByteArray>& before = {}) {
    QHash<QString, QByteArray> parts{
        {"_rels/.rels",
         R"xml(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)xml"
         R"xml(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)xml"},
        {"xl/workbook.xml",
         R"xml(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)xml"
         R"xml(<sheets><sheet name="players" sheetId="1" r:id="rId7"/></sheets></workbook>)xml"},
        {"xl/_rels/workbook.xml.rels",
         R"xml(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)xml"
         R"xml(<Relationship Id="rId7" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="/xl/worksheets/first.xml"/>)xml"
         R"xml(<Relationship Id="rId8" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>)xml"
         R"xml(<Relationship Id="rId9" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/></Relationships>)xml"},
        {"xl/worksheets/first.xml",
         R"xml(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)xml" +
             sheetData + "</sheetData></worksheet>"},
        {"xl/sharedStrings.xml",
         R"xml(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)xml" +
             sharedStrings + "</sst>"},
        {"xl/styles.xml",
         R"xml(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)xml" +
             styles + "</styleSheet>"},
    };
    QByteArray sheets;
    QByteArray relationships;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const QByteArray n = QByteArray::number(i);
        const bool chart = before[i] == "chart";
        sheets +=
            "<sheet name=\"" + before[i] + n + "\" sheetId=\"1" + n + "\" r:id=\"rB" + n + "\"/>";
        relationships += "<Relationship Id=\"rB" + n +
                         "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                         "relationships/" +
                         (chart ? "chartsheet" : "worksheet") + "\" Target=\"sheets/" + n +
                         ".xml\"/>";
        parts["xl/sheets/" + n + ".xml"] =
            chart
                ? "<chartsheet/>"
                : R"xml(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData/></worksheet>)xml";
    }
    parts["xl/workbook.xml"].replace("<sheets>", "<sheets>" + sheets);
    parts["xl/_rels/workbook.xml.rels"].replace("<Relationship Id=\"rId7\"",
                                                relationships + "<Relationship Id=\"rId7\"");
    QTemporaryDir dir;
    const QByteArray file = QFile::encodeName(dir.filePath(QStringLiteral("book.xlsx")));
    int error = 0;
    zip_t* archive = zip_open(file.constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (auto part = parts.begin(); part != parts.end(); ++part) {
        zip_source_t* source = zip_source_buffer(archive, part->constData(), part->size(), 0);
        zip_file_add(archive, part.key().toUtf8().constData(), source, ZIP_FL_OVERWRITE);
    }
    zip_close(archive);
    QFile read(QFile::decodeName(file));
    read.open(QIODevice::ReadOnly);
    return read.readAll();
}

} // namespace

Q_DECLARE_METATYPE(SheetFormat)

class TestSheets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { m_db = SampleBuilder::playerDatabase(); }
    void awkwardTextsSurvive_data();
    void awkwardTextsSurvive();
    void xlsxCells_data();
    void xlsxCells();
    void encodingsAndOtherFiles_data();
    void encodingsAndOtherFiles();
    void workbookIsReadyToSortAndFilter();

private:
    QByteArray m_db;
    QByteArray m_styles;
};

// Texts that a spreadsheet program would take for something else, each with how CSV writes it
// (empty: not checked).
const QList<std::pair<QString, QByteArray>>& awkwardTexts() {
    static const QList<std::pair<QString, QByteArray>> texts = [] {
        QString letters;
        for (int byte = 0xC0; byte <= 0xFF; ++byte)
            if (byte != 0xD7 && byte != 0xF7)
                letters += QChar(byte);
        letters += QStringLiteral("ŠšŒœŽžŸƒ");
        return QList<std::pair<QString, QByteArray>>{
            {"=SUM(A1)", "\"'=SUM(A1)\""},
            {"+44", "\"'+44\""},
            {"-Ali", "\"'-Ali\""},
            {"@home", "\"'@home\""},
            {"\tTabbed", "\"'\tTabbed\""},
            {"\rreturn", {}},
            {"007", "\"'007\""},
            {"3/4", "\"'3/4\""},
            {"12:30", "\"'12:30\""},
            {"1e5", "\"'1e5\""},
            {"5-Jan", "\"'5-Jan\""},
            {"12345678901234567890", "\"'12345678901234567890\""},
            {"TRUE", "\"'TRUE\""},
            {"'t Hart", "\"''t Hart\""},
            {"Player 12", ",Player 12,"},
            {"Smith, \"Jr\"", "\"Smith, \"\"Jr\"\"\""},
            {"two\nlines", "\"two\nlines\""},
            {" padded ", "\" padded \""},
            {letters.left(L::nameWidth), {}},
            {letters.mid(L::nameWidth), {}},
        };
    }();
    return texts;
}

constexpr int firstAwkward = 100; // the record the first awkward text names

void TestSheets::awkwardTextsSurvive_data() {
    QTest::addColumn<SheetFormat>("format");
    QTest::newRow("csv") << SheetFormat::Csv;
    QTest::newRow("xlsx") << SheetFormat::Xlsx;
}

// The database with every awkward text as a name, exported and read back, holds each text as it
// is: imported into itself it changes nothing, imported into the database as it was it renames
// exactly those players.
void TestSheets::awkwardTextsSurvive() {
    QFETCH(SheetFormat, format);
    QByteArray edited = m_db;
    for (int k = 0; k < awkwardTexts().size(); ++k)
        edited = withName(edited, firstAwkward + k, awkwardTexts()[k].first);
    const auto bytes = exported(edited, format);
    QVERIFY(bytes);
    const SheetTable sheet = SheetFile::read(path(format), *bytes);
    QVERIFY2(sheet.error().isEmpty(), qPrintable(sheet.error()));
    QCOMPARE(int(sheet.rows().size()), L::editableRecordCount + 1);
    for (int k = 0; k < awkwardTexts().size(); ++k) {
        const auto& [name, csvCell] = awkwardTexts()[k];
        QCOMPARE(QString::fromUtf8(sheet.cell(sheet.rows()[size_t(firstAwkward + k + 1)], 2)),
                 name);
        if (format == SheetFormat::Csv && !csvCell.isEmpty())
            QVERIFY2(bytes->contains(csvCell), csvCell.constData());
    }

    const ImportPlan untouched = PlayerSheet::plan(edited, sheet);
    QVERIFY2(untouched.ok(), qPrintable(untouched.errors.join(u'\n')));
    QVERIFY(untouched.patches.empty());
    const ImportPlan renamed = PlayerSheet::plan(m_db, sheet);
    QCOMPARE(renamed.recordCount, int(awkwardTexts().size()));
    QByteArray after = m_db;
    for (const Patch& patch : renamed.patches)
        after.replace(patch.offset, patch.bytes.size(), patch.bytes);
    QCOMPARE(after, edited);
}

void TestSheets::xlsxCells_data() {
    QTest::addColumn<QByteArray>("ageCell"); // the age cell of record 42's row, row 2
    QTest::addColumn<QString>("expected");   // the change line's end, or the refusal
    const QByteArray styles =
        R"xml(<numFmts count="1"><numFmt numFmtId="164" formatCode="&quot;day&quot; 0"/>)xml"
        R"xml(<numFmt numFmtId="165" formatCode="[$-409]mmm\ d"/></numFmts>)xml"
        R"xml(<cellXfs><xf numFmtId="0"/><xf numFmtId="14"/><xf numFmtId="164"/>)xml"
        R"xml(<xf numFmtId="165"/><xf numFmtId="2"/></cellXfs>)xml";
    QTest::newRow("number") << QByteArray(R"xml(<c r="C2"><v>30</v></c>)xml") << "age -> 30";
    QTest::newRow("number with a fraction of zero")
        << QByteArray(R"xml(<c r="C2"><v>30.0</v></c>)xml") << "age -> 30";
    QTest::newRow("number in exponent form")
        << QByteArray(R"xml(<c r="C2"><v>3E1</v></c>)xml") << "age -> 30";
    QTest::newRow("shared string")
        << QByteArray(R"xml(<c r="C2" t="s"><v>1</v></c>)xml") << "age -> 31";
    QTest::newRow("inline rich text")
        << QByteArray(
               R"xml(<c r="C2" t="inlineStr"><is><r><t>3</t></r><r><t>2</t></r></is></c>)xml")
        << "age -> 32";
    QTest::newRow("formula with its result")
        << QByteArray(R"xml(<c r="C2"><f>20+13</f><v>33</v></c>)xml") << "age -> 33";
    QTest::newRow("number in a format with quoted text, not a date")
        << QByteArray(R"xml(<c r="C2" s="2"><v>34</v></c>)xml") << "age -> 34";
    QTest::newRow("truth value") << QByteArray(R"xml(<c r="C2" t="b"><v>1</v></c>)xml")
                                 << "age -> 1";
    QTest::newRow("fraction") << QByteArray(R"xml(<c r="C2"><v>30.5</v></c>)xml")
                              << "row 2, column age: the cell holds the number 30.5, which is "
                                 "not a whole number.";
    QTest::newRow("built-in date") << QByteArray(R"xml(<c r="C2" s="1"><v>30</v></c>)xml")
                                   << "row 2, column age: the cell holds a date or time";
    QTest::newRow("custom date") << QByteArray(R"xml(<c r="C2" s="3"><v>30</v></c>)xml")
                                 << "row 2, column age: the cell holds a date or time";
    QTest::newRow("ISO date") << QByteArray(R"xml(<c r="C2" t="d"><v>2020-01-05</v></c>)xml")
                              << "row 2, column age: the cell holds a date or time";
    QTest::newRow("error") << QByteArray(R"xml(<c r="C2" t="e"><v>#DIV/0!</v></c>)xml")
                           << "row 2, column age: the cell holds the error #DIV/0!.";
    QTest::newRow("formula without its result")
        << QByteArray(R"xml(<c r="C2"><f>A2*2</f></c>)xml")
        << "row 2, column age: the cell holds a formula whose result the workbook does not store";
    QTest::newRow("formula with an empty stored result")
        << QByteArray(R"xml(<c r="C2"><f>40+30</f><v></v></c>)xml")
        << "row 2, column age: the cell holds a formula whose result the workbook does not store";
    QTest::newRow("shared string that is not there")
        << QByteArray(R"xml(<c r="C2" t="s"><v>9</v></c>)xml")
        << "row 2, column age: the cell refers to a text the workbook does not hold.";
    m_styles = styles;
}

void TestSheets::xlsxCells() {
    QFETCH(QByteArray, ageCell);
    QFETCH(QString, expected);
    const QByteArray id = QByteArray::number(SampleBuilder::playerId(player));
    const QByteArray rows =
        R"xml(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="inlineStr"><is><t>id</t></is></c>)xml"
        R"xml(<c r="C1" t="str"><f>"age"</f><v>age</v></c></row>)xml"
        R"xml(<row r="2"><c r="A2"><v>42</v></c><c r="B2"><v>)xml" +
        id + "</v></c>" + ageCell + "</row>";
    const QByteArray strings =
        R"xml(<si><t>index</t></si><si><t>31</t><rPh><t>x</t></rPh></si>)xml";
    const SheetTable sheet =
        SheetFile::read(QStringLiteral("players.XLSX"), workbook(rows, strings, m_styles));
    QVERIFY2(sheet.error().isEmpty(), qPrintable(sheet.error()));
    const ImportPlan plan = PlayerSheet::plan(m_db, sheet);
    if (expected.startsWith(QStringLiteral("row "))) {
        QVERIFY2(!plan.ok() && plan.errors.first().startsWith(expected),
                 qPrintable(plan.errors.join(u'\n')));
        QVERIFY(plan.patches.empty());
    } else {
        QVERIFY2(plan.ok(), qPrintable(plan.errors.join(u'\n')));
        QCOMPARE(plan.changes.size(), 1);
        const QString age = QString::number(ShownPlayer::at(m_db, player).age);
        QCOMPARE(plan.changes.first().section(u':', 1).trimmed(),
                 QString(expected).replace(QStringLiteral("->"), age + QStringLiteral(" ->")));
    }
}

void TestSheets::encodingsAndOtherFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error"); // the sheet's refusal; empty: read
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("name"); // row 2's name cell when read

    const QString header = QStringLiteral("index\tid\tname\r\n42\t1\tZoë Ørsted\r\n");
    QByteArray utf16le("\xFF\xFE");
    for (const QChar c : header)
        utf16le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    QByteArray utf16be("\xFE\xFF");
    for (const QChar c : header)
        utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    const QString zoe = QStringLiteral("Zoë Ørsted");
    QTest::newRow("UTF-8 with semicolons")
        << "p.csv" << QByteArray("index;id;name\n42;1;Zo\xC3\xAB \xC3\x98rsted\n") << ""
        << "" << zoe;
    QTest::newRow("UTF-16 LE, tabs") << "p.csv" << utf16le << ""
                                     << "" << zoe;
    QTest::newRow("UTF-16 BE, tabs") << "p.txt" << utf16be << ""
                                     << "" << zoe;
    QTest::newRow("Windows-1252")
        << "p.csv" << QByteArray("index,id,name\r\n42,1,\"Zo\xEB \xD8rsted \x80\"\r\n") << ""
        << "the sheet is not UTF-8 (row 2 is the first that is not); it was read as "
           "Windows-1252"
        << QStringLiteral("Zoë Ørsted €");
    QTest::newRow("UTF-8 mark read as Windows-1252 and saved as UTF-8")
        << "p.csv"
        << QByteArray("\xC3\xAF\xC2\xBB\xC2\xBFindex,id,name\r\n42,1,Zo\xC3\xAB \xC3\x98rsted\r\n")
        << ""
        << "the sheet begins with \"ï»¿\", a UTF-8 byte-order mark" << zoe;
    const QByteArray rows = "<row r=\"1\"><c t=\"inlineStr\"><is><t>index</t></is></c><c "
                            "t=\"inlineStr\"><is><t>id</t></is></c><c "
                            "t=\"inlineStr\"><is><t>name</t></is></c></row><row "
                            "r=\"2\"><c><v>42</v></c><c><v>1</v></c><c "
                            "t=\"inlineStr\"><is><t>Zoë Ørsted</t></is></c></row>";
    QTest::newRow("workbook with a chart sheet and an empty worksheet first")
        << "p.xlsx" << workbook(rows, {}, {}, {"chart", "empty"}) << ""
        << "the sheet read is \"players\", the first of the workbook that holds cells." << zoe;
    QTest::newRow("workbook without cells") << "p.xlsx" << workbook({}, {}, {}, {"chart"})
                                            << "the workbook has no worksheet with cells."
                                            << ""
                                            << "";
    QTest::newRow("PNG") << "p.csv" << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                         << "it is not a text sheet: it looks like a PNG image."
                         << ""
                         << "";
    QTest::newRow("xlsx named .csv")
        << "p.csv" << workbook({})
        << "it is not a text sheet: it looks like a zip archive, as an .xlsx workbook is"
        << ""
        << "";
    QTest::newRow("game file") << "p.csv" << QByteArray("\0\1\1WESYS\x10\0\0\0", 12)
                               << "it is not a text sheet: it looks like a game file"
                               << ""
                               << "";
    QTest::newRow("control bytes")
        << "p.csv" << QByteArray(40, '\x01') << "it is not a text sheet: it looks like binary data"
        << ""
        << "";
    QTest::newRow("CSV named .xlsx")
        << "p.xlsx" << QByteArray("index,id\r\n") << "it is not an .xlsx workbook, which is a zip"
        << ""
        << "";
    QTest::newRow("zip without a workbook")
        << "p.xlsx" << QByteArray("PK\x05\x06", 4).append(18, '\0')
        << "it is not an .xlsx workbook: the zip archive holds no workbook"
        << ""
        << "";
    QTest::newRow("truncated workbook")
        << "p.xlsx" << workbook("<row r=\"1\"><c><v>1</v></c></row>").left(300)
        << "it is not an .xlsx workbook: it is not a readable zip archive"
        << ""
        << "";
}

void TestSheets::encodingsAndOtherFiles() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    QFETCH(QString, note);
    QFETCH(QString, name);
    const SheetTable sheet = SheetFile::read(file, bytes);
    QVERIFY2(error.isEmpty() ? sheet.error().isEmpty() : sheet.error().startsWith(error),
             qPrintable(sheet.error()));
    QCOMPARE(sheet.notes().join(u'\n').left(note.size()), note);
    if (!error.isEmpty()) {
        QVERIFY(sheet.rows().empty());
        return;
    }
    QCOMPARE(int(sheet.rows().size()), 2);
    QCOMPARE(sheet.cell(sheet.rows()[0], 0), "index");
    QCOMPARE(QString::fromUtf8(sheet.cell(sheet.rows()[1], 2)), name);
}

// The exported workbook's worksheet, as the user finds it: header bold and frozen, a filter over
// the whole table, each column sized, names as text and numbers as numbers.
void TestSheets::workbookIsReadyToSortAndFilter() {
    const auto bytes = exported(m_db, SheetFormat::Xlsx);
    QVERIFY(bytes);
    QString error;
    const auto package = XlsxPackage::open(*bytes, &error);
    QVERIFY2(package, qPrintable(error));
    const auto sheet = package->part(package->worksheetPath(), &error);
    const auto styles = package->part(package->stylesPath(), &error);
    QVERIFY(sheet && styles);
    QVERIFY(sheet->contains(
        R"xml(<pane ySplit="1" topLeftCell="A2" activePane="bottomLeft" state="frozen"/>)xml"));
    QVERIFY(sheet->contains(R"xml(<autoFilter ref="A1:BT6451"/>)xml"));
    QVERIFY(sheet->contains("<col min=\"3\" max=\"3\" width=\""));
    QVERIFY(styles->contains("<b/>"));
    // Row 2 is record 0: index 0 as a number, the name as a text.
    const qsizetype row2 = sheet->indexOf(R"xml(<row r="2")xml");
    QVERIFY(sheet->mid(row2).startsWith(R"xml(<row r="2"><c r="A2"><v>0</v></c>)xml"));
    QVERIFY(sheet->indexOf(R"xml(<c r="C2" t="inlineStr">)xml", row2) > row2);
}

QTEST_GUILESS_MAIN(TestSheets)
#include "tst_sheets.moc"
