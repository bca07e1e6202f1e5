#pragma once

#include "calc/calculatormodel.h"
#include "core/services.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace orbane::calc {

// The modal window "Machine à calculer". It only shows the calculator model: its buttons and
// the key presses on the display line go to the model, the display shows what the model says.
// Meant to be created once and opened with exec() each time: every opening starts with an
// empty expression, while the last answer stays available to ANS.
class Machine : public QDialog
{
    Q_OBJECT
public:
    explicit Machine(QWidget *parent = nullptr, const Services &services = {});

    CalculatorModel &model() { return m_model; }

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildDisplay();
    void buildOptions();
    void buildKeys();
    void showText(const QString &text);
    void focusDisplay();

    CalculatorModel m_model;
    QLineEdit *m_z1 = nullptr;
    QRadioButton *m_angle[2] = {};
    QRadioButton *m_c[2] = {};
};

} // namespace orbane::calc
