#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

struct zip;

// An .xlsx workbook as a zip archive of XML parts (read with libzip), and the relationships that
// lead from the package to its first worksheet, its shared strings and its styles.
class XlsxPackage {
public:
    // Nothing, with the reason in `error`, when the bytes are no zip archive or hold no workbook.
    static std::unique_ptr<XlsxPackage> open(QByteArrayView bytes, QString* error);
    ~XlsxPackage();

    // A part by its path in the archive; nothing when there is none (`error` empty) or it cannot
    // be read (`error` says why). Parts larger than any sheet of this editor are refused.
    std::optional<QByteArray> part(const QString& path, QString* error) const;

    // The sheets the workbook lists, in its order: worksheets, and chart sheets and the like,
    // which hold no cells.
    struct Sheet {
        QString name;
        QString path;
        bool isWorksheet = false;
    };
    const std::vector<Sheet>& sheets() const { return m_sheets; }
    // The first worksheet's part; empty when the workbook lists none.
    QString worksheetPath() const;
    const QString& sharedStringsPath() const { return m_sharedStrings; } // empty: none
    const QString& stylesPath() const { return m_styles; }               // empty: none

private:
    XlsxPackage() = default;
    bool findParts(QString* error);

    zip* m_archive = nullptr;
    std::vector<Sheet> m_sheets;
    QString m_sharedStrings;
    QString m_styles;
};
