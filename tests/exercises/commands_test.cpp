#include "exercises/exerciserig.h"
#include "support/pipes.h"
#include "exercises/optionexo.h"
#include "exercises/preview.h"

#include "core/simulation.h"
#include "exercises/richtextfile.h"
#include "exercises/textprinting.h"

#include "exercises/exercisewindow.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::test;
using exercises::Preview;

namespace {

const QString kLoss = QStringLiteral("Abandon des données?");

// ---- preview ---------------------------------------------------------------------------------

struct PreviewCase
{
    const char *name;
    QStringList records;
    const char *status;
    std::array<bool, 3> lit;
    const char *notions;
    const char *title;
};

void PrintTo(const PreviewCase &c, std::ostream *os) { *os << c.name; }

class PreviewCases : public ::testing::TestWithParam<PreviewCase>
{};

TEST_P(PreviewCases, ShowsStatusMarksNotionsAndTitle)
{
    ExerciseRig r;
    const QString path = r.file(QStringLiteral("EXO.E20"));
    writeExerciseFile(path, GetParam().records);
    const Preview p = exercises::apercu(path);
    ASSERT_EQ(p.state, Preview::State::Shown);
    EXPECT_EQ(p.status, QString::fromUtf8(GetParam().status));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(p.markLit(i), GetParam().lit[i]) << "mark " << i;
    EXPECT_EQ(p.notions, QString::fromUtf8(GetParam().notions));
    EXPECT_EQ(p.title, QString::fromUtf8(GetParam().title));
}

const PreviewCase kPreviews[] = {
    {"BlankCorrectionIsNotCorrected", {"E.RTF", "E.P08", "  ", "", "2", "", "Vitesse", "", "", "", " Titre "},
     "Non corrigé", {true, true, false}, "Vitesse", "Titre"},
    {"CorrectionTextMakesItCorrected", {"E.RTF", "", "C.RTF", "", "0"},
     "Exercice corrigé", {false, false, false}, "", ""},
    {"CorrectionConfigurationAloneMakesItCorrected", {"E.RTF", "", "", "C.P08", "3"},
     "Exercice corrigé", {true, true, true}, "", ""},
    {"NotionsKeptAsStoredBlankOnesSkipped",
     {"E.RTF", "", "", "", "1", "ignoré", "  Chute libre ", "   ", "Énergie", "", "Titre"},
     "Non corrigé", {true, false, false}, "  Chute libre \nÉnergie", "Titre"},
    {"LevelReadAsItsLeadingNumber", {"E.RTF", "", "", "", " 2 niveaux"},
     "Non corrigé", {true, true, false}, "", ""},
    {"LevelAboveThreeLightsAll", {"E.RTF", "", "", "", "9"}, "Non corrigé", {true, true, true}, "", ""},
    {"NegativeOrTextLevelLightsNone", {"E.RTF", "", "", "", "-1"}, "Non corrigé", {false, false, false}, "", ""},
    {"ShortFileReadsAsBlankRecords", {"E.RTF"}, "Non corrigé", {false, false, false}, "", ""},
};

INSTANTIATE_TEST_SUITE_P(Exercises, PreviewCases, ::testing::ValuesIn(kPreviews),
                         [](const auto &p) { return std::string(p.param.name); });

TEST(Preview, BlankMissingAndDamagedFiles)
{
    ExerciseRig r;
    EXPECT_EQ(exercises::apercu(QStringLiteral("  ")).state, Preview::State::Blank);
    EXPECT_EQ(exercises::apercu(r.file(QStringLiteral("ABSENT.E20"))).state, Preview::State::Unreadable);
    EXPECT_FALSE(QFileInfo::exists(r.file(QStringLiteral("ABSENT.E20")))); // not created
    QFile bad(r.file(QStringLiteral("BAD.E20")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(128 * 3, '\0') + QByteArray("\xFF\xFF", 2)); // record 4 too long
    bad.close();
    EXPECT_EQ(exercises::apercu(bad.fileName()).state, Preview::State::Unreadable);
}

// ---- opening an exercise ------------------------------------------------------------------

class Commands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        writeRtf(r.file("ENONCE.RTF"), "\\b Enonce\\b0  de l'exercice");
        writeRtf(r.file("CORR.RTF"), "Correction");
        writeExerciseFile(r.file("EXO.E20"), {"ENONCE.RTF", "CONF.P08", "CORR.RTF", "CONF2.P08",
                                             "2", "", "Chute libre", "", "", "", "Titre"});
        writeExerciseFile(r.file("SIMPLE.E20"), {"ENONCE.RTF", "", "", "", "0"});
        r.commands.actions().loadConfig = [this](const QString &path) { r.configs << path; };
        QFile::copy(QStringLiteral(ORBANE_DATA_DIR "/CHUTE.P08"), r.file("CONF.P08"));
        QFile::copy(QStringLiteral(ORBANE_DATA_DIR "/CHUTEC.P08"), r.file("CONF2.P08"));
    }
    Simulation &sim() { return r.rig.sim; }
    ExerciseRig r;
};

TEST_F(Commands, OuvreurLoadsStatementAndConfiguration)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Enonce de l'exercice"));
    EXPECT_EQ(r.fich.text(), r.file("EXO.E20"));
    EXPECT_FALSE(r.supertext.isReadOnly());
    EXPECT_EQ(sim().s.exocharge, 1);
    EXPECT_EQ(sim().s.textemodif, 0);
    EXPECT_EQ(sim().s.nomexo, r.program.path() + '/');
    EXPECT_EQ(r.configs, QStringList{r.file("CONF.P08")});
    EXPECT_EQ(r.messages(), 0);
    EXPECT_TRUE(r.commands.correctionAvailable());
    EXPECT_TRUE(r.commands.exerciseOpen());
}

TEST_F(Commands, BlankConfigurationLeavesTheSimulatorAlone)
{
    const Controls before = sim().c;
    ASSERT_TRUE(r.commands.ouvreur(r.file("SIMPLE.E20")));
    EXPECT_TRUE(r.configs.isEmpty());
    EXPECT_EQ(sim().c, before);
    EXPECT_EQ(sim().s.exocharge, 0);
    EXPECT_FALSE(r.commands.correctionAvailable());
}

TEST_F(Commands, TheRealLoaderPutsTheConfigurationIntoTheControls)
{
    ExerciseRig fresh;
    writeRtf(fresh.file("E.RTF"), "x");
    QFile::copy(QStringLiteral(ORBANE_DATA_DIR "/CHUTE.P08"), fresh.file("CHUTE.P08"));
    writeExerciseFile(fresh.file("EXO.E20"), {"E.RTF", "CHUTE.P08"});
    exercises::ExerciseCommands real(fresh.rig.sim, fresh.session, &fresh.supertext, &fresh.fich,
                                     fresh.rig.dialogs, fresh.files);
    ASSERT_TRUE(real.ouvreur(fresh.file("EXO.E20")));
    EXPECT_EQ(fresh.rig.sim.c.Combo2, 0); // pomme
    EXPECT_EQ(fresh.rig.sim.c.Text2, QStringLiteral("5,00"));
    EXPECT_TRUE(fresh.rig.sim.c.Check[12]);
    EXPECT_EQ(fresh.messages(), 0);
}

struct Failure
{
    const char *name;
    QStringList records;
    const char *title;
    const char *prompt; // %1: the program folder with its separator
    bool statementLoaded;
};

void PrintTo(const Failure &c, std::ostream *os) { *os << c.name; }

class OuvreurFailures : public Commands, public ::testing::WithParamInterface<Failure>
{};

TEST_P(OuvreurFailures, ShowsItsMessageAndKeepsWhatWasThere)
{
    const Failure &f = GetParam();
    QDir(r.program.path()).mkdir(QStringLiteral("DOSSIER.RTF"));
    if (f.records.contains(QStringLiteral("ENORME.RTF"))) {
        QFile huge(r.file("ENORME.RTF"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        huge.write("{\\rtf1 " + QByteArray(5 * 1024 * 1024 - 9, 'a') + "}");
    }
    if (f.records.contains(QStringLiteral("TUBE.P08"))) {
        ASSERT_TRUE(test::makePipe(r.file("TUBE.P08")));
    }
    if (!f.records.isEmpty())
        writeExerciseFile(r.file("F.E20"), f.records);
    r.fich.setText(QStringLiteral("avant"));
    EXPECT_FALSE(r.commands.ouvreur(r.file("F.E20")));
    ASSERT_EQ(r.messages(), 1);
    EXPECT_EQ(r.lastTitle(), QString::fromUtf8(f.title));
    EXPECT_EQ(r.rig.dialogs.shown.back().prompt,
              QString::fromUtf8(f.prompt).arg(r.program.path() + '/'));
    EXPECT_EQ(r.rig.dialogs.shown.back().icon, MsgIcon::Critical);
    EXPECT_EQ(r.supertext.toPlainText() != QStringLiteral("Bienvenue"), f.statementLoaded);
    EXPECT_EQ(r.fich.text() == r.file("F.E20"), f.statementLoaded);
    EXPECT_TRUE(r.configs.isEmpty());
}

const Failure kFailures[] = {
    {"MissingExerciseFile", {}, "Lecture impossible",
     "Vérifier:\n- le nom du fichier,\n- l'état du lecteur.", false},
    {"MissingStatement", {"ABSENT.RTF", "CONF.P08"}, "Fichier absent",
     "Le fichier ABSENT.RTF est introuvable dans le dossier %1 (il accompagne l'exercice F.E20).",
     false},
    {"BlankStatement", {"", "CONF.P08"}, "Fichier absent", "Le fichier %1 est introuvable", false},
    {"StatementThatIsNotRtf", {"CONF.P08"}, "Texte illisible",
     "Le fichier %1CONF.P08 ne peut pas être lu comme un texte : ce n'est pas un texte au format RTF.",
     false},
    {"StatementThatIsAFolder", {"DOSSIER.RTF"}, "Texte illisible",
     "Le fichier %1DOSSIER.RTF ne peut pas être lu comme un texte : ce nom désigne un dossier.", false},
    {"StatementOverTheSizeLimit", {"ENORME.RTF"}, "Texte illisible",
     "Le fichier %1ENORME.RTF ne peut pas être lu comme un texte : le fichier fait 5 Mo, au-delà "
     "de la taille maximale de 4 Mo.", false},
    {"MissingConfiguration", {"ENONCE.RTF", "ABSENT.P08"}, "Fichier absent",
     "Le fichier ABSENT.P08 est introuvable dans le dossier %1 (il accompagne l'exercice F.E20).",
     true},
    {"ConfigurationThatIsAPipe", {"ENONCE.RTF", "TUBE.P08"}, "Configuration illisible",
     "Le fichier %1TUBE.P08 ne peut pas être lu comme une configuration : ce n'est pas un fichier "
     "ordinaire (périphérique, tube ou socket).", true},
};

INSTANTIATE_TEST_SUITE_P(Exercises, OuvreurFailures, ::testing::ValuesIn(kFailures),
                         [](const auto &p) { return std::string(p.param.name); });

TEST_F(Commands, PipesAreRefusedWithoutBlocking)
{
    const QString statement = r.file("TUBE.RTF");
    const QString exercise = r.file("TUBE.E20");
    ASSERT_TRUE(test::makePipe(statement) && test::makePipe(exercise));
    writeExerciseFile(r.file("F.E20"), {"TUBE.RTF"});
    r.files.answers.push_back(statement);
    EXPECT_TRUE(test::returnsWithoutAWriter(statement, [&] {
        EXPECT_FALSE(r.commands.ouvreur(r.file("F.E20")));
        r.commands.opentexte_Click();
    }));
    EXPECT_TRUE(test::returnsWithoutAWriter(exercise, [&] {
        EXPECT_FALSE(r.commands.ouvreur(exercise));
        EXPECT_EQ(exercises::apercu(exercise).state, Preview::State::Unreadable);
    }));
    const QString special = QStringLiteral("ce n'est pas un fichier ordinaire (périphérique, tube ou socket).");
    ASSERT_EQ(r.messages(), 3);
    EXPECT_EQ(r.rig.dialogs.shown[0].prompt,
              QStringLiteral("Le fichier ") + statement + QStringLiteral(" ne peut pas être lu comme un texte : ") + special);
    EXPECT_EQ(r.rig.dialogs.shown[1].title, QStringLiteral("Erreur de lecture."));
    EXPECT_TRUE(r.rig.dialogs.shown[1].prompt.endsWith(special));
    EXPECT_EQ(r.rig.dialogs.shown[2].title, QStringLiteral("Lecture impossible"));
    EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Bienvenue"));
}

TEST_F(Commands, NamesLeavingTheExerciseFolderAreRefused)
{
    QDir(r.program.path()).mkdir(QStringLiteral("exos"));
    const QString exercise = r.file("exos/F.E20");
    const QString outside = QStringLiteral("\n(un exercice ne peut désigner que des fichiers de son dossier)");
    for (const QString &name : {r.file("ENONCE.RTF"), QStringLiteral("../ENONCE.RTF"),
                                QStringLiteral("..\\ENONCE.RTF"), QStringLiteral("a/../../ENONCE.RTF")}) {
        r.rig.dialogs.shown.clear();
        writeExerciseFile(exercise, {name});
        EXPECT_FALSE(r.commands.ouvreur(exercise)) << name.toStdString();
        ASSERT_EQ(r.messages(), 1);
        EXPECT_EQ(r.lastTitle(), QStringLiteral("Fichier absent"));
        EXPECT_EQ(r.rig.dialogs.shown[0].prompt, QStringLiteral("Le fichier ") + name + QStringLiteral(" est introuvable") + outside);
        EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Bienvenue"));
    }
    writeRtf(r.file("exos/E.RTF"), "dedans");
    writeExerciseFile(exercise, {"E.RTF", "../CONF.P08"});
    r.rig.dialogs.shown.clear();
    EXPECT_FALSE(r.commands.ouvreur(exercise));
    EXPECT_EQ(r.rig.dialogs.shown.at(0).prompt, QStringLiteral("Le fichier ../CONF.P08 est introuvable") + outside);
    EXPECT_TRUE(r.configs.isEmpty());
}

TEST_F(Commands, NamesWrittenOnAnotherSystemAreFound)
{
    QDir(r.program.path()).mkdir(QStringLiteral("Textes"));
    writeRtf(r.file("Textes/Enonce.rtf"), "dans un dossier");
    writeExerciseFile(r.file("AUTRE.E20"), {"TEXTES\\ENONCE.RTF", "conf.p08"});
    ASSERT_TRUE(r.commands.ouvreur(r.file("AUTRE.E20")));
    EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("dans un dossier"));
    EXPECT_EQ(r.configs, QStringList{r.file("CONF.P08")});
}

TEST_F(Commands, HandedOverExerciseOpensFromTheProgramFolder)
{
    ASSERT_TRUE(r.commands.openHandedOver(QStringLiteral("SIMPLE.E20")));
    EXPECT_EQ(r.fich.text(), r.file("SIMPLE.E20"));
    EXPECT_EQ(sim().s.exocharge, 0); // no correction to offer
    ASSERT_TRUE(r.commands.openHandedOver(QStringLiteral("EXO.E20")));
    EXPECT_EQ(sim().s.exocharge, 1);
}

// ---- correction ---------------------------------------------------------------------------

TEST_F(Commands, CorrectionLoadsReadOnlyWithItsConfiguration)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    test::stateOf(sim()).nomexo = QStringLiteral("/ailleurs/"); // the chooser looked at another folder
    r.commands.opencor_Click();
    EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Correction"));
    EXPECT_TRUE(r.supertext.isReadOnly());
    EXPECT_EQ(r.configs, (QStringList{r.file("CONF.P08"), r.file("CONF2.P08")}));
    EXPECT_EQ(sim().s.textemodif, 0);
    EXPECT_EQ(r.messages(), 0);
}

TEST_F(Commands, NoCorrectionWithoutOne)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("SIMPLE.E20")));
    r.commands.opencor_Click();
    EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Enonce de l'exercice"));
    EXPECT_TRUE(r.configs.isEmpty());
}

TEST_F(Commands, CorrectionAsksBeforeDiscardingTypedText)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    r.type(QStringLiteral(" ma réponse"));
    ASSERT_EQ(sim().s.textemodif, 1);
    r.rig.dialogs.answers.push_back(MsgAnswer::Cancel);
    r.commands.opencor_Click();
    EXPECT_EQ(r.lastTitle(), kLoss);
    EXPECT_TRUE(r.supertext.toPlainText().endsWith(QStringLiteral("ma réponse")));
    EXPECT_EQ(sim().s.textemodif, 1);
    r.commands.opencor_Click(); // OK this time
    EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Correction"));
}

TEST_F(Commands, MissingCorrectionKeepsTheTextAndItsChanges)
{
    writeExerciseFile(r.file("EXO.E20"), {"ENONCE.RTF", "", "ABSENT.RTF", "", "1"});
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    r.type(QStringLiteral(" réponse"));
    r.commands.opencor_Click();
    EXPECT_EQ(r.lastTitle(), QStringLiteral("Fichier absent"));
    EXPECT_TRUE(r.supertext.toPlainText().endsWith(QStringLiteral("réponse")));
    EXPECT_EQ(sim().s.textemodif, 1); // the changes are still there, still to be saved
}

// ---- getting started ------------------------------------------------------------------------

TEST_F(Commands, GettingStartedWithoutItsFileDoesNothing)
{
    r.commands.PRISENMAIN_Click();
    EXPECT_EQ(r.messages(), 0);
    EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Bienvenue"));
    EXPECT_TRUE(r.fich.text().isEmpty());
    EXPECT_TRUE(r.configs.isEmpty());
}

TEST_F(Commands, GettingStartedOpensOrbanePem)
{
    writeExerciseFile(r.file("ORBANE.PEM"), {"ENONCE.RTF", "CONF.P08"});
    test::stateOf(sim()).exocharge = 1;
    r.commands.PRISENMAIN_Click();
    EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Enonce de l'exercice"));
    EXPECT_EQ(r.fich.text(), r.file("ORBANE.PEM"));
    EXPECT_EQ(sim().s.exocharge, 0);
    EXPECT_FALSE(r.supertext.isReadOnly());
    EXPECT_EQ(r.configs, QStringList{r.file("CONF.P08")});
}

TEST_F(Commands, GettingStartedWithAMissingPieceReportsTheInstallation)
{
    for (const QStringList &records : {QStringList{"ABSENT.RTF"}, QStringList{"ENONCE.RTF", "ABSENT.P08"}}) {
        writeExerciseFile(r.file("ORBANE.PEM"), records);
        const int before = r.messages();
        r.commands.PRISENMAIN_Click();
        ASSERT_EQ(r.messages(), before + 1);
        EXPECT_EQ(r.rig.dialogs.shown.back().prompt,
                  QStringLiteral("Fichier introuvable. Revoir l'installation du logiciel."));
        EXPECT_EQ(r.lastTitle(), QStringLiteral("Erreur lors du chargement"));
    }
}

// ---- closing ------------------------------------------------------------------------------

TEST_F(Commands, TypingThenClosingAsksAndCancelKeepsTheText)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    r.type(QStringLiteral(" t = 1,01 s"));
    r.rig.dialogs.answers.push_back(MsgAnswer::Cancel);
    r.commands.Closexo_Click();
    ASSERT_EQ(r.messages(), 1);
    const auto &asked = r.rig.dialogs.shown.back();
    EXPECT_EQ(asked.title, kLoss);
    EXPECT_EQ(asked.prompt, QStringLiteral("Attention: perte des modifications du texte."));
    EXPECT_EQ(asked.icon, MsgIcon::Question);
    EXPECT_EQ(asked.buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(r.supertext.toPlainText().endsWith(QStringLiteral("t = 1,01 s")));
    EXPECT_EQ(r.fich.text(), r.file("EXO.E20"));
    EXPECT_EQ(r.welcomes, 0);

    r.commands.Closexo_Click(); // OK
    EXPECT_EQ(r.welcomes, 1);
    EXPECT_TRUE(r.fich.text().isEmpty());
    EXPECT_EQ(sim().s.exocharge, 0);
    EXPECT_EQ(sim().s.textemodif, 0);
    EXPECT_TRUE(r.supertext.isReadOnly());
}

TEST_F(Commands, SavingThenClosingAsksNothing)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    r.type(QStringLiteral(" réponse"));
    r.files.answers.push_back(r.file("REPONSE"));
    r.commands.savetexte_Click();
    EXPECT_EQ(r.files.calls, QStringList{"save Texte au format RTF|*.RTF RTF"});
    EXPECT_EQ(sim().s.textemodif, 0);
    r.commands.Closexo_Click();
    EXPECT_EQ(r.messages(), 0);
    EXPECT_EQ(r.welcomes, 1);
    // The default extension was added, and the file reads back.
    QTextDocument back;
    ASSERT_TRUE(rtf::loadFile(r.file("REPONSE.RTF"), back));
    EXPECT_EQ(back.toPlainText(), QStringLiteral("Enonce de l'exercice réponse"));
}

TEST_F(Commands, ClosingIsOfferedOnlyWithAFile)
{
    EXPECT_FALSE(r.commands.exerciseOpen());
    r.commands.Closexo_Click();
    EXPECT_EQ(r.welcomes, 0);
}

// ---- saving and reopening texts -------------------------------------------------------------

TEST_F(Commands, SavingOverAFileAsksFirst)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    r.type(QStringLiteral(" nouveau"));
    writeRtf(r.file("ANCIEN.RTF"), "ancien");
    r.files.answers = {r.file("ANCIEN.RTF"), r.file("ANCIEN.RTF")};
    r.rig.dialogs.answers.push_back(MsgAnswer::Cancel);
    r.commands.savetexte_Click();
    ASSERT_EQ(r.messages(), 1);
    EXPECT_EQ(r.lastTitle(), QStringLiteral("Ecraser le fichier?"));
    EXPECT_EQ(r.rig.dialogs.shown.back().prompt,
              QStringLiteral("Le fichier ANCIEN.RTF existe déjà.\nEcraser l'ancien?"));
    QTextDocument back;
    ASSERT_TRUE(rtf::loadFile(r.file("ANCIEN.RTF"), back));
    EXPECT_EQ(back.toPlainText(), QStringLiteral("ancien"));
    EXPECT_EQ(sim().s.textemodif, 1);

    r.commands.savetexte_Click(); // OK
    ASSERT_TRUE(rtf::loadFile(r.file("ANCIEN.RTF"), back));
    EXPECT_TRUE(back.toPlainText().endsWith(QStringLiteral("nouveau")));
    EXPECT_EQ(sim().s.textemodif, 0);
}

TEST_F(Commands, SavingFailureSaysSoAndKeepsTheChanges)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    r.type(QStringLiteral(" x"));
    r.files.answers.push_back(r.file("ABSENT/TEXTE.RTF"));
    r.commands.savetexte_Click();
    EXPECT_EQ(r.lastTitle(), QStringLiteral("Erreur d'écriture."));
    EXPECT_TRUE(r.rig.dialogs.shown.back().prompt.startsWith(
        QStringLiteral("Vérifier l'état du lecteur et le nom du fichier.\n\nFichier : ") +
        r.file("ABSENT/TEXTE.RTF")));
    EXPECT_EQ(sim().s.textemodif, 1);
    r.commands.savetexte_Click(); // cancelled chooser: nothing at all
    EXPECT_EQ(r.messages(), 1);

    // A disk that fills up part-way, or a final renaming that fails, over an older text.
    writeRtf(r.file("ANCIEN.RTF"), "ancien");
    const QByteArray old = bytesOf(r.file("ANCIEN.RTF"));
    for (const int renameError : {0, EIO}) {
        test::FaultyDisk disk;
        disk.room = renameError ? -1 : 100;
        disk.renameError = renameError;
        saving::UseDisk use(disk);
        r.files.answers.push_back(r.file("ANCIEN.RTF"));
        r.commands.savetexte_Click();
        EXPECT_EQ(r.lastTitle(), QStringLiteral("Erreur d'écriture.")) << renameError;
        EXPECT_TRUE(r.rig.dialogs.shown.back().prompt.endsWith(
            renameError ? QStringLiteral("du support.") : QStringLiteral("le disque est plein.")));
        EXPECT_EQ(bytesOf(r.file("ANCIEN.RTF")), old);
        EXPECT_EQ(sim().s.textemodif, 1);
    }
    EXPECT_EQ(QDir(r.program.path()).entryList({QStringLiteral("*ANCIEN*")}, QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("ANCIEN.RTF")});
}

// The file window hands a name too long on instead of staying open, and the save says why.
TEST_F(Commands, ANameTooLongIsRefusedInWords)
{
    const QString name(300, u'a');
    bool typed = false;
    QTimer::singleShot(0, [&] {
        auto *window = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        window->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
        typed = true;
        QMetaObject::invokeMethod(window, "accept"); // as the "Enregistrer" button does
        if (window->isVisible())
            window->reject(); // still open: the test fails below rather than hanging
    });
    const QString chosen = exercises::QtFileDialogs().saveFileName(QStringLiteral("Texte|*.RTF"),
                                                                   QStringLiteral("RTF"));
    ASSERT_TRUE(typed);
    EXPECT_EQ(QFileInfo(chosen).fileName(), name + QStringLiteral(".RTF"));

    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    r.files.answers.push_back(r.file(name + QStringLiteral(".RTF")));
    r.commands.savetexte_Click();
    EXPECT_EQ(r.lastTitle(), QStringLiteral("Erreur d'écriture."));
    EXPECT_TRUE(r.rig.dialogs.shown.back().prompt.endsWith(QStringLiteral("le nom est trop long.")));
}

TEST_F(Commands, ALongTextLoadsUnderTheBusyPointerAndEventsGoOn)
{
    QFile big(r.file("LONG.RTF"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write("{\\rtf1\\ansi ");
    for (int i = 0; i < 40000; ++i)
        big.write("Un projectile lanc\\'e9 {\\b vers le haut} avec une vitesse v0.\\par\n");
    big.write("}");
    big.close();
    int ticks = 0;
    QList<Qt::CursorShape> pointers;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        pointers << (QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape()
                                                       : Qt::ArrowCursor);
    });
    timer.start(10);
    r.files.answers.push_back(r.file("LONG.RTF"));
    QElapsedTimer clock;
    clock.start();
    r.commands.opentexte_Click();
    const qint64 took = clock.elapsed();
    EXPECT_EQ(r.supertext.document()->blockCount(), 40000);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    if (took >= 200) { // long enough for the window to need its events
        EXPECT_GE(ticks, 2) << took << " ms";
        EXPECT_EQ(pointers.count(Qt::WaitCursor), pointers.size());
    }
}

TEST_F(Commands, ReopeningAText)
{
    r.files.answers.push_back(r.file("CORR.RTF"));
    r.commands.opentexte_Click();
    EXPECT_EQ(r.files.calls, QStringList{"open Texte au format RTF|*.RTF *.rtf"});
    EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Correction"));
    EXPECT_EQ(r.fich.text(), QStringLiteral("Texte: ") + r.file("CORR.RTF"));
    EXPECT_FALSE(r.supertext.isReadOnly());
    EXPECT_EQ(sim().s.exocharge, 0);
    EXPECT_EQ(sim().s.textemodif, 0);
    EXPECT_TRUE(r.commands.exerciseOpen());
}

TEST_F(Commands, ReopeningAnUnreadableTextKeepsEverything)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    r.type(QStringLiteral(" mes calculs"));
    r.files.answers.push_back(r.file("CONF.P08")); // not a text
    r.commands.opentexte_Click();
    EXPECT_EQ(r.lastTitle(), QStringLiteral("Erreur de lecture."));
    EXPECT_TRUE(r.supertext.toPlainText().endsWith(QStringLiteral("mes calculs")));
    EXPECT_EQ(r.fich.text(), r.file("EXO.E20"));
    EXPECT_EQ(sim().s.textemodif, 1);
    EXPECT_EQ(sim().s.exocharge, 1);
}

TEST_F(Commands, CancellingTheOpenChooserKeepsTheChanges)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    r.type(QStringLiteral(" x"));
    r.commands.opentexte_Click(); // confirmed, then the chooser is cancelled
    EXPECT_EQ(r.lastTitle(), kLoss);
    EXPECT_EQ(sim().s.textemodif, 1);
}

// ---- the exercises chooser from the menu ------------------------------------------------------

TEST_F(Commands, ChooserClosedWithoutOpeningKeepsTheChanges)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    r.type(QStringLiteral(" x"));
    int shown = 0;
    r.commands.actions().chooser = [&shown] { ++shown; return false; };
    r.rig.dialogs.answers.push_back(MsgAnswer::Cancel);
    r.commands.openexo_Click();
    EXPECT_EQ(shown, 0);
    r.commands.openexo_Click(); // OK: the chooser shows, then is closed
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(sim().s.textemodif, 1);

    r.commands.actions().chooser = [this] { return r.commands.ouvreur(r.file("SIMPLE.E20")); };
    r.commands.openexo_Click();
    EXPECT_EQ(sim().s.textemodif, 0);
    EXPECT_EQ(r.fich.text(), r.file("SIMPLE.E20"));
}

// ---- printing -----------------------------------------------------------------------------

TEST_F(Commands, PrintsTheWholeTextOrTheSelection)
{
    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    r.commands.imprimetexte_Click();
    QTextCursor c = r.supertext.textCursor();
    c.setPosition(0);
    c.setPosition(6, QTextCursor::KeepAnchor);
    r.supertext.setTextCursor(c);
    r.commands.imprimetexte_Click();
    EXPECT_EQ(r.printed, (QStringList{"Enonce de l'exercice", "Enonce"}));
}

TEST(TextPrinting, SelectionCarriesItsPictures)
{
    QTextDocument doc;
    QImage img(4, 4, QImage::Format_RGB32);
    img.fill(Qt::green);
    doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("p")), img);
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("a"));
    QTextImageFormat f;
    f.setName(QStringLiteral("p"));
    c.insertImage(f);
    c.insertText(QStringLiteral("b"));
    c.setPosition(1);
    c.setPosition(3, QTextCursor::KeepAnchor);
    QTextDocument part;
    exercises::copySelection(c, part);
    EXPECT_EQ(part.toPlainText(), QString(QChar::ObjectReplacementCharacter) + 'b');
    EXPECT_EQ(part.resource(QTextDocument::ImageResource, QUrl(QStringLiteral("p"))).value<QImage>(), img);
}

// The text printed into a PDF is made in memory and saved in one step: a full disk leaves the
// old file as it was, a disk with room replaces it.
TEST(TextPrinting, PdfGoesThroughTheCheckedWriter)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("enonce.pdf"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old text");
    old.close();
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("Un projectile est lancé depuis le sol."));
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                         QMarginsF(15, 15, 15, 15));
    {
        FaultyDisk disk;
        disk.room = 500;
        const saving::UseDisk full(disk);
        const saving::SaveResult saved = exercises::savePdf(doc, path, a4);
        EXPECT_FALSE(saved.ok);
        EXPECT_TRUE(saved.reason.contains(QStringLiteral("plein")));
    }
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old text"));
    old.close();
    ASSERT_TRUE(exercises::savePdf(doc, path, a4).ok);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_TRUE(old.readAll().startsWith("%PDF"));
}

// ---- the menu -------------------------------------------------------------------------------

TEST_F(Commands, MenuItemsInOrderWithTheirStates)
{
    exercises::OptionExo menu(r.commands);
    EXPECT_EQ(menu.objectName(), QStringLiteral("optionexo"));
    QStringList names, captions;
    for (QAction *a : menu.actions()) {
        names << a->objectName();
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    EXPECT_EQ(names, (QStringList{"PRISENMAIN", "separons1", "openexo", "opencor", "separons2",
                                  "savetexte", "opentexte", "imprimetexte", "separons3", "Closexo",
                                  "separons4", "creerexo", "modifierexo", "exporterexo"}));
    EXPECT_EQ(captions, (QStringList{"Prise en main", "-", "Ouvrir un exercice (énoncé + configuration)",
                                     "Voir la correction", "-",
                                     "Enregistrer le contenu de la fenêtre exercice",
                                     "Retrouver un texte",
                                     "Imprimer le contenu de la fenêtre exercice", "-",
                                     "Fermer l'exercice", "-", "Créer un exercice…",
                                     "Modifier l'exercice…", "Exporter l'exercice…"}));

    QToolButton btexo;
    btexo.resize(40, 30);
    menu.btexo_Click(&btexo);
    EXPECT_FALSE(menu.item("opencor")->isEnabled());
    EXPECT_FALSE(menu.item("Closexo")->isEnabled());
    EXPECT_TRUE(menu.item("PRISENMAIN")->isEnabled());
    EXPECT_FALSE(menu.item("exporterexo")->isEnabled());
    menu.hide();

    ASSERT_TRUE(r.commands.ouvreur(r.file("EXO.E20")));
    menu.btexo_Click(&btexo);
    EXPECT_TRUE(menu.item("opencor")->isEnabled());
    EXPECT_TRUE(menu.item("Closexo")->isEnabled());
    EXPECT_TRUE(menu.item("exporterexo")->isEnabled());
    EXPECT_EQ(menu.pos(), btexo.mapToGlobal(QPoint(0, btexo.height())));
    menu.hide();

    // An item runs its command.
    menu.item("Closexo")->trigger();
    EXPECT_EQ(r.welcomes, 1);
    EXPECT_FALSE(r.commands.exerciseOpen());
}

} // namespace

// ---- the teacher's exercise -----------------------------------------------------------------

// Written in the program, the exercise opens as a shipped one, fixes what the teacher fixed,
// and comes back whole into the teacher's window for a change.
TEST(TeacherExercise, WrittenSavedOpenedAndChanged)
{
    ExerciseRig r;
    Simulation &sim = r.rig.sim;
    sim.Combo1_Click(test::kMoon);
    r.supertext.setPlainText(QStringLiteral("Bienvenue"));
    r.supertext.setReadOnly(true); // the welcome text
    r.files.answers = {r.file("PLANETE.E20")};
    r.commands.createExercise();
    EXPECT_FALSE(r.supertext.isReadOnly()); // an empty page for the statement
    EXPECT_TRUE(r.supertext.toPlainText().isEmpty());
    r.supertext.setPlainText(QStringLiteral("Sur cette planète inconnue, mesurez g."));
    exercises::ExerciseWindow *w = r.commands.authoringWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible() && !w->isModal()); // the main window stays usable beside it
    w->findChild<QLineEdit *>(QStringLiteral("titre"))->setText(QStringLiteral("La planète"));
    for (int i = 0; i < exercises::kSettings; ++i) // only α₀ free
        w->findChild<QCheckBox *>(QStringLiteral("libre%1").arg(i))->setChecked(i == 5);
    w->takeConfiguration();
    EXPECT_TRUE(w->saveExercise()) << w->message().toStdString();
    w->close();
    for (const char *name : {"PLANETE.E20", "PLANETE.RTF", "PLANETE.P08"})
        EXPECT_TRUE(QFileInfo(r.file(QString::fromLatin1(name))).isFile()) << name;
    EXPECT_FALSE(QFileInfo::exists(r.file(QStringLiteral("PLANETEC.RTF"))));
    EXPECT_EQ(r.commands.authored(), r.file(QStringLiteral("PLANETE.E20")));

    sim.Combo1_Click(0); // Terre, before the pupil opens it
    ASSERT_TRUE(r.commands.ouvreur(r.file(QStringLiteral("PLANETE.E20"))));
    EXPECT_EQ(r.supertext.toPlainText(), QStringLiteral("Sur cette planète inconnue, mesurez g."));
    EXPECT_EQ(sim.c.Combo1, test::kMoon);
    sim.Combo1_Click(0);
    EXPECT_EQ(sim.c.Combo1, test::kMoon); // fixed
    sim.TextN_Change(4, QStringLiteral("30"));
    EXPECT_EQ(sim.c.Text4, QStringLiteral("30")); // free

    r.commands.changeExercise();
    ASSERT_NE(r.commands.authoringWindow(), nullptr);
    const exercises::ExerciseContent c = r.commands.authoringWindow()->content();
    EXPECT_EQ(c.title, QStringLiteral("La planète"));
    EXPECT_FALSE(c.rules.isFree(exercises::Setting::Place));
    EXPECT_TRUE(c.rules.isFree(exercises::Setting::Alpha));
    EXPECT_FALSE(c.configuration.isEmpty());
    sim.Combo1_Click(0);
    EXPECT_EQ(sim.c.Combo1, 0); // the teacher changes the scene freely meanwhile

    // A named file that cannot be read is said, and nothing is offered to save without it.
    r.commands.authoringWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(QFile::remove(r.file(QStringLiteral("PLANETE.P08"))));
    ASSERT_TRUE(QDir(r.program.path()).mkdir(QStringLiteral("PLANETE.P08")));
    const int before = r.messages();
    r.commands.changeExercise();
    EXPECT_EQ(r.messages(), before + 1);
    EXPECT_EQ(r.lastTitle(), QStringLiteral("Lecture impossible"));
    EXPECT_EQ(r.commands.authoringWindow(), nullptr);
}
