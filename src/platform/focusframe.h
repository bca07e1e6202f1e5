#pragma once

class QPainter;
class QRect;

namespace orbane {

// The keyboard focus of a hand-drawn control: a dotted frame, drawn whatever the style (some
// styles only show it after a Tab key).
void drawFocusFrame(QPainter &p, const QRect &rect);

} // namespace orbane
