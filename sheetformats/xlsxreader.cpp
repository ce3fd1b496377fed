#include "sheetformats/xlsxreader.h"

#include "sheetformats/csvtextcell.h"
#include "sheetformats/xlsxpackage.h"
#include "sheetformats/xmlevents.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

// Sheets larger than this hold far more than any sheet of this editor (players.xlsx has under
// half a million cells); refusing them keeps a crafted workbook from taking all memory.
constexpr qsizetype maxCells = 4'000'000;
constexpr int maxColumns = 16384;               // XFD, the last column of a spreadsheet
constexpr int maxRows = 1'048'576;              // the last row of a spreadsheet
constexpr double maxWhole = 9007199254740992.0; // 2^53: every whole number below it is exact

// Number formats the file format defines as dates and times (ECMA-376 18.8.30).
bool isBuiltInDateFormat(int id) {
    return (id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
           (id >= 50 && id <= 58);
}

// A format code shows a date or time when, outside quoted text, escapes and colours, it holds
// one of the letters for day, month, year, hour or second.
bool isDateFormatCode(QByteArrayView code) {
    bool quoted = false;
    bool bracket = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++i; // the next character is shown as it is
        } else if (c == '[') {
            bracket = true;
            // [h], [mm], [ss]: elapsed time
            if (i + 1 < code.size() && QByteArrayView("hHmMsS").contains(code[i + 1]))
                return true;
        } else if (c == ']') {
            bracket = false;
        } else if (!bracket && QByteArrayView("dDmMyYhHsS").contains(c)) {
            return true;
        }
    }
    return false;
}

int toInt(QByteArrayView digits, int otherwise = 0) {
    int value = 0;
    const auto [end, error] = std::from_chars(digits.begin(), digits.end(), value);
    return error == std::errc() && end == digits.end() && !digits.isEmpty() ? value : otherwise;
}

// Text as the file format stores it: characters XML cannot hold are written _xHHHH_.
QByteArray unescaped(QByteArray text) {
    qsizetype at = text.indexOf("_x");
    while (at >= 0 && at + 7 <= text.size()) {
        bool hex = text[at + 6] == '_';
        const ushort code = hex ? QByteArrayView(text).sliced(at + 2, 4).toUShort(&hex, 16) : 0;
        if (hex) {
            const QByteArray character = QString(QChar(code)).toUtf8();
            text.replace(at, 7, character);
            at = text.indexOf("_x", at + character.size());
        } else {
            at = text.indexOf("_x", at + 2);
        }
    }
    return text;
}

QString formulaWithoutResult() {
    return QCoreApplication::translate(
        "XlsxReader", "the cell holds a formula whose result the workbook does not store; "
                      "save the workbook in a spreadsheet program first, or enter the value "
                      "itself.");
}

// "B12" as column 1 (0-based) and row 12; false when the reference is not of that form.
bool parseReference(QByteArrayView reference, int& column, int& row) {
    qsizetype i = 0;
    int letters = 0;
    for (; i < reference.size() && reference[i] >= 'A' && reference[i] <= 'Z' &&
           letters <= maxColumns;
         ++i)
        letters = letters * 26 + (reference[i] - 'A' + 1);
    if (i == 0 || letters > maxColumns)
        return false;
    row = toInt(reference.sliced(i), -1);
    column = letters - 1;
    return row >= 1 && row <= maxRows;
}

// The text of string items (<si> of the shared strings, <is> of a cell): the <t> elements in
// them, those of phonetic runs (<rPh>) left out.
class StringItems {
public:
    explicit StringItems(QByteArrayView item) : m_item(item) {}

    void start(QByteArrayView name) {
        if (name == m_item) {
            m_text.clear();
            m_inItem = true;
        } else if (name == "rPh") {
            ++m_phonetic;
        } else if (name == "t") {
            m_inText = m_inItem && m_phonetic == 0;
        }
    }
    // True at the end of an item, whose text is then text().
    bool end(QByteArrayView name) {
        if (name == "rPh")
            --m_phonetic;
        else if (name == "t")
            m_inText = false;
        else if (name == m_item && m_inItem)
            return !(m_inItem = false);
        return false;
    }
    void characters(QByteArrayView text) {
        if (m_inText)
            m_text.append(text);
    }
    QByteArray text() const { return unescaped(m_text); }

private:
    QByteArrayView m_item;
    QByteArray m_text;
    int m_phonetic = 0;
    bool m_inItem = false;
    bool m_inText = false;
};

class SharedStrings : public XmlEvents {
public:
    std::vector<QByteArray> strings;

private:
    void start(QByteArrayView name, Attributes) override { m_items.start(name); }
    void end(QByteArrayView name) override {
        if (m_items.end(name))
            strings.push_back(m_items.text());
    }
    void text(QByteArrayView text) override { m_items.characters(text); }

    StringItems m_items{"si"};
};

// For each cell style (the cell's s attribute), whether it shows the number as a date or time.
class DateStyles : public XmlEvents {
public:
    std::vector<bool> isDate;

private:
    void start(QByteArrayView name, Attributes attributes) override {
        if (name == "numFmt") {
            m_customIsDate.insert(toInt(attribute(attributes, "numFmtId")),
                                  isDateFormatCode(attribute(attributes, "formatCode")));
        } else if (name == "cellXfs") {
            m_inCellXfs = true;
        } else if (m_inCellXfs && name == "xf") {
            const int id = toInt(attribute(attributes, "numFmtId"));
            isDate.push_back(m_customIsDate.value(id, isBuiltInDateFormat(id)));
        }
    }
    void end(QByteArrayView name) override {
        if (name == "cellXfs")
            m_inCellXfs = false;
    }
    void text(QByteArrayView) override {}

    QHash<int, bool> m_customIsDate;
    bool m_inCellXfs = false;
};

// Reads the worksheet's cells into the table, row by row.
class Worksheet : public XmlEvents {
public:
    Worksheet(SheetTable& table, const std::vector<QByteArray>& strings,
              const std::vector<bool>& dateStyles)
        : m_table(table), m_strings(strings), m_dateStyles(dateStyles) {}

private:
    enum class Type { Number, SharedString, InlineString, FormulaString, Boolean, Error, Date };

    void start(QByteArrayView name, Attributes attributes) override;
    void end(QByteArrayView name) override;
    void text(QByteArrayView text) override;

    void startRow(Attributes attributes);
    void startCell(Attributes attributes);
    void endCell();
    void endRow();
    // The cell's text as UTF-8 into m_text (a view of the value, a shared string or m_utf8);
    // false, with the reason in `why`, when the cell is refused.
    bool cellText(QString* why);
    bool wholeNumber(QByteArrayView value, QString* why);
    void place(int column, QByteArrayView text);
    static Type typeOf(QByteArrayView attribute);

    SheetTable& m_table;
    const std::vector<QByteArray>& m_strings;
    const std::vector<bool>& m_dateStyles;
    int m_row = 0; // the number of the row being read
    bool m_inRow = false;
    int m_placed = 0;      // cells of the row added to the table
    int m_headerWidth = 0; // cells of the first row with any; later rows are filled up to it
    qsizetype m_cells = 0;

    // The cell being read; kept from cell to cell, so that half a million cells allocate little.
    bool m_inCell = false;
    int m_column = 0;
    int m_nextColumn = 0;
    Type m_type = Type::Number;
    int m_style = 0;
    QByteArray m_value;
    bool m_inValue = false;
    bool m_hasValue = false;
    bool m_hasFormula = false;
    StringItems m_inline{"is"};
    QByteArray m_utf8; // a text the cell's value is turned into
    QByteArrayView m_text;
};

Worksheet::Type Worksheet::typeOf(QByteArrayView t) {
    if (t.isEmpty() || t == "n")
        return Type::Number;
    if (t == "s")
        return Type::SharedString;
    if (t == "inlineStr")
        return Type::InlineString;
    if (t == "str")
        return Type::FormulaString;
    if (t == "b")
        return Type::Boolean;
    if (t == "d")
        return Type::Date;
    return Type::Error; // "e", and any type the file format does not know
}

void Worksheet::start(QByteArrayView name, Attributes attributes) {
    if (name == "row") {
        startRow(attributes);
    } else if (m_inRow && name == "c") {
        startCell(attributes);
    } else if (m_inCell) {
        if (name == "v") {
            m_inValue = m_hasValue = true;
        } else if (name == "f") {
            m_hasFormula = true;
        } else {
            m_inline.start(name);
            m_hasValue = m_hasValue || name == "is";
        }
    }
}

void Worksheet::end(QByteArrayView name) {
    if (name == "c" && m_inCell) {
        endCell();
    } else if (name == "row" && m_inRow) {
        endRow();
    } else if (m_inCell) {
        if (name == "v")
            m_inValue = false;
        else if (m_inline.end(name))
            m_value = m_inline.text();
    }
}

void Worksheet::text(QByteArrayView text) {
    if (m_inValue)
        m_value.append(text);
    else if (m_inCell)
        m_inline.characters(text);
}

void Worksheet::startRow(Attributes attributes) {
    const int row = toInt(attribute(attributes, "r"), m_row + 1);
    if (row <= m_row || row > maxRows)
        return stop(
            QCoreApplication::translate(
                "XlsxReader", "the worksheet's rows are not in order (row %1 after row %2).")
                .arg(row)
                .arg(m_row));
    m_row = row;
    m_inRow = true;
    m_nextColumn = 0;
}

void Worksheet::startCell(Attributes attributes) {
    int column = m_nextColumn;
    int row = m_row;
    const QByteArrayView reference = attribute(attributes, "r");
    if (!reference.isEmpty() && (!parseReference(reference, column, row) || row != m_row))
        return stop(
            QCoreApplication::translate("XlsxReader", "the worksheet names the cell %1 in row %2.")
                .arg(QString::fromUtf8(reference))
                .arg(m_row));
    if (column < m_nextColumn || column >= maxColumns)
        return stop(
            QCoreApplication::translate("XlsxReader", "the cells of row %1 are not in order.")
                .arg(m_row));
    if (++m_cells > maxCells)
        return stop(QCoreApplication::translate(
                        "XlsxReader", "the worksheet has more than %1 cells, far more than any "
                                      "sheet of this editor.")
                        .arg(maxCells));
    m_inCell = true;
    m_column = column;
    m_nextColumn = column + 1;
    m_type = typeOf(attribute(attributes, "t"));
    m_style = toInt(attribute(attributes, "s"));
    m_value.clear();
    m_inValue = m_hasValue = m_hasFormula = false;
}

void Worksheet::endCell() {
    m_inCell = false;
    QString why;
    if (!cellText(&why)) {
        place(m_column, {});
        m_table.addProblem(m_row, m_column, why);
    } else if (!m_text.isEmpty()) {
        place(m_column, m_text);
    }
}

bool Worksheet::cellText(QString* why) {
    m_text = {};
    if (!m_hasValue) {
        if (m_hasFormula)
            *why = formulaWithoutResult();
        return !m_hasFormula;
    }
    const QByteArrayView value = QByteArrayView(m_value).trimmed();
    // Some libraries write a formula's <v> empty when they do not compute its result.
    const bool textType = m_type == Type::SharedString || m_type == Type::InlineString ||
                          m_type == Type::FormulaString;
    if (m_hasFormula && value.isEmpty() && !textType) {
        *why = formulaWithoutResult();
        return false;
    }
    switch (m_type) {
    case Type::SharedString: {
        const int index = toInt(value, -1);
        if (index < 0 || size_t(index) >= m_strings.size()) {
            *why = QCoreApplication::translate(
                "XlsxReader", "the cell refers to a text the workbook does not hold.");
            return false;
        }
        m_text = CsvTextCell::withoutCarriedMark(m_strings[size_t(index)]);
        return true;
    }
    case Type::InlineString:
        m_text = CsvTextCell::withoutCarriedMark(m_value);
        return true;
    case Type::FormulaString:
        m_utf8 = unescaped(m_value);
        m_text = CsvTextCell::withoutCarriedMark(m_utf8);
        return true;
    case Type::Boolean:
        m_text = value == "0" ? "0" : "1";
        return true;
    case Type::Error:
        *why = QCoreApplication::translate("XlsxReader", "the cell holds the error %1.")
                   .arg(QString::fromUtf8(value));
        return false;
    case Type::Date:
        break;
    case Type::Number:
        if (m_style < 0 || size_t(m_style) >= m_dateStyles.size() || !m_dateStyles[size_t(m_style)])
            return wholeNumber(value, why);
        break;
    }
    *why = QCoreApplication::translate(
        "XlsxReader", "the cell holds a date or time; enter a whole number or a text.");
    return false;
}

// A number cell's value as the whole number it holds.
bool Worksheet::wholeNumber(QByteArrayView value, QString* why) {
    // Most cells hold a plain whole number, which is taken as it is written.
    qint64 whole = 0;
    const auto [end, error] = std::from_chars(value.begin(), value.end(), whole);
    if (error == std::errc() && end == value.end() && !value.isEmpty() &&
        std::abs(double(whole)) < maxWhole) {
        // Written as the number itself (no sign, no leading zero) it is taken as it stands.
        const bool plain = value.front() != '+' && !value.startsWith("-0") &&
                           (value.front() != '0' || value.size() == 1);
        if (plain) {
            m_text = value;
        } else {
            m_utf8 = QByteArray::number(whole);
            m_text = m_utf8;
        }
        return true;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        *why =
            QCoreApplication::translate("XlsxReader", "the cell holds \"%1\", which is no number.")
                .arg(QString::fromUtf8(value));
        return false;
    }
    if (number != std::trunc(number) || std::abs(number) >= maxWhole) {
        *why = QCoreApplication::translate(
                   "XlsxReader", "the cell holds the number %1, which is not a whole number.")
                   .arg(QString::fromUtf8(value));
        return false;
    }
    m_utf8 = QByteArray::number(qint64(number));
    m_text = m_utf8;
    return true;
}

void Worksheet::place(int column, QByteArrayView text) {
    while (m_placed < column) {
        m_table.addCell({});
        ++m_placed;
    }
    m_table.addCell(text);
    ++m_placed;
}

void Worksheet::endRow() {
    if (m_placed > 0 && m_headerWidth == 0)
        m_headerWidth = m_placed;
    else
        while (m_placed > 0 && m_placed < m_headerWidth)
            place(m_placed, {});
    m_table.endRow(m_row);
    m_placed = 0;
    m_inRow = false;
}

} // namespace

namespace XlsxReader {

SheetTable read(QByteArrayView bytes) {
    SheetTable table;
    if (!bytes.startsWith("PK")) {
        table.fail(QCoreApplication::translate(
            "XlsxReader", "it is not an .xlsx workbook, which is a zip archive; a CSV "
                          "sheet is read when its name ends in .csv."));
        return table;
    }
    QString error;
    const auto package = XlsxPackage::open(bytes, &error);
    if (!package) {
        table.fail(QCoreApplication::translate("XlsxReader", "it is not an .xlsx workbook: %1")
                       .arg(error));
        return table;
    }
    SharedStrings strings;
    DateStyles styles;
    if (const QString& path = package->sharedStringsPath(); !path.isEmpty()) {
        if (const auto xml = package->part(path, &error))
            error = strings.parse(*xml, path);
    }
    if (const QString& path = package->stylesPath(); error.isEmpty() && !path.isEmpty()) {
        if (const auto xml = package->part(path, &error))
            error = styles.parse(*xml, path);
    }
    // The first worksheet that holds cells: a chart sheet or an empty worksheet before it (a
    // title page, a chart of the data) is passed over, and the notes name the sheet read.
    for (const XlsxPackage::Sheet& sheet : package->sheets()) {
        if (!error.isEmpty())
            break;
        if (!sheet.isWorksheet)
            continue;
        const auto xml = package->part(sheet.path, &error);
        if (!xml) {
            if (error.isEmpty())
                error = QCoreApplication::translate(
                            "XlsxReader", "the workbook has no part %1 for its worksheet \"%2\".")
                            .arg(sheet.path, sheet.name);
            break;
        }
        SheetTable read;
        error = Worksheet(read, strings.strings, styles.isDate).parse(*xml, sheet.path);
        if (!error.isEmpty() || (read.rows().empty() && read.problems().empty()))
            continue;
        if (&sheet != &package->sheets().front())
            read.addNote(QCoreApplication::translate(
                             "XlsxReader", "the sheet read is \"%1\", the first of the workbook "
                                           "that holds cells.")
                             .arg(sheet.name));
        return read;
    }
    if (error.isEmpty())
        error =
            QCoreApplication::translate("XlsxReader", "the workbook has no worksheet with cells.");
    if (!error.isEmpty())
        table.fail(error);
    return table;
}

} // namespace XlsxReader
