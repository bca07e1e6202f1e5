#include "core/handshake.h"
#include "core/numberformat.h"
#include "core/simulation.h"
#include "core/tables.h"

namespace orbane {

void Simulation::Form_Load()
{
    handshake::markRunning(m_programDir);
    s.chronoactif = 0;
    s.temps = 0.0f;
    m_hooks->clearScene();
    d.projTop = scene::kGroundTop;
    d.ombreLeft = d.projLeft;

    c.Combo1 = 0;
    Combo1_Click();
    if (m_fatal)
        return;
    c.Combo2 = 2;
    Combo2_Click();

    c.Text1 = numfmt::box(scene::xOfLeft(d.projLeft));
    c.Text2 = numfmt::box(scene::yOfTop(d.projTop));
    voxvoy();
    d.info = QStringLiteral("Vous pouvez modifier les paramètres,\nouvrir une configuration ou un exercice");
    s.msgcopie = QStringLiteral(
        "L'image est copiée: vous pouvez la retrouver depuis toute application Windows (coller)");
    c.VScroll1 = 30;
    c.VScroll3 = 70;
    c.UpDown1 = 6;
    m_hooks->repgraphe();
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
    if (s.textemodif == 1 &&
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

void Simulation::Combo1_Click()
{
    marks.clear();
    photoPositions.clear();
    retico();
    const Place &place = places().at(c.Combo1);
    const QString path = programFile(m_programDir, QString::fromLatin1(place.picture));
    s.gpes = place.g;
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
    s.trajsuite = false;
    d.projVisible = true;
    retico();
    d.check1Enabled = true;
    command18_Click();
    d.VScroll2 = 0;
    emit changed();
}

void Simulation::Combo2_Click()
{
    s.masse = projectiles().at(c.Combo2).mass;
    setTimer(false);
    retico();
    d.projVisible = true;
    d.check1Enabled = true;
    s.enrebond = 0;
    s.temps = 0.0f;

    m_services.sound->close();
    m_services.sound->open(soundPath());

    command18_Click();
    emit changed();
}

} // namespace orbane
