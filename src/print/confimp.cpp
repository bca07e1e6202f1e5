#include "print/confimp.h"

#include "print/pdffile.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace orbane::print {

Confimp::Confimp(PrinterService &printer, PrintSources sources, QWidget *mainWindow,
                 PdfFallback pdf)
    : QDialog(mainWindow), m_printer(printer), m_sources(std::move(sources)), m_pdf(std::move(pdf))
{
    setObjectName(QStringLiteral("confimp"));
    setWindowTitle(QStringLiteral("Imprimer"));
    setModal(true);
    setFixedSize(360, 270);
    buildOptions();
    buildButtons();
    Form_Load(mainWindow);
}

void Confimp::buildOptions()
{
    m_frame1 = new QGroupBox(QStringLiteral("Options"), this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setGeometry(10, 8, 340, 170);
    m_option1 = new QRadioButton(QStringLiteral("Imprimer l'animation"), m_frame1);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option1->setGeometry(16, 22, 300, 20);
    m_option1->setChecked(true);
    m_option2 = new QRadioButton(QStringLiteral("Imprimer le graphe"), m_frame1);
    m_option2->setObjectName(QStringLiteral("Option2"));
    m_option2->setGeometry(16, 42, 300, 20);
    const std::array<QString, 2> centre = {QStringLiteral("Centrer l'image horizontalement"),
                                           QStringLiteral("Centrer l'image verticalement")};
    for (int i = 0; i < 2; ++i) {
        m_chec[i] = new QCheckBox(centre[i], m_frame1);
        m_chec[i]->setObjectName(QStringLiteral("Chec"));
        m_chec[i]->setProperty("index", i);
        m_chec[i]->setGeometry(16, 70 + 20 * i, 300, 20);
    }
    m_blanc = new QCheckBox(QStringLiteral("Fond blanc"), m_frame1);
    m_blanc->setObjectName(QStringLiteral("blanc"));
    m_blanc->setAccessibleName(QStringLiteral("Fond blanc"));
    m_blanc->setAccessibleDescription(
        QStringLiteral("L'animation sur fond blanc, axes et quadrillage foncés, sans le sol"));
    m_blanc->setGeometry(16, 110, 300, 20);
    connect(m_option1, &QRadioButton::toggled, m_blanc, &QWidget::setEnabled);
    auto *label3 = new QLabel(QStringLiteral("Nombre d'exemplaires:"), m_frame1);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setGeometry(16, 138, 140, 20);
    m_label4 = new QLabel(QStringLiteral("1"), m_frame1);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_label4->setGeometry(156, 138, 24, 20);
    m_upDown1 = new UpDown(1, 40, m_frame1);
    m_upDown1->setArrowNames(QStringLiteral("Plus d'exemplaires"),
                             QStringLiteral("Moins d'exemplaires"));
    m_upDown1->setObjectName(QStringLiteral("UpDown1"));
    m_upDown1->setAccessibleName(QStringLiteral("Nombre d'exemplaires"));
    m_upDown1->move(186, 135);
    connect(m_upDown1, &UpDown::valueChanged, this,
            [this](int v) { m_label4->setText(QString::number(v)); });

    m_frame2 = new QGroupBox(this);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    m_frame2->setGeometry(10, 8, 340, 170);
    auto *label1 = new QLabel(QStringLiteral("Veuillez patienter quelques instants..."), m_frame2);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setAlignment(Qt::AlignCenter);
    label1->setGeometry(10, 70, 320, 24);
    m_frame2->hide();
}

void Confimp::buildButtons()
{
    auto *label2 = new QLabel(QStringLiteral("Imprimante:"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setGeometry(10, 190, 80, 22);
    m_defaut = new QLineEdit(this);
    m_defaut->setObjectName(QStringLiteral("defaut"));
    m_defaut->setReadOnly(true);
    m_defaut->setAccessibleName(QStringLiteral("Imprimante"));
    m_defaut->setGeometry(90, 190, 260, 22);

    const struct
    {
        QPushButton **button;
        const char *name;
        const char *caption;
        int left;
    } buttons[] = {{&m_command1, "Command1", "&OK", 10},
                   {&m_command2, "Command2", "&Imprimantes", 130},
                   {&m_command3, "Command3", "&Annuler", 250}};
    for (const auto &b : buttons) {
        *b.button = new QPushButton(QString::fromUtf8(b.caption), this);
        (*b.button)->setObjectName(QString::fromLatin1(b.name));
        (*b.button)->setGeometry(b.left, 228, 100, 28);
        (*b.button)->setAutoDefault(false);
    }
    m_command1->setDefault(true);
    connect(m_command1, &QPushButton::clicked, this, &Confimp::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Confimp::Command2_Click);
    connect(m_command3, &QPushButton::clicked, this, &Confimp::Command3_Click);
}

void Confimp::Form_Load(QWidget *mainWindow)
{
    if (mainWindow) {
        const QRect main = mainWindow->geometry();
        move(main.left() + (main.width() - width()) / 2, main.top() + 20);
    }
    m_defaut->setText(m_printer.shownName());
}

PrintOptions Confimp::options() const
{
    return {m_chec[0]->isChecked(), m_chec[1]->isChecked(), m_upDown1->value(),
            m_blanc->isChecked()};
}

bool Confimp::sceneChosen() const { return m_option1->isChecked(); }

void Confimp::showWaiting(bool on)
{
    for (QWidget *w : {static_cast<QWidget *>(m_command1), static_cast<QWidget *>(m_command2),
                       static_cast<QWidget *>(m_command3), static_cast<QWidget *>(m_frame1)})
        w->setVisible(!on);
    m_frame2->setVisible(on);
    repaint();
}

// A message box of the print window; true for "Oui" (or "OK").
bool Confimp::tell(const QString &prompt, MsgIcon icon, MsgButtons buttons)
{
    if (!m_pdf.dialogs)
        return false;
    const MsgAnswer answer =
        m_pdf.dialogs->message(prompt, QStringLiteral("Imprimer"), icon, buttons);
    return answer == MsgAnswer::Yes || answer == MsgAnswer::Ok;
}

void Confimp::Command1_Click()
{
    if (!(sceneChosen() ? bool(m_sources.scene) : bool(m_sources.graph))) {
        accept();
        return;
    }
    const PrintSource page =
        sceneChosen() ? m_sources.scene(m_blanc->isChecked()) : m_sources.graph();
    if (const QString file = m_printer.pdfFile(); !file.isEmpty()) {
        if (writePdf(file, page, m_printer.pageLayout()))
            accept();
        return;
    }
    if (!m_printer.available()) {
        if (savePdfInstead(page))
            accept();
        return;
    }
    showWaiting(true);
    if (!printCopies(m_printer, page, options())) {
        showWaiting(false);
        tell(QStringLiteral("L'impression sur « ") + m_printer.printerName() +
                 QStringLiteral(" » a échoué : l'imprimante n'a pas accepté la page."),
             MsgIcon::Critical);
        return;
    }
    accept();
}

bool Confimp::savePdfInstead(const PrintSource &page)
{
    if (!m_pdf.fileName ||
        !tell(QStringLiteral("Aucune imprimante n'est installée sur cet ordinateur.\n"
                             "Voulez-vous enregistrer la page dans un fichier PDF, avec la même "
                             "disposition et le même nombre d'exemplaires ?"),
              MsgIcon::Question, MsgButtons::YesNo))
        return false;
    const QString path = m_pdf.fileName();
    return !path.isEmpty() && writePdf(path, page, a4Layout());
}

bool Confimp::writePdf(const QString &path, const PrintSource &page, const QPageLayout &layout)
{
    if (QFileInfo::exists(path) &&
        !tell(QStringLiteral("Le fichier ") + QFileInfo(path).fileName() +
                  QStringLiteral(" existe déjà.\nLe remplacer ?"),
              MsgIcon::Question, MsgButtons::YesNo))
        return false;
    showWaiting(true);
    const saving::SaveResult saved = savePdf(path, page, options(), layout);
    showWaiting(false);
    if (!saved.ok)
        tell(pdfFailure(path, saved), MsgIcon::Critical);
    return saved.ok;
}

void Confimp::Command2_Click()
{
    if (m_printer.setup(this))
        m_defaut->setText(m_printer.shownName());
}

void Confimp::Command3_Click() { reject(); }

} // namespace orbane::print
