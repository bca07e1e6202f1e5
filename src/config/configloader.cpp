#include "config/configloader.h"

#include "config/configformat.h"
#include "config/configsession.h"
#include "core/simulation.h"

#include <QFile>
#include <QFileInfo>

namespace orbane::config {

namespace {

// Only the configuration's records are read, however long the file is.
bool readImage(const QString &path, QByteArray *image, QString *detail)
{
    // Devices and pipes are not configuration files, and reading one could block.
    if (!QFileInfo(path).isFile()) {
        *detail = QStringLiteral("no such file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *detail = file.errorString();
        return false;
    }
    *image = file.read(kImageSize);
    if (file.error() != QFileDevice::NoError) {
        *detail = file.errorString();
        return false;
    }
    return true;
}

LoadResult failed(LoadStatus status, const QString &detail, Dialogs &dialogs)
{
    if (status == LoadStatus::NotConfig)
        dialogs.message(QStringLiteral("Ce fichier ne correspond pas à cette application"),
                        QStringLiteral("Fichier non valide"), MsgIcon::Critical);
    else
        dialogs.message(QStringLiteral("Lecture impossible sur disque"),
                        QStringLiteral("Erreur lors du chargement du fichier"), MsgIcon::Critical);
    return {status, detail, {}};
}

} // namespace

LoadResult loadConfig(const QString &path, Simulation &sim, Dialogs &dialogs)
{
    QByteArray image;
    QString detail;
    if (!readImage(path, &image, &detail))
        return failed(LoadStatus::Unreadable, detail, dialogs);
    const Decoded decoded = decode(image, sim.c);
    if (!decoded.controls)
        return failed(decoded.error == DecodeError::NotConfig ? LoadStatus::NotConfig
                                                              : LoadStatus::Unreadable,
                      decoded.detail, dialogs);
    applyConfig(sim, *decoded.controls);
    return {LoadStatus::Loaded, {}, windowTitleFor(path)};
}

void applyConfig(Simulation &sim, const Controls &loaded)
{
    Controls &c = sim.c;
    // Lists and boxes take their values; their reactions run below, once, in order.
    c.Combo1 = loaded.Combo1;
    c.Combo2 = loaded.Combo2;
    c.Text1 = loaded.Text1;
    c.Text2 = loaded.Text2;
    c.Text3 = loaded.Text3;
    c.Text4 = loaded.Text4;
    // A scale's or an option's reaction fires when its value changes, as for the user's change.
    if (c.VScroll1 != loaded.VScroll1)
        sim.VScroll1_Change(loaded.VScroll1);
    if (c.UpDown1 != loaded.UpDown1)
        sim.UpDown1_Change(loaded.UpDown1);
    if (c.VScroll3 != loaded.VScroll3)
        sim.VScroll3_Change(loaded.VScroll3);
    c.chrono = loaded.chrono;
    for (int i = 1; i < int(c.Check.size()); ++i) {
        if (c.Check[i] == loaded.Check[i])
            continue;
        c.Check[i] = loaded.Check[i];
        sim.Check_Click(i);
    }
    c.speed = loaded.speed;
    c.Label4 = loaded.Label4;

    sim.Combo1_Click();
    if (sim.fatalErrorShown())
        return;
    sim.Combo2_Click();
    sim.Text1_LostFocus();
    sim.Text2_LostFocus();
    sim.Text3_LostFocus();
    sim.Text4_LostFocus();
    sim.chrono_LostFocus();
}

} // namespace orbane::config
