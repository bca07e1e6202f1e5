#pragma once

#include <QRect>
#include <QString>
#include <vector>

namespace orbane::calc {

// Keys whose face is a drawn formula rather than a caption.
enum class Glyph { None, ExpX, TenX, XPowY, XSquared };

// One key of the calculator window: control name, caption, tool tip, place in the window.
struct KeyDef
{
    QString name;
    QString caption;
    QString tooltip;
    QRect geometry;
    Glyph glyph = Glyph::None;
    bool large = false; // a one-character face drawn bigger
};

// Every key of the window, in creation order.
const std::vector<KeyDef> &keyTable();

// The teal panel behind the digit keys, as painted.
inline constexpr QRect kKeypadPanel{QPoint(81, 289), QPoint(205, 420)};

} // namespace orbane::calc
