#include "player/playerrecord.h"

#include "common/gametext.h"

#include <QtEndian>

namespace {

template <typename T> T readLittleEndian(QByteArrayView bytes, qint64 offset) {
    return qFromLittleEndian<T>(bytes.data() + offset);
}

} // namespace

PlayerRecord PlayerRecord::decode(QByteArrayView record) {
    namespace L = PlayerLayout;
    Q_ASSERT(record.size() >= L::recordSize);
    // Field offsets are given from the name offset N, which lies this far into the record.
    const auto at = [](qint64 fromName) { return L::nameOffsetInRecord + fromName; };
    const auto byte = [&](qint64 fromName) { return static_cast<quint8>(record[at(fromName)]); };

    PlayerRecord r;
    r.id = readLittleEndian<qint32>(record, at(L::playerId));
    r.name = GameText::decode(record.sliced(at(L::name), L::nameWidth));
    r.shirtName = GameText::decode(record.sliced(at(L::shirtName), L::shirtNameWidth));
    r.spacing = byte(L::spacing);
    r.foot = byte(L::foot);
    r.positionCode = byte(L::positionCode);
    for (int slot = 0; slot < L::abilityBlockSize; ++slot)
        r.abilityBlock[slot] = byte(L::abilityBlock + slot);
    r.height = byte(L::height);
    r.weight = byte(L::weight);
    r.rawWord = readLittleEndian<qint16>(record, at(L::rawWord));
    r.faceBase = readLittleEndian<qint16>(record, at(L::faceBase));
    r.hairBase = readLittleEndian<qint16>(record, at(L::hairBase));
    r.age = byte(L::age);
    return r;
}

namespace PlayerValues {

QString hexText(quint16 value) {
    return QString::number(value, 16).toUpper();
}

} // namespace PlayerValues
