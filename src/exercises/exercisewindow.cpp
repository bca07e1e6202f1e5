#include "exercises/exercisewindow.h"

#include "core/numberformat.h"
#include "exercises/rtfreader.h"
#include "exercises/rtfwriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace orbane::exercises {

namespace {

// In the order of Setting and Secret.
constexpr const char *kSettingNames[kSettings] = {
    "Lieu",   "Projectile", "x₀", "y₀", "v₀", "α₀", "Intervalle τ de la chronophotographie",
    "Options des vecteurs", "Options d'affichage"};
constexpr const char *kSecretNames[kSecrets] = {"g (le lieu devient « Planète inconnue »)",
                                                "La masse du projectile", "v₀", "α₀"};
enum Column { Text, Expected, Unit, Tolerance, kColumns };

QPushButton *button(const QString &caption, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QString cell(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

} // namespace

ExerciseWindow::ExerciseWindow(Sources sources, QWidget *parent)
    : QDialog(parent), m_sources(std::move(sources))
{
    setObjectName(QStringLiteral("exercice"));
    setWindowTitle(QStringLiteral("Exercice"));
    auto *tabs = new QTabWidget(this);
    tabs->addTab(buildDescription(), QStringLiteral("&Énoncé"));
    tabs->addTab(buildCorrection(), QStringLiteral("&Correction"));
    tabs->addTab(buildRules(), QStringLiteral("&Réglages"));
    tabs->addTab(buildQuestions(), QStringLiteral("&Questions"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("message"));
    m_status->setWordWrap(true);
    auto *save = button(QStringLiteral("&Enregistrer l'exercice…"), "enregistrerExercice", this);
    auto *close = button(QStringLiteral("&Fermer"), "fermerExercice", this);
    connect(save, &QPushButton::clicked, this, &ExerciseWindow::saveExercise);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
    resize(620, 520);
    showTaken();
}

QWidget *ExerciseWindow::buildDescription()
{
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    m_title = new QLineEdit(page);
    m_title->setObjectName(QStringLiteral("titre"));
    m_title->setAccessibleName(QStringLiteral("Titre"));
    form->addRow(QStringLiteral("&Titre :"), m_title);
    m_level = new QComboBox(page);
    m_level->setObjectName(QStringLiteral("difficulte"));
    m_level->setAccessibleName(QStringLiteral("Difficulté"));
    m_level->addItems({QStringLiteral("☆☆☆ (aucune étoile)"), QStringLiteral("★☆☆ (une étoile)"),
                       QStringLiteral("★★☆ (deux étoiles)"), QStringLiteral("★★★ (trois étoiles)")});
    form->addRow(QStringLiteral("&Difficulté :"), m_level);
    for (std::size_t i = 0; i < m_notions.size(); ++i) {
        m_notions[i] = new QLineEdit(page);
        m_notions[i]->setObjectName(QStringLiteral("notion%1").arg(i + 1));
        m_notions[i]->setAccessibleName(QStringLiteral("Notions, ligne %1").arg(i + 1));
        form->addRow(i == 0 ? QStringLiteral("&Notions abordées :") : QString(), m_notions[i]);
    }
    auto *note = new QLabel(QStringLiteral("L'énoncé est le texte de la zone de texte de la "
                                           "fenêtre principale, avec sa mise en forme."),
                            page);
    note->setWordWrap(true);
    form->addRow(note);
    m_taken = new QLabel(page);
    m_taken->setObjectName(QStringLiteral("configurationPrise"));
    m_taken->setWordWrap(true);
    auto *take = button(QStringLiteral("&Prendre la configuration actuelle"),
                        "prendreConfiguration", page);
    connect(take, &QPushButton::clicked, this, &ExerciseWindow::takeConfiguration);
    form->addRow(take);
    form->addRow(m_taken);
    return page;
}

QWidget *ExerciseWindow::buildCorrection()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Texte de la correction (facultatif) :"), page));
    m_correction = new QTextEdit(page);
    m_correction->setObjectName(QStringLiteral("correction"));
    m_correction->setAccessibleName(QStringLiteral("Texte de la correction"));
    layout->addWidget(m_correction, 1);
    auto *take = button(QStringLiteral("Prendre la configuration &actuelle pour la correction"),
                        "prendreConfigurationCorrection", page);
    auto *drop = button(QStringLiteral("&Sans configuration"), "sansConfigurationCorrection",
                        page);
    connect(take, &QPushButton::clicked, this, &ExerciseWindow::takeCorrectionConfiguration);
    connect(drop, &QPushButton::clicked, this, [this] {
        m_correctionConfiguration.clear();
        showTaken();
    });
    auto *row = new QHBoxLayout;
    row->addWidget(take);
    row->addWidget(drop);
    row->addStretch();
    layout->addLayout(row);
    m_correctionTaken = new QLabel(page);
    m_correctionTaken->setObjectName(QStringLiteral("configurationCorrectionPrise"));
    m_correctionTaken->setWordWrap(true);
    layout->addWidget(m_correctionTaken);
    return page;
}

QWidget *ExerciseWindow::buildRules()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *free = new QGroupBox(QStringLiteral("L'élève peut modifier"), page);
    auto *grid = new QGridLayout(free);
    for (int i = 0; i < kSettings; ++i) {
        m_free[std::size_t(i)] = new QCheckBox(QString::fromUtf8(kSettingNames[i]), free);
        m_free[std::size_t(i)]->setObjectName(QStringLiteral("libre%1").arg(i));
        m_free[std::size_t(i)]->setChecked(true);
        grid->addWidget(m_free[std::size_t(i)], i % 5, i / 5);
    }
    layout->addWidget(free);
    auto *hidden = new QGroupBox(QStringLiteral("Valeurs cachées à l'élève (affichées « ??? »)"),
                                 page);
    auto *column = new QVBoxLayout(hidden);
    for (int i = 0; i < kSecrets; ++i) {
        m_hidden[std::size_t(i)] = new QCheckBox(QString::fromUtf8(kSecretNames[i]), hidden);
        m_hidden[std::size_t(i)]->setObjectName(QStringLiteral("cache%1").arg(i));
        // Told apart from the free setting of the same name by a screen reader.
        m_hidden[std::size_t(i)]->setAccessibleName(QStringLiteral("Cacher ") +
                                                    QString::fromUtf8(kSecretNames[i]));
        column->addWidget(m_hidden[std::size_t(i)]);
    }
    layout->addWidget(hidden);
    auto *note = new QLabel(QStringLiteral("Une aide pour la séance, non une protection : un "
                                           "élève averti peut lire les fichiers de l'exercice."),
                            page);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch();
    return page;
}

QWidget *ExerciseWindow::buildQuestions()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Jusqu'à cinq questions, dont le programme "
                                                "vérifie la réponse numérique :"),
                                 page));
    m_questions = new QTableWidget(kMaxQuestions, kColumns, page);
    m_questions->setObjectName(QStringLiteral("questions"));
    m_questions->setAccessibleName(QStringLiteral("Questions"));
    m_questions->setHorizontalHeaderLabels({QStringLiteral("Question"),
                                            QStringLiteral("Valeur attendue"),
                                            QStringLiteral("Unité"),
                                            QStringLiteral("Tolérance (%)")});
    m_questions->horizontalHeader()->setSectionResizeMode(Text, QHeaderView::Stretch);
    m_questions->setTabKeyNavigation(false);
    layout->addWidget(m_questions, 1);
    m_reveal = new QCheckBox(QStringLiteral("Montrer la valeur attendue après trois essais"), page);
    m_reveal->setObjectName(QStringLiteral("montrerReponse"));
    layout->addWidget(m_reveal);
    return page;
}

void ExerciseWindow::takeConfiguration()
{
    m_configuration = m_sources.configuration ? m_sources.configuration() : QByteArray();
    m_configurationSummary = m_sources.summary ? m_sources.summary() : QString();
    showTaken();
}

void ExerciseWindow::takeCorrectionConfiguration()
{
    m_correctionConfiguration = m_sources.configuration ? m_sources.configuration() : QByteArray();
    m_correctionSummary = m_sources.summary ? m_sources.summary() : QString();
    showTaken();
}

void ExerciseWindow::showTaken()
{
    const auto said = [](const QByteArray &taken, const QString &summary) {
        if (taken.isEmpty())
            return QStringLiteral("Aucune configuration prise.");
        return summary.isEmpty() ? QStringLiteral("Configuration prise.")
                                 : QStringLiteral("Configuration prise : ") + summary;
    };
    m_taken->setText(said(m_configuration, m_configurationSummary));
    m_correctionTaken->setText(said(m_correctionConfiguration, m_correctionSummary));
}

std::vector<Question> ExerciseWindow::questions(QString *fault) const
{
    std::vector<Question> out;
    for (int r = 0; r < kMaxQuestions; ++r) {
        const QString text = cell(m_questions, r, Text);
        if (text.isEmpty())
            continue;
        const auto expected = numfmt::parse(cell(m_questions, r, Expected));
        const QString toleranceText = cell(m_questions, r, Tolerance);
        const auto tolerance =
            toleranceText.isEmpty() ? std::optional<double>(5.0) : numfmt::parse(toleranceText);
        if (!expected || !tolerance || *tolerance < 0.0) {
            *fault = QStringLiteral("La question %1 demande une valeur attendue et une "
                                    "tolérance positive, en nombres.")
                         .arg(r + 1);
            return {};
        }
        out.push_back({text, *expected, cell(m_questions, r, Unit), *tolerance});
    }
    return out;
}

ExerciseContent ExerciseWindow::content() const
{
    ExerciseContent d;
    d.title = m_title->text().trimmed();
    d.level = m_level->currentIndex();
    for (QLineEdit *line : m_notions)
        d.notions << line->text();
    for (int i = 0; i < kSettings; ++i)
        d.rules.free[std::size_t(i)] = m_free[std::size_t(i)]->isChecked();
    for (int i = 0; i < kSecrets; ++i)
        d.rules.hidden[std::size_t(i)] = m_hidden[std::size_t(i)]->isChecked();
    QString fault;
    d.rules.questions = questions(&fault);
    d.rules.revealAfterTries = m_reveal->isChecked();
    d.statement = m_sources.statement ? m_sources.statement() : QByteArray();
    d.configuration = m_configuration;
    if (!m_correction->toPlainText().trimmed().isEmpty())
        d.correction = rtf::write(*m_correction->document());
    if (!m_correctionConfiguration.isEmpty())
        d.correctionConfiguration = m_correctionConfiguration;
    return d;
}

void ExerciseWindow::setContent(const ExerciseContent &d)
{
    m_title->setText(d.title);
    m_level->setCurrentIndex(std::clamp(d.level, 0, 3));
    for (std::size_t i = 0; i < m_notions.size(); ++i)
        m_notions[i]->setText(i < std::size_t(d.notions.size()) ? d.notions[qsizetype(i)] : QString());
    for (int i = 0; i < kSettings; ++i)
        m_free[std::size_t(i)]->setChecked(d.rules.free[std::size_t(i)]);
    for (int i = 0; i < kSecrets; ++i)
        m_hidden[std::size_t(i)]->setChecked(d.rules.hidden[std::size_t(i)]);
    m_questions->clearContents();
    for (std::size_t r = 0; r < d.rules.questions.size() && r < std::size_t(kMaxQuestions); ++r) {
        const Question &q = d.rules.questions[r];
        const QString texts[kColumns] = {q.text, numfmt::general(q.expected), q.unit,
                                         numfmt::general(q.tolerance)};
        for (int c = 0; c < kColumns; ++c)
            m_questions->setItem(int(r), c, new QTableWidgetItem(texts[c]));
    }
    m_reveal->setChecked(d.rules.revealAfterTries);
    m_correction->clear();
    if (d.correction)
        rtf::read(*d.correction, *m_correction->document());
    m_configuration = d.configuration;
    m_correctionConfiguration = d.correctionConfiguration.value_or(QByteArray());
    m_configurationSummary.clear();
    m_correctionSummary.clear();
    showTaken();
}

bool ExerciseWindow::saveExercise()
{
    QString fault;
    questions(&fault);
    if (fault.isEmpty() && m_title->text().trimmed().isEmpty())
        fault = QStringLiteral("Donnez un titre à l'exercice.");
    if (fault.isEmpty() && m_configuration.isEmpty())
        fault = QStringLiteral("Prenez d'abord la configuration de l'énoncé : réglez la "
                               "fenêtre principale puis appuyez sur « Prendre la configuration "
                               "actuelle ».");
    if (fault.isEmpty() && m_sources.save)
        fault = m_sources.save(content());
    m_status->setText(fault.isEmpty() ? QStringLiteral("Exercice enregistré.") : fault);
    return fault.isEmpty();
}

QString ExerciseWindow::message() const { return m_status->text(); }

} // namespace orbane::exercises
