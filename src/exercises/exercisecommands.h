#pragma once

#include "core/services.h"
#include "exercises/exercisewindow.h"
#include "exercises/richtextfile.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QLineEdit;
class QTextDocument;
class QTextEdit;

namespace orbane {
class Simulation;
}

namespace orbane::config {
class ConfigSession;
}

namespace orbane::exercises {

class FileDialogs;
class QuestionsWindow;
struct ExerciseFile;
struct ExerciseRules;

// The exercises menu's commands and the chooser's open command, working on the main window's
// rich-text box `supertext` and file-name box `fich`. The shared variables `nomexo`,
// `exocharge` and `textemodif` are those of the simulation's state.
class ExerciseCommands : public QObject
{
    Q_OBJECT
public:
    ExerciseCommands(Simulation &sim, config::ConfigSession &session, QTextEdit *supertext,
                     QLineEdit *fich, Dialogs &dialogs, FileDialogs &files,
                     QObject *parent = nullptr);

    // What the commands need from the window above; each has a default.
    struct Actions
    {
        // `bienvenue`: puts the welcome text back (and makes the box read-only).
        std::function<void()> bienvenue;
        // Prints a document after the printer set-up dialog (cancelling it prints nothing).
        std::function<void(const QTextDocument &)> print;
        // Loads a configuration file into the simulator; by default `chargeconfig`, which
        // shows its own messages.
        std::function<void(const QString &path)> loadConfig;
        // Shows the chooser, modal; true when an exercise was opened from it. By default the
        // window `Fichexo` over the main window.
        std::function<bool()> chooser;
        // Gives a text to the screen reader, wherever the focus is; by default nothing.
        std::function<void(const QString &)> say;
    };
    Actions &actions() { return m_actions; }

    // The menu's items.
    void PRISENMAIN_Click();
    void openexo_Click();
    void opencor_Click();
    void savetexte_Click();
    void opentexte_Click();
    void imprimetexte_Click();
    void Closexo_Click();
    // "Créer un exercice…" and "Modifier l'exercice…" (the open one): the teacher's window.
    void createExercise();
    void changeExercise();
    // "Exporter l'exercice…": the open exercise with its files, as one archive (".e20z").
    void exportExercise();
    // The exercise file the teacher's window wrote last; empty when none.
    QString authored() const { return m_authored; }
    // The teacher's window while it is open.
    ExerciseWindow *authoringWindow() const { return m_authoring; }

    // `ouvreur`: opens the exercise file `fichierexo` (statement and configuration); true when
    // the chooser may close. Its failures leave what was loaded already. An archive is
    // unpacked first (openArchive).
    bool ouvreur(const QString &fichierexo);
    // Unpacks an exercise archive into a folder of its own in the save place
    // ("<documents>/Orbane 1S/Exercices/NAME"), replacing an earlier unpacking, and opens it.
    bool openArchive(const QString &archive);
    // The same for an exercise read already from `fichierexo`: its configuration is loaded,
    // then its rules fix settings and show its questions.
    bool openExercise(const ExerciseFile &exercise, const QString &fichierexo);
    // An exercise handed over by the courseware suite: a file name in the program's folder.
    bool openHandedOver(const QString &name);

    // "Voir la correction" is offered when the exercise in use has a correction.
    bool correctionAvailable() const;
    // "Fermer l'exercice" is offered when a text belongs to a file.
    bool exerciseOpen() const;
    // "Modifier l'exercice…" and "Exporter l'exercice…" are offered when that file is an
    // exercise's.
    bool exerciseFileOpen() const;
    // The open exercise's questions; none when it has none.
    QuestionsWindow *questionsWindow() const;
    // A text is being loaded: events are handled meanwhile, and nothing else may load one.
    bool loading() const { return m_loading; }

    Simulation &simulation() { return m_sim; }
    config::ConfigSession &session() { return m_session; }
    QString programDir() const;
    // The "Lecture impossible" message, also shown by the chooser's preview; a file whose content
    // was refused says why (readExercise's refusal).
    void unreadableExercise(const QString &refusal = QString());

private:
    bool confirmDiscard();
    rtf::LoadResult loadText(const QString &path);
    bool loadNamedText(const QString &name);
    // "Le fichier <name> ne peut pas être lu comme <asWhat> : <reason>."
    void unreadableFile(const QString &name, const QString &asWhat, const QString &reason,
                        const QString &title);
    void refusedName(const QString &name);
    bool loadExerciseConfig(const QString &name);
    void setReadOnly(bool readOnly);
    // "Le fichier <name> est introuvable dans le dossier <folder> (il accompagne l'exercice <file>)."
    void missingFile(const QString &name);
    // Asks before a save replaces a file; true when it may.
    bool confirmOverwrite(const QString &path);
    void writeFailed(const QString &path, const QString &reason);
    // The exercise in use gives way: every setting is free, its questions are closed.
    void release();
    void applyRules(const ExerciseRules &rules);
    ExerciseWindow::Sources authoringSources();
    QString saveAuthored(const ExerciseContent &content);
    ExerciseWindow *openAuthoring();

    Simulation &m_sim;
    config::ConfigSession &m_session;
    QTextEdit *m_supertext;
    QLineEdit *m_fich;
    Dialogs &m_dialogs;
    FileDialogs &m_files;
    Actions m_actions;
    QPointer<QuestionsWindow> m_questions;
    QString m_authored;
    QPointer<ExerciseWindow> m_authoring;
    QString m_companionsOf; // the exercise file whose named files are being loaded
    int m_loads = 0; // texts loaded into the box so far
    bool m_loading = false;
};

} // namespace orbane::exercises
