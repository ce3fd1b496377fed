#pragma once

#include <QByteArrayView>
#include <QString>

#include <vector>

// The bytes of two versions of a file that differ, less those that the fields already reported
// account for; what is left is reported as bytes, so that a comparison never hides a difference.
class ByteChanges {
public:
    ByteChanges(QByteArrayView before, QByteArrayView after);

    // Bits of the bytes [offset, offset + size) that a reported field accounts for.
    void cover(qint64 offset, qint64 size, quint8 bits = 0xFF);

    struct Run {
        qint64 offset = 0;
        qint64 size = 0;
    };
    // Runs of bytes, within the length both versions share, that differ in uncovered bits.
    std::vector<Run> uncovered() const;

    // The run's bytes in each version, in hexadecimal ("81 0D"; the first 16 at most).
    QString before(const Run& run) const;
    QString after(const Run& run) const;

private:
    QByteArrayView m_before;
    QByteArrayView m_after;
    std::vector<quint8> m_covered;
};
