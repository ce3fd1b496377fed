#include "sheetformats/xlsxsheetwriter.h"

#include "common/wholefile.h"

#include <QCoreApplication>
#include <QFile>

#include <xlsxwriter.h>

#include <algorithm>

namespace {

// Column widths in characters: room for the autofilter's button beside the widest cell, and no
// column wider than a long name needs.
constexpr int widthMargin = 3;
constexpr int maxWidth = 50;

// A path libxlsxwriter's C file functions can open: in the system's code page, which on Windows
// holds fewer characters than a path may.
std::optional<QByteArray> localPath(const QString& path) {
    const QByteArray local = QFile::encodeName(path);
    if (QFile::decodeName(local) != path)
        return std::nullopt;
    return local;
}

} // namespace

XlsxSheetWriter::XlsxSheetWriter(const QString& worksheetName) {
    if (!m_folder.isValid()) {
        m_setupError =
            QCoreApplication::translate("XlsxSheetWriter", "no temporary folder could be made: %1")
                .arg(m_folder.errorString());
        return;
    }
    const auto folder = localPath(m_folder.path());
    const auto path = localPath(m_folder.filePath(QStringLiteral("sheet.xlsx")));
    if (!folder || !path) {
        m_setupError = QCoreApplication::translate(
                           "XlsxSheetWriter", "the temporary folder %1 has characters outside the "
                                              "system's code page")
                           .arg(m_folder.path());
        return;
    }
    m_folderPath = *folder;
    m_path = *path;
    lxw_workbook_options options{};
    options.tmpdir = m_folderPath.data();
    options.constant_memory = LXW_TRUE;
    m_workbook = workbook_new_opt(m_path.constData(), &options);
    if (!m_workbook) {
        m_setupError = QCoreApplication::translate(
            "XlsxSheetWriter", "the spreadsheet library could not start a workbook");
        return;
    }
    m_worksheet = workbook_add_worksheet(m_workbook, worksheetName.toUtf8().constData());
    m_bold = workbook_add_format(m_workbook);
    format_set_bold(m_bold);
}

XlsxSheetWriter::~XlsxSheetWriter() {
    if (m_workbook)
        workbook_close(m_workbook); // frees it; the file goes with the temporary folder
}

void XlsxSheetWriter::widen(qsizetype characters) {
    if (size_t(m_column) >= m_widths.size())
        m_widths.resize(size_t(m_column) + 1, 0);
    int& width = m_widths[size_t(m_column)];
    width = std::max(width, int(std::min<qsizetype>(characters, maxWidth)));
    ++m_column;
    m_columns = std::max(m_columns, m_column);
}

void XlsxSheetWriter::text(const QString& text) {
    if (m_worksheet && !text.isEmpty()) {
        const lxw_error error =
            worksheet_write_string(m_worksheet, lxw_row_t(m_row), lxw_col_t(m_column),
                                   text.toUtf8().constData(), m_row == 0 ? m_bold : nullptr);
        if (error != LXW_NO_ERROR && m_firstError == 0)
            m_firstError = error;
    }
    widen(text.size());
}

void XlsxSheetWriter::number(qint64 number) {
    if (m_worksheet) {
        const lxw_error error =
            worksheet_write_number(m_worksheet, lxw_row_t(m_row), lxw_col_t(m_column),
                                   double(number), m_row == 0 ? m_bold : nullptr);
        if (error != LXW_NO_ERROR && m_firstError == 0)
            m_firstError = error;
    }
    widen(QString::number(number).size());
}

void XlsxSheetWriter::endRow() {
    ++m_row;
    m_column = 0;
}

std::optional<QByteArray> XlsxSheetWriter::finish(QString* error) {
    if (!m_workbook) {
        *error = m_setupError;
        return std::nullopt;
    }
    for (size_t c = 0; c < m_widths.size(); ++c)
        worksheet_set_column(m_worksheet, lxw_col_t(c), lxw_col_t(c),
                             double(m_widths[c] + widthMargin), nullptr);
    worksheet_freeze_panes(m_worksheet, 1, 0);
    if (m_row > 0 && m_columns > 0)
        worksheet_autofilter(m_worksheet, 0, 0, lxw_row_t(m_row - 1), lxw_col_t(m_columns - 1));
    const lxw_error closed = workbook_close(m_workbook);
    m_workbook = nullptr;
    const lxw_error first = m_firstError != 0 ? lxw_error(m_firstError) : closed;
    if (first != LXW_NO_ERROR) {
        *error = QCoreApplication::translate("XlsxSheetWriter",
                                             "the spreadsheet library refused the workbook: %1")
                     .arg(QString::fromUtf8(lxw_strerror(first)));
        return std::nullopt;
    }
    return WholeFile::read(QFile::decodeName(m_path), error);
}
