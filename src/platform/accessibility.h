#pragma once

class QAbstractScrollArea;
class QString;

namespace orbane {

// Screen-reader interfaces for the platform's own controls (the up-down control is a spin box
// with a value that assistive tools can read and set). Installing twice does nothing.
void installPlatformAccessibility();

// Screen readers say what the scroll bars of an area move ("Faire défiler le texte").
void nameScrollBars(QAbstractScrollArea *area, const QString &name);

} // namespace orbane
