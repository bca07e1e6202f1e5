#pragma once

#include "print/clipboardservice.h"
#include "print/printerservice.h"
#include "print/printing.h"

#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <deque>
#include <functional>

namespace orbane::print::test {

// A printer that keeps every page it is given; its set-up dialog answers as queued ("OK" by
// default) and, when accepted, may switch to another printer.
class RecordingPrinter final : public PrinterService
{
public:
    struct Drawing
    {
        QPointF at;
        QSizeF size;
        QImage picture;
        PrintSource source;
    };
    QList<QList<Drawing>> pages; // pages of the documents ended so far
    QList<Drawing> current;
    int documents = 0;
    QSizeF page{11000, 15500};
    QString name = QStringLiteral("Imprimante de test");
    QString nameAfterSetup;
    std::deque<bool> setupAnswers;
    int setupCalls = 0;
    std::function<void()> onDraw;
    QList<QStringList> captions;

    bool present = true; // a printer is installed
    QString file;        // the file the set-up dialog chose to print into
    QString printerName() const override { return name; }
    QString pdfFile() const override { return file; }
    bool available() const override { return present; }
    bool setup(QWidget *) override
    {
        ++setupCalls;
        bool ok = true;
        if (!setupAnswers.empty()) {
            ok = setupAnswers.front();
            setupAnswers.pop_front();
        }
        if (ok && !nameAfterSetup.isEmpty())
            name = nameAfterSetup;
        return ok;
    }
    QSizeF pageTwips() const override { return page; }
    bool drawPicture(QPointF at, QSizeF size, const PrintSource &source) override
    {
        if (onDraw)
            onDraw();
        current << Drawing{at, size, source.image, source};
        return true;
    }
    void drawCaption(QPointF, const QStringList &lines) override { captions << lines; }
    void newPage() override
    {
        pages << current;
        current.clear();
    }
    bool endDocument() override
    {
        pages << current;
        current.clear();
        ++documents;
        return true;
    }
};

// Records what the program puts on the clipboard, in order ("clear", "image").
class RecordingClipboard final : public ClipboardService
{
public:
    QStringList calls;
    QImage image;
    void clear() override
    {
        calls << QStringLiteral("clear");
        image = QImage();
    }
    void setImage(const QImage &i) override
    {
        calls << QStringLiteral("image");
        image = i;
    }
};

// The first page of a PDF file as poppler renders it at `dpi`, written beside the file; a null
// picture when it could not be rendered.
inline QImage renderedPage(const QString &pdf, int dpi)
{
    QProcess render;
    render.start(QStandardPaths::findExecutable(QStringLiteral("pdftoppm")),
                 {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                  QStringLiteral("-singlefile"), pdf, pdf + QStringLiteral("-page")});
    if (!render.waitForFinished(30000))
        return {};
    return QImage(pdf + QStringLiteral("-page.png"));
}

} // namespace orbane::print::test
