#include "core/handshake.h"
#include "core/numberformat.h"
#include "core/simulation.h"
#include "core/tables.h"

namespace orbane {

void Simulation::Form_Load()
{
    handshake::markRunning(m_programDir);
    m_s.chronoactif = 0;
    m_s.temps = 0.0f;
    m_hooks->clearScene();
    m_d.projTop = scene::kGroundTop;
    m_d.ombreLeft = m_d.projLeft;

    Combo1_Click(0);
    if (m_fatal)
        return;
    Combo2_Click(2);

    setBox(1, numfmt::box(scene::xOfLeft(m_d.projLeft)));
    setBox(2, numfmt::box(scene::yOfTop(m_d.projTop)));
    voxvoy();
    m_d.info = QStringLiteral("Vous pouvez modifier les paramètres,\nouvrir une configuration ou un exercice");
    m_s.msgcopie = QStringLiteral(
        "L'image est copiée: vous pouvez la retrouver depuis toute application Windows (coller)");
    m_c.VScroll1 = 30;
    m_c.VScroll3 = 70;
    m_c.UpDown1 = 6;
    emit reset();
    emit changed();
}

void Simulation::Form_Activate()
{
    plusbouton();
    emit changed();
}

bool Simulation::Form_QueryUnload()
{
    Dialogs &dialogs = *m_services.dialogs;
    if (m_s.textemodif == 1 &&
        dialogs.message(QStringLiteral("Attention: perte des modifications du texte."),
                        QStringLiteral("Abandon des données?"), MsgIcon::Question,
                        MsgButtons::OkCancel) == MsgAnswer::Cancel)
        return false;
    return dialogs.message(QStringLiteral("Quitter vraiment Orbane 1S ?"), QStringLiteral("Fermer"),
                           MsgIcon::Question, MsgButtons::OkCancel) != MsgAnswer::Cancel;
}

void Simulation::Form_Unload()
{
    setTimer(false);
    m_services.sound->close();
    handshake::markStopped(m_programDir);
}

void Simulation::Combo1_Click(int index)
{
    if (refuses(FixableSetting::Place))
        return;
    m_c.Combo1 = index;
    m_hooks->forgetMarks();
    m_photoPositions.clear();
    retico();
    const Place &chosen = place(m_c.Combo1);
    const QString path = programFile(m_programDir, QString::fromLatin1(chosen.picture));
    m_s.gpes = chosen.g;
    placeDragDefaults();
    if (!m_hooks->loadBackground(path)) {
        m_fatal = true;
        m_services.dialogs->message(
            QStringLiteral("Le fichier ") + path +
                QStringLiteral(" doit se trouver dans le même répertoire que l'application.\n"
                               "Ce n'est pas le cas actuellement: sortie de l'application."),
            QStringLiteral("Erreur fatale"), MsgIcon::Critical);
        emit quitRequested(1);
        return;
    }
    setTimer(false);
    m_hooks->breakTrajectory();
    m_d.projVisible = true;
    retico();
    m_d.check1Enabled = true;
    command18_Click();
    m_d.VScroll2 = 0;
    emit changed();
}

void Simulation::Combo2_Click(int index)
{
    if (refuses(FixableSetting::Projectile))
        return;
    m_c.Combo2 = index;
    m_s.masse = projectile(m_c.Combo2).mass;
    m_c.dragCx.clear();
    setTimer(false);
    retico();
    m_d.projVisible = true;
    m_d.check1Enabled = true;
    m_s.enrebond = 0;
    m_s.temps = 0.0f;

    m_services.sound->close();
    m_services.sound->open(soundPath());

    command18_Click();
    emit changed();
}

} // namespace orbane
