#include "exercises/optionexo.h"

#include "exercises/exercisecommands.h"

#include <QAction>

namespace orbane::exercises {

OptionExo::OptionExo(ExerciseCommands &commands, QWidget *parent)
    : QMenu(parent), m_commands(commands)
{
    setObjectName(QStringLiteral("optionexo"));
    add("PRISENMAIN", QStringLiteral("Prise en main"), &ExerciseCommands::PRISENMAIN_Click);
    separator("separons1");
    add("openexo", QStringLiteral("Ouvrir un exercice (énoncé + configuration)"),
        &ExerciseCommands::openexo_Click);
    add("opencor", QStringLiteral("Voir la correction"), &ExerciseCommands::opencor_Click);
    separator("separons2");
    add("savetexte", QStringLiteral("Enregistrer le contenu de la fenêtre exercice"),
        &ExerciseCommands::savetexte_Click);
    add("opentexte", QStringLiteral("Retrouver un texte"), &ExerciseCommands::opentexte_Click);
    add("imprimetexte", QStringLiteral("Imprimer le contenu de la fenêtre exercice"),
        &ExerciseCommands::imprimetexte_Click);
    separator("separons3");
    add("Closexo", QStringLiteral("Fermer l'exercice"), &ExerciseCommands::Closexo_Click);
    // The teacher's items, after the pupil's.
    separator("separons4");
    add("creerexo", QStringLiteral("Créer un exercice…"), &ExerciseCommands::createExercise);
    add("modifierexo", QStringLiteral("Modifier l'exercice…"), &ExerciseCommands::changeExercise);
    add("exporterexo", QStringLiteral("Exporter l'exercice…"), &ExerciseCommands::exportExercise);
    // Opening the menu reads the state again.
    connect(this, &QMenu::aboutToShow, this, &OptionExo::updateItems);
}

QAction *OptionExo::add(const char *name, const QString &caption,
                        void (ExerciseCommands::*command)())
{
    QAction *a = addAction(caption);
    a->setObjectName(QLatin1String(name));
    // The menu has hidden itself when an item triggers, before a command opens its windows.
    connect(a, &QAction::triggered, &m_commands, [this, command] { (m_commands.*command)(); });
    return a;
}

void OptionExo::separator(const char *name) { addSeparator()->setObjectName(QLatin1String(name)); }

QAction *OptionExo::item(const char *name) const
{
    return findChild<QAction *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

void OptionExo::updateItems()
{
    item("opencor")->setEnabled(m_commands.correctionAvailable());
    item("Closexo")->setEnabled(m_commands.exerciseOpen());
    item("modifierexo")->setEnabled(m_commands.exerciseFileOpen());
    item("exporterexo")->setEnabled(m_commands.exerciseFileOpen());
}

void OptionExo::btexo_Click(QWidget *btexo)
{
    updateItems();
    popup(btexo->mapToGlobal(QPoint(0, btexo->height())));
}

} // namespace orbane::exercises
