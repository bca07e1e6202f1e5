#include "app/displayscale.h"

#include "core/numberformat.h"
#include "core/regularfile.h"
#include "core/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <unistd.h>

namespace orbane::display {

namespace {

const char *const kQtFactor = "QT_SCALE_FACTOR";
// Set only for the program started again at the fitted factor: the user's own factor as it
// was ("-" when there was none), so the new run neither fits again nor takes ours for theirs.
const char *const kFitted = "ORBANE1S_ECHELLE_AJUSTEE";
const QString kKey = QStringLiteral("echelle=");

// The window at factor 1, and the room its title bar and borders take (not scaled: the desktop
// draws them).
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 48;

Start g_start;

double userBase(const std::optional<QByteArray> &user)
{
    if (!user)
        return 1.0;
    bool ok = false;
    const double value = user->toDouble(&ok);
    return ok && value > 0 ? value : 1.0;
}

void setQtFactor(const Start &start)
{
    if (start.factor == 1.0)
        return;
    qputenv(kQtFactor, QByteArray::number(userBase(start.userFactor) * start.factor, 'g', 6));
}

} // namespace

std::optional<Scale> parseScale(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QStringLiteral("auto"), Qt::CaseInsensitive) == 0)
        return Scale{true, 1.0};
    const std::optional<double> value = numfmt::parse(t);
    if (!value || !(*value >= 1.0 && *value <= kLargest))
        return std::nullopt;
    return Scale{false, std::round(*value * 100) / 100};
}

QString scaleText(const Scale &scale)
{
    return scale.fit ? QStringLiteral("auto") : numfmt::general(scale.factor);
}

double fitFactor(const QSize &available)
{
    const double room = std::min(double(available.width() - kFrameWidth) / kWindowWidth,
                                 double(available.height() - kFrameHeight) / kWindowHeight);
    // A tenth below what fits; the small margin absorbs the rounding of an exact fit.
    const double tenths = std::floor(room * 10 + 1e-9) / 10;
    return std::clamp(tenths, 1.0, kLargest);
}

QString choiceFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/orbane1s/affichage.conf");
}

Scale storedScale()
{
    const files::ReadResult read = files::readAll(choiceFile(), 4096);
    if (!read.ok())
        return {};
    for (const QString &line : QString::fromUtf8(read.data).split(QLatin1Char('\n'))) {
        if (line.startsWith(kKey))
            return parseScale(line.mid(kKey.size())).value_or(Scale{});
    }
    return {};
}

bool storeScale(const Scale &scale, QString *why)
{
    const QString path = choiceFile();
    if (!QDir().mkpath(QFileInfo(path).path())) {
        if (why)
            *why = QStringLiteral("impossible de créer le dossier %1")
                       .arg(QDir::toNativeSeparators(QFileInfo(path).path()));
        return false;
    }
    const saving::SaveResult saved =
        saving::saveBytes(path, (kKey + scaleText(scale) + QLatin1Char('\n')).toUtf8());
    if (!saved && why)
        *why = saved.reason;
    return saved.ok;
}

Start prepare(const std::optional<Scale> &asked)
{
    Start start;
    if (qEnvironmentVariableIsSet(kFitted)) {
        // Started again at the fitted factor: QT_SCALE_FACTOR is ours already.
        const QByteArray user = qgetenv(kFitted);
        qunsetenv(kFitted);
        if (user != "-")
            start.userFactor = user;
        start.choice = Scale{true, 1.0};
        start.fromCommandLine = asked.has_value();
        start.factor = qgetenv(kQtFactor).toDouble() / userBase(start.userFactor);
        g_start = start;
        return start;
    }
    if (qEnvironmentVariableIsSet(kQtFactor))
        start.userFactor = qgetenv(kQtFactor);
    start.fromCommandLine = asked.has_value();
    start.choice = asked ? *asked : storedScale();
    if (start.choice.fit)
        start.pendingFit = true;
    else
        start.factor = start.choice.factor;
    setQtFactor(start);
    g_start = start;
    return start;
}

void fitToScreen(Start &start, char *argv[])
{
    if (!start.pendingFit)
        return;
    start.pendingFit = false;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double factor = screen ? fitFactor(screen->availableGeometry().size()) : 1.0;
    g_start = start;
    if (factor == 1.0)
        return;
    start.factor = factor;
    qputenv(kFitted, start.userFactor.value_or(QByteArrayLiteral("-")));
    setQtFactor(start);
    ::execv(QCoreApplication::applicationFilePath().toLocal8Bit().constData(), argv);
    // The new start failed: this run goes on at factor 1.
    start.factor = 1.0;
    qunsetenv(kFitted);
    restoreUserEnvironment(start);
    g_start = start;
}

const Start &started() { return g_start; }

void restoreUserEnvironment(const Start &start)
{
    if (start.userFactor)
        qputenv(kQtFactor, *start.userFactor);
    else
        qunsetenv(kQtFactor);
}

} // namespace orbane::display
