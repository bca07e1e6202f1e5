#include "core/diskerror.h"

#include <QDir>
#include <cerrno>

namespace orbane::files {

QString reasonFor(int errnum)
{
    switch (errnum) {
    case ENOSPC:
        return QStringLiteral("le disque est plein");
    case EDQUOT:
        return QStringLiteral("le quota d'espace disque est atteint");
    case EFBIG:
        return QStringLiteral("le fichier dépasse la taille permise sur ce disque");
    case EROFS:
        return QStringLiteral("le disque est en lecture seule");
    case EACCES:
    case EPERM:
        return QStringLiteral("l'accès est refusé");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("le dossier ou le fichier n'existe pas");
    case EISDIR:
        return QStringLiteral("ce nom désigne un dossier");
    case ELOOP:
        return QStringLiteral("les liens symboliques forment une boucle");
    case ENAMETOOLONG:
        return QStringLiteral("le nom est trop long");
    case EIO:
        return QStringLiteral("erreur de lecture ou d'écriture du support");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("le fichier est occupé");
    case EXDEV:
        return QStringLiteral("le fichier temporaire et le fichier visé sont sur deux disques");
    default:
        return QStringLiteral("erreur du système n° %1").arg(errnum);
    }
}

QString notRegularReason()
{
    return QStringLiteral("ce n'est pas un fichier ordinaire (périphérique, tube ou socket)");
}

QString explained(const QString &prompt, const QString &path, const QString &reason)
{
    return prompt + QStringLiteral("\n\nFichier : %1\nCause : %2.")
                        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace orbane::files
