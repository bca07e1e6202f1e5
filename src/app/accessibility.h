#pragma once

namespace orbane {

// Makes the hand-drawn controls of the main window readable by screen readers: the tab strip
// (its tabs, and the selected panel with its controls) and the colour swatches (buttons).
void installAccessibility();

} // namespace orbane
