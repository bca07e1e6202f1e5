#include "print/confimp.h"
#include "printdoubles.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace orbane::print;
using orbane::print::test::RecordingPrinter;

namespace {

struct ConfimpTest : ::testing::Test
{
    RecordingPrinter printer;
    QWidget main;
    QImage scene{409, 800, QImage::Format_RGB32};
    QImage graph{357, 205, QImage::Format_RGB32};
    std::unique_ptr<Confimp> window;

    void SetUp() override
    {
        scene.fill(Qt::red);
        graph.fill(Qt::blue);
        main.setGeometry(100, 80, 800, 600);
        PrintSources sources;
        sources.scene = [this] { return PrintSource{scene, scene.size()}; };
        sources.graph = [this] { return PrintSource{graph, QSize(361, 209)}; };
        window = std::make_unique<Confimp>(printer, sources, &main);
    }
    template <typename T> T *child(const char *name, int index = -1)
    {
        for (T *w : window->findChildren<T *>(QString::fromLatin1(name)))
            if (index < 0 || w->property("index").toInt() == index)
                return w;
        return nullptr;
    }
};

} // namespace

TEST_F(ConfimpTest, OpensBelowTheMainWindowsTopWithThePrinterName)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Imprimer"));
    EXPECT_EQ(window->y(), 100);
    EXPECT_EQ(child<QLineEdit>("defaut")->text(), QStringLiteral("Imprimante de test"));
    EXPECT_TRUE(child<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(child<QLabel>("Label4")->text(), QStringLiteral("1"));
    EXPECT_TRUE(child<QGroupBox>("Frame2")->isHidden());
    EXPECT_EQ(child<QPushButton>("Command2")->text(), QStringLiteral("&Imprimantes"));
}

TEST_F(ConfimpTest, ImprimantesReloadsTheNameUnlessCancelled)
{
    printer.nameAfterSetup = QStringLiteral("Laser du CDI");
    printer.setupAnswers = {false, true};
    child<QPushButton>("Command2")->click();
    EXPECT_EQ(child<QLineEdit>("defaut")->text(), QStringLiteral("Imprimante de test"));
    child<QPushButton>("Command2")->click();
    EXPECT_EQ(child<QLineEdit>("defaut")->text(), QStringLiteral("Laser du CDI"));
    EXPECT_EQ(printer.setupCalls, 2);
    EXPECT_EQ(printer.documents, 0);
}

TEST_F(ConfimpTest, CopiesBetweenOneAndForty)
{
    auto *updown = child<orbane::UpDown>("UpDown1");
    updown->down()->click();
    EXPECT_EQ(updown->value(), 1);
    for (int i = 0; i < 50; ++i)
        updown->up()->click();
    EXPECT_EQ(updown->value(), 40);
    EXPECT_EQ(child<QLabel>("Label4")->text(), QStringLiteral("40"));
    updown->down()->click();
    EXPECT_EQ(child<QLabel>("Label4")->text(), QStringLiteral("39"));
}

TEST_F(ConfimpTest, OkPrintsTheChosenPictureAndCloses)
{
    child<QRadioButton>("Option2")->click();
    child<QCheckBox>("Chec", 0)->click();
    child<orbane::UpDown>("UpDown1")->up()->click();
    bool waiting = false;
    printer.onDraw = [&] {
        waiting = !child<QGroupBox>("Frame2")->isHidden() &&
                  child<QGroupBox>("Frame1")->isHidden() &&
                  child<QPushButton>("Command1")->isHidden();
    };
    window->show();
    child<QPushButton>("Command1")->click();
    EXPECT_TRUE(waiting) << "the waiting frame is shown while printing";
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(printer.pages.size(), 2);
    for (const auto &page : printer.pages) {
        EXPECT_EQ(page[0].picture, graph);
        EXPECT_EQ(page[0].at, QPointF((11000 - 361 * 15) / 2.0, 15500 / 20.0));
    }
}

TEST_F(ConfimpTest, AnnulerPrintsNothing)
{
    window->show();
    child<QPushButton>("Command3")->click();
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(printer.documents, 0);
    EXPECT_TRUE(printer.current.isEmpty());
}
