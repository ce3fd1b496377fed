#pragma once

#include "sheetformats/sheetwriter.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// Writes a sheet as an .xlsx workbook of one worksheet with libxlsxwriter: texts as text cells,
// numbers as number cells, the header row bold and frozen, each column as wide as its widest
// cell, and an autofilter over the whole table, so that a user can sort and filter at once.
class XlsxSheetWriter : public SheetWriter {
public:
    explicit XlsxSheetWriter(const QString& worksheetName);
    ~XlsxSheetWriter() override;

    void text(const QString& text) override;
    void number(qint64 number) override;
    void endRow() override;

    // The workbook's bytes; nothing, with the reason in `error`, when it could not be written.
    std::optional<QByteArray> finish(QString* error);

private:
    void widen(qsizetype characters);

    QTemporaryDir m_folder; // libxlsxwriter writes into a file of its own naming
    QByteArray m_path;
    QByteArray m_folderPath;
    lxw_workbook* m_workbook = nullptr;
    lxw_worksheet* m_worksheet = nullptr;
    lxw_format* m_bold = nullptr;
    QString m_setupError;
    int m_row = 0;
    int m_column = 0;
    int m_columns = 0;
    int m_firstError = 0; // the first error libxlsxwriter reported for a cell
    std::vector<int> m_widths;
};
