#include "app/exportdialog.h"

#include "core/diskerror.h"
#include "core/savefile.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace orbane {

namespace {
QString askSavePath(QWidget *parent)
{
    QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Enregistrer les valeurs"), QString(),
        QStringLiteral("Texte tabulé (*.txt);;Tableur (*.csv)"));
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".txt");
    return path;
}
} // namespace

QString ExportDialog::flightColumns()
{
    return QStringLiteral("Colonnes séparées par des tabulations : t (s), x et y (m), vx, vy et v "
                          "(m/s), Ec, Ep et Em (J).");
}

QString ExportDialog::photoColumns()
{
    return QStringLiteral("Colonnes séparées par des tabulations : t (s), x et y (m) du centre du "
                          "projectile à chaque chronophotographie.");
}

ExportDialog::ExportDialog(QWidget *parent, const QString &title, const QString &columns,
                           TableMaker maker, Dialogs &dialogs, int defaultStepMs)
    : QDialog(parent), m_maker(std::move(maker)), m_dialogs(dialogs), m_chooser(askSavePath)
{
    setObjectName(QStringLiteral("exporter"));
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    if (defaultStepMs > 0) {
        auto *form = new QFormLayout;
        m_step = new QSpinBox(this);
        m_step->setObjectName(QStringLiteral("pas"));
        m_step->setRange(10, 5000);
        m_step->setValue(qBound(10, defaultStepMs, 5000));
        m_step->setSuffix(QStringLiteral(" ms"));
        form->addRow(QStringLiteral("Pas de temps :"), m_step);
        layout->addLayout(form);
    }
    auto *group = new QGroupBox(QStringLiteral("Séparateur décimal"), this);
    auto *groupLayout = new QVBoxLayout(group);
    m_comma = new QRadioButton(QStringLiteral("virgule (tableur)"), group);
    m_comma->setObjectName(QStringLiteral("virgule"));
    auto *point = new QRadioButton(QStringLiteral("point (Regressi, Python)"), group);
    point->setObjectName(QStringLiteral("point"));
    m_comma->setChecked(true);
    groupLayout->addWidget(m_comma);
    groupLayout->addWidget(point);
    layout->addWidget(group);
    auto *description = new QLabel(columns, this);
    description->setObjectName(QStringLiteral("colonnes"));
    description->setWordWrap(true);
    layout->addWidget(description);

    auto *buttons = new QHBoxLayout;
    auto *saveButton = new QPushButton(QStringLiteral("Enregistrer…"), this);
    saveButton->setObjectName(QStringLiteral("enregistrer"));
    auto *copyButton = new QPushButton(QStringLiteral("Copier"), this);
    copyButton->setObjectName(QStringLiteral("copier"));
    auto *closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    buttons->addWidget(saveButton);
    buttons->addWidget(copyButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    connect(saveButton, &QPushButton::clicked, this, &ExportDialog::saveClicked);
    connect(copyButton, &QPushButton::clicked, this, &ExportDialog::copy);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

exporttable::Separator ExportDialog::separator() const
{
    return m_comma->isChecked() ? exporttable::Separator::Comma : exporttable::Separator::Point;
}

int ExportDialog::stepMs() const { return m_step ? m_step->value() : 0; }

QString ExportDialog::table(const QString &eol) const { return m_maker(separator(), stepMs(), eol); }

bool ExportDialog::save(const QString &path)
{
    const QByteArray bytes = table(QStringLiteral("\r\n")).toUtf8();
    const saving::SaveResult saved = saving::saveBytes(path, bytes);
    if (!saved)
        m_dialogs.message(files::explained(QStringLiteral("Le tableau n'a pas été enregistré. "
                                                          "Vérifiez le dossier choisi et recommencez."),
                                           path, saved.reason),
                          QStringLiteral("Exporter les valeurs"), MsgIcon::Exclamation);
    return saved.ok;
}

void ExportDialog::saveClicked()
{
    const QString path = m_chooser(this);
    if (!path.isEmpty())
        save(path);
}

// Tabs and line feeds: a spreadsheet pastes it as a table.
void ExportDialog::copy() { QGuiApplication::clipboard()->setText(table(QStringLiteral("\n"))); }

} // namespace orbane
