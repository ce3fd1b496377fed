#include "exchange/xlsxreader.h"

#include "exchange/xlsxpackage.h"

#include <QHash>
#include <QXmlStreamReader>

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
bool isDateFormatCode(QStringView code) {
    bool quoted = false;
    bool bracket = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'"') {
            quoted = !quoted;
        } else if (quoted) {
            continue;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i; // the next character is shown as it is
        } else if (c == u'[') {
            bracket = true;
            // [h], [mm], [ss]: elapsed time
            if (i + 1 < code.size() && QStringView(u"hHmMsS").contains(code[i + 1]))
                return true;
        } else if (c == u']') {
            bracket = false;
        } else if (!bracket && QStringView(u"dDmMyYhHsS").contains(c)) {
            return true;
        }
    }
    return false;
}

// Text as the file format stores it: characters XML cannot hold are written _xHHHH_.
QString unescaped(QString text) {
    qsizetype at = text.indexOf(u"_x");
    while (at >= 0 && at + 7 <= text.size()) {
        bool hex = text[at + 6] == u'_';
        const ushort code = hex ? QStringView(text).sliced(at + 2, 4).toUShort(&hex, 16) : 0;
        if (hex) {
            text.replace(at, 7, QChar(code));
            at = text.indexOf(u"_x", at + 1);
        } else {
            at = text.indexOf(u"_x", at + 2);
        }
    }
    return text;
}

// The text of a string item (<si> or <is>): its <t> elements, those of phonetic runs (<rPh>)
// left out. The reader stands on the item's start element and ends on its end element.
QString stringItem(QXmlStreamReader& reader) {
    QString text;
    const QString item = reader.name().toString();
    int phonetic = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (reader.name() == u"rPh")
                ++phonetic;
            else if (reader.name() == u"t" && phonetic == 0)
                text += reader.readElementText();
        } else if (reader.isEndElement()) {
            if (reader.name() == u"rPh")
                --phonetic;
            else if (reader.name() == item)
                break;
        }
    }
    return unescaped(text);
}

QString notWellFormed(const QString& part, const QXmlStreamReader& reader) {
    return QStringLiteral("the part %1 of the workbook is not well-formed XML (line %2: %3).")
        .arg(part)
        .arg(reader.lineNumber())
        .arg(reader.errorString());
}

std::vector<QString> sharedStrings(const QByteArray& xml, const QString& part, QString* error) {
    std::vector<QString> strings;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"si")
            strings.push_back(stringItem(reader));
    }
    if (reader.hasError())
        *error = notWellFormed(part, reader);
    return strings;
}

// For each cell style (the cell's s attribute), whether it shows the number as a date or time.
std::vector<bool> dateStyles(const QByteArray& xml, const QString& part, QString* error) {
    std::vector<bool> result;
    QHash<int, bool> customIsDate;
    QXmlStreamReader reader(xml);
    bool inCellXfs = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const auto attributes = reader.attributes();
            if (reader.name() == u"numFmt") {
                customIsDate.insert(
                    attributes.value(QLatin1String("numFmtId")).toInt(),
                    isDateFormatCode(attributes.value(QLatin1String("formatCode"))));
            } else if (reader.name() == u"cellXfs") {
                inCellXfs = true;
            } else if (inCellXfs && reader.name() == u"xf") {
                const int id = attributes.value(QLatin1String("numFmtId")).toInt();
                result.push_back(customIsDate.value(id, isBuiltInDateFormat(id)));
            }
        } else if (reader.isEndElement() && reader.name() == u"cellXfs") {
            inCellXfs = false;
        }
    }
    if (reader.hasError())
        *error = notWellFormed(part, reader);
    return result;
}

// "B12" as column 1 (0-based) and row 12; false when the reference is not of that form.
bool parseReference(QStringView reference, int& column, int& row) {
    qsizetype i = 0;
    int letters = 0;
    for (; i < reference.size() && reference[i].isUpper() && reference[i].unicode() < 128; ++i)
        letters = letters * 26 + (reference[i].unicode() - u'A' + 1);
    if (i == 0 || letters > maxColumns)
        return false;
    bool ok = false;
    row = reference.sliced(i).toInt(&ok);
    column = letters - 1;
    return ok && row >= 1 && row <= maxRows;
}

// Reads the worksheet's cells into the table, row by row.
class WorksheetReader {
public:
    WorksheetReader(SheetTable& table, const std::vector<QString>& strings,
                    const std::vector<bool>& dateStyles)
        : m_table(table), m_strings(strings), m_dateStyles(dateStyles) {}

    // Empty when read; otherwise why the worksheet cannot be read.
    QString read(const QByteArray& xml, const QString& part);

private:
    struct Cell {
        QString type;
        int style = 0;
        QString value;
        bool hasValue = false;
        bool hasFormula = false;
        QString inlineText;
    };

    QString cell(QXmlStreamReader& reader, int column);
    void place(int column, QByteArrayView text);
    void refuse(int column, const QString& why);
    void endRow();
    QString text(const Cell& cell, QString* why) const;

    SheetTable& m_table;
    const std::vector<QString>& m_strings;
    const std::vector<bool>& m_dateStyles;
    int m_row = 0;         // the number of the row being read
    int m_placed = 0;      // cells of the row added to the table
    int m_headerWidth = 0; // cells of the first row with any; later rows are filled up to it
    qsizetype m_cells = 0;
};

QString WorksheetReader::read(const QByteArray& xml, const QString& part) {
    QXmlStreamReader reader(xml);
    bool inRow = false;
    int nextColumn = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"row") {
            bool numbered = false;
            const int number = reader.attributes().value(QLatin1String("r")).toInt(&numbered);
            const int row = numbered ? number : m_row + 1;
            if (row <= m_row || row > maxRows)
                return QStringLiteral("the worksheet's rows are not in order (row %1 after row "
                                      "%2).")
                    .arg(row)
                    .arg(m_row);
            m_row = row;
            inRow = true;
            nextColumn = 0;
        } else if (inRow && reader.isStartElement() && reader.name() == u"c") {
            int column = nextColumn;
            int row = m_row;
            const auto reference = reader.attributes().value(QLatin1String("r"));
            if (!reference.isEmpty() && (!parseReference(reference, column, row) || row != m_row))
                return QStringLiteral("the worksheet names the cell %1 in row %2.")
                    .arg(reference.toString())
                    .arg(m_row);
            if (column < nextColumn || column >= maxColumns)
                return QStringLiteral("the cells of row %1 are not in order.").arg(m_row);
            if (const QString error = cell(reader, column); !error.isEmpty())
                return error;
            nextColumn = column + 1;
        } else if (inRow && reader.isEndElement() && reader.name() == u"row") {
            endRow();
            inRow = false;
        }
    }
    if (reader.hasError())
        return notWellFormed(part, reader);
    return {};
}

QString WorksheetReader::cell(QXmlStreamReader& reader, int column) {
    Cell c;
    const auto attributes = reader.attributes();
    c.type = attributes.value(QLatin1String("t")).toString();
    c.style = attributes.value(QLatin1String("s")).toInt();
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (reader.name() == u"v") {
                c.value = reader.readElementText();
                c.hasValue = true;
            } else if (reader.name() == u"f") {
                c.hasFormula = true;
                reader.skipCurrentElement();
            } else if (reader.name() == u"is") {
                c.inlineText = stringItem(reader);
                c.hasValue = true;
            }
        } else if (reader.isEndElement() && reader.name() == u"c") {
            break;
        }
    }
    if (++m_cells > maxCells)
        return QStringLiteral("the worksheet has more than %1 cells, far more than any sheet of "
                              "this editor.")
            .arg(maxCells);
    QString why;
    const QString value = text(c, &why);
    if (!why.isEmpty())
        refuse(column, why);
    else if (!value.isEmpty())
        place(column, value.toUtf8());
    return {};
}

QString WorksheetReader::text(const Cell& c, QString* why) const {
    if (!c.hasValue) {
        if (c.hasFormula)
            *why = QStringLiteral("the cell holds a formula whose result the workbook does not "
                                  "store; save the workbook in a spreadsheet program first, or "
                                  "enter the value itself.");
        return {};
    }
    if (c.type == u"s") {
        bool ok = false;
        const qulonglong index = c.value.trimmed().toULongLong(&ok);
        if (!ok || index >= m_strings.size()) {
            *why = QStringLiteral("the cell refers to a text the workbook does not hold.");
            return {};
        }
        return m_strings[size_t(index)];
    }
    if (c.type == u"inlineStr" || c.type == u"str")
        return c.type == u"str" ? unescaped(c.value) : c.inlineText;
    if (c.type == u"b")
        return c.value.trimmed() == u"0" ? QStringLiteral("0") : QStringLiteral("1");
    if (c.type == u"e") {
        *why = QStringLiteral("the cell holds the error %1.").arg(c.value);
        return {};
    }
    if (c.type == u"d" ||
        (c.style >= 0 && size_t(c.style) < m_dateStyles.size() && m_dateStyles[size_t(c.style)])) {
        *why = QStringLiteral("the cell holds a date or time; enter a whole number or a text.");
        return {};
    }
    bool ok = false;
    const double number = c.value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        *why = QStringLiteral("the cell holds \"%1\", which is no number.").arg(c.value);
        return {};
    }
    if (number != std::trunc(number) || std::abs(number) >= maxWhole) {
        *why = QStringLiteral("the cell holds the number %1, which is not a whole number.")
                   .arg(c.value.trimmed());
        return {};
    }
    return QString::number(qint64(number));
}

void WorksheetReader::place(int column, QByteArrayView text) {
    while (m_placed < column) {
        m_table.addCell({});
        ++m_placed;
    }
    m_table.addCell(text);
    ++m_placed;
}

void WorksheetReader::refuse(int column, const QString& why) {
    place(column, {});
    m_table.addProblem(m_row, column, why);
}

void WorksheetReader::endRow() {
    if (m_placed > 0 && m_headerWidth == 0)
        m_headerWidth = m_placed;
    else
        while (m_placed > 0 && m_placed < m_headerWidth)
            place(m_placed, {});
    m_table.endRow(m_row);
    m_placed = 0;
}

} // namespace

namespace XlsxReader {

SheetTable read(QByteArrayView bytes) {
    SheetTable table;
    if (!bytes.startsWith("PK")) {
        table.fail(QStringLiteral("it is not an .xlsx workbook, which is a zip archive; a CSV "
                                  "sheet is read when its name ends in .csv."));
        return table;
    }
    QString error;
    const auto package = XlsxPackage::open(bytes, &error);
    if (!package) {
        table.fail(QStringLiteral("it is not an .xlsx workbook: %1").arg(error));
        return table;
    }
    std::vector<QString> strings;
    std::vector<bool> dates;
    if (const QString& path = package->sharedStringsPath(); !path.isEmpty()) {
        if (const auto xml = package->part(path, &error))
            strings = sharedStrings(*xml, path, &error);
    }
    if (const QString& path = package->stylesPath(); error.isEmpty() && !path.isEmpty()) {
        if (const auto xml = package->part(path, &error))
            dates = dateStyles(*xml, path, &error);
    }
    const QString& worksheet = package->worksheetPath();
    const auto xml = error.isEmpty() ? package->part(worksheet, &error) : std::nullopt;
    if (error.isEmpty() && !xml)
        error =
            QStringLiteral("the workbook has no part %1 for its first worksheet.").arg(worksheet);
    if (error.isEmpty())
        error = WorksheetReader(table, strings, dates).read(*xml, worksheet);
    if (!error.isEmpty())
        table.fail(error);
    return table;
}

} // namespace XlsxReader
