#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Windows on screens smaller than they are: at 125 % or 150 % display scaling a laptop's screen
// has fewer logical pixels than the fixed main window needs.
namespace ScreenFit {

// A title bar's and borders' worth, for a window whose frame the window system has not drawn yet.
inline constexpr QSize assumedFrame{16, 38};

// The frame of a window whose frame is `frame` big, on a screen whose free area is `available`:
// no larger than the area, in its middle, and wholly inside it.
QRect place(QSize frame, const QRect& available);

// The part of a fixed layout of `content` that a window can show on the screen beside its
// `chrome` (menu bar, frame): all of it when it fits, else what fits, with scroll bars for the
// rest.
QSize visiblePart(QSize content, QSize chrome, const QRect& available);

// Moves a top-level window so that its frame lies inside the free area of its screen, in the
// middle, and makes it no larger than that area.
void keepOnScreen(QWidget& window);

} // namespace ScreenFit
