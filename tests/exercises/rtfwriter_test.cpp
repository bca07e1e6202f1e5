#include "exercises/docdump.h"
#include "exercises/richdoc.h"
#include "exercises/richtextfile.h"
#include "exercises/rtfreader.h"
#include "exercises/rtfwriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::test;

namespace {

// Document -> RTF -> document.
void roundTrip(const QTextDocument &doc, QTextDocument &back)
{
    const QByteArray rtf = rtf::write(doc);
    ASSERT_TRUE(rtf::read(rtf, back)) << rtf.constData();
}

QImage imageOf(const QTextDocument &doc, int block)
{
    const QTextBlock b = doc.findBlockByNumber(block);
    for (auto it = b.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            return doc.resource(QTextDocument::ImageResource,
                                QUrl(it.fragment().charFormat().toImageFormat().name()))
                .value<QImage>();
    return {};
}

TEST(RtfWriter, RoundTripKeepsTextAndEveryFormat)
{
    QTextDocument doc, back;
    buildRichDocument(doc);
    roundTrip(doc, back);
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
    EXPECT_EQ(resolvedRuns(back), resolvedRuns(doc));
    EXPECT_EQ(paragraphFormats(back), paragraphFormats(doc));
    ASSERT_EQ(back.blockCount(), doc.blockCount());
    EXPECT_EQ(back.findBlockByNumber(5).charFormat().fontPointSize(), 24); // the empty line
    const QImage picture = imageOf(back, doc.blockCount() - 1);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32),
              imageOf(doc, doc.blockCount() - 1).convertToFormat(QImage::Format_RGB32));
}

TEST(RtfWriter, WritingWhatWasReadIsAFixedPoint)
{
    QTextDocument doc, once, twice;
    buildRichDocument(doc);
    roundTrip(doc, once);
    roundTrip(once, twice);
    EXPECT_EQ(rtf::write(twice), rtf::write(once));
}

struct SmallCase
{
    const char *name;
    void (*build)(QTextCursor &);
};

void PrintTo(const SmallCase &c, std::ostream *os) { *os << c.name; }

class WriterCases : public ::testing::TestWithParam<SmallCase>
{};

TEST_P(WriterCases, RoundTrip)
{
    QTextDocument doc, back;
    QTextCursor c(&doc);
    GetParam().build(c);
    roundTrip(doc, back);
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
    EXPECT_EQ(resolvedRuns(back), resolvedRuns(doc));
    EXPECT_EQ(paragraphFormats(back), paragraphFormats(doc));
}

const SmallCase kSmall[] = {
    {"EmptyDocument", [](QTextCursor &) {}},
    {"OnlyEmptyParagraphs", [](QTextCursor &c) { c.insertBlock(); c.insertBlock(); }},
    {"TrailingEmptyParagraph", [](QTextCursor &c) { c.insertText("a"); c.insertBlock(); }},
    {"RtfSpecialCharacters", [](QTextCursor &c) { c.insertText("{\\}\\par \\'e9 \\u233?"); }},
    {"EveryCodePage1252Letter",
     [](QTextCursor &c) {
         QString all;
         for (char16_t u = 0xA0; u <= 0xFF; ++u)
             all += QChar(u);
         c.insertText(all + QString::fromUtf8("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"));
     }},
    {"OutsideCodePage1252", [](QTextCursor &c) { c.insertText(QString::fromUtf8("Δ α ω → ≈ √ 中文 😀𝔸")); }},
    {"DigitsAfterAControlWord",
     [](QTextCursor &c) {
         QTextCharFormat f;
         f.setFontWeight(QFont::Bold);
         c.insertText("12 ", f); // "\b 12" must not become "\b12"
         c.insertText("34");
     }},
    {"ColoursShareTheTable",
     [](QTextCursor &c) {
         QTextCharFormat f;
         f.setForeground(QColor(1, 2, 3));
         f.setBackground(QColor(1, 2, 3));
         c.insertText("a", f);
         f.setForeground(QColor(250, 251, 252));
         c.insertText("b", f);
     }},
};

INSTANTIATE_TEST_SUITE_P(Rtf, WriterCases, ::testing::ValuesIn(kSmall),
                         [](const auto &p) { return std::string(p.param.name); });

TEST(RtfWriter, TablesAndListsAreWrittenAsReadableText)
{
    QTextDocument doc, back;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("Tableau"));
    QTextTable *t = c.insertTable(2, 2);
    t->cellAt(0, 0).firstCursorPosition().insertText(QStringLiteral("t (s)"));
    t->cellAt(0, 1).firstCursorPosition().insertText(QStringLiteral("y (m)"));
    t->cellAt(1, 0).firstCursorPosition().insertText(QStringLiteral("0,2"));
    t->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("1,80"));
    c.movePosition(QTextCursor::End); // the block that follows the table
    c.createList(QTextListFormat::ListDisc);
    c.insertText(QStringLiteral("point"));
    c.insertBlock();
    c.createList(QTextListFormat::ListDecimal);
    c.insertText(QStringLiteral("premier"));
    roundTrip(doc, back);
    EXPECT_EQ(back.toPlainText().toStdString(),
              "Tableau\nt (s)\ty (m)\n0,2\t1,80\n\xE2\x80\xA2\tpoint\n1.\tpremier");
}

TEST(RtfWriter, EveryPrefixOfItsOutputReads)
{
    QTextDocument doc;
    buildRichDocument(doc);
    const QByteArray full = rtf::write(doc);
    for (qsizetype n = 5; n < full.size(); n += 3) {
        QTextDocument part;
        ASSERT_TRUE(rtf::read(full.left(n), part)) << n;
        const QString text = part.toPlainText();
        ASSERT_TRUE(doc.toPlainText().startsWith(text.chopped(qMin<qsizetype>(2, text.size()))))
            << "cut at " << n;
    }
}

TEST(RtfWriter, LibreOfficeFixturesSurviveOurRoundTrip)
{
    for (const char *name : {"lo-formats.rtf", "lo-table.rtf", "lo-image.rtf"}) {
        QFile f(QStringLiteral(ORBANE_EXERCISE_FIXTURES "/") + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QTextDocument doc, back;
        ASSERT_TRUE(rtf::read(f.readAll(), doc));
        roundTrip(doc, back);
        EXPECT_EQ(resolvedRuns(back), resolvedRuns(doc)) << name;
        EXPECT_EQ(paragraphFormats(back), paragraphFormats(doc)) << name;
    }
}

TEST(RichTextFile, SavingReplacesAFileOnlyWhenComplete)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("texte.rtf"));
    QTextDocument doc, back;
    doc.setPlainText(QStringLiteral("première version"));
    ASSERT_TRUE(rtf::saveFile(doc, path));
    doc.setPlainText(QStringLiteral("seconde version"));
    ASSERT_TRUE(rtf::saveFile(doc, path));
    ASSERT_TRUE(rtf::loadFile(path, back));
    EXPECT_EQ(back.toPlainText(), QStringLiteral("seconde version"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("texte.rtf")});

    // A folder that does not exist: nothing written, the old file untouched.
    EXPECT_FALSE(rtf::saveFile(doc, dir.filePath(QStringLiteral("absent/texte.rtf"))));
    // A file that is not RTF, and one that is missing, leave the document as it was.
    QFile plain(dir.filePath(QStringLiteral("plain.rtf")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("juste du texte");
    plain.close();
    EXPECT_FALSE(rtf::loadFile(plain.fileName(), back));
    EXPECT_FALSE(rtf::loadFile(dir.filePath(QStringLiteral("absent.rtf")), back));
    EXPECT_EQ(back.toPlainText(), QStringLiteral("seconde version"));
}

// ---- LibreOffice: it opens what we write with the same formatting ---------------------------

class LibreOffice : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (libreOffice().isEmpty())
            GTEST_SKIP() << "LibreOffice (soffice) is not installed";
        ASSERT_TRUE(QDir().mkpath(dir.path() + "/in"));
        ASSERT_TRUE(QDir().mkpath(dir.path() + "/out"));
    }
    QString input(const QString &name) const { return dir.path() + "/in/" + name; }
    QString outDir() const { return dir.path() + "/out"; }
    QTemporaryDir dir;
};

// LibreOffice opens the file and writes its own RTF, which we read back.
TEST_F(LibreOffice, OpensOurFileWithTheSameFormatting)
{
    QTextDocument doc;
    buildRichDocument(doc);
    ASSERT_TRUE(rtf::saveFile(doc, input("riche.rtf")));
    const QStringList again = convertWithLibreOffice({input("riche.rtf")}, "rtf", outDir());
    ASSERT_EQ(again.size(), 1);
    QTextDocument back;
    ASSERT_TRUE(rtf::loadFile(again.first(), back));
    EXPECT_EQ(resolvedRuns(back), resolvedRuns(doc));
    EXPECT_EQ(paragraphFormats(back), paragraphFormats(doc));
    const QImage picture = imageOf(back, doc.blockCount() - 1);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(16, 8));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(255, 0, 0));
}

class LibreOfficeShipped : public LibreOffice
{
protected:
    void SetUp() override
    {
        LibreOffice::SetUp();
        if (IsSkipped())
            return;
        const QDir data(QStringLiteral(ORBANE_DATA_DIR));
        names = data.entryList({QStringLiteral("*.RTF")}, QDir::Files);
        ASSERT_GE(names.size(), 10);
        for (const QString &name : names) {
            ASSERT_TRUE(QFile::copy(data.filePath(name), input(name)));
            inputs << input(name);
        }
    }
    QStringList names, inputs;
};

TEST_F(LibreOfficeShipped, KeepsTheFormattingOfEveryShippedText)
{
    const QStringList again = convertWithLibreOffice(inputs, "rtf", outDir());
    ASSERT_EQ(again.size(), inputs.size());
    for (int i = 0; i < inputs.size(); ++i) {
        QTextDocument ours, theirs;
        ASSERT_TRUE(rtf::loadFile(inputs[i], ours));
        ASSERT_TRUE(rtf::loadFile(again[i], theirs));
        EXPECT_EQ(resolvedRuns(theirs), resolvedRuns(ours)) << names[i].toStdString();
        EXPECT_EQ(paragraphFormats(theirs), paragraphFormats(ours)) << names[i].toStdString();
    }
}

TEST_F(LibreOfficeShipped, ShowsTheTextOfEveryShippedText)
{
    const QStringList txt = convertWithLibreOffice(inputs, "txt:Text (encoded):UTF8", outDir());
    ASSERT_EQ(txt.size(), inputs.size());
    for (int i = 0; i < inputs.size(); ++i) {
        QTextDocument ours;
        ASSERT_TRUE(rtf::loadFile(inputs[i], ours));
        QFile f(txt[i]);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QString theirs = QString::fromUtf8(f.readAll());
        theirs.remove(QChar(0xFEFF));
        // Paragraphs, and line breaks inside them, are line feeds in LibreOffice's text.
        QStringList paragraphs;
        for (QTextBlock b = ours.begin(); b.isValid(); b = b.next())
            paragraphs << b.text().replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
        EXPECT_EQ(theirs.trimmed().toStdString(), paragraphs.join('\n').trimmed().toStdString())
            << names[i].toStdString();
    }
}

} // namespace
