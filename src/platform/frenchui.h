#pragma once

class QCoreApplication;

namespace orbane {

// Loads Qt's own French translations so standard buttons read "&Oui", "&Non", "Annuler",
// and makes French the default locale of the widgets. Returns false when they are missing.
bool installFrenchTranslations(QCoreApplication &app);

} // namespace orbane
