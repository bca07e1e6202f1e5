#pragma once

#include <QDoubleSpinBox>
#include <QLocale>
#include <QPushButton>
#include <QString>

namespace orbane::pointage {

// A button of the pointage window: Enter in a box does not press it.
inline QPushButton *pushButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// A number box of the pointage window: decimal comma whatever the machine's language, a name
// for tests and one for screen readers.
inline QDoubleSpinBox *numberBox(const QString &name, const QString &accessible, double low,
                                 double high, int decimals, QWidget *parent)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setLocale(QLocale(QLocale::French, QLocale::France));
    box->setRange(low, high);
    box->setDecimals(decimals);
    return box;
}

} // namespace orbane::pointage
