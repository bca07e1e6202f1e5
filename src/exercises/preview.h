#pragma once

#include <QString>

namespace orbane::exercises {

// What the chooser shows of the selected exercise (`apercu`), read without widgets.
struct Preview
{
    enum class State {
        Blank,      // no file chosen: only "Sélectionner un fichier"
        Unreadable, // the file could not be read
        Shown,
    };
    State state = State::Blank;
    QString status;  // "Exercice corrigé" or "Non corrigé"
    int level = 0;   // lit marks: those whose index is below it
    QString notions; // one line per notion record
    QString title;
    QString refusal; // Unreadable: why its content was refused, when it was read (readExercise)

    bool corrected() const { return status == QLatin1String("Exercice corrigé"); }
    bool markLit(int i) const { return level > i; }
};

Preview apercu(const QString &fichierexo);

} // namespace orbane::exercises
