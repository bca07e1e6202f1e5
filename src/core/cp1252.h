#pragma once

#include <QByteArray>
#include <QString>

// The record files hold 8-bit Windows text (code page 1252).
namespace orbane::cp1252 {
QString decode(const QByteArray &bytes);
// Characters outside the code page become '?'.
QByteArray encode(const QString &text);
} // namespace orbane::cp1252
