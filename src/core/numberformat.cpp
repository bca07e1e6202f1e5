#include "core/numberformat.h"

#include <QLocale>
#include <cmath>

namespace orbane::numfmt {

static const QLocale &french()
{
    static const QLocale locale = [] {
        QLocale l(QLocale::French, QLocale::France);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    return locale;
}

QString fixed(double value, int decimals)
{
    if (!std::isfinite(value))
        value = 0.0;
    const double scale = std::pow(10.0, decimals);
    // Anything that shows as zero is zero: no "-0,00".
    if (std::abs(value) * scale < 0.5)
        value = 0.0;
    return french().toString(value, 'f', decimals);
}

QString general(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return QStringLiteral("0");
    return french().toString(value, 'G', 15);
}

std::optional<double> parse(const QString &text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    t.remove(QChar(0x202F));
    t.remove(QChar(0x00A0));
    bool ok = false;
    const double v = french().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace orbane::numfmt
