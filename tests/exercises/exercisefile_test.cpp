// Exercise files with rules: what is written reads back, what is not whole is refused with its
// cause, the pupil's answers are checked at the tolerance's edges, and a whole exercise is saved
// all at once or not at all.
#include "exercises/exerciserig.h"

#include "core/cp1252.h"
#include "core/recordfile.h"
#include "exercises/exercisefile.h"
#include "exercises/exercisewriter.h"
#include "exercises/preview.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::exercises;
using namespace orbane::test;

namespace {

ExerciseRules someRules()
{
    ExerciseRules rules;
    rules.free[std::size_t(Setting::Place)] = false;
    rules.free[std::size_t(Setting::Alpha)] = false;
    rules.hidden[std::size_t(Secret::G)] = true;
    rules.revealAfterTries = true;
    rules.questions = {{QStringLiteral("Quelle est la valeur de g ; sur cet astre ?"), 1.62,
                        QStringLiteral("m.s⁻²"), 2.5},
                       {QStringLiteral("Durée du vol ?"), -1.25e-4, QStringLiteral("s;ou presque"), 0}};
    return rules;
}

ExerciseFile someExercise()
{
    ExerciseFile e;
    e.statement = QStringLiteral("LUNE.RTF");
    e.configuration = QStringLiteral("LUNE.P08");
    e.correction = QStringLiteral("LUNEC.RTF");
    e.level = 2;
    e.notions = {QStringLiteral("Chute libre"), QStringLiteral("Pesanteur lunaire")};
    e.title = QStringLiteral("Sur la Lune");
    e.rules = someRules();
    return e;
}

void expectSameRules(const ExerciseRules &a, const ExerciseRules &b)
{
    EXPECT_EQ(a.free, b.free);
    EXPECT_EQ(a.hidden, b.hidden);
    EXPECT_EQ(a.revealAfterTries, b.revealAfterTries);
    ASSERT_EQ(a.questions.size(), b.questions.size());
    for (std::size_t i = 0; i < a.questions.size(); ++i) {
        EXPECT_EQ(a.questions[i].text, b.questions[i].text) << i;
        EXPECT_EQ(a.questions[i].expected, b.questions[i].expected) << i;
        EXPECT_EQ(a.questions[i].unit, b.questions[i].unit) << i;
        EXPECT_EQ(a.questions[i].tolerance, b.questions[i].tolerance) << i;
    }
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(ExerciseFileRules, WrittenThenReadBackFieldByFieldAndPlainToAnOlderReader)
{
    QTemporaryDir dir;
    const ExerciseFile e = someExercise();
    const auto image = buildExercise(e);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->size(), 18 * records::kRecordSize); // 11, the marker, two of flags, 2 x 2
    EXPECT_EQ(records::decode(*image, 16).text, QStringLiteral("1,62;2,5;m.s") +
                                                   cp1252::decode(QStringLiteral("⁻²").toUtf8()));
    const QString path = dir.filePath(QStringLiteral("LUNE.E20"));
    put(path, *image);
    const auto back = readExercise(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->statement, e.statement);
    EXPECT_EQ(back->configuration, e.configuration);
    EXPECT_EQ(back->correction, e.correction);
    EXPECT_EQ(back->correctionConfiguration, e.correctionConfiguration);
    EXPECT_EQ(back->level, e.level);
    EXPECT_EQ(back->notions, e.notions);
    EXPECT_EQ(back->title, e.title);
    expectSameRules(back->rules, e.rules);

    // What a reader of eleven records sees: the same exercise, without rules.
    ExerciseFile plain = e;
    plain.rules = {};
    EXPECT_EQ(buildExercise(plain), image->left(ExerciseFile::kRecords * records::kRecordSize));
    const auto older = parseExercise(image->left(ExerciseFile::kRecords * records::kRecordSize));
    ASSERT_TRUE(older);
    EXPECT_TRUE(older->rules.plain());
}

TEST(ExerciseFileRules, BytesAfterTheTitleWithoutTheMarkerAreNotRules)
{
    records::Image image;
    ASSERT_TRUE(image.set(1, QStringLiteral("E.RTF")));
    ASSERT_TRUE(image.set(12, QStringLiteral("Orbane 1S regles 1"))); // not the marker
    ASSERT_TRUE(image.set(13, QStringLiteral("n'importe quoi")));
    const auto e = parseExercise(image.bytes() + QByteArray("\xFF\xFF garbage", 10));
    ASSERT_TRUE(e);
    EXPECT_TRUE(e->rules.plain());
    EXPECT_FALSE(e->rules.revealAfterTries);
}

TEST(ExerciseFileRules, RulesThatAreNotWholeAreRefusedNamingTheFileAndNothingIsOpened)
{
    const QString marker = QStringLiteral("Orbane 1S règles 1");
    const QString flags = QStringLiteral("111111111");
    const struct
    {
        const char *name;
        QStringList rules; // records 12 on
        const char *cause;
    } cases[] = {
        {"UnknownVersion", {QStringLiteral("Orbane 1S règles 2"), flags, QStringLiteral("0000;0;0")},
         "ses règles sont d'une version que ce logiciel ne connaît pas (« 2 »)"},
        {"ShortFlags", {marker, QStringLiteral("11111111"), QStringLiteral("0000;0;0")},
         "la liste des réglages laissés libres (enregistrement 13) n'est pas faite de 9 chiffres 0 ou 1"},
        {"OtherCharacterInTheFlags", {marker, QStringLiteral("1111x1111"), QStringLiteral("0000;0;0")},
         "la liste des réglages laissés libres (enregistrement 13) n'est pas faite de 9 chiffres 0 ou 1"},
        {"HiddenWithoutItsCount", {marker, flags, QStringLiteral("0000;0")},
         "la liste des valeurs cachées (enregistrement 14) est mal formée"},
        {"TooManyQuestions", {marker, flags, QStringLiteral("0000;0;6")},
         "le nombre de questions (6) dépasse 5"},
        {"MissingFlags", {marker},
         "la liste des réglages laissés libres manque (enregistrement 13)"},
        {"MissingQuestion", {marker, flags, QStringLiteral("0000;0;2"), QStringLiteral("g ?"), QStringLiteral("9,81;5;m.s-2")},
         "le texte de la question 2 manque (enregistrement 17)"},
        {"NoTolerance", {marker, flags, QStringLiteral("0000;0;1"), QStringLiteral("g ?"), QStringLiteral("9,81")},
         "la réponse de la question 1 n'a pas la forme « valeur;tolérance;unité »"},
        {"ExpectedNotANumber", {marker, flags, QStringLiteral("0000;0;1"), QStringLiteral("g ?"), QStringLiteral("neuf;5;N")},
         "la valeur attendue de la question 1 n'est pas un nombre (« neuf »)"},
        {"NegativeTolerance", {marker, flags, QStringLiteral("0000;0;1"), QStringLiteral("g ?"), QStringLiteral("9,81;-1;N")},
         "la tolérance de la question 1 n'est pas un nombre positif ou nul (« -1 »)"},
        {"NotUtf8", {marker, flags, QStringLiteral("0000;0;1"), QStringLiteral("Énoncé ?"), QStringLiteral("9,81;5;N")},
         "la question 1 n'est pas écrite en UTF-8"},
        {"LongerThanARecord", {marker, flags, QStringLiteral("0000;0;1"), QStringLiteral("g ?"), QStringLiteral("9,81;5;N")},
         "l'enregistrement 15 est endommagé"},
    };
    for (const auto &c : cases) {
        ExerciseRig r;
        const QString path = r.file(QStringLiteral("EXO.E20"));
        writeExerciseFile(path, QStringList{QStringLiteral("E.RTF")} + QStringList(10, QString()) + c.rules);
        if (std::string(c.name) == "LongerThanARecord") {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadWrite) && f.seek(14 * records::kRecordSize));
            f.write("\x7F\x00", 2); // 127 bytes: more than a record holds
        }
        writeRtf(r.file(QStringLiteral("E.RTF")), QStringLiteral("Enonce"));
        const QString message = QStringLiteral("Le fichier %1 ne peut pas être lu comme un exercice : %2.")
                                    .arg(path, QString::fromUtf8(c.cause));
        QString refusal;
        EXPECT_FALSE(readExercise(path, &refusal)) << c.name;
        EXPECT_EQ(refusal, message) << c.name;
        EXPECT_EQ(apercu(path).refusal, message) << c.name;
        r.fich.setText(QStringLiteral("avant"));
        EXPECT_FALSE(r.commands.ouvreur(path)) << c.name;
        ASSERT_EQ(r.messages(), 1) << c.name;
        EXPECT_EQ(r.lastTitle(), QStringLiteral("Lecture impossible")) << c.name;
        EXPECT_EQ(r.rig.dialogs.shown.back().prompt, message) << c.name;
        EXPECT_EQ(r.fich.text(), QStringLiteral("avant")) << c.name;
    }
}

TEST(ExerciseFileRules, AnAnswerIsRightWithinTheToleranceEdgesIncluded)
{
    const struct
    {
        double expected, tolerance;
        const char *answer;
        Verdict verdict;
    } cases[] = {
        {10, 5, "10,5", Verdict::Right},      {10, 5, "9,5", Verdict::Right},
        {10, 5, "10,51", Verdict::TooLarge},  {10, 5, "9,49", Verdict::TooSmall},
        {9.81, 5, "10.30", Verdict::Right},   {9.81, 5, "10,31", Verdict::TooLarge},
        {-10, 5, "-10,5", Verdict::Right},    {-10, 5, "-10,51", Verdict::TooSmall},
        {2, 0, "2", Verdict::Right},          {2, 0, "2,001", Verdict::TooLarge},
        {2, 5, "deux", Verdict::NotANumber},  {2, 5, "", Verdict::NotANumber},
        {2, 5, "2,0,1", Verdict::NotANumber},
    };
    for (const auto &c : cases) {
        const Question q{QStringLiteral("?"), c.expected, QStringLiteral("m"), c.tolerance};
        EXPECT_EQ(checkAnswer(q, QString::fromUtf8(c.answer)), c.verdict)
            << c.expected << " " << c.tolerance << " " << c.answer;
    }
}

TEST(ExerciseWriter, SavesEveryFileWithTheNamesTheExerciseFileHolds)
{
    QTemporaryDir dir;
    ExerciseContent content;
    content.title = QStringLiteral("Sur la Lune");
    content.level = 3;
    content.notions = {QStringLiteral("Pesanteur")};
    content.rules = someRules();
    content.statement = "{\\rtf1 enonce}";
    content.configuration = "P08 of the statement";
    content.correction = QByteArray("{\\rtf1 correction}");
    ASSERT_EQ(saveExercise(dir.path(), QStringLiteral("Lune été"), content), std::nullopt);
    EXPECT_EQ(entries(dir.path()), (QStringList{QStringLiteral("Lune été.E20"), QStringLiteral("Lune été.P08"),
                                                QStringLiteral("Lune été.RTF"), QStringLiteral("Lune étéC.RTF")}));
    EXPECT_EQ(bytesOf(dir.filePath(QStringLiteral("Lune été.RTF"))), content.statement);
    EXPECT_EQ(bytesOf(dir.filePath(QStringLiteral("Lune été.P08"))), content.configuration);
    EXPECT_EQ(bytesOf(dir.filePath(QStringLiteral("Lune étéC.RTF"))), *content.correction);
    const auto e = readExercise(dir.filePath(QStringLiteral("Lune été.E20")));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->statement, QStringLiteral("Lune été.RTF"));
    EXPECT_EQ(e->configuration, QStringLiteral("Lune été.P08"));
    EXPECT_EQ(e->correction, QStringLiteral("Lune étéC.RTF"));
    EXPECT_TRUE(e->correctionConfiguration.isEmpty());
    EXPECT_EQ(e->level, 3);
    EXPECT_EQ(e->title, content.title);
    expectSameRules(e->rules, content.rules);
}

TEST(ExerciseWriter, WritesNothingWhenOneFileOrOneFieldCannotBeSaved)
{
    QTemporaryDir dir;
    const QString exercise = dir.filePath(QStringLiteral("EXO.E20"));
    put(exercise, "the old exercise");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("EXOC.P08")));
    const QStringList before = entries(dir.path());
    ExerciseContent content;
    content.statement = "{\\rtf1 enonce}";
    content.configuration = "P08";
    content.correction = QByteArray("{\\rtf1 correction}");
    content.correctionConfiguration = QByteArray("P08 of the correction");
    EXPECT_EQ(saveExercise(dir.path(), QStringLiteral("EXO"), content),
              QStringLiteral("L'exercice n'a pas été enregistré ; les fichiers du dossier sont restés "
                             "tels qu'ils étaient.\n\nFichier : %1\nCause : ce nom désigne un dossier.")
                  .arg(dir.filePath(QStringLiteral("EXOC.P08"))));
    EXPECT_EQ(entries(dir.path()), before);
    EXPECT_EQ(bytesOf(exercise), QByteArray("the old exercise"));

    const QString longName(122, QLatin1Char('a'));
    const struct
    {
        QString name;
        QString title;
        const char *cause;
    } refused[] = {
        {QStringLiteral(" "), {}, "l'exercice n'a pas de nom"},
        {QStringLiteral("a/b"), {}, "le nom « a/b » contient un caractère qui ne peut pas figurer dans un nom de fichier d'exercice (« / »)"},
        {QStringLiteral("m⁻¹"), {}, "le nom « m⁻¹ » contient un caractère qui ne peut pas figurer dans un nom de fichier d'exercice (« ⁻ »)"},
        {QStringLiteral(".EXO"), {}, "le nom « .EXO » ne peut ni commencer ni finir par un point ou une espace"},
        {QStringLiteral("con"), {}, "le nom « con » est réservé à un périphérique sur certains systèmes"},
        {longName, {}, "le nom « aaa » est trop long pour un fichier d'exercice"},
        {QStringLiteral("EXO2"), QString(127, QLatin1Char('t')), "le titre ne tient pas dans le fichier d'exercice"},
    };
    for (const auto &c : refused) {
        content.title = c.title;
        EXPECT_EQ(saveExercise(dir.path(), c.name, content),
                  QStringLiteral("L'exercice n'a pas été enregistré : %1.")
                      .arg(QString::fromUtf8(c.cause).replace(QStringLiteral("aaa"), longName)));
        EXPECT_EQ(entries(dir.path()), before);
    }
}
