#include "print/printing.h"
#include "printdoubles.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orbane::print;
using orbane::print::test::RecordingPrinter;

namespace {

QImage framedPicture(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 0));
    return img;
}

// Bounding box of the reddish pixels of a rendered page.
QRect redBox(const QImage &page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

QString tool(const char *name) { return QStandardPaths::findExecutable(QString::fromLatin1(name)); }

} // namespace

TEST(Placement, TenthOfTheWidthOrCentred)
{
    const QSizeF page(10000, 16000), picture(6135, 12000);
    const struct
    {
        const char *name;
        bool h, v;
        QPointF expected;
    } cases[] = {{"not centred", false, false, {1000, 800}},
                 {"centred horizontally", true, false, {1932.5, 800}},
                 {"centred vertically", false, true, {1000, 2000}},
                 {"centred both ways", true, true, {1932.5, 2000}}};
    for (const auto &c : cases)
        EXPECT_EQ(placement(page, picture, c.h, c.v), c.expected) << c.name;
}

TEST(PrintCopies, OnePagePerCopyWithTheSamePicture)
{
    RecordingPrinter printer;
    const PrintSource scene{framedPicture({409, 800}), {409, 800}};
    printCopies(printer, scene, {false, false, 3});
    ASSERT_EQ(printer.documents, 1);
    ASSERT_EQ(printer.pages.size(), 3);
    for (const auto &page : printer.pages) {
        ASSERT_EQ(page.size(), 1);
        EXPECT_EQ(page[0].at, QPointF(1100, 775));
        EXPECT_EQ(page[0].size, QSizeF(6135, 12000));
        EXPECT_EQ(page[0].picture, scene.image);
    }
}

TEST(PrintCopies, CentringUsesTheControlsSize)
{
    // The live graph's picture is its panel's inside; the panel's size centres it.
    RecordingPrinter printer;
    const PrintSource graph{framedPicture({357, 205}), {361, 209}};
    printCopies(printer, graph, {true, true, 1});
    ASSERT_EQ(printer.pages.size(), 1);
    EXPECT_EQ(printer.pages[0][0].at, QPointF((11000 - 5415) / 2.0, (15500 - 3135) / 2.0));
    EXPECT_EQ(printer.pages[0][0].size, QSizeF(5355, 3075));
}

TEST(PrintCopies, CopiesStayBetweenOneAndForty)
{
    for (const auto &[asked, printed] : {std::pair{0, 1}, std::pair{-3, 1}, std::pair{99, 40}}) {
        RecordingPrinter printer;
        printCopies(printer, {framedPicture({10, 10}), {10, 10}}, {false, false, asked});
        EXPECT_EQ(printer.pages.size(), printed) << asked;
    }
}

TEST(PrintCentred, CancellingTheSetUpPrintsNothing)
{
    RecordingPrinter printer;
    printer.setupAnswers = {false};
    EXPECT_FALSE(printCentred(printer, {framedPicture({508, 412}), {508, 412}}, nullptr));
    EXPECT_EQ(printer.setupCalls, 1);
    EXPECT_EQ(printer.documents, 0);
    EXPECT_TRUE(printer.pages.isEmpty());
    EXPECT_TRUE(printer.current.isEmpty());
}

TEST(PrintCentred, OnePageWithThePictureCentred)
{
    RecordingPrinter printer;
    EXPECT_TRUE(printCentred(printer, {framedPicture({508, 412}), {508, 412}}, nullptr));
    ASSERT_EQ(printer.pages.size(), 1);
    EXPECT_EQ(printer.pages[0][0].at, QPointF((11000 - 7620) / 2.0, (15500 - 6180) / 2.0));
}

TEST(PdfPrinting, ThreeCopiesMakeAThreePagePdf)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scene.pdf"));
    QRectF paint;
    {
        PdfPrinterService printer(path);
        paint = printer.printer().pageLayout().paintRect(QPageLayout::Point);
        printCopies(printer, {framedPicture({409, 800}), {409, 800}}, {false, false, 3});
    }
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));

    const QString pdfinfo = tool("pdfinfo"), pdftoppm = tool("pdftoppm");
    if (pdfinfo.isEmpty() || pdftoppm.isEmpty())
        GTEST_SKIP() << "poppler-utils are not installed";
    QProcess info;
    info.start(pdfinfo, {path});
    ASSERT_TRUE(info.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));

    // At 72 dpi a pixel is a point (20 twips): the picture's corner lies at a tenth of the
    // printable width and a twentieth of its height, from the printable area's corner.
    QProcess render;
    render.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                            path, dir.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(render.waitForFinished(30000));
    for (const char *name : {"page-1.png", "page-2.png", "page-3.png"}) {
        const QImage page(dir.filePath(QString::fromLatin1(name)));
        ASSERT_FALSE(page.isNull()) << name;
        const QRect box = redBox(page);
        EXPECT_NEAR(box.left(), paint.left() + paint.width() / 10, 1.5) << name;
        EXPECT_NEAR(box.top(), paint.top() + paint.height() / 20, 1.5) << name;
        EXPECT_NEAR(box.width(), 409 * 15 / 20.0, 1.5) << name;
        EXPECT_NEAR(box.height(), 800 * 15 / 20.0, 1.5) << name;
    }
}

TEST(PdfPrinting, CentredGraphAndCancelledSetUp)
{
    QTemporaryDir dir;
    const QString cancelled = dir.filePath(QStringLiteral("cancelled.pdf"));
    {
        PdfPrinterService printer(cancelled);
        printer.setupAnswers = {false};
        EXPECT_FALSE(printCentred(printer, {framedPicture({508, 412}), {508, 412}}, nullptr));
    }
    EXPECT_FALSE(QFile::exists(cancelled));

    const QString path = dir.filePath(QStringLiteral("graph.pdf"));
    QRectF paint;
    {
        PdfPrinterService printer(path);
        paint = printer.printer().pageLayout().paintRect(QPageLayout::Point);
        EXPECT_TRUE(printCentred(printer, {framedPicture({508, 412}), {508, 412}}, nullptr));
    }
    const QString pdftoppm = tool("pdftoppm");
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "poppler-utils are not installed";
    const QRect box = redBox(orbane::print::test::renderedPage(path, 72));
    EXPECT_NEAR(box.center().x() + 0.5, paint.center().x(), 1.5);
    EXPECT_NEAR(box.center().y() + 0.5, paint.center().y(), 1.5);
}
