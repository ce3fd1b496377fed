#include "common/workingcopydifference.h"

#include <set>

namespace {

QString counted(qint64 n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

} // namespace

namespace WorkingCopyDifference {

QString describe(QByteArrayView saved, QByteArrayView working, const Records& records) {
    if (saved.size() != working.size())
        return QStringLiteral("the game file holds %1 bytes, the working copy %2")
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
        return counted(otherBytes, "byte differs", "bytes differ");
    if (otherBytes == 0)
        return counted(recordCount, "record differs", "records differ");
    return QStringLiteral("%1 and %2 outside them differ")
        .arg(counted(recordCount, "record", "records"), counted(otherBytes, "byte", "bytes"));
}

} // namespace WorkingCopyDifference
