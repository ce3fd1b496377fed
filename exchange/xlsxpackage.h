#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <optional>

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

    const QString& worksheetPath() const { return m_worksheet; }
    const QString& sharedStringsPath() const { return m_sharedStrings; } // empty: none
    const QString& stylesPath() const { return m_styles; }               // empty: none

private:
    XlsxPackage() = default;
    bool findParts(QString* error);

    zip* m_archive = nullptr;
    QString m_worksheet;
    QString m_sharedStrings;
    QString m_styles;
};
