#include "platform/frenchui.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QStyle>
#include <QTranslator>

namespace orbane {

bool installFrenchTranslations(QCoreApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    auto *translator = new QTranslator(&app);
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_fr"), dir)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

void keepLightPalette()
{
    // Every role set one by one, so that no colour is taken from the desktop's palette later.
    const QPalette light = QApplication::style()->standardPalette();
    QPalette fixed;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            if (role != QPalette::NoRole)
                fixed.setBrush(QPalette::ColorGroup(group), QPalette::ColorRole(role),
                               light.brush(QPalette::ColorGroup(group), QPalette::ColorRole(role)));
    QApplication::setPalette(fixed);
}

} // namespace orbane
