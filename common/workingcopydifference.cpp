#include "common/workingcopydifference.h"

#include <QCoreApplication>

#include <set>

namespace WorkingCopyDifference {

QString describe(QByteArrayView saved, QByteArrayView working, const Records& records) {
    if (saved.size() != working.size())
        return QCoreApplication::translate("WorkingCopyDifference",
                                           "the game file holds %1 bytes, the working copy %2")
            .arg(saved.size())
            .arg(working.size());
    const qint64 recordsEnd = records.start + records.size * records.count;
    std::set<qint64> changedRecords;
    qint64 otherBytes = 0;
    for (qint64 i = 0; i < saved.size(); ++i) {
        if (saved[i] == working[i])
            continue;
        if (records.count > 0 && i >= records.start && i < recordsEnd)
            changedRecords.insert((i - records.start) / records.size);
        else
            ++otherBytes;
    }
    const auto recordCount = qint64(changedRecords.size());
    if (recordCount == 0 && otherBytes == 0)
        return {};
    if (recordCount == 0)
        return (otherBytes == 1
                    ? QCoreApplication::translate("WorkingCopyDifference", "%1 byte differs")
                    : QCoreApplication::translate("WorkingCopyDifference", "%1 bytes differ"))
            .arg(otherBytes);
    if (otherBytes == 0)
        return (recordCount == 1
                    ? QCoreApplication::translate("WorkingCopyDifference", "%1 record differs")
                    : QCoreApplication::translate("WorkingCopyDifference", "%1 records differ"))
            .arg(recordCount);
    const QString recordsText =
        (recordCount == 1 ? QCoreApplication::translate("WorkingCopyDifference", "%1 record")
                          : QCoreApplication::translate("WorkingCopyDifference", "%1 records"))
            .arg(recordCount);
    const QString bytesText =
        (otherBytes == 1 ? QCoreApplication::translate("WorkingCopyDifference", "%1 byte")
                         : QCoreApplication::translate("WorkingCopyDifference", "%1 bytes"))
            .arg(otherBytes);
    //: %1 is "12 records", %2 is "2 bytes": the bytes outside the records.
    return QCoreApplication::translate("WorkingCopyDifference", "%1 and %2 outside them differ")
        .arg(recordsText, bytesText);
}

} // namespace WorkingCopyDifference
