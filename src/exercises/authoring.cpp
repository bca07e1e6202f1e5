// "Créer un exercice…" and "Modifier l'exercice…": the teacher's window over the main window,
// fed by its text and its state, and the exercise written where the teacher chooses.
#include "exercises/exercisecommands.h"

#include "config/configformat.h"
#include "core/narration.h"
#include "core/regularfile.h"
#include "core/simulation.h"
#include "exercises/exercisefile.h"
#include "exercises/exercisepaths.h"
#include "exercises/exercisewindow.h"
#include "exercises/exercisewriter.h"
#include "exercises/filedialogs.h"
#include "exercises/questionswindow.h"
#include "exercises/rtfwriter.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QTextEdit>

namespace orbane::exercises {

namespace {
constexpr qint64 kFileLimit = 16 * 1024 * 1024;
} // namespace

ExerciseWindow::Sources ExerciseCommands::authoringSources()
{
    ExerciseWindow::Sources sources;
    sources.statement = [this] { return rtf::write(*m_supertext->document()); };
    sources.configuration = [this] {
        const auto image = config::encode(m_sim.c);
        return image ? image->bytes() : QByteArray();
    };
    sources.summary = [this] { return narration::describeScene(m_sim, std::nullopt); };
    sources.save = [this](const ExerciseContent &content) { return saveAuthored(content); };
    return sources;
}

// Asks where, then writes; the French reason when nothing was written.
QString ExerciseCommands::saveAuthored(const ExerciseContent &content)
{
    const QString path = m_files.saveFileName(QStringLiteral("Exercice|*.E20"),
                                              QStringLiteral("E20"), content.title);
    if (path.isEmpty())
        return QStringLiteral("Enregistrement annulé : rien n'a été écrit.");
    const QFileInfo file(path);
    if (file.exists() &&
        m_dialogs.message(QStringLiteral("L'exercice ") + file.fileName() +
                              QStringLiteral(" existe déjà. Le remplacer, avec ses textes et "
                                             "ses configurations ?"),
                          QStringLiteral("Enregistrer l'exercice"), MsgIcon::Question,
                          MsgButtons::YesNo) != MsgAnswer::Yes)
        return QStringLiteral("Enregistrement annulé : rien n'a été écrit.");
    if (const auto refused = saveExercise(file.absolutePath(), file.completeBaseName(), content))
        return *refused;
    m_authored = file.absoluteFilePath();
    return {};
}

// Beside the main window and not modal: the teacher sets the scene and writes the statement
// there while the window stays open.
ExerciseWindow *ExerciseCommands::openAuthoring()
{
    if (m_authoring)
        m_authoring->close();
    m_authoring = new ExerciseWindow(authoringSources(), m_supertext->window());
    m_authoring->setAttribute(Qt::WA_DeleteOnClose);
    showBesideOwner(m_authoring);
    return m_authoring;
}

// The statement is written in the main window's box: the welcome text, read-only, gives way to
// an empty page (a text being written or an exercise open stays, to be reused).
void ExerciseCommands::createExercise()
{
    if (m_supertext->isReadOnly()) {
        if (!confirmDiscard())
            return;
        release();
        m_fich->clear();
        m_supertext->clear();
        setReadOnly(false);
        m_sim.setTextemodif(0);
    }
    openAuthoring();
    m_supertext->setFocus();
}

void ExerciseCommands::changeExercise()
{
    const QString path = m_fich->text();
    QString refusal;
    const auto exercise = readExercise(path, &refusal);
    if (!exercise) {
        unreadableExercise(refusal);
        return;
    }
    // A named file that cannot be read stops the change: saving again would drop it silently.
    const QString folder = folderOf(path);
    bool unread = false;
    const auto companion = [&](const QString &name) -> std::optional<QByteArray> {
        if (unread || name.trimmed().isEmpty())
            return std::nullopt;
        const files::ReadResult read = files::readAll(resolve(folder, name), kFileLimit);
        if (read.ok())
            return read.data;
        unreadableFile(name, QStringLiteral("fichier de l'exercice"), read.reason(),
                       QStringLiteral("Lecture impossible"));
        unread = true;
        return std::nullopt;
    };
    ExerciseContent content;
    content.title = exercise->title;
    content.level = exercise->level;
    content.notions = exercise->notions;
    content.rules = exercise->rules;
    content.configuration = companion(exercise->configuration).value_or(QByteArray());
    content.correction = companion(exercise->correction);
    content.correctionConfiguration = companion(exercise->correctionConfiguration);
    if (unread)
        return;
    // The teacher sets the scene again: nothing stays fixed meanwhile.
    release();
    openAuthoring()->setContent(content);
}

} // namespace orbane::exercises
