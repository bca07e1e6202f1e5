#include "print/clipboardservice.h"

#include <QClipboard>
#include <QGuiApplication>

namespace orbane::print {

ClipboardService::~ClipboardService() = default;

void QtClipboard::clear()
{
    if (QClipboard *c = QGuiApplication::clipboard())
        c->clear();
}

void QtClipboard::setImage(const QImage &image)
{
    if (QClipboard *c = QGuiApplication::clipboard())
        c->setImage(image);
}

} // namespace orbane::print
