#include "shell/screenfit.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ScreenFit {

QRect place(QSize frame, const QRect& available) {
    const QSize size = frame.boundedTo(available.size());
    QRect placed(QPoint(), size);
    placed.moveCenter(available.center());
    // The centre of an even-sized area rounds down; the frame never starts outside the area.
    placed.moveLeft(
        std::clamp(placed.left(), available.left(), available.right() - size.width() + 1));
    placed.moveTop(
        std::clamp(placed.top(), available.top(), available.bottom() - size.height() + 1));
    return placed;
}

QSize visiblePart(QSize content, QSize chrome, const QRect& available) {
    return content.boundedTo((available.size() - chrome).expandedTo(QSize(1, 1)));
}

void keepOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QSize frameExtra =
        window.isVisible() ? window.frameGeometry().size() - window.size() : assumedFrame;
    const QRect available = screen->availableGeometry();
    const QRect frame = place(window.size() + frameExtra, available);
    const QSize inside = frame.size() - frameExtra;
    if (inside != window.size())
        window.resize(inside);
    window.move(frame.topLeft());
}

} // namespace ScreenFit
