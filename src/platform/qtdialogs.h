#pragma once

#include "core/services.h"

class QWidget;

namespace orbane {

// Message boxes through QMessageBox, parented to the main window.
class QtDialogs final : public Dialogs
{
public:
    explicit QtDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    MsgAnswer message(const QString &prompt, const QString &title, MsgIcon icon,
                      MsgButtons buttons) override;

private:
    QWidget *m_parent;
};

} // namespace orbane
