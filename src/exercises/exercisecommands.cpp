#include "exercises/exercisecommands.h"

#include "config/configloader.h"
#include "config/configsession.h"
#include "core/diskerror.h"
#include "core/regularfile.h"
#include "core/saveplace.h"
#include "core/simulation.h"
#include "exercises/exercisearchive.h"
#include "exercises/exercisefile.h"
#include "exercises/exercisepaths.h"
#include "exercises/fichexo.h"
#include "exercises/filedialogs.h"
#include "exercises/questionswindow.h"
#include "exercises/richtextfile.h"
#include "exercises/textprinting.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopedValueRollback>
#include <memory>
#include <QLineEdit>
#include <QTextEdit>

namespace orbane::exercises {

namespace {

const QString kGettingStarted = QStringLiteral("ORBANE.PEM");
const QString kRtfFilter = QStringLiteral("Texte au format RTF|*.RTF");

bool blank(const QString &s) { return s.trimmed().isEmpty(); }

// The hourglass over the main window while files load; the arrow comes back for every
// message box shown meanwhile.
struct OverrideCursor
{
    explicit OverrideCursor(Qt::CursorShape shape) { QGuiApplication::setOverrideCursor(shape); }
    ~OverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor &) = delete;
    OverrideCursor &operator=(const OverrideCursor &) = delete;
};

struct WaitCursor : OverrideCursor
{
    WaitCursor() : OverrideCursor(Qt::WaitCursor) {}
};

struct ArrowCursor : OverrideCursor
{
    ArrowCursor() : OverrideCursor(Qt::ArrowCursor) {}
};

} // namespace

ExerciseCommands::ExerciseCommands(Simulation &sim, config::ConfigSession &session,
                                   QTextEdit *supertext, QLineEdit *fich, Dialogs &dialogs,
                                   FileDialogs &files, QObject *parent)
    : QObject(parent), m_sim(sim), m_session(session), m_supertext(supertext), m_fich(fich),
      m_dialogs(dialogs), m_files(files)
{
    m_actions.bienvenue = [this] {
        m_supertext->clear();
        m_supertext->setReadOnly(true);
    };
    m_actions.print = [this](const QTextDocument &doc) { printWithDialog(doc, m_supertext->window()); };
    m_actions.loadConfig = [this](const QString &path) { m_session.chargeconfig(m_sim, path, m_dialogs); };
    m_actions.chooser = [this] {
        Fichexo window(*this, m_supertext->window());
        return window.exec() == QDialog::Accepted;
    };
    m_actions.say = [](const QString &) {};
}

QString ExerciseCommands::programDir() const { return m_sim.programDir(); }

bool ExerciseCommands::correctionAvailable() const { return m_sim.s.exocharge == 1; }

QuestionsWindow *ExerciseCommands::questionsWindow() const { return m_questions; }

bool ExerciseCommands::exerciseOpen() const { return !m_fich->text().isEmpty(); }

// An exercise file, not a text reopened on its own ("Texte: …").
bool ExerciseCommands::exerciseFileOpen() const
{
    return exerciseOpen() && !m_fich->text().startsWith(QStringLiteral("Texte: "));
}

bool ExerciseCommands::confirmDiscard()
{
    if (m_sim.s.textemodif != 1)
        return true;
    return m_dialogs.message(QStringLiteral("Attention: perte des modifications du texte."),
                             QStringLiteral("Abandon des données?"), MsgIcon::Question,
                             MsgButtons::OkCancel) != MsgAnswer::Cancel;
}

// A long text keeps the busy pointer, and the window goes on painting while it loads (the
// user's input waits). The text is read into a document of its own, which the box then lays out
// in steps: a box that followed every paragraph as it came would take ever longer.
rtf::LoadResult ExerciseCommands::loadText(const QString &path)
{
    WaitCursor wait;
    const QScopedValueRollback loading(m_loading, true);
    QElapsedTimer sincePaint;
    sincePaint.start();
    rtf::Progress progress;
    progress.tick = [&sincePaint] {
        if (sincePaint.elapsed() < 50)
            return;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        sincePaint.restart();
    };
    QTextDocument *shown = m_supertext->document();
    auto text = std::make_unique<QTextDocument>();
    text->setDefaultFont(shown->defaultFont());
    text->setDocumentMargin(shown->documentMargin());
    text->setDefaultTextOption(shown->defaultTextOption());
    const rtf::LoadResult loaded = rtf::loadFile(path, *text, &progress);
    if (!loaded)
        return loaded;
    // The box deletes the document it made itself; one put in by an earlier load is ours.
    const bool earlierLoad = shown->parent() == m_supertext;
    text->setParent(m_supertext);
    m_supertext->setDocument(text.release());
    if (earlierLoad)
        delete shown;
    ++m_loads;
    m_supertext->moveCursor(QTextCursor::Start);
    return loaded;
}

// A statement or correction named by the exercise: a missing file keeps its own message.
bool ExerciseCommands::loadNamedText(const QString &name)
{
    if (blank(name)) {
        missingFile(name);
        return false;
    }
    const auto path = resolveInside(m_sim.s.nomexo, name);
    if (!path) {
        refusedName(name);
        return false;
    }
    const rtf::LoadResult loaded = loadText(*path);
    if (loaded.missing())
        missingFile(name);
    else if (!loaded)
        unreadableFile(name, QStringLiteral("un texte"), loaded.reason,
                       QStringLiteral("Texte illisible"));
    return loaded.ok();
}

void ExerciseCommands::setReadOnly(bool readOnly) { m_supertext->setReadOnly(readOnly); }

void ExerciseCommands::unreadableExercise(const QString &refusal)
{
    ArrowCursor arrow;
    m_dialogs.message(refusal.isEmpty()
                          ? QStringLiteral("Vérifier:\n- le nom du fichier,\n- l'état du lecteur.")
                          : refusal,
                      QStringLiteral("Lecture impossible"), MsgIcon::Critical);
}

// A blank name has no file to look for: the folder alone is named, as ever.
void ExerciseCommands::missingFile(const QString &name)
{
    ArrowCursor arrow;
    const QString text =
        blank(name) ? QStringLiteral("Le fichier ") + m_sim.s.nomexo + QStringLiteral(" est introuvable")
                    : QStringLiteral("Le fichier %1 est introuvable dans le dossier %2 (il accompagne "
                                     "l'exercice %3).")
                          .arg(name, m_sim.s.nomexo, QFileInfo(m_companionsOf).fileName());
    m_dialogs.message(text, QStringLiteral("Fichier absent"), MsgIcon::Critical);
}

void ExerciseCommands::unreadableFile(const QString &name, const QString &asWhat,
                                      const QString &reason, const QString &title)
{
    ArrowCursor arrow;
    m_dialogs.message(QStringLiteral("Le fichier %1 ne peut pas être lu comme %2 : %3.")
                          .arg(m_sim.s.nomexo + name, asWhat, reason),
                      title, MsgIcon::Critical);
}

// A name that leaves the exercise's folder is not looked for: it is shown as written.
void ExerciseCommands::refusedName(const QString &name)
{
    ArrowCursor arrow;
    m_dialogs.message(QStringLiteral("Le fichier ") + name +
                          QStringLiteral(" est introuvable\n(un exercice ne peut désigner que des "
                                         "fichiers de son dossier)"),
                      QStringLiteral("Fichier absent"), MsgIcon::Critical);
}

bool ExerciseCommands::loadExerciseConfig(const QString &name)
{
    const auto inside = resolveInside(m_sim.s.nomexo, name);
    if (!inside) {
        refusedName(name);
        return false;
    }
    const QString path = *inside;
    // A pipe or a folder is there, so it is not "introuvable": the cause is said instead.
    if (const files::ReadResult seen = files::examine(path); seen.problem == files::Problem::Missing) {
        missingFile(name);
        return false;
    } else if (!seen.ok()) {
        unreadableFile(name, QStringLiteral("une configuration"), seen.reason(),
                       QStringLiteral("Configuration illisible"));
        return false;
    }
    ArrowCursor arrow; // an invalid file is the loader's to report
    // The exercise's own configurations are taken whole; its locks keep what they set, and
    // what it hides stays hidden.
    const SettingLocks locks = m_sim.locks();
    const HiddenValues hidden = m_sim.hidden();
    m_sim.setHidden({});
    m_sim.setLocks({});
    m_actions.loadConfig(path);
    m_sim.setLocks(locks);
    m_sim.setHidden(hidden);
    return true;
}

void ExerciseCommands::release()
{
    m_sim.setHidden({});
    m_sim.setLocks({});
    delete m_questions;
}

void ExerciseCommands::applyRules(const ExerciseRules &rules)
{
    // The simulation's settings mirror the exercises' one for one.
    static_assert(kSettings == kFixableSettings);
    static_assert(int(Setting::Place) == int(FixableSetting::Place) &&
                  int(Setting::Interval) == int(FixableSetting::Interval) &&
                  int(Setting::Display) == int(FixableSetting::Display));
    static_assert(kSecrets == kSecretValues);
    static_assert(int(Secret::G) == int(SecretValue::G) &&
                  int(Secret::Mass) == int(SecretValue::Mass) &&
                  int(Secret::Alpha) == int(SecretValue::Alpha));
    m_sim.setLocks(SettingLocks{rules.free});
    m_sim.setHidden(HiddenValues{rules.hidden});
    if (rules.questions.empty())
        return;
    m_questions = new QuestionsWindow(
        rules, [this](const QString &text) { m_actions.say(text); }, m_supertext->window());
    m_questions->showBeside();
}

bool ExerciseCommands::ouvreur(const QString &fichierexo)
{
    if (blank(fichierexo))
        return false;
    if (isExerciseArchive(fichierexo))
        return openArchive(fichierexo);
    WaitCursor wait;
    QString refusal;
    const auto exercise = readExercise(fichierexo, &refusal);
    if (!exercise) {
        unreadableExercise(refusal);
        return false;
    }
    return openExercise(*exercise, fichierexo);
}

bool ExerciseCommands::openExercise(const ExerciseFile &exercise, const QString &fichierexo)
{
    // Names in the file are relative to its folder, wherever it was chosen from.
    m_sim.setNomexo(folderOf(fichierexo));
    m_companionsOf = fichierexo;
    if (!loadNamedText(exercise.statement))
        return false;
    release();
    m_fich->setText(fichierexo);
    m_sim.setExocharge(exercise.corrected() ? 1 : 0);
    setReadOnly(false);
    m_sim.setTextemodif(0);
    const bool configured =
        blank(exercise.configuration) || loadExerciseConfig(exercise.configuration);
    applyRules(exercise.rules);
    if (!configured)
        return false;
    setReadOnly(false);
    m_sim.setTextemodif(0);
    return true;
}

bool ExerciseCommands::openHandedOver(const QString &name)
{
    m_sim.setNomexo(withSeparator(programDir()));
    return ouvreur(resolve(m_sim.s.nomexo, name));
}

void ExerciseCommands::openexo_Click()
{
    if (!confirmDiscard())
        return;
    const qint16 before = m_sim.s.textemodif;
    const int loads = m_loads;
    m_sim.setTextemodif(0);
    m_actions.chooser();
    if (m_loads == loads) // closed without loading: the text and its changes are still there
        m_sim.setTextemodif(before);
}

void ExerciseCommands::opencor_Click()
{
    if (!correctionAvailable() || !confirmDiscard())
        return;
    const qint16 before = m_sim.s.textemodif;
    WaitCursor wait;
    const QString file = m_fich->text();
    QString refusal;
    const auto exercise = readExercise(file, &refusal);
    if (!exercise) {
        unreadableExercise(refusal);
        return;
    }
    // The exercise in use, not the folder last looked at in the chooser.
    m_sim.setNomexo(folderOf(file));
    m_companionsOf = file;
    if (!blank(exercise->correction)) {
        if (!loadNamedText(exercise->correction)) {
            m_sim.setTextemodif(before);
            return;
        }
        setReadOnly(true);
    }
    m_sim.setTextemodif(0);
    if (!blank(exercise->correctionConfiguration) &&
        !loadExerciseConfig(exercise->correctionConfiguration))
        return;
    setReadOnly(true);
    m_sim.setTextemodif(0);
}

void ExerciseCommands::PRISENMAIN_Click()
{
    const QString folder = withSeparator(programDir());
    const QString pem = resolve(folder, kGettingStarted);
    if (!QFileInfo(pem).isFile() || !confirmDiscard())
        return;
    m_sim.setNomexo(folder);
    const auto installationError = [this] {
        ArrowCursor arrow;
        m_dialogs.message(QStringLiteral("Fichier introuvable. Revoir l'installation du logiciel."),
                          QStringLiteral("Erreur lors du chargement"), MsgIcon::Critical);
    };
    const auto exercise = readExercise(pem);
    const auto statement = exercise ? resolveInside(folder, exercise->statement) : std::nullopt;
    if (!statement || !loadText(*statement)) {
        installationError();
        return;
    }
    release();
    m_fich->setText(pem);
    m_sim.setExocharge(0);
    setReadOnly(false);
    m_sim.setTextemodif(0);
    if (!blank(exercise->configuration)) {
        const auto config = resolveInside(folder, exercise->configuration);
        if (!config || !QFileInfo(*config).isFile()) {
            installationError();
            return;
        }
        m_actions.loadConfig(*config);
    }
    setReadOnly(false);
    m_sim.setTextemodif(0);
}

void ExerciseCommands::opentexte_Click()
{
    if (!confirmDiscard())
        return;
    const QString path = m_files.openFileName(kRtfFilter, QStringLiteral("*.rtf"));
    if (path.isEmpty())
        return;
    if (const rtf::LoadResult loaded = loadText(path); !loaded) {
        // The text shown and its state stay as they were.
        m_dialogs.message(files::explained(QStringLiteral("Vérifier l'état du lecteur et le nom du fichier."),
                                           path, loaded.reason),
                          QStringLiteral("Erreur de lecture."), MsgIcon::Critical);
        return;
    }
    release();
    m_sim.setExocharge(0);
    setReadOnly(false);
    m_fich->setText(QStringLiteral("Texte: ") + path);
    m_sim.setTextemodif(0);
}

bool ExerciseCommands::confirmOverwrite(const QString &path)
{
    return !QFileInfo::exists(path) ||
           m_dialogs.message(QStringLiteral("Le fichier ") + QFileInfo(path).fileName() +
                                 QStringLiteral(" existe déjà.\nEcraser l'ancien?"),
                             QStringLiteral("Ecraser le fichier?"), MsgIcon::Question,
                             MsgButtons::OkCancel) != MsgAnswer::Cancel;
}

void ExerciseCommands::writeFailed(const QString &path, const QString &reason)
{
    m_dialogs.message(files::explained(QStringLiteral("Vérifier l'état du lecteur et le nom du fichier."),
                                       path, reason),
                      QStringLiteral("Erreur d'écriture."), MsgIcon::Critical);
}

void ExerciseCommands::savetexte_Click()
{
    QString path =
        m_files.saveFileName(kRtfFilter, QStringLiteral("RTF"), QStringLiteral("Exercice.rtf"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".RTF");
    if (!confirmOverwrite(path))
        return;
    if (const saving::SaveResult saved = rtf::saveFile(*m_supertext->document(), path); !saved) {
        writeFailed(path, saved.reason);
        return;
    }
    SavePlace::shared().remember(path);
    m_sim.setTextemodif(0);
}

void ExerciseCommands::imprimetexte_Click()
{
    const QTextCursor selection = m_supertext->textCursor();
    if (!selection.hasSelection()) {
        m_actions.print(*m_supertext->document());
        return;
    }
    QTextDocument part;
    copySelection(selection, part);
    m_actions.print(part);
}

void ExerciseCommands::Closexo_Click()
{
    if (!exerciseOpen() || !confirmDiscard())
        return;
    m_sim.setTextemodif(0);
    release();
    m_fich->clear();
    m_actions.bienvenue();
    m_sim.setExocharge(0);
}

} // namespace orbane::exercises
