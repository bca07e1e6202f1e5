#include "exchange/savechooser.h"

#include "core/diskerror.h"
#include "core/savefile.h"
#include "core/saveplace.h"
#include "core/services.h"

namespace orbane::exchange {

SaveChooser::~SaveChooser() = default;

bool saveOrTell(const QString &path, const QByteArray &bytes, const QString &failed,
                const QString &title, Dialogs &dialogs)
{
    const saving::SaveResult saved = saving::saveBytes(path, bytes);
    if (!saved)
        dialogs.message(files::explained(failed, path, saved.reason), title, MsgIcon::Exclamation);
    else
        SavePlace::shared().remember(path);
    return saved.ok;
}

} // namespace orbane::exchange
