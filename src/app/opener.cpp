#include "app/opener.h"

#include "config/configloader.h"
#include "config/configsession.h"
#include "config/configwriter.h"
#include "core/simulation.h"
#include "exercises/exercisearchive.h"
#include "exercises/exercisecommands.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QWidget>

namespace orbane {

Opener::Opener(Simulation &sim, config::ConfigSession &configs,
               exercises::ExerciseCommands &exercises, Dialogs &dialogs, QWidget *window)
    : QObject(window), m_sim(sim), m_configs(configs), m_exercises(exercises), m_dialogs(dialogs),
      m_window(window)
{
}

void Opener::openFile(const QString &path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix().toUpper();
    if (suffix == QStringLiteral("P08")) {
        if (!info.isFile()) {
            // The user typed or clicked this name: say which file, and what is wrong with it.
            const QString why = info.exists() ? QStringLiteral("n'est pas un fichier ordinaire")
                                              : QStringLiteral("est introuvable");
            m_dialogs.message(QStringLiteral("Le fichier %1 %2.")
                                  .arg(QDir::toNativeSeparators(info.absoluteFilePath()), why),
                              QStringLiteral("impossible d'ouvrir ce fichier"), MsgIcon::Critical);
            return;
        }
        m_configs.setCurrentFolder(info.absolutePath());
        m_configs.chargeconfig(m_sim, info.absoluteFilePath(), m_dialogs);
        return;
    }
    if (suffix == QStringLiteral("E20") || exercises::isExerciseArchive(path)) {
        m_exercises.ouvreur(info.absoluteFilePath());
        return;
    }
    m_dialogs.message(QStringLiteral("Le fichier ") + path +
                          QStringLiteral(" n'est ni une configuration (.P08) ni un exercice "
                                         "(.E20 ou .e20z) d'Orbane 1S."),
                      QStringLiteral("Orbane 1S"), MsgIcon::Exclamation);
}

QString Opener::carryOver() const
{
    // The name is reserved (owner only) and then replaced by the checked writer.
    QTemporaryFile reserved(QDir::temp().filePath(QStringLiteral("orbane1s-reprise-XXXXXX.P08")));
    reserved.setAutoRemove(false);
    if (!reserved.open())
        return {};
    const QString path = reserved.fileName();
    reserved.close();
    if (!config::writeConfig(path, m_sim.c).ok) {
        QFile::remove(path);
        return {};
    }
    return path;
}

void Opener::resume(const QString &carried, const QString &inUse)
{
    const bool loaded = config::loadConfig(carried, m_sim, m_dialogs).ok();
    QFile::remove(carried);
    if (!loaded) {
        if (!inUse.isEmpty())
            openFile(inUse);
        return;
    }
    if (inUse.isEmpty())
        return;
    const QFileInfo info(inUse);
    m_configs.setFichconfig(info.absoluteFilePath());
    m_configs.setCurrentFolder(info.absolutePath());
    m_configs.announceTitle(info.absoluteFilePath());
}

void Opener::takeHandedOverExercise()
{
    if (m_exercises.loading()) // the next activation takes it
        return;
    const handshake::HandOver::Taken taken = m_handOver.take(m_sim.programDir());
    if (taken.name.isEmpty())
        return;
    m_window->hide();
    m_exercises.openHandedOver(taken.name);
    m_window->show();
    if (taken.stuck && !m_readOnlyExchangeTold) {
        m_readOnlyExchangeTold = true;
        m_dialogs.message(
            QStringLiteral("Le fichier d'échange %1 est en lecture seule : l'exercice transmis "
                           "(%2) n'a pas pu y être effacé. Il ne sera pas rouvert pendant cette "
                           "séance.")
                .arg(QDir::toNativeSeparators(handshake::path(m_sim.programDir())), taken.name),
            QStringLiteral("Fichier d'échange"), MsgIcon::Information);
    }
}

} // namespace orbane
