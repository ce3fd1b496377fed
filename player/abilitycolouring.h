#pragma once

#include "player/colourbands.h"

#include <QObject>

#include <array>

class QLineEdit;
class QTimer;

// Colours the ability boxes by value band on every tick of the window's checking timer. A colour
// is set only when it changes, so the 2 ms timer costs next to nothing while nothing is typed.
class AbilityColouring : public QObject {
    Q_OBJECT
public:
    static constexpr int boxCount = 25; // every ability box but Dribble Speed

    AbilityColouring(const std::array<QLineEdit*, boxCount>& boxes, QTimer& timer);

    void tick();

private:
    std::array<QLineEdit*, boxCount> m_boxes;
    // What each box shows now; none at first, so that the first tick colours every box.
    std::array<ColourBands::Rgb, boxCount> m_shown;
};
