#include "sheetformats/xlsxpackage.h"

#include "common/wholefile.h"

#include <QCoreApplication>
#include <QHash>
#include <QXmlStreamReader>

#include <zip.h>

namespace {

constexpr char packageRelationships[] = "_rels/.rels";
constexpr char defaultWorkbook[] = "xl/workbook.xml";
constexpr QStringView officeDocumentType = u"/officeDocument";
constexpr QStringView sharedStringsType = u"/sharedStrings";
constexpr QStringView stylesType = u"/styles";
constexpr QStringView worksheetType = u"/worksheet";
constexpr QLatin1String
    relationshipsNamespace("http://schemas.openxmlformats.org/officeDocument/2006/relationships");

struct Relationship {
    QString type;
    QString target; // resolved to a path in the archive
};

// A target relative to the folder of the part whose relationships name it, or absolute from the
// package's root; "." and ".." resolved.
QString resolved(const QString& folder, const QString& target) {
    QStringList parts =
        target.startsWith(u'/') ? QStringList() : folder.split(u'/', Qt::SkipEmptyParts);
    for (const QString& part : target.split(u'/', Qt::SkipEmptyParts)) {
        if (part == u"..") {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (part != u".") {
            parts << part;
        }
    }
    return parts.join(u'/');
}

QString folderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash);
}

// The relationships of the part at `path`, by their ID.
QHash<QString, Relationship> relationshipsOf(const XlsxPackage& package, const QString& path,
                                             QString* error) {
    const QString folder = folderOf(path);
    const QString relsPath =
        (folder.isEmpty() ? QString() : folder + u'/') + QStringLiteral("_rels/") +
        path.mid(folder.isEmpty() ? 0 : folder.size() + 1) + QStringLiteral(".rels");
    QHash<QString, Relationship> result;
    const auto xml = package.part(relsPath, error);
    if (!xml)
        return result;
    QXmlStreamReader reader(*xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"Relationship") {
            const auto attributes = reader.attributes();
            result.insert(attributes.value(QLatin1String("Id")).toString(),
                          {attributes.value(QLatin1String("Type")).toString(),
                           resolved(folder, attributes.value(QLatin1String("Target")).toString())});
        }
    }
    return result;
}

} // namespace

std::unique_ptr<XlsxPackage> XlsxPackage::open(QByteArrayView bytes, QString* error) {
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t* source =
        zip_source_buffer_create(bytes.data(), zip_uint64_t(bytes.size()), 0, &zipError);
    zip* archive = source ? zip_open_from_source(source, ZIP_RDONLY, &zipError) : nullptr;
    if (!archive) {
        *error =
            QCoreApplication::translate(
                "XlsxPackage", "it is not a readable zip archive, as an .xlsx workbook is (%1).")
                .arg(QString::fromUtf8(zip_error_strerror(&zipError)));
        zip_source_free(source);
        zip_error_fini(&zipError);
        return nullptr;
    }
    zip_error_fini(&zipError);
    std::unique_ptr<XlsxPackage> package(new XlsxPackage);
    package->m_archive = archive;
    if (!package->findParts(error))
        return nullptr;
    return package;
}

XlsxPackage::~XlsxPackage() {
    if (m_archive)
        zip_discard(m_archive);
}

std::optional<QByteArray> XlsxPackage::part(const QString& path, QString* error) const {
    error->clear();
    const zip_int64_t index = zip_name_locate(m_archive, path.toUtf8().constData(), ZIP_FL_NOCASE);
    if (index < 0)
        return std::nullopt;
    zip_stat_t stat;
    if (zip_stat_index(m_archive, zip_uint64_t(index), 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE) || stat.size > zip_uint64_t(WholeFile::maxSize)) {
        *error = QCoreApplication::translate(
                     "XlsxPackage", "the part %1 of the workbook is larger than %2 bytes or of no "
                                    "known size.")
                     .arg(path)
                     .arg(WholeFile::maxSize);
        return std::nullopt;
    }
    zip_file_t* file = zip_fopen_index(m_archive, zip_uint64_t(index), 0);
    QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
    // One byte more than the size given asks whether the archive tells the truth about it.
    char extra = 0;
    const zip_int64_t read = file ? zip_fread(file, bytes.data(), stat.size) : -1;
    const zip_int64_t more = file && read >= 0 ? zip_fread(file, &extra, 1) : -1;
    const QString why = file ? QString::fromUtf8(zip_file_strerror(file))
                             : QString::fromUtf8(zip_strerror(m_archive));
    if (file)
        zip_fclose(file);
    if (read != zip_int64_t(stat.size) || more != 0) {
        *error = QCoreApplication::translate("XlsxPackage",
                                             "the part %1 of the workbook cannot be unpacked: %2")
                     .arg(path, why);
        return std::nullopt;
    }
    return bytes;
}

bool XlsxPackage::findParts(QString* error) {
    QString workbook = QString::fromLatin1(defaultWorkbook);
    for (const Relationship& r : relationshipsOf(*this, QString(), error))
        if (r.type.endsWith(officeDocumentType))
            workbook = r.target;
    if (!error->isEmpty())
        return false;
    const auto xml = part(workbook, error);
    if (!xml) {
        if (error->isEmpty())
            *error = QCoreApplication::translate(
                         "XlsxPackage", "the zip archive holds no workbook (%1), so it is no .xlsx "
                                        "file.")
                         .arg(workbook);
        return false;
    }
    const QHash<QString, Relationship> relationships = relationshipsOf(*this, workbook, error);
    if (!error->isEmpty())
        return false;
    for (const Relationship& r : relationships) {
        if (r.type.endsWith(sharedStringsType))
            m_sharedStrings = r.target;
        else if (r.type.endsWith(stylesType))
            m_styles = r.target;
    }
    QXmlStreamReader reader(*xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"sheet") {
            const auto attributes = reader.attributes();
            const Relationship target = relationships.value(
                attributes.value(relationshipsNamespace, QLatin1String("id")).toString());
            if (!target.target.isEmpty())
                m_sheets.push_back({attributes.value(QLatin1String("name")).toString(),
                                    target.target, target.type.endsWith(worksheetType)});
        }
    }
    if (reader.hasError()) {
        *error = QCoreApplication::translate("XlsxPackage",
                                             "the workbook part %1 is not well-formed XML: %2")
                     .arg(workbook, reader.errorString());
        return false;
    }
    return true;
}

QString XlsxPackage::worksheetPath() const {
    for (const Sheet& sheet : m_sheets)
        if (sheet.isWorksheet)
            return sheet.path;
    return {};
}
