#include "print/pdffile.h"
#include "print/sceneoutput.h"
#include "printdoubles.h"
#include "scene/scenefixture.h"
#include "support/doubles.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::print;
using orbane::print::test::RecordingClipboard;
using orbane::print::test::RecordingPrinter;

namespace {

struct SceneOutputTest : orbane::test::SceneFixture
{
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    orbane::test::CountingBeeper beeper;
    QImage graph{357, 205, QImage::Format_RGB32};
    std::unique_ptr<SceneOutput> output;
    QWidget main;

    void SetUp() override
    {
        SceneFixture::SetUp();
        // A background no pixel of the projectile or its shadow has.
        QImage place(409, 800, QImage::Format_RGB32);
        place.fill(QColor(0, 160, 160));
        canvas().replacePersistent(place);
        graph.fill(Qt::green);
        output = std::make_unique<SceneOutput>(sim, *renderer, printer, clipboard, &beeper);
        output->graphImage = [this] { return graph; };
        output->graphFrameSize = [] { return QSize(361, 209); };
    }

    // Runs the print button, answering the print window with the named button.
    void print(const char *button)
    {
        QTimer::singleShot(0, [button] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() == QLatin1String("confimp"))
                modal->findChild<QPushButton *>(QString::fromLatin1(button))->click();
        });
        QTimer::singleShot(5000, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close(); // never hang
        });
        output->Command10_Click(&main);
    }

    // The picture's opaque pixels are on the image with their corner at `corner`.
    static bool shows(const QImage &image, const QImage &sprite, QPoint corner)
    {
        int opaque = 0;
        for (int y = 0; y < sprite.height(); ++y)
            for (int x = 0; x < sprite.width(); ++x) {
                if (qAlpha(sprite.pixel(x, y)) != 255)
                    continue;
                ++opaque;
                if (image.pixel(corner + QPoint(x, y)) != sprite.pixel(x, y))
                    return false;
            }
        return opaque > 0;
    }
    bool showsProjectile(const QImage &image)
    {
        return shows(image, renderer->projectilePicture(),
                     QPoint(int(std::lround(sim.d.projLeft)), int(std::lround(sim.d.projTop))));
    }
    // The shadow is translucent: its dense pixels darken the background.
    bool showsShadow(const QImage &image)
    {
        const QImage &shadow = renderer->shadowPicture();
        const QPoint corner(int(std::lround(sim.d.ombreLeft)), 420);
        int dense = 0, darkened = 0;
        for (int y = 0; y < shadow.height(); ++y)
            for (int x = 0; x < shadow.width(); ++x)
                if (qAlpha(shadow.pixel(x, y)) >= 64) {
                    ++dense;
                    darkened += image.pixelColor(corner + QPoint(x, y)).green() < 150;
                }
        return dense > 0 && darkened == dense;
    }
    // The projectile 5 m up, away from its shadow.
    void raise()
    {
        sim.TextN_Change(2, QStringLiteral("5"));
        sim.Text2_LostFocus();
    }
};

} // namespace

TEST_F(SceneOutputTest, MisenivPaintsTheProjectileOnTheScene)
{
    raise();
    ASSERT_FALSE(showsProjectile(shown())) << "at rest the projectile is a separate picture";
    ASSERT_FALSE(showsShadow(shown()));
    output->miseniv();
    EXPECT_TRUE(showsProjectile(shown()));
    EXPECT_TRUE(showsShadow(shown()));
    EXPECT_TRUE(output->hasSauvetage());
}

TEST_F(SceneOutputTest, PrintingTheSceneAndRestoringIt)
{
    raise();
    sim.Check_Click(1, true);
    sim.command18_Click();
    const QImage before = shown();
    print("Command1");
    ASSERT_EQ(printer.pages.size(), 1);
    const QImage printed = printer.pages[0][0].picture;
    EXPECT_EQ(printed.size(), QSize(409, 800));
    EXPECT_TRUE(showsProjectile(printed));
    EXPECT_EQ(printed.pixelColor(30, 300), colour(sim.c.Label4[4])) << "the axes are printed";
    EXPECT_EQ(shown(), before);
    EXPECT_FALSE(output->hasSauvetage());
}

TEST_F(SceneOutputTest, AnnulerPrintsNothingAndRestores)
{
    sim.Check_Click(1, true);
    sim.command18_Click();
    const QImage before = shown();
    print("Command3");
    EXPECT_EQ(printer.documents, 0);
    EXPECT_EQ(shown(), before);
}

TEST_F(SceneOutputTest, PrintingAPausedFlightFreezesNothingIntoTheBackground)
{
    orbane::test::controlsOf(sim).Check[5] = true; // velocity vector
    sim.command15_Click();
    for (int i = 0; i < 10; ++i)
        sim.Timer1_Timer();
    sim.command16_Click(); // pause
    const QImage persistent = canvas().persistent().copy();
    const QImage before = shown();
    print("Command3");
    EXPECT_EQ(canvas().persistent(), persistent);
    EXPECT_EQ(shown(), before);
}

TEST_F(SceneOutputTest, BeepsWhenTheGraphWindowIsOpen)
{
    QWidget graphes;
    graphes.setObjectName(QStringLiteral("graphes"));
    graphes.show();
    print("Command3");
    EXPECT_EQ(beeper.beeps, 1);
    graphes.hide();
    print("Command3");
    EXPECT_EQ(beeper.beeps, 1);
}

TEST_F(SceneOutputTest, PrintingTheLiveGraph)
{
    QTimer::singleShot(0, [] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        modal->findChild<QWidget *>(QStringLiteral("Option2"))->setProperty("checked", true);
        modal->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    output->Command10_Click(&main);
    ASSERT_EQ(printer.pages.size(), 1);
    EXPECT_EQ(printer.pages[0][0].picture, graph);
}

TEST_F(SceneOutputTest, CopyMenuPutsThePicturesOnTheClipboard)
{
    QSignalSpy hints(output.get(), &SceneOutput::hintChanged);
    QMenu *menu = output->menucopie(&main);
    EXPECT_EQ(menu->objectName(), QStringLiteral("menucopie"));
    EXPECT_EQ(output->menucopie(&main), menu);
    auto *copim = menu->findChild<QAction *>(QStringLiteral("copim"));
    auto *copigraph = menu->findChild<QAction *>(QStringLiteral("copigraph"));
    ASSERT_TRUE(copim && copigraph);
    EXPECT_EQ(copim->text(), QStringLiteral("Copier l'animation"));
    EXPECT_EQ(copigraph->text(), QStringLiteral("Copier le graphe"));

    copim->trigger();
    EXPECT_EQ(clipboard.calls, (QStringList{"clear", "image"}));
    EXPECT_EQ(clipboard.image, shown());
    copigraph->trigger();
    EXPECT_EQ(clipboard.image, graph);
    ASSERT_EQ(hints.size(), 2);
    EXPECT_EQ(hints[0][0].toString(), sim.s.msgcopie);
}

TEST_F(SceneOutputTest, TheGraphWindowsPrintAndCopy)
{
    QImage picture(508, 412, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    printer.setupAnswers = {false, true};
    EXPECT_FALSE(output->printPicture(picture, nullptr));
    EXPECT_EQ(printer.documents, 0);
    EXPECT_TRUE(output->printPicture(picture, nullptr));
    ASSERT_EQ(printer.pages.size(), 1);
    EXPECT_EQ(printer.pages[0][0].picture, picture);
    output->copyPicture(picture);
    EXPECT_EQ(clipboard.calls, (QStringList{"clear", "image"}));
    EXPECT_EQ(clipboard.image, picture);
}

TEST(QtClipboard, HoldsThePicture)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(10, 200, 30));
    QtClipboard clipboard;
    clipboard.clear();
    clipboard.setImage(picture);
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture);
}

// The print draws the scene again at the page's scale: the vertical axis (x = 30 scene pixels)
// lands at 30 × scale, on white it is dark over no place picture, and the page carries its
// caption; checked on the PDF itself where poppler is installed.
TEST_F(SceneOutputTest, TheSceneIsPrintedAtThePagesScaleWithItsCaption)
{
    sim.Check_Click(1, true);
    output->miseniv();
    const PrintSource screen = output->sources().scene(false);
    const PrintSource white = output->sources().scene(true);
    const QImage scaled = rendered(screen, 3), onWhite = rendered(white, 3);
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("scene.pdf"));
    ASSERT_TRUE(savePdf(path, white, {}).ok);
    output->restaurer();
    const QColor axis = colour(sim.c.Label4[4]);
    EXPECT_EQ(scaled.pixelColor(90, 900), axis);
    EXPECT_EQ(scaled.pixelColor(92, 900), axis);
    EXPECT_EQ(scaled.pixelColor(89, 900), QColor(0, 160, 160));
    EXPECT_EQ(scaled.pixelColor(93, 900), QColor(0, 160, 160));
    EXPECT_EQ(onWhite.pixelColor(90, 900), Canvas::darkInk());
    EXPECT_EQ(onWhite.pixelColor(89, 900), QColor(Qt::white));
    ASSERT_EQ(white.caption.size(), 4);
    EXPECT_TRUE(white.caption[0].startsWith(QStringLiteral("Lieu : ")));
    EXPECT_TRUE(white.caption[1].contains(QStringLiteral("v₀ = 15,00 m/s")));
    EXPECT_TRUE(white.caption[3].startsWith(QStringLiteral("Nom : ....")));

    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "poppler-utils are not installed";
    const QImage page = orbane::print::test::renderedPage(path, 192);
    ASSERT_FALSE(page.isNull());
    // 192 dpi is 2 pixels a scene pixel; the picture starts at a tenth of the A4 width.
    const double left = 210.0 / 25.4 * 192 / 10, top = 297.0 / 25.4 * 192 / 20;
    const int y = int(top + 2 * 300);
    EXPECT_LT(page.pixelColor(int(left + 2 * 30 + 1), y).lightness(), 80) << "the axis";
    EXPECT_EQ(page.pixelColor(int(left + 2 * 30 + 4), y), QColor(Qt::white)) << "no place";
    int inked = 0; // the caption's letters under the picture
    for (int yy = int(top + 2 * 800); yy < int(top + 2 * 800 + 200); ++yy)
        for (int x = int(left); x < int(left + 600); ++x)
            inked += page.pixelColor(x, yy).lightness() < 128;
    EXPECT_GT(inked, 500);
}
