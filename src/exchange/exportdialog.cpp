#include "exchange/exportdialog.h"

#include "core/numberformat.h"
#include "core/services.h"
#include "core/simulation.h"
#include "exchange/savechooser.h"
#include "exchange/tables.h"
#include "platform/savewindows.h"

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
#include <algorithm>

namespace orbane::exchange {

namespace {
// The chosen format's filter first, and its suffix on a name typed without one.
QString askSavePath(QWidget *parent, const QString &suggested, const FormatEntry &chosen)
{
    QStringList filters{chosen.filter};
    for (const FormatEntry &entry : formats())
        if (!filters.contains(entry.filter))
            filters << entry.filter;
    QFileDialog dialog(parent, QStringLiteral("Enregistrer les valeurs"), QString(),
                       filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    openOnSavePlace(dialog, suggested);
    QString path = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                       ? dialog.selectedFiles().first()
                       : QString();
    const bool known = std::any_of(formats().begin(), formats().end(), [&](const FormatEntry &e) {
        return path.endsWith(e.suffix, Qt::CaseInsensitive);
    });
    if (!path.isEmpty() && !known)
        path += chosen.suffix;
    return path;
}
} // namespace

ExportDialog::ExportDialog(QWidget *parent, const QString &title, TableMaker maker,
                           Dialogs &dialogs, int defaultStepMs)
    : QDialog(parent), m_maker(std::move(maker)), m_dialogs(dialogs),
      m_chooser([this](QWidget *window) { return askSavePath(window, suggestedFile(), format()); })
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
    layout->addWidget(buildFormats());
    m_columns = describe(m_maker(stepMs()));
    m_description = new QLabel(this);
    m_description->setObjectName(QStringLiteral("colonnes"));
    m_description->setWordWrap(true);
    showColumns();
    layout->addWidget(m_description);

    auto *buttons = new QHBoxLayout;
    auto *saveButton = new QPushButton(QStringLiteral("&Enregistrer…"), this);
    saveButton->setObjectName(QStringLiteral("enregistrer"));
    auto *copyButton = new QPushButton(QStringLiteral("&Copier"), this);
    copyButton->setObjectName(QStringLiteral("copier"));
    auto *closeButton = new QPushButton(QStringLiteral("&Fermer"), this);
    buttons->addWidget(saveButton);
    buttons->addWidget(copyButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    connect(saveButton, &QPushButton::clicked, this, &ExportDialog::saveClicked);
    connect(copyButton, &QPushButton::clicked, this, &ExportDialog::copy);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget *ExportDialog::buildFormats()
{
    auto *group = new QGroupBox(QStringLiteral("Format"), this);
    auto *groupLayout = new QVBoxLayout(group);
    for (const FormatEntry &entry : formats()) {
        auto *choice = new QRadioButton(entry.caption, group);
        choice->setObjectName(entry.objectName);
        groupLayout->addWidget(choice);
        m_formats.push_back(choice);
    }
    m_formats.front()->setChecked(true);
    for (QRadioButton *choice : m_formats)
        connect(choice, &QRadioButton::toggled, this, &ExportDialog::showColumns);
    return group;
}

// The description says how the chosen format separates the columns.
void ExportDialog::showColumns()
{
    m_description->setText(format().columnsSeparated + QStringLiteral(" : ") + m_columns +
                           QLatin1Char('.'));
}

const FormatEntry &ExportDialog::format() const
{
    std::size_t chosen = 0;
    while (chosen + 1 < m_formats.size() && !m_formats[chosen]->isChecked())
        ++chosen;
    return formats()[chosen];
}

int ExportDialog::stepMs() const { return m_step ? m_step->value() : 0; }

QString ExportDialog::table(const QString &eol) const
{
    const FormatEntry &entry = format();
    Format chosen = entry.format;
    chosen.eol = eol;
    return entry.write(m_maker(stepMs()), chosen);
}

bool ExportDialog::save(const QString &path)
{
    return saveOrTell(path, table(QStringLiteral("\r\n")).toUtf8(),
                      QStringLiteral("Le tableau n'a pas été enregistré. "
                                     "Vérifiez le dossier choisi et recommencez."),
                      QStringLiteral("Exporter les valeurs"), m_dialogs);
}

void ExportDialog::saveClicked()
{
    const QString path = m_chooser(this);
    if (!path.isEmpty())
        save(path);
}

// Line feeds: a spreadsheet pastes the copied text as a table.
void ExportDialog::copy() { QGuiApplication::clipboard()->setText(table(QStringLiteral("\n"))); }

bool refusedWhileHidden(bool hidden, Dialogs &dialogs, const QString &what)
{
    if (hidden)
        dialogs.message(masked::unavailable(what), what, MsgIcon::Exclamation);
    return hidden;
}

void exportFlight(const Simulation &sim, Dialogs &dialogs, QWidget *parent)
{
    if (refusedWhileHidden(sim.hidden().any(), dialogs))
        return;
    ExportDialog dialog(
        parent, QStringLiteral("Exporter les valeurs"),
        [&sim](int stepMs) { return flightTable(sim.flight(), stepMs / 1000.0); }, dialogs,
        int(numfmt::parseOr(sim.c.chrono, 300.0)));
    dialog.exec();
}

void exportPositions(const std::vector<PhotoPosition> &photos, Dialogs &dialogs, QWidget *parent)
{
    const QString title = QStringLiteral("Exporter les positions");
    if (photos.empty()) {
        dialogs.message(
            QStringLiteral("Aucune chronophotographie n'a été prise : il n'y a pas de position à "
                           "exporter.\nActivez la chronophotographie (bouton caméra) pendant "
                           "l'animation, puis recommencez."),
            title, MsgIcon::Information);
        return;
    }
    ExportDialog dialog(
        parent, title, [&photos](int) { return photoTable(photos); }, dialogs);
    dialog.suggestName(QStringLiteral("positions"));
    dialog.exec();
}

} // namespace orbane::exchange
