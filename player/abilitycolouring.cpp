#include "player/abilitycolouring.h"

#include "player/colourbands.h"

#include <QLineEdit>
#include <QPalette>
#include <QTimer>

AbilityColouring::AbilityColouring(const std::array<QLineEdit*, boxCount>& boxes, QTimer& timer)
    : QObject(&timer), m_boxes(boxes) {
    m_shown.fill(ColourBands::Rgb{-1, -1, -1});
    connect(&timer, &QTimer::timeout, this, &AbilityColouring::tick);
}

void AbilityColouring::tick() {
    for (int i = 0; i < boxCount; ++i) {
        const ColourBands::Rgb colour = ColourBands::forText(m_boxes[i]->text());
        if (colour == m_shown[i])
            continue;
        m_shown[i] = colour;
        QPalette palette = m_boxes[i]->palette();
        palette.setColor(QPalette::Base, QColor(colour.red, colour.green, colour.blue));
        palette.setColor(QPalette::Text, Qt::black); // the bands are light colours on any theme
        m_boxes[i]->setPalette(palette);
    }
}
