#pragma once

class QCoreApplication;

namespace orbane {

// Loads Qt's own French translations so standard buttons read "&Oui", "&Non", "Annuler",
// and makes French the default locale of the widgets. Returns false when they are missing.
bool installFrenchTranslations(QCoreApplication &app);

// The window was drawn for a light palette and several of its parts keep fixed colours: under a
// dark desktop theme the application, dialogs included, keeps the style's light palette.
void keepLightPalette();

} // namespace orbane
