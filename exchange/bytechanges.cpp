#include "exchange/bytechanges.h"

#include <algorithm>

namespace {

constexpr qint64 describedBytes = 16;

QString hex(QByteArrayView bytes) {
    QString text = QString::fromLatin1(
        bytes.first(std::min(bytes.size(), describedBytes)).toByteArray().toHex(' ').toUpper());
    if (bytes.size() > describedBytes)
        text += QStringLiteral(" …");
    return text;
}

} // namespace

ByteChanges::ByteChanges(QByteArrayView before, QByteArrayView after)
    : m_before(before), m_after(after),
      m_covered(size_t(std::min(before.size(), after.size())), quint8(0)) {}

void ByteChanges::cover(qint64 offset, qint64 size, quint8 bits) {
    const qint64 end = std::min<qint64>(offset + size, qint64(m_covered.size()));
    for (qint64 at = std::max<qint64>(offset, 0); at < end; ++at)
        m_covered[size_t(at)] |= bits;
}

std::vector<ByteChanges::Run> ByteChanges::uncovered() const {
    std::vector<Run> runs;
    const qint64 size = qint64(m_covered.size());
    const auto differs = [&](qint64 at) {
        return ((m_before[at] ^ m_after[at]) & ~m_covered[size_t(at)] & 0xFF) != 0;
    };
    for (qint64 at = 0; at < size; ++at) {
        if (!differs(at))
            continue;
        if (!runs.empty() && runs.back().offset + runs.back().size == at)
            ++runs.back().size;
        else
            runs.push_back({at, 1});
    }
    return runs;
}

QString ByteChanges::before(const Run& run) const {
    return hex(m_before.sliced(run.offset, run.size));
}

QString ByteChanges::after(const Run& run) const {
    return hex(m_after.sliced(run.offset, run.size));
}
