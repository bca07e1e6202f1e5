#include "app/colourchooser.h"

#include <QColorDialog>

namespace orbane {

ColourChooser::~ColourChooser() = default;

std::optional<Rgb> QtColourChooser::choose(Rgb current, QWidget *parent)
{
    const QColor chosen =
        QColorDialog::getColor(QColor::fromRgb(current), parent, QStringLiteral("Couleur"));
    if (!chosen.isValid())
        return std::nullopt;
    return rgb(chosen.red(), chosen.green(), chosen.blue());
}

} // namespace orbane
