#pragma once

#include <QByteArrayView>
#include <QString>

// How a working copy differs from the game file it was decompressed from, in words for the
// question File > Open asks before decompressing over it.
namespace WorkingCopyDifference {

// Where a file's records lie, so that changes are counted by record; `count` 0 counts bytes.
struct Records {
    qint64 start = 0;
    qint64 size = 0;
    int count = 0;
};

// "3 records differ", "1 byte differs", "12 records and 2 bytes outside them differ", "the game
// file holds 10 bytes, the working copy 12"; empty when the two hold the same bytes.
QString describe(QByteArrayView saved, QByteArrayView working, const Records& records);

} // namespace WorkingCopyDifference
