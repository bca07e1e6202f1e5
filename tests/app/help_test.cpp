#include "app/helpwindow.h"
#include "support/doubles.h"
#include "support/pipes.h"
#include "support/programdir.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <ostream>

// Readable values in failure messages (internal linkage: other test files may print these too).
static void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
static void PrintTo(const QSize &s, std::ostream *os)
{
    *os << s.width() << " x " << s.height();
}

using namespace orbane;
using orbane::test::ProgramDir;
using orbane::test::ScriptedDialogs;

namespace {

QString dataFile(const QString &name)
{
    return QDir(QStringLiteral(ORBANE_DATA_DIR)).filePath(name);
}

// What the help document holds, read with a strict XML reader so that a tag left open or a
// stray "&" fails the test instead of silently changing the layout.
struct HelpDocument
{
    QString error;
    QStringList ids;                         // every id and <a name>, in order
    QStringList links;                       // every internal link target ("#x" without "#")
    QStringList contents;                    // the internal links of the contents list
    QStringList images;                      // every <img src>
    QList<QSize> imageSizes;                 // their width and height attributes
    QList<QPair<QString, QString>> sections; // h2 id, target of the last link before the next h2
};

HelpDocument readHelp(const QString &path)
{
    HelpDocument doc;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        doc.error = QStringLiteral("cannot open ") + path;
        return doc;
    }
    QXmlStreamReader xml(&file);
    bool afterContentsTitle = false; // the contents anchor was seen, its list not yet
    int contentsDepth = 0;           // > 0 while inside the contents list
    QString lastLink;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString tag = xml.name().toString();
            const auto attrs = xml.attributes();
            const QString id = attrs.value(QStringLiteral("id")).toString();
            if (!id.isEmpty())
                doc.ids << id;
            if (id == HelpWindow::contentsAnchor())
                afterContentsTitle = true; // the contents are the next list
            if (tag == QStringLiteral("a") && attrs.hasAttribute(QStringLiteral("name")))
                doc.ids << attrs.value(QStringLiteral("name")).toString();
            if (tag == QStringLiteral("h2")) {
                if (!doc.sections.isEmpty())
                    doc.sections.last().second = lastLink;
                doc.sections.append({id, QString()});
                lastLink.clear();
            }
            if (tag == QStringLiteral("ol") || tag == QStringLiteral("ul")) {
                if (contentsDepth > 0 || afterContentsTitle)
                    ++contentsDepth;
                afterContentsTitle = false;
            }
            if (tag == QStringLiteral("a") && attrs.hasAttribute(QStringLiteral("href"))) {
                const QString href = attrs.value(QStringLiteral("href")).toString();
                lastLink = href;
                if (href.startsWith(QLatin1Char('#'))) {
                    doc.links << href.mid(1);
                    if (contentsDepth > 0)
                        doc.contents << href.mid(1);
                }
            }
            if (tag == QStringLiteral("img")) {
                doc.images << attrs.value(QStringLiteral("src")).toString();
                doc.imageSizes << QSize(attrs.value(QStringLiteral("width")).toInt(),
                                        attrs.value(QStringLiteral("height")).toInt());
            }
        } else if (xml.isEndElement()) {
            const QString tag = xml.name().toString();
            if ((tag == QStringLiteral("ol") || tag == QStringLiteral("ul")) && contentsDepth > 0)
                --contentsDepth;
            if (tag == QStringLiteral("body") && !doc.sections.isEmpty())
                doc.sections.last().second = lastLink;
        }
    }
    if (xml.hasError())
        doc.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return doc;
}

// Top of the block that carries an anchor, in document coordinates; -1 when absent.
qreal anchorTop(QTextBrowser *browser, const QString &anchor)
{
    QTextDocument *doc = browser->document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().anchorNames().contains(anchor))
                return doc->documentLayout()->blockBoundingRect(block).top();
    return -1;
}

// The anchor's block lies in the visible part of the browser.
bool anchorShown(QTextBrowser *browser, const QString &anchor)
{
    const qreal top = anchorTop(browser, anchor);
    const int scroll = browser->verticalScrollBar()->value();
    return top >= 0 && top >= scroll && top < scroll + browser->viewport()->height();
}

HelpWindow *helpOf(QWidget &parent)
{
    return parent.findChild<HelpWindow *>(QStringLiteral("aide"));
}

// Records the web addresses that the desktop would open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

TEST(HelpDocument, IsWellFormedAndEveryInternalLinkHasItsAnchor)
{
    const HelpDocument doc = readHelp(dataFile(QStringLiteral("ZEPH.html")));
    ASSERT_TRUE(doc.error.isEmpty()) << doc.error.toStdString();
    ASSERT_FALSE(doc.links.isEmpty());
    const QSet<QString> ids(doc.ids.cbegin(), doc.ids.cend());
    EXPECT_EQ(ids.size(), doc.ids.size()) << "an anchor is defined twice";
    for (const QString &target : doc.links)
        EXPECT_TRUE(ids.contains(target)) << "#" << target.toStdString() << " has no anchor";
}

TEST(HelpDocument, ContentsListEverySectionAndEverySectionLeadsBack)
{
    const HelpDocument doc = readHelp(dataFile(QStringLiteral("ZEPH.html")));
    ASSERT_TRUE(doc.error.isEmpty()) << doc.error.toStdString();
    ASSERT_TRUE(doc.ids.contains(HelpWindow::contentsAnchor()));
    // The subjects a teacher looks for, each with its own section.
    const char *const subjects[] = {"animation",    "rebond",
                                    "parametres",   "affichage",
                                    "vecteurs",     "chronophotographie",
                                    "graphes",      "tableau",
                                    "calculatrice", "configurations",
                                    "exercices",    "imprimer",
                                    "questions",    "pointage",
                                    "exporter",     "formats",
                                    "python",       "deuxieme-loi",
                                    "pdf",          "ligne-commande",
                                    "raccourcis",   "affichage-agrandi",
                                    "dossier-enregistrement", "frottements"};
    for (const char *subject : subjects)
        EXPECT_TRUE(doc.contents.contains(QString::fromLatin1(subject))) << subject;
    ASSERT_GE(doc.sections.size(), 2);
    for (const auto &[id, lastLink] : doc.sections) {
        if (id == HelpWindow::contentsAnchor())
            continue;
        EXPECT_FALSE(id.isEmpty()) << "a section without an anchor";
        EXPECT_TRUE(doc.contents.contains(id)) << id.toStdString() << " missing from the contents";
        EXPECT_EQ(lastLink, QStringLiteral("#") + HelpWindow::contentsAnchor())
            << id.toStdString() << " does not end with a link back to the contents";
    }
}

TEST(HelpDocument, EveryPictureIsShippedSmallAndOfItsStatedSize)
{
    const HelpDocument doc = readHelp(dataFile(QStringLiteral("ZEPH.html")));
    ASSERT_TRUE(doc.error.isEmpty()) << doc.error.toStdString();
    ASSERT_FALSE(doc.images.isEmpty());
    for (int i = 0; i < doc.images.size(); ++i) {
        const QString &src = doc.images[i];
        SCOPED_TRACE(src.toStdString());
        EXPECT_TRUE(QFileInfo(src).isRelative());
        const QFileInfo file(dataFile(src));
        ASSERT_TRUE(file.isFile());
        EXPECT_LT(file.size(), 60 * 1024);
        const QImage image(file.filePath());
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), doc.imageSizes[i]);
    }
    // No picture of the help lies unused in the data folder.
    const QStringList shipped = QDir(QStringLiteral(ORBANE_DATA_DIR))
                                    .entryList({QStringLiteral("zeph-*.png")}, QDir::Files);
    for (const QString &name : shipped)
        EXPECT_TRUE(doc.images.contains(name)) << name.toStdString() << " is not used";
}

// A program folder with the shipped help, a parent window and the help opened over it.
class OpenHelp : public ::testing::Test
{
protected:
    // Shows the parent, opens the help over it and waits until it appears.
    void showHelp()
    {
        parent.show();
        ASSERT_TRUE(openHelp(&parent, dir.path(), dialogs));
        help = helpOf(parent);
        ASSERT_NE(help, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    }

    ProgramDir dir;
    ScriptedDialogs dialogs;
    QWidget parent;
    HelpWindow *help = nullptr;
};

TEST_F(OpenHelp, MissingFileShowsItsFullPathAndOpensNothing)
{
    ASSERT_TRUE(dir.remove(QStringLiteral("ZEPH.html")));
    EXPECT_FALSE(openHelp(&parent, dir.path(), dialogs));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const auto &shown = dialogs.shown.front();
    EXPECT_TRUE(
        shown.prompt.contains(QDir::toNativeSeparators(dir.file(QStringLiteral("ZEPH.html")))))
        << shown.prompt.toStdString();
    EXPECT_EQ(shown.title, QStringLiteral("Aide"));
    EXPECT_EQ(shown.icon, MsgIcon::Exclamation);
    EXPECT_EQ(helpOf(parent), nullptr);
}

TEST_F(OpenHelp, PipesInPlaceOfTheHelpOrOfAPictureAreRefusedWithoutBlocking)
{
    const QString page = dir.file(QStringLiteral("ZEPH.html"));
    const QString picture = dir.file(QStringLiteral("zeph-chrono.png"));
    ASSERT_TRUE(dir.remove(QStringLiteral("ZEPH.html")));
    ASSERT_TRUE(test::makePipe(page));
    EXPECT_TRUE(test::returnsWithoutAWriter(page, [&] {
        EXPECT_FALSE(openHelp(&parent, dir.path(), dialogs));
    }));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].prompt.contains(QStringLiteral("illisible")));

    ASSERT_TRUE(QFile::remove(page) && QFile::copy(dataFile(QStringLiteral("ZEPH.html")), page));
    ASSERT_TRUE(dir.remove(QStringLiteral("zeph-chrono.png")));
    ASSERT_TRUE(test::makePipe(picture));
    EXPECT_TRUE(test::returnsWithoutAWriter(picture, [&] {
        ASSERT_NO_FATAL_FAILURE(showHelp());
        help->browser()->document()->documentLayout(); // pictures load as the page is laid out
        QTest::qWait(50);
    }));
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(OpenHelp, HelpPathIsZephHtmlInTheProgramFolder)
{
    EXPECT_EQ(QFileInfo(HelpWindow::helpPath(dir.path())).canonicalFilePath(),
              QFileInfo(dir.file(QStringLiteral("ZEPH.html"))).canonicalFilePath());
    EXPECT_EQ(QFileInfo(HelpWindow::helpPath(dir.path() + QStringLiteral("/"))).canonicalFilePath(),
              QFileInfo(dir.file(QStringLiteral("ZEPH.html"))).canonicalFilePath());
}

TEST_F(OpenHelp, OpensANonModalReadOnlyWindowOnTheContents)
{
    ASSERT_NO_FATAL_FAILURE(showHelp());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Aide - Orbane 1S"));
    EXPECT_EQ(help->windowModality(), Qt::NonModal);
    QTextBrowser *browser = help->browser();
    EXPECT_TRUE(browser->isReadOnly());
    EXPECT_TRUE(browser->openExternalLinks());
    EXPECT_EQ(browser->source().fragment(), HelpWindow::contentsAnchor());
    EXPECT_EQ(QFileInfo(browser->source().toLocalFile()).canonicalFilePath(),
              QFileInfo(dir.file(QStringLiteral("ZEPH.html"))).canonicalFilePath());
    EXPECT_TRUE(anchorShown(browser, HelpWindow::contentsAnchor()));
    // The pictures are found beside the document.
    const QVariant picture = browser->document()->resource(QTextDocument::ImageResource,
                                                           QUrl(QStringLiteral("zeph-chrono.png")));
    EXPECT_FALSE(picture.value<QImage>().isNull());
}

TEST_F(OpenHelp, ButtonsGoBackToTheContentsAndThroughTheHistory)
{
    ASSERT_NO_FATAL_FAILURE(showHelp());
    QTextBrowser *browser = help->browser();
    auto *sommaire = help->findChild<QPushButton *>(QStringLiteral("sommaire"));
    auto *precedent = help->findChild<QPushButton *>(QStringLiteral("precedent"));
    auto *suivant = help->findChild<QPushButton *>(QStringLiteral("suivant"));
    auto *fermer = help->findChild<QPushButton *>(QStringLiteral("fermer"));
    ASSERT_TRUE(sommaire && precedent && suivant && fermer);
    EXPECT_EQ(sommaire->text().remove(QLatin1Char('&')), QStringLiteral("Sommaire"));
    EXPECT_EQ(precedent->text().remove(QLatin1Char('&')), QStringLiteral("Précédent"));
    EXPECT_EQ(suivant->text().remove(QLatin1Char('&')), QStringLiteral("Suivant"));
    EXPECT_EQ(fermer->text().remove(QLatin1Char('&')), QStringLiteral("Fermer"));
    EXPECT_FALSE(precedent->isEnabled());
    EXPECT_FALSE(suivant->isEnabled());

    QUrl questions = browser->source();
    questions.setFragment(QStringLiteral("questions"));
    browser->setSource(questions);
    EXPECT_TRUE(anchorShown(browser, QStringLiteral("questions")));
    EXPECT_FALSE(anchorShown(browser, HelpWindow::contentsAnchor()));
    EXPECT_TRUE(precedent->isEnabled());

    QTest::mouseClick(sommaire, Qt::LeftButton);
    EXPECT_EQ(browser->source().fragment(), HelpWindow::contentsAnchor());
    EXPECT_TRUE(anchorShown(browser, HelpWindow::contentsAnchor()));

    QTest::mouseClick(precedent, Qt::LeftButton);
    EXPECT_EQ(browser->source().fragment(), QStringLiteral("questions"));
    EXPECT_TRUE(anchorShown(browser, QStringLiteral("questions")));
    EXPECT_TRUE(suivant->isEnabled());

    QTest::mouseClick(suivant, Qt::LeftButton);
    EXPECT_EQ(browser->source().fragment(), HelpWindow::contentsAnchor());
    EXPECT_FALSE(suivant->isEnabled());

    QPointer<HelpWindow> alive(help);
    QTest::mouseClick(fermer, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
}

// The section a document position falls in: the last anchor of `ids` at or above it.
static QString sectionAt(QTextBrowser *browser, int position, const QStringList &ids)
{
    const qreal top = browser->document()
                          ->documentLayout()
                          ->blockBoundingRect(browser->document()->findBlock(position))
                          .top();
    QString section;
    qreal best = -1;
    for (const QString &id : ids)
        if (const qreal at = anchorTop(browser, id); at >= 0 && at <= top && at > best) {
            best = at;
            section = id;
        }
    return section;
}

TEST_F(OpenHelp, SearchGoesToTheNextPlaceRoundToTheTopAndSaysWhenNothingIsFound)
{
    ASSERT_NO_FATAL_FAILURE(showHelp());
    QTextBrowser *browser = help->browser();
    auto *search = help->findChild<QLineEdit *>(QStringLiteral("recherche"));
    auto *notFound = help->findChild<QLabel *>(QStringLiteral("introuvable"));
    ASSERT_TRUE(search && notFound);
    EXPECT_FALSE(search->accessibleName().isEmpty());
    const QStringList sections = readHelp(dataFile(QStringLiteral("ZEPH.html"))).ids;

    QTest::keyClicks(search, QStringLiteral("ctrl+maj+z"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(browser->textCursor().selectedText(), QStringLiteral("Ctrl+Maj+Z"));
    EXPECT_EQ(sectionAt(browser, browser->textCursor().position(), sections),
              QStringLiteral("raccourcis"));
    EXPECT_TRUE(notFound->isHidden());

    search->setText(QStringLiteral("Zoom ×2"));
    QTest::keyClick(search, Qt::Key_Return);
    const int first = browser->textCursor().position();
    EXPECT_EQ(sectionAt(browser, first, sections), QStringLiteral("pointage"));
    QTest::keyClick(search, Qt::Key_Return); // the only place: found again from the top
    EXPECT_EQ(browser->textCursor().position(), first);

    search->setText(QStringLiteral("runge-kutta")); // past the end, round to the air's section
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(browser->textCursor().selectedText(), QStringLiteral("Runge-Kutta"));
    EXPECT_EQ(sectionAt(browser, browser->textCursor().position(), sections),
              QStringLiteral("frottements-calcul"));

    search->setText(QStringLiteral("hippopotame"));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_FALSE(notFound->isHidden());
    EXPECT_TRUE(notFound->text().contains(QStringLiteral("hippopotame")));
}

TEST_F(OpenHelp, OpeningAgainReusesTheWindowOnTheContents)
{
    ASSERT_NO_FATAL_FAILURE(showHelp());
    QUrl elsewhere = help->browser()->source();
    elsewhere.setFragment(QStringLiteral("calculatrice"));
    help->browser()->setSource(elsewhere);
    ASSERT_FALSE(anchorShown(help->browser(), HelpWindow::contentsAnchor()));

    ASSERT_TRUE(openHelp(&parent, dir.path(), dialogs));
    EXPECT_EQ(parent.findChildren<HelpWindow *>().size(), 1);
    EXPECT_EQ(helpOf(parent), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(anchorShown(help->browser(), HelpWindow::contentsAnchor()));
}

TEST_F(OpenHelp, KeyboardFollowsLinksInsideAndHandsWebLinksToTheDesktop)
{
    {
        QFile html(dir.file(QStringLiteral("ZEPH.html")));
        ASSERT_TRUE(html.open(QIODevice::WriteOnly | QIODevice::Truncate));
        html.write(
            "<html><body><h2 id=\"sommaire\">Sommaire</h2>"
            "<p><a href=\"#loin\">Loin</a> <a href=\"https://example.org/orbane\">Web</a></p>");
        for (int i = 0; i < 200; ++i)
            html.write("<p>...</p>");
        html.write("<h2 id=\"loin\">Loin</h2></body></html>");
    }
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    ASSERT_NO_FATAL_FAILURE(showHelp());
    QTextBrowser *browser = help->browser();
    browser->setFocus();

    QTest::keyClick(browser, Qt::Key_Tab); // first link: "#loin"
    QTest::keyClick(browser, Qt::Key_Return);
    EXPECT_EQ(browser->source().fragment(), QStringLiteral("loin"));
    EXPECT_TRUE(anchorShown(browser, QStringLiteral("loin")));

    browser->backward();
    QTextCursor start = browser->textCursor();
    start.movePosition(QTextCursor::Start);
    browser->setTextCursor(start);
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Tab); // second link: the web address
    ASSERT_EQ(browser->textCursor().charFormat().anchorHref(),
              QStringLiteral("https://example.org/orbane"));
    QTest::keyClick(browser, Qt::Key_Return);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front(), QUrl(QStringLiteral("https://example.org/orbane")));
    EXPECT_EQ(browser->source().fragment(), HelpWindow::contentsAnchor()); // still the help
}

#include "help_test.moc"
