#include "player/colourbands.h"

#include "common/numbertext.h"

namespace ColourBands {

Rgb forValue(double value) {
    if (value > 94)
        return red;
    if (value > 89)
        return orange;
    if (value > 79)
        return yellow;
    if (value >= 70)
        return green;
    return white; // below 70, so also 69.5
}

Rgb forText(const QString& text) {
    return forValue(NumberText::leadingValue(text));
}

} // namespace ColourBands
