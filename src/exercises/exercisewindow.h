#pragma once

#include "exercises/exercisewriter.h"

#include <QByteArray>
#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTextEdit;

namespace orbane::exercises {

// The teacher's window "Exercice": the exercise's title, difficulty and notions, its
// configuration and correction, what the pupil may change or may not see, and the questions.
class ExerciseWindow : public QDialog
{
    Q_OBJECT
public:
    struct Sources
    {
        std::function<QByteArray()> statement;     // the main window's text, as rich text
        std::function<QByteArray()> configuration; // the main window's state, as a file image
        std::function<QString()> summary;          // that state in a few words
        // Writes the exercise; the French reason when it could not.
        std::function<QString(const ExerciseContent &)> save;
    };

    ExerciseWindow(Sources sources, QWidget *parent);

    // An exercise to change ("Modifier l'exercice…"): its fields, files and rules.
    void setContent(const ExerciseContent &content);
    // What the window holds now; the statement is the main window's at this moment.
    ExerciseContent content() const;

    void takeConfiguration();           // "Prendre la configuration actuelle"
    void takeCorrectionConfiguration(); // the same, for the correction
    // "Enregistrer l'exercice…"; true when it was written.
    bool saveExercise();
    QString message() const; // the last check's or save's French message

private:
    QWidget *buildDescription();
    QWidget *buildCorrection();
    QWidget *buildRules();
    QWidget *buildQuestions();
    std::vector<Question> questions(QString *fault) const;
    void showTaken();

    Sources m_sources;
    QLineEdit *m_title = nullptr;
    QComboBox *m_level = nullptr;
    std::array<QLineEdit *, 4> m_notions{};
    QLabel *m_taken = nullptr;
    QTextEdit *m_correction = nullptr;
    QLabel *m_correctionTaken = nullptr;
    std::array<QCheckBox *, kSettings> m_free{};
    std::array<QCheckBox *, kSecrets> m_hidden{};
    QTableWidget *m_questions = nullptr;
    QCheckBox *m_reveal = nullptr;
    QLabel *m_status = nullptr;
    QByteArray m_configuration, m_correctionConfiguration;
    QString m_configurationSummary, m_correctionSummary;
};

} // namespace orbane::exercises
