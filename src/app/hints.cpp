#include "app/hints.h"

#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace orbane {

namespace {
using HintFunction = std::function<QString()>;
}

Hints::Hints(Setter setter, QObject *parent) : QObject(parent), m_setter(std::move(setter)) {}

void Hints::add(QWidget *widget, const QString &hint)
{
    add(widget, [hint] { return hint; });
}

void Hints::add(QWidget *widget, std::function<QString()> hint)
{
    widget->setProperty("orbaneHint", QVariant::fromValue(HintFunction(std::move(hint))));
    widget->setAttribute(Qt::WA_Hover);
    widget->installEventFilter(this);
}

bool Hints::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::HoverEnter) {
        const auto hint = watched->property("orbaneHint").value<HintFunction>();
        if (hint)
            m_setter(hint());
    }
    return false;
}

QString Hints::displayOptions()
{
    return QStringLiteral(
        "Les options d'affichage s'appliquent également à l'image copiée ou imprimée.");
}

QString Hints::window()
{
    return QStringLiteral("Vous pouvez modifier les paramètres,\nouvrir une configuration ou un "
                          "exercice");
}

} // namespace orbane
