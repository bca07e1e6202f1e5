#pragma once

#include <QMenu>

class QAction;

namespace orbane::exercises {

class ExerciseCommands;

// The exercises menu `optionexo` that the main window pops up under its button `btexo`.
// Each item has its own object name (PRISENMAIN, openexo, opencor, savetexte, opentexte,
// imprimetexte, Closexo; separators separons1 to separons3), so it can be found by name.
class OptionExo : public QMenu
{
    Q_OBJECT
public:
    explicit OptionExo(ExerciseCommands &commands, QWidget *parent = nullptr);

    // `btexo` click: sets which items are offered and pops the menu up under the button.
    void btexo_Click(QWidget *btexo);
    // Enables "Voir la correction" and "Fermer l'exercice" from the current state.
    void updateItems();

    QAction *item(const char *name) const;

private:
    QAction *add(const char *name, const QString &caption, void (ExerciseCommands::*command)());
    void separator(const char *name);

    ExerciseCommands &m_commands;
};

} // namespace orbane::exercises
