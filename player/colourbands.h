#pragma once

#include <QString>

// The background an ability box gets for the value typed into it, so that strong abilities
// stand out while the user types.
namespace ColourBands {

struct Rgb {
    int red = 255;
    int green = 255;
    int blue = 255;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb green{0, 192, 0};
inline constexpr Rgb yellow{255, 255, 0};
inline constexpr Rgb orange{255, 128, 0};
inline constexpr Rgb red{255, 0, 0};

Rgb forValue(double value);
// The value is the text's leading number (0 for an empty or non-numeric text).
Rgb forText(const QString& text);

} // namespace ColourBands
