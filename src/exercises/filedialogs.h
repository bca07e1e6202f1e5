#pragma once

#include "exchange/savechooser.h"

#include <QString>

class QWidget;

namespace orbane::exercises {

// The standard file choosers, behind an interface so tests can script them; the save
// chooser is the export layer's, which the pointage window uses too.
class FileDialogs : public exchange::SaveChooser
{
public:
    ~FileDialogs() override;
    // The chosen path, or empty when the user cancelled. filter is "Label|*.EXT".
    virtual QString openFileName(const QString &filter, const QString &initialName) = 0;
};

// QFileDialog, parented to the main window. Opening starts where the exercises are, saving in
// the save place. The save chooser does not ask about overwriting: the command asks in its own
// words.
class QtFileDialogs final : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    QString openFileName(const QString &filter, const QString &initialName) override;
    QString saveFileName(const QString &filter, const QString &defaultSuffix,
                         const QString &suggestedName = QString()) override;

    // "Texte au format RTF|*.RTF" as QFileDialog wants it, both cases of the pattern listed.
    static QString qtFilter(const QString &filter);

private:
    QWidget *m_parent;
};

} // namespace orbane::exercises
