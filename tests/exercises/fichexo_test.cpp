#include "exercises/exerciserig.h"
#include "exercises/fichexo.h"
#include "exercises/fichexowidgets.h"

#include "config/filelists.h"
#include "core/simulation.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::test;
using exercises::Fichexo;

namespace {

class Chooser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeRtf(r.file("E.RTF"), "Enonce");
        writeExerciseFile(r.file("B.E20"), {"E.RTF", "", "", "", "1", "", "Tir", "", "", "", " Bbb "});
        writeExerciseFile(r.file("a.e20"), {"E.RTF", "", "C.RTF", "", "2", "", "Chute", " ", "Masse",
                                            "", "  Premier exercice  "});
        writeRtf(r.file("NOTES.RTF"), "pas un exercice");
        writeExerciseFile(r.file("CONFIG.P08"), {"ORBANE1S"});
        QDir(r.program.path()).mkdir(QStringLiteral("vide"));
        main.setGeometry(40, 50, 800, 600);
        main.setWindowTitle(QStringLiteral("Orbane 1S"));
    }

    template <class T> T *child(Fichexo &w, const char *name)
    {
        T *c = w.findChild<T *>(QLatin1String(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }

    QStringList listed(Fichexo &w)
    {
        QStringList names;
        auto *list = child<QListWidget>(w, "File1");
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }

    ExerciseRig r;
    QWidget main;
};

TEST_F(Chooser, ListsOnlyExerciseFilesAndPreviewsTheFirstOne)
{
    Fichexo w(r.commands, &main);
    EXPECT_EQ(listed(w), (QStringList{"a.e20", "B.E20"}));
    w.show();
    EXPECT_EQ(w.fichierexo(), r.file("a.e20"));
    EXPECT_EQ(r.rig.sim.s.nomexo, r.program.path() + '/');
    EXPECT_EQ(child<QLabel>(w, "titratexo")->text(), QStringLiteral("Premier exercice"));
    EXPECT_EQ(child<QLabel>(w, "Label2")->text(), QStringLiteral("Exercice corrigé"));
    EXPECT_EQ(child<QLabel>(w, "Label3")->text(), QStringLiteral("Exercice corrigé"));
    EXPECT_EQ(child<QLabel>(w, "Label3")->pos(), child<QLabel>(w, "Label2")->pos() + QPoint(2, 2));
    EXPECT_EQ(child<QPlainTextEdit>(w, "Text1")->toPlainText(), QStringLiteral("Chute\nMasse"));
    EXPECT_FALSE(child<QLabel>(w, "intratro")->isVisible());
    EXPECT_TRUE(child<QToolButton>(w, "ouvreur")->isVisible());
    EXPECT_EQ(child<QToolButton>(w, "ouvreur")->toolTip(), QStringLiteral("Ouvrir l'exercice sélectionné"));
    EXPECT_EQ(child<QToolButton>(w, "Image5")->toolTip(), QStringLiteral("Fermer sans charger d'exercice"));
    // Difficulty 2: marks 0 and 1 lit, mark 2 dark, all shown.
    QList<bool> lit;
    for (QLabel *mark : w.findChildren<QLabel *>(QStringLiteral("Image4"))) {
        EXPECT_TRUE(mark->isVisible());
        lit << mark->property("lit").toBool();
    }
    EXPECT_EQ(lit, (QList<bool>{true, true, false}));
}

TEST_F(Chooser, ClickingAnotherFileShowsItsPreview)
{
    Fichexo w(r.commands, &main);
    w.show();
    auto *list = child<QListWidget>(w, "File1");
    list->setCurrentRow(1);
    EXPECT_EQ(w.fichierexo(), r.file("B.E20"));
    EXPECT_EQ(child<QLabel>(w, "titratexo")->text(), QStringLiteral("Bbb"));
    EXPECT_EQ(child<QLabel>(w, "Label2")->text(), QStringLiteral("Non corrigé"));
    QList<bool> lit;
    for (QLabel *mark : w.findChildren<QLabel *>(QStringLiteral("Image4")))
        lit << mark->property("lit").toBool();
    EXPECT_EQ(lit, (QList<bool>{true, false, false}));
}

TEST_F(Chooser, AnEmptyFolderLeavesOnlyThePrompt)
{
    Fichexo w(r.commands, &main);
    w.showFolder(r.file("vide"));
    w.show();
    EXPECT_TRUE(listed(w).isEmpty());
    EXPECT_TRUE(w.fichierexo().isEmpty());
    EXPECT_TRUE(child<QLabel>(w, "intratro")->isVisible());
    EXPECT_EQ(child<QLabel>(w, "intratro")->text(), QStringLiteral("Sélectionner un fichier"));
    EXPECT_FALSE(child<QToolButton>(w, "ouvreur")->isVisible());
    EXPECT_FALSE(child<QLabel>(w, "Label4")->isVisible());
    w.ouvreur_Click(); // nothing chosen: nothing happens
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(r.messages(), 0);
}

// The selection follows a change of folder: the new folder's first exercise, or nothing at
// all in a folder without exercises, where opening does nothing.
TEST_F(Chooser, AChangeOfFolderMovesTheSelectionWithIt)
{
    QDir(r.program.path()).mkdir(QStringLiteral("autre"));
    writeExerciseFile(r.file("autre/C.E20"), {"E.RTF", "", "", "", "3", "", "", "", "", "", "Ccc"});
    Fichexo w(r.commands, &main);
    w.show();
    ASSERT_EQ(w.fichierexo(), r.file("a.e20"));
    auto *folders = child<config::FolderList>(w, "Dir1");
    ASSERT_TRUE(folders->setPath(r.file("autre")));
    EXPECT_EQ(w.fichierexo(), r.file("autre/C.E20"));
    EXPECT_EQ(child<QLabel>(w, "titratexo")->text(), QStringLiteral("Ccc"));

    ASSERT_TRUE(folders->setPath(r.file("vide")));
    EXPECT_TRUE(w.fichierexo().isEmpty());
    EXPECT_TRUE(child<QLabel>(w, "titratexo")->text().isEmpty());
    EXPECT_TRUE(child<QLabel>(w, "intratro")->isVisible());
    EXPECT_FALSE(child<QToolButton>(w, "ouvreur")->isVisible());
    w.ouvreur_Click();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(r.fich.text().isEmpty());
    EXPECT_EQ(r.messages(), 0);
}

TEST_F(Chooser, LiesOverTheMainWindow)
{
    Fichexo w(r.commands, &main);
    EXPECT_EQ(w.geometry(), main.geometry());
    EXPECT_EQ(w.windowTitle(), main.windowTitle());
    auto *tito = w.findChild<exercises::TitleBand *>(QStringLiteral("tito"));
    ASSERT_NE(tito, nullptr);
    EXPECT_EQ(tito->text(), QStringLiteral("Ouvrir un exercice"));
    // Letter k of n in RGB(255, 255, k / n * 100 + 155): pale yellow to white.
    EXPECT_EQ(exercises::TitleBand::letterBlue(1, 18), 161);
    EXPECT_EQ(exercises::TitleBand::letterBlue(9, 18), 205);
    EXPECT_EQ(exercises::TitleBand::letterBlue(18, 18), 255);
}

TEST_F(Chooser, OpeningTheSelectedExerciseClosesTheChooser)
{
    Fichexo w(r.commands, &main);
    w.show();
    QTest::mouseClick(child<QToolButton>(w, "ouvreur"), Qt::LeftButton);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(r.fich.text(), r.file("a.e20"));
    EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Enonce"));
    EXPECT_FALSE(child<QFrame>(w, "Frame2")->isVisible());
}

TEST_F(Chooser, EnterInTheListOpensAndAFailureKeepsTheChooserOpen)
{
    writeExerciseFile(r.file("a.e20"), {"ABSENT.RTF"});
    Fichexo w(r.commands, &main);
    w.show();
    QTest::keyClick(child<QListWidget>(w, "File1"), Qt::Key_Return);
    EXPECT_EQ(r.lastTitle(), QStringLiteral("Fichier absent"));
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(child<QFrame>(w, "Frame2")->isVisible());
    QTest::mouseClick(child<QToolButton>(w, "Image5"), Qt::LeftButton);
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_TRUE(r.fich.text().isEmpty());
}

TEST_F(Chooser, AnUnreadableFileSaysSoInThePreview)
{
    QFile bad(r.file("a.e20"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray("\x7F\x00", 2)); // a length no record can hold
    bad.close();
    Fichexo w(r.commands, &main);
    w.show();
    EXPECT_EQ(r.lastTitle(), QStringLiteral("Lecture impossible"));
    EXPECT_TRUE(child<QLabel>(w, "titratexo")->text().isEmpty());
}

} // namespace
