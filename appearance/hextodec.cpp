#include "appearance/hextodec.h"

qint32 HextoDec(const QString& HexNum) {
    // Computed in 64 bits and wrapped, as a 32-bit result overflows for more than eight digits.
    quint64 result = 0;
    for (const QChar c : HexNum) {
        const char16_t u = c.toUpper().unicode();
        int digit = 0;
        if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        else if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        result = result * 16 + static_cast<quint64>(digit);
    }
    return static_cast<qint32>(static_cast<quint32>(result));
}
