#include "exercises/exercisewindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace orbane::exercises;

namespace {

struct WindowTest : ::testing::Test
{
    std::optional<ExerciseContent> saved;
    QString refusal; // what the save answers
    ExerciseWindow window{{[] { return QByteArray("{\\rtf1 enonce}"); },
                           [] { return QByteArray("P08 image"); },
                           [] { return QStringLiteral("Lune, ballon"); },
                           [this](const ExerciseContent &d) {
                               saved = d;
                               return refusal;
                           }},
                          nullptr};

    template <class T> T *child(const char *name)
    {
        return window.findChild<T *>(QLatin1String(name));
    }
    void question(int row, const char *text, const char *expected, const char *unit,
                  const char *tolerance)
    {
        auto *table = child<QTableWidget>("questions");
        const char *texts[] = {text, expected, unit, tolerance};
        for (int c = 0; c < 4; ++c)
            table->setItem(row, c, new QTableWidgetItem(QString::fromUtf8(texts[c])));
    }
};

} // namespace

// The teacher's fields, rules and questions reach the exercise written, with the main window's
// text and the configuration taken when the button was pressed.
TEST_F(WindowTest, WhatTheTeacherWroteIsSaved)
{
    child<QLineEdit>("titre")->setText(QStringLiteral("La planète inconnue"));
    child<QComboBox>("difficulte")->setCurrentIndex(2);
    child<QLineEdit>("notion2")->setText(QStringLiteral("Chute libre"));
    child<QCheckBox>("libre0")->setChecked(false); // the place is fixed
    child<QCheckBox>("cache0")->setChecked(true);  // g is hidden
    child<QCheckBox>("montrerReponse")->setChecked(true);
    question(1, "Quelle est la valeur de g ?", "3,71", "m.s⁻²", "3");

    EXPECT_FALSE(window.saveExercise()); // no configuration taken yet
    EXPECT_FALSE(saved);
    EXPECT_TRUE(window.message().startsWith(QStringLiteral("Prenez d'abord")));

    window.takeConfiguration();
    ASSERT_TRUE(window.saveExercise());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->title, QStringLiteral("La planète inconnue"));
    EXPECT_EQ(saved->level, 2);
    EXPECT_EQ(saved->notions.value(1), QStringLiteral("Chute libre"));
    EXPECT_EQ(saved->statement, QByteArray("{\\rtf1 enonce}"));
    EXPECT_EQ(saved->configuration, QByteArray("P08 image"));
    EXPECT_FALSE(saved->correction);
    EXPECT_FALSE(saved->correctionConfiguration);
    EXPECT_FALSE(saved->rules.isFree(Setting::Place));
    EXPECT_TRUE(saved->rules.isFree(Setting::Alpha));
    EXPECT_TRUE(saved->rules.isHidden(Secret::G));
    EXPECT_TRUE(saved->rules.revealAfterTries);
    ASSERT_EQ(saved->rules.questions.size(), 1u);
    EXPECT_EQ(saved->rules.questions[0].text, QStringLiteral("Quelle est la valeur de g ?"));
    EXPECT_DOUBLE_EQ(saved->rules.questions[0].expected, 3.71);
    EXPECT_EQ(saved->rules.questions[0].unit, QStringLiteral("m.s⁻²"));
    EXPECT_DOUBLE_EQ(saved->rules.questions[0].tolerance, 3.0);

    // Opened again for a change, the window shows the same exercise.
    ExerciseWindow again({}, nullptr);
    again.setContent(*saved);
    const ExerciseContent back = again.content();
    EXPECT_EQ(back.title, saved->title);
    EXPECT_EQ(back.rules.free, saved->rules.free);
    EXPECT_EQ(back.rules.hidden, saved->rules.hidden);
    ASSERT_EQ(back.rules.questions.size(), 1u);
    EXPECT_DOUBLE_EQ(back.rules.questions[0].expected, 3.71);
    EXPECT_EQ(back.configuration, saved->configuration);
}

// A question without a number, or a save that fails, is said and nothing is reported written.
TEST_F(WindowTest, AFaultIsSaidInFrench)
{
    child<QLineEdit>("titre")->setText(QStringLiteral("Essai"));
    window.takeConfiguration();
    question(0, "Combien ?", "beaucoup", "m", "");
    EXPECT_FALSE(window.saveExercise());
    EXPECT_FALSE(saved);
    EXPECT_TRUE(window.message().contains(QStringLiteral("question 1")));

    question(0, "Combien ?", "12", "m", "");
    refusal = QStringLiteral("Le disque est plein.");
    EXPECT_FALSE(window.saveExercise());
    EXPECT_EQ(window.message(), refusal);
    ASSERT_TRUE(saved);
    EXPECT_DOUBLE_EQ(saved->rules.questions.at(0).tolerance, 5.0); // the default tolerance
}
