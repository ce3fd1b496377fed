#pragma once

#include "sheetformats/sheetwriter.h"

#include <QByteArray>
#include <QString>

// Tab-separated text as spreadsheet programs copy and paste cells: cells as they are shown (no
// quotes; a tab or line break inside a cell becomes a blank), one line per row.
class TsvWriter : public SheetWriter {
public:
    void text(const QString& text) override;
    void number(qint64 number) override;
    void endRow() override;

    QString take() { return std::move(m_text); }

private:
    void separate();

    QString m_text;
    bool m_rowStarted = false;
};
