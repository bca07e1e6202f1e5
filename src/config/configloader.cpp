#include "config/configloader.h"

#include "config/configformat.h"
#include "core/regularfile.h"
#include "core/simulation.h"

namespace orbane::config {

namespace {

// Only the configuration's records are read, however long the file is.
bool readImage(const QString &path, QByteArray *image, QString *detail)
{
    // Devices and pipes are not configuration files, and reading one could block.
    files::ReadResult file = files::readStart(path, knownSize());
    if (!file.ok()) {
        *detail = file.reason();
        return false;
    }
    *image = std::move(file.data);
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
    return {status, detail};
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
    sim.applyControls(*decoded.controls);
    return {LoadStatus::Loaded, {}};
}

} // namespace orbane::config
