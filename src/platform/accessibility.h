#pragma once

namespace orbane {

// Screen-reader interfaces for the platform's own controls (the up-down control is a spin box
// with a value that assistive tools can read and set). Installing twice does nothing.
void installPlatformAccessibility();

} // namespace orbane
