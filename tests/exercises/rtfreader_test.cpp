#include "exercises/docdump.h"
#include "exercises/rtfreader.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace orbane;
using orbane::test::dump;

namespace {

QString read(const QByteArray &rtf)
{
    QTextDocument doc;
    EXPECT_TRUE(rtf::read(rtf, doc)) << rtf.constData();
    return dump(doc);
}

struct Case
{
    const char *name;
    QByteArray rtf;
    QString expected;
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

class ReaderCases : public ::testing::TestWithParam<Case>
{};

TEST_P(ReaderCases, ReadsTextAndFormats)
{
    EXPECT_EQ(read(GetParam().rtf), GetParam().expected) << GetParam().rtf.constData();
}

const Case kCases[] = {
    {"PlainText", R"({\rtf1\ansi Bonjour})", "Bonjour"},
    {"BoldOnAndOff", R"({\rtf1 a{\b gras}b\b c\b0 d})", "agras{b}bc{b}d"},
    {"GroupEndRestoresFormat", R"({\rtf1 {\i x{\b y}z}w})", "x{i}y{b,i}z{i}w"},
    {"PlainResets", R"({\rtf1\b\i a\plain b})", "a{b,i}b"},
    {"UnderlineStrikeAndTheirEnds", R"({\rtf1\ul u\ulnone n\strike s\strike0 t\uld d})",
     "u{u}ns{s}td{u}"},
    {"SuperAndSubscript", R"({\rtf1 v\sub 0\nosupersub  m.s\super -2\plain  x})",
     "v0{sub} m.s-2{sup} x"},
    {"UpAndDownAsRaisedText", R"({\rtf1 a{\up6 b}{\dn6 c}})", "ab{sup}c{sub}"},
    {"FontSizeInHalfPoints", R"({\rtf1\fs36 titre})", "titre{pt=18}"},
    {"HugeFontSizeIsBounded", R"({\rtf1\fs99999999999999 x})", "x{pt=1638}"},
    {"FontAndColourTables",
     R"({\rtf1{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}}{\colortbl;\red255\green0\blue0;\red0\green0\blue200;}\f1\cf2 bleu \cf1 rouge \cf0 noir})",
     "bleu {fg=#0000c8,font=Times New Roman}rouge {fg=#ff0000,font=Times New Roman}noir{font=Times New Roman}"},
    {"FontTableWithoutInnerGroups", R"({\rtf1{\fonttbl\f0 Arial;\f1 Courier New;}\f1 x})",
     "x{font=Courier New}"},
    {"DefaultFontDefinedAfterDeff", R"({\rtf1\deff1{\fonttbl{\f0 Arial;}{\f1 Liberation Mono;}}x})",
     "x{font=Liberation Mono}"},
    {"ColourOutOfTableIsAuto", R"({\rtf1{\colortbl;\red1\green2\blue3;}\cf9 x})", "x"},
    {"HighlightAndShading", R"({\rtf1{\colortbl;\red255\green255\blue0;}{\highlight1 a}{\chcbpat1 b}{\cb1 c}\highlight0 d})",
     "abc{bg=#ffff00}d"},
    {"HiddenTextIsNotShown", R"({\rtf1 a{\v cach\'e9}b})", "ab"},
    {"Cp1252ByDefault", R"({\rtf1\ansi caf\'e9 \'80 \'9c\'85})", "café € œ…"},
    {"AnsiCodePage", R"({\rtf1\ansi\ansicpg1251 \'e0\'e1})", "аб"},
    {"FontCharsetChoosesTheCodePage",
     R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset238 Arial CE;}}\f1 \'9c\f0 \'9c})",
     "ś{font=Arial CE}œ{font=Arial}"},
    {"SymbolFontBecomesGreek", R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset2 Symbol;}}\f0 {\f1 D}v = {\f1 a\'b4}2})",
     "Δv = α×2{font=Arial}"},
    {"BrokenHexEscapesAreDropped", R"({\rtf1 a\'zzb\'4})", "azzb"},
    {"UnicodeWithFallback", R"({\rtf1 \u233? \uc2\u8364 xxy})", "é €y"},
    {"UnicodeFallbackAsHex", R"({\rtf1 soulign\u233\'e9 !})", "souligné !"},
    {"UnicodeWithoutFallback", R"({\rtf1\uc0\u233 x})", "éx"},
    {"UnicodeFallbackIsGroupScoped", R"({\rtf1{\uc3\u233}abcd})", "éabcd"},
    {"NegativeUnicodeAndSurrogatePair", R"({\rtf1 \u-10180?\u-8370? \u-3913?})",
     QString::fromUtf8("🍎 \uF0B7")},
    {"PositiveSurrogatePair", R"({\rtf1\uc0 \u55356\uc1 \u57166\'3f.})", QString::fromUtf8("🍎.")},
    {"LoneSurrogateIsReplaced", R"({\rtf1 \u-10180?x})", QString::fromUtf8("\uFFFDx")},
    {"UnicodeOutOfRangeIsDropped", R"({\rtf1 a\u99999999999?b})", "ab"},
    {"StarredUnknownDestinationSkipped", R"({\rtf1 a{\*\unknowndest junk {nested}}b})", "ab"},
    {"StarredGroupWithoutADestinationSkipped", R"({\rtf1 a{\*{x}y}b})", "ab"},
    {"UnknownControlWordIgnored", R"({\rtf1 a\foo12 b\bar c})", "abc"},
    {"KnownDestinationsSkipped",
     R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}{\author A}}{\*\generator G;}{\header h}x})",
     "x"},
    {"FieldShowsItsResult", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt lien}} !})",
     "lien !"},
    {"UprShowsItsUnicodeVersion", R"({\rtf1{\upr{ansi}{\*\ud{\u233?t\u233?}}}})", "été"},
    {"BinaryDataSkipped", "{\\rtf1 a{\\*\\x\\bin3 }{\\}b}", "ab"},
    {"EscapedBracesAndBackslash", R"({\rtf1 \{ \} \\})", "{ } \\"},
    {"SpecialCharacters", R"({\rtf1 a\tab b\line c\~d\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
     QString::fromUtf8("a\tb\u2028c\u00A0d—–•‘’“”")},
    {"LineBreakByBackslashNewline", "{\\rtf1 a\\\nb}", "a / b"},
    {"ParagraphsClosedLazily", R"({\rtf1 a\par b\par})", "a / b"},
    {"EmptyLastParagraphKept", R"({\rtf1 a\par\par})", "a / "},
    {"OnlyAParagraphMark", R"({\rtf1 \par})", ""},
    {"AlignmentPerParagraph", R"({\rtf1\qc a\par\pard\qr b\par\pard\qj c\par\pard d})",
     "[c]a / [r]b / [j]c / d"},
    {"TableReadAsText",
     R"({\rtf1\trowd\cellx1000\cellx2000\pard\intbl a\cell b\cell\row\trowd\cellx1000\cellx2000\pard\intbl c\cell d\cell\row\pard e\par})",
     "a\tb / c\td / e"},
    {"StrayCellAndRowOutsideTables", R"({\rtf1 a\cell\row b})", "a / b"},
    {"TextAfterTheDocumentIgnored", R"({\rtf1 a}b})", "a"},
    {"TruncatedFileKeepsItsText", R"({\rtf1 {\b gras)", "gras{b}"},
    {"StrayClosingBracesIgnored", R"({\rtf1 a{\b b}}}} c)", "ab{b}"},
    {"ByteOrderMarkAndBlanksBeforeTheHeader", "\xEF\xBB\xBF \r\n{\\rtf1 x}", "x"},
    {"ControlCharactersDropped", "{\\rtf1 a\x01\x02\\u1?b\\u0?c}", "abc"},
};

INSTANTIATE_TEST_SUITE_P(Rtf, ReaderCases, ::testing::ValuesIn(kCases),
                         [](const auto &p) { return std::string(p.param.name); });

TEST(RtfReader, RefusesWhatIsNotRtfAndLeavesTheDocumentAlone)
{
    for (const QByteArray &bad : {QByteArray(), QByteArray("hello"), QByteArray("{\\rt"),
                                  QByteArray("rtf1 {\\rtf1 x}"), QByteArray("{\\rtx1 x}"),
                                  QByteArray("\x89PNG\r\n\x1a\n")}) {
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("avant"));
        EXPECT_FALSE(rtf::read(bad, doc)) << bad.constData();
        EXPECT_EQ(doc.toPlainText(), QStringLiteral("avant"));
    }
}

TEST(RtfReader, ReplacesThePreviousContentAndItsUndoHistory)
{
    QTextDocument doc;
    QTextCursor(&doc).insertText(QStringLiteral("ancien"));
    ASSERT_TRUE(doc.isUndoAvailable());
    ASSERT_TRUE(rtf::read(QByteArray("{\\rtf1 nouveau}"), doc));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("nouveau"));
    EXPECT_FALSE(doc.isUndoAvailable());
    EXPECT_TRUE(doc.isUndoRedoEnabled());
}

TEST(RtfReader, ParagraphFormatsInTwips)
{
    QTextDocument doc;
    ASSERT_TRUE(rtf::read(QByteArray(R"({\rtf1\pard\li567\ri150\fi-283\sb170\sa113\sl360\slmult1\tx1701\tqr\tx4535 a\par
\pard\sl-300\slmult0 b\par\pard\sl300 c\par})"), doc));
    ASSERT_EQ(doc.blockCount(), 3);
    const QTextBlockFormat a = doc.begin().blockFormat();
    EXPECT_NEAR(a.leftMargin(), 567 / 15.0, 1e-9);
    EXPECT_NEAR(a.rightMargin(), 10.0, 1e-9);
    EXPECT_NEAR(a.textIndent(), -283 / 15.0, 1e-9);
    EXPECT_NEAR(a.topMargin(), 170 / 15.0, 1e-9);
    EXPECT_NEAR(a.bottomMargin(), 113 / 15.0, 1e-9);
    EXPECT_EQ(a.lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_NEAR(a.lineHeight(), 150.0, 1e-9);
    ASSERT_EQ(a.tabPositions().size(), 2);
    EXPECT_NEAR(a.tabPositions()[0].position, 1701 / 15.0, 1e-9);
    EXPECT_EQ(a.tabPositions()[0].type, QTextOption::LeftTab);
    EXPECT_EQ(a.tabPositions()[1].type, QTextOption::RightTab);
    const QTextBlockFormat b = doc.begin().next().blockFormat();
    EXPECT_EQ(b.lineHeightType(), QTextBlockFormat::FixedHeight);
    EXPECT_NEAR(b.lineHeight(), 20.0, 1e-9);
    EXPECT_EQ(b.leftMargin(), 0); // \pard reset the indent
    EXPECT_EQ(doc.lastBlock().blockFormat().lineHeightType(), QTextBlockFormat::MinimumHeight);
}

TEST(RtfReader, EmptyParagraphKeepsTheSizeOfItsMark)
{
    QTextDocument doc;
    ASSERT_TRUE(rtf::read(QByteArray(R"({\rtf1 a\par{\fs48\par}b})"), doc));
    ASSERT_EQ(doc.blockCount(), 3);
    EXPECT_EQ(doc.begin().next().charFormat().fontPointSize(), 24);
}

TEST(RtfReader, DeepNestingNeitherCrashesNorLosesText)
{
    for (int depth : {150, 250, 100000}) {
        QByteArray rtf = "{\\rtf1 a";
        rtf += QByteArray(depth, '{') + "\\b x" + QByteArray(depth, '}') + " y}";
        QTextDocument doc;
        ASSERT_TRUE(rtf::read(rtf, doc));
        EXPECT_EQ(doc.toPlainText(), QStringLiteral("ax y")) << depth;
    }
}

TEST(RtfReader, HostileBytesNeverCrash)
{
    // Binary noise after a valid header, and long runs of half-written escapes.
    QByteArray noise = "{\\rtf1 ";
    for (int i = 0; i < 20000; ++i)
        noise += char((i * 7919 + 13) % 256);
    QByteArray escapes = "{\\rtf1 " + QByteArray(50000, '\\') + QByteArray(20000, '\'') +
                         "\\'" + QByteArray("\\u-") + QByteArray(40, '9');
    QByteArray pictures = "{\\rtf1 {\\pict\\pngblip\\picscalex-5\\picwgoal999999999 "
                          "89504e470d0a1a0a0000000d49484452ffffffffffffffff}}";
    for (const QByteArray &rtf : {noise, escapes, pictures}) {
        QTextDocument doc;
        EXPECT_TRUE(rtf::read(rtf, doc));
    }
}

QByteArray fixture(const char *name)
{
    QFile f(QStringLiteral(ORBANE_EXERCISE_FIXTURES "/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

// Every prefix of a real file reads, and its text begins the full text (but for its last two
// characters: a cut escape may change one, a cut surrogate pair two).
TEST(RtfReader, EveryPrefixOfLibreOfficeFilesReads)
{
    for (const char *name : {"lo-formats.rtf", "lo-table.rtf", "lo-image.rtf"}) {
        const QByteArray full = fixture(name);
        QTextDocument whole;
        ASSERT_TRUE(rtf::read(full, whole));
        const QString text = whole.toPlainText();
        for (qsizetype n = 5; n <= full.size(); ++n) {
            QTextDocument doc;
            ASSERT_TRUE(rtf::read(full.left(n), doc)) << name << n;
            const QString part = doc.toPlainText();
            ASSERT_TRUE(text.startsWith(part.chopped(qMin<qsizetype>(2, part.size()))))
                << name << " cut at " << n << ": " << part.toStdString();
        }
    }
}

QTextCharFormat formatAt(const QTextDocument &doc, const QString &needle, int offset = 0)
{
    const QTextCursor found = doc.find(needle);
    EXPECT_FALSE(found.isNull()) << needle.toStdString();
    QTextCursor c(const_cast<QTextDocument *>(&doc));
    c.setPosition(found.selectionStart() + offset + 1);
    return c.charFormat();
}

struct FixtureRun
{
    const char *needle;
    int offset;
    const char *attributes;
};

TEST(RtfReader, LibreOfficeFormatsFixtureKeepsItsFormatting)
{
    QTextDocument doc;
    ASSERT_TRUE(rtf::read(fixture("lo-formats.rtf"), doc));
    const FixtureRun runs[] = {
        {"Chute libre", 0, "b,fg=#0000c8,font=Liberation Sans,pt=18"},
        {"Texte ", 0, "font=Liberation Serif"},
        {"gras", 0, "b,font=Liberation Serif"},
        {"italique", 0, "i,font=Liberation Serif"},
        {"souligné", 0, "u,font=Liberation Serif"},
        {"barré", 0, "s,font=Liberation Serif"},
        {"vitesse v0", 9, "sub,font=Liberation Serif"},
        {"m.s-1", 3, "sup,font=Liberation Serif"},
        {"rouge", 0, "fg=#ff0000,font=Liberation Serif"},
        {"surligné", 0, "bg=#ffff00,font=Liberation Serif"},
        {"code", 0, "font=Liberation Mono,pt=9"},
        {"vert", 0, "fg=#008000,font=Liberation Sans,pt=14"},
    };
    for (const FixtureRun &r : runs)
        EXPECT_EQ(test::attributes(formatAt(doc, QString::fromUtf8(r.needle), r.offset)),
                  QString::fromLatin1(r.attributes))
            << r.needle;

    ASSERT_EQ(doc.blockCount(), 11);
    QStringList lines;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        lines << b.text();
    EXPECT_EQ(lines[0], QStringLiteral("Chute libre"));
    EXPECT_EQ(lines[2], QStringLiteral("La vitesse v0 vaut 15 m.s-1 et g = 9,8 m.s-2."));
    EXPECT_EQ(lines[6], QStringLiteral("x\ty\tfin"));
    EXPECT_EQ(lines[7], QString::fromUtf8("Première ligne\u2028deuxième ligne"));
    EXPECT_EQ(lines[8], QString::fromUtf8("Accents : é è à ç ù œ Œ « guillemets » € … ; "
                                          "grec : Δv, α, ω ; pomme : 🍎."));
    EXPECT_EQ(lines[9], QString());
    EXPECT_EQ(lines[10], QStringLiteral("Fin."));

    const auto block = [&doc](int n) { return doc.findBlockByNumber(n).blockFormat(); };
    EXPECT_TRUE(block(0).alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(block(4).alignment() & Qt::AlignRight);
    EXPECT_TRUE(block(5).alignment() & Qt::AlignJustify);
    EXPECT_NEAR(block(5).leftMargin(), 37.8, 0.1);  // 1 cm
    EXPECT_NEAR(block(5).textIndent(), 18.9, 0.1);  // 0,5 cm
    EXPECT_NEAR(block(5).topMargin(), 11.3, 0.1);   // 0,3 cm
    EXPECT_NEAR(block(5).bottomMargin(), 7.5, 0.1); // 0,2 cm
    ASSERT_EQ(block(6).tabPositions().size(), 2);
    EXPECT_NEAR(block(6).tabPositions()[0].position, 113.4, 0.1); // 3 cm
    EXPECT_EQ(block(6).tabPositions()[1].type, QTextOption::RightTab);
    EXPECT_EQ(block(8).lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_NEAR(block(8).lineHeight(), 150, 1e-9);
}

TEST(RtfReader, LibreOfficeTableFixtureReadsAsRows)
{
    QTextDocument doc;
    ASSERT_TRUE(rtf::read(fixture("lo-table.rtf"), doc));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("Tableau de valeurs :\nt (s)\tx (m)\ty (m)\n"
                                                "0,0\t0,00\t2,00\n0,2\t1,00\t1,80\nAprès le tableau."));
    // The cells line up on the table's column boundaries.
    const QList<QTextOption::Tab> tabs = doc.findBlockByNumber(1).blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_NEAR(tabs[0].position, 3213 / 15.0, 1e-9);
    EXPECT_NEAR(tabs[1].position, 6425 / 15.0, 1e-9);
    EXPECT_TRUE(doc.lastBlock().blockFormat().tabPositions().isEmpty());
}

TEST(RtfReader, LibreOfficeImageFixtureShowsThePictureAtItsSize)
{
    QTextDocument doc;
    ASSERT_TRUE(rtf::read(fixture("lo-image.rtf"), doc));
    EXPECT_EQ(dump(doc), QStringLiteral("Avant {font=Liberation Serif}<img> après.{font=Liberation Serif}"));
    const QTextCharFormat f = formatAt(doc, QStringLiteral("Avant "), 6);
    ASSERT_TRUE(f.isImageFormat());
    const QTextImageFormat img = f.toImageFormat();
    EXPECT_NEAR(img.width(), 75.6, 0.2); // 2 cm
    EXPECT_NEAR(img.height(), 37.8, 0.2);
    const QImage picture = doc.resource(QTextDocument::ImageResource, QUrl(img.name())).value<QImage>();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(16, 8));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(picture.pixelColor(15, 7), QColor(0, 0, 255));
}

} // namespace

// The work of a read grows as its input: each shape, at 4 times the size, takes at most about
// 4 times the steps (a quadratic step would take 16 times).
TEST(RtfReader, WorkGrowsLinearlyWithTheInput)
{
    const struct
    {
        const char *name;
        QByteArray head, unit;
    } shapes[] = {
        {"paragraphs", "", "Un projectile lanc\\'e9 {\\b vers le haut} \\u8594? x.\\par\n"},
        {"table rows after many cell boundaries", "\\cellx100\\cellx200\\intbl ", "a\\cellx300 b\\par "},
        {"groups", "", "{{{{{\\i a}}}}}"},
        {"tabs and colours", "{\\colortbl;\\red1\\green2\\blue3;}", "\\tx100\\tqr\\tx200\\cf1 a\\tab b\\par "},
        {"fonts", "{\\fonttbl", "{\\f1\\fcharset0 Arial;}"},
        {"picture", "{\\pict\\pngblip ", "0123456789abcdef"},
        {"unicode fallbacks", "\\uc3 ", "\\u233 abc\\'e9"},
    };
    const auto stepsFor = [](const QByteArray &head, const QByteArray &unit, int units) {
        QByteArray rtf = "{\\rtf1\\ansi " + head;
        for (int i = 0; i < units; ++i)
            rtf += unit;
        rtf += "}";
        QTextDocument doc;
        rtf::Progress progress;
        EXPECT_TRUE(rtf::read(rtf, doc, &progress));
        return std::pair{progress.steps, rtf.size()};
    };
    for (const auto &shape : shapes) {
        const auto [small, smallBytes] = stepsFor(shape.head, shape.unit, 2000);
        const auto [large, largeBytes] = stepsFor(shape.head, shape.unit, 8000);
        EXPECT_GE(small, smallBytes / 8) << shape.name; // every byte is looked at
        EXPECT_LE(double(large) / small, 4.4) << shape.name << ": " << small << " then " << large;
        EXPECT_LE(large, 4 * largeBytes) << shape.name;
    }
}
