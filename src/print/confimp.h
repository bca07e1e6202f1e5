#pragma once

#include "print/printing.h"

#include "core/services.h"
#include "platform/updown.h"

#include <QDialog>
#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace orbane::print {

// Where the print window takes its pictures: the scene canvas (on white when asked) and the
// live graph.
struct PrintSources
{
    std::function<PrintSource(bool onWhite)> scene;
    std::function<PrintSource()> graph;
};

// What the print window needs when there is no printer: the message boxes, and the save window
// that names a PDF file (an empty answer cancels).
struct PdfFallback
{
    Dialogs *dialogs = nullptr;
    std::function<QString()> fileName;
};

// The print window `confimp` ("Imprimer"): scene or graph, centring, the scene on white, 1 to
// 40 copies, the printer's name (or the file printed into) and its set-up dialog. Without a
// printer, "OK" says so and offers to save the page as a PDF file instead.
class Confimp : public QDialog
{
    Q_OBJECT
public:
    Confimp(PrinterService &printer, PrintSources sources, QWidget *mainWindow,
            PdfFallback pdf = {});

    void Command1_Click(); // "&OK": print, then close
    void Command2_Click(); // "&Imprimantes": printer set-up
    void Command3_Click(); // "&Annuler"
    PrintOptions options() const;
    bool sceneChosen() const;

private:
    void Form_Load(QWidget *mainWindow);
    void buildOptions();
    void buildButtons();
    void showWaiting(bool on);
    bool tell(const QString &prompt, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok);
    // The page as a PDF file; false when the user declined or the file could not be written.
    bool savePdfInstead(const PrintSource &page);
    // The page into a PDF file, asking before an existing one is replaced.
    bool writePdf(const QString &path, const PrintSource &page, const QPageLayout &layout);

    PrinterService &m_printer;
    PrintSources m_sources;
    PdfFallback m_pdf;
    QGroupBox *m_frame1 = nullptr;
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    std::array<QCheckBox *, 2> m_chec{};
    QCheckBox *m_blanc = nullptr;
    QLabel *m_label4 = nullptr;
    UpDown *m_upDown1 = nullptr;
    QLineEdit *m_defaut = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QGroupBox *m_frame2 = nullptr;
};

} // namespace orbane::print
