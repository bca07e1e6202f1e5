#include "print/confimp.h"
#include "print/pdffile.h"
#include "printdoubles.h"

#include "support/doubles.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
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

// A file that a failed save must leave as it was.
void writeOld(const QString &path, const QByteArray &bytes)
{
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(bytes);
}

struct ConfimpTest : ::testing::Test
{
    RecordingPrinter printer;
    QWidget main;
    QImage scene{409, 800, QImage::Format_RGB32};
    QImage graph{357, 205, QImage::Format_RGB32};
    PrintSources sources;
    std::unique_ptr<Confimp> window;

    void SetUp() override
    {
        scene.fill(Qt::red);
        graph.fill(Qt::blue);
        main.setGeometry(100, 80, 800, 600);
        sources.scene = [this](bool) { return PrintSource{scene, scene.size()}; };
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

// Without a printer, "OK" says so and offers a PDF file with the same pages; declined, or
// impossible to write, it leaves the window open and writes nothing.
TEST_F(ConfimpTest, WithoutAPrinterThePagesGoToAPdfFile)
{
    printer.present = false;
    orbane::test::ScriptedDialogs dialogs;
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("page.pdf"));
    window = std::make_unique<Confimp>(printer, sources, &main,
                                       PdfFallback{&dialogs, [&path] { return path; }});
    window->show();
    child<orbane::UpDown>("UpDown1")->setValue(2);

    dialogs.answers = {orbane::MsgAnswer::No};
    child<QPushButton>("Command1")->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].prompt.startsWith(QStringLiteral("Aucune imprimante")));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(QFile::exists(path));

    path = dir.filePath(QStringLiteral("absent/page.pdf"));
    dialogs.answers = {orbane::MsgAnswer::Yes};
    child<QPushButton>("Command1")->click();
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_TRUE(dialogs.shown[2].prompt.contains(path));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(child<QPushButton>("Command1")->isVisible());

    path = dir.filePath(QStringLiteral("page.pdf"));
    dialogs.answers = {orbane::MsgAnswer::Yes};
    child<QPushButton>("Command1")->click();
    EXPECT_EQ(window->result(), QDialog::Accepted);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(pdf.readAll());
    EXPECT_TRUE(bytes.startsWith(QStringLiteral("%PDF")));
    EXPECT_EQ(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))), 2);
    EXPECT_EQ(printer.documents, 0);
}

// "Imprimer dans un fichier" chosen in "Imprimantes": the box names the file, an existing
// one is replaced only after "Oui", and the pages go through the checked writer, never to the
// printer, so a full disk leaves the old file and says so.
TEST_F(ConfimpTest, PrintingIntoAFileAsksBeforeReplacingIt)
{
    orbane::test::ScriptedDialogs dialogs;
    QTemporaryDir dir;
    printer.file = dir.filePath(QStringLiteral("cours.pdf"));
    writeOld(printer.file, "old page");
    window = std::make_unique<Confimp>(printer, sources, &main, PdfFallback{&dialogs, {}});
    EXPECT_EQ(child<QLineEdit>("defaut")->text(), QStringLiteral("Fichier PDF : cours.pdf"));
    window->show();
    const auto contents = [&] {
        QFile f(printer.file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };

    dialogs.answers = {orbane::MsgAnswer::No};
    child<QPushButton>("Command1")->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].buttons, orbane::MsgButtons::YesNo);
    EXPECT_TRUE(dialogs.shown[0].prompt.contains(QStringLiteral("cours.pdf existe déjà")));
    EXPECT_EQ(contents(), QByteArray("old page"));
    EXPECT_TRUE(window->isVisible());

    {
        orbane::test::FaultyDisk disk;
        disk.room = 2000;
        const orbane::saving::UseDisk full(disk);
        dialogs.answers = {orbane::MsgAnswer::Yes};
        child<QPushButton>("Command1")->click();
    }
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[2].icon, orbane::MsgIcon::Critical);
    EXPECT_TRUE(dialogs.shown[2].prompt.contains(QStringLiteral("plein")));
    EXPECT_EQ(contents(), QByteArray("old page"));

    dialogs.answers = {orbane::MsgAnswer::Yes};
    child<QPushButton>("Command1")->click();
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(contents().startsWith("%PDF"));
    EXPECT_EQ(printer.documents, 0) << "nothing is sent to a printer";
}

TEST_F(ConfimpTest, FondBlancAsksTheSceneOnWhite)
{
    std::vector<bool> asked;
    sources.scene = [&](bool onWhite) {
        asked.push_back(onWhite);
        return PrintSource{scene, scene.size()};
    };
    window = std::make_unique<Confimp>(printer, sources, &main);
    auto *blanc = child<QCheckBox>("blanc");
    ASSERT_NE(blanc, nullptr);
    EXPECT_EQ(blanc->text(), QStringLiteral("Fond blanc"));
    EXPECT_FALSE(blanc->accessibleName().isEmpty());
    child<QRadioButton>("Option2")->click();
    EXPECT_FALSE(blanc->isEnabled()) << "the graph is on white already";
    child<QRadioButton>("Option1")->click();
    blanc->click();
    window->show();
    child<QPushButton>("Command1")->click();
    EXPECT_EQ(asked, std::vector<bool>{true});
}

TEST(PdfFile, AFullDiskLeavesTheOldFileAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    writeOld(path, "old page");
    QFile old(path);
    orbane::test::FaultyDisk disk;
    disk.room = 2000;
    const orbane::saving::UseDisk full(disk);
    QImage picture(409, 800, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const auto saved = savePdf(path, {picture, picture.size()}, {false, false, 1});
    EXPECT_FALSE(saved.ok);
    EXPECT_TRUE(saved.reason.contains(QStringLiteral("plein")));
    // The graph window's print into a file goes the same way.
    RecordingPrinter printer;
    printer.file = path;
    orbane::saving::SaveResult graphSaved;
    EXPECT_TRUE(printCentred(printer, {picture, picture.size()}, nullptr, &graphSaved));
    EXPECT_FALSE(graphSaved.ok);
    EXPECT_EQ(printer.documents, 0);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old page"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}
