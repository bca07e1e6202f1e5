#include "pointage/measurefile.h"

#include "core/regularfile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <algorithm>
#include <QJsonDocument>
#include <QJsonObject>
#include <climits>
#include <cmath>

namespace orbane::pointage {

namespace {

const QString kFormat = QStringLiteral("Orbane 1S mesure 1");

QString kindName(SourceKind k)
{
    return k == SourceKind::Video ? QStringLiteral("vidéo") : QStringLiteral("photo");
}

QJsonArray pair(QPointF p)
{
    return {p.x(), p.y()};
}

QJsonObject calibrationObject(const Calibration &c)
{
    return {{QStringLiteral("debutEchelle"), pair(c.scaleFrom)},
            {QStringLiteral("finEchelle"), pair(c.scaleTo)},
            {QStringLiteral("longueur"), c.length},
            {QStringLiteral("origine"), pair(c.origin)},
            {QStringLiteral("axeIncline"), c.tilted},
            {QStringLiteral("debutAxe"), pair(c.axisFrom)},
            {QStringLiteral("finAxe"), pair(c.axisTo)},
            {QStringLiteral("imageOrigineDesDates"), c.timeOrigin}};
}

} // namespace

QByteArray measureBytes(const MeasureFile &m)
{
    QJsonArray points;
    for (const MeasurePoint &p : m.points)
        points.append(QJsonArray{p.frame, p.x, p.y, p.t});
    const QJsonObject o{{QStringLiteral("source"), m.source},
                        {QStringLiteral("nature"), kindName(m.kind)},
                        {QStringLiteral("etalonnage"), calibrationObject(m.calibration)},
                        {QStringLiteral("tau"), m.tau},
                        {QStringLiteral("ralenti"), m.slowMotion},
                        {QStringLiteral("cadenceReelle"), m.frameRate},
                        {QStringLiteral("schema"), schemeName(m.scheme)},
                        {QStringLiteral("masse"), m.masse},
                        {QStringLiteral("g"), m.g},
                        {QStringLiteral("points"), points}};
    // QJsonObject sorts its keys: the format goes first by hand, so that a look at the file's
    // start tells what it is.
    QByteArray text = QJsonDocument(o).toJson(QJsonDocument::Indented);
    const QByteArray format = "    \"format\": \"" + kFormat.toUtf8() + "\",\n";
    return text.insert(text.indexOf('\n') + 1, format);
}

saving::SaveResult saveMeasure(const QString &path, const MeasureFile &m)
{
    return saving::saveBytes(path, measureBytes(m));
}

namespace {

// Reads the fields of one object; the first fault is kept, later reads give defaults.
class Fields
{
public:
    Fields(const QJsonObject &o, QString &fault) : m_o(o), m_fault(fault) {}

    QJsonValue value(const QString &key, QJsonValue::Type type, const QString &what)
    {
        const QJsonValue v = m_o.value(key);
        if (v.isUndefined())
            fail(QStringLiteral("le champ « %1 » manque").arg(key));
        else if (v.type() != type)
            fail(QStringLiteral("le champ « %1 » n'est pas %2").arg(key, what));
        return m_fault.isEmpty() ? v : QJsonValue();
    }
    QString text(const QString &key)
    {
        return value(key, QJsonValue::String, QStringLiteral("un texte")).toString();
    }
    bool flag(const QString &key)
    {
        return value(key, QJsonValue::Bool, QStringLiteral("vrai ou faux")).toBool();
    }
    QJsonObject object(const QString &key)
    {
        return value(key, QJsonValue::Object, QStringLiteral("un objet")).toObject();
    }
    QJsonArray array(const QString &key)
    {
        return value(key, QJsonValue::Array, QStringLiteral("une liste")).toArray();
    }
    double finite(const QString &key)
    {
        return checkedFinite(
            key, value(key, QJsonValue::Double, QStringLiteral("un nombre")).toDouble());
    }
    double checkedFinite(const QString &key, double v)
    {
        if (!std::isfinite(v))
            fail(QStringLiteral("la valeur de « %1 » n'est pas un nombre fini").arg(key));
        return v;
    }
    double positiveOrZero(const QString &key)
    {
        const double v = finite(key);
        if (v < 0.0)
            fail(QStringLiteral("la valeur de « %1 » est négative").arg(key));
        return v;
    }
    int index(const QString &key, double v)
    {
        if (!(v >= 0.0 && v <= INT_MAX && v == std::floor(v)))
            fail(QStringLiteral("« %1 » n'est pas un numéro d'image entier positif ou nul")
                     .arg(key));
        return m_fault.isEmpty() ? int(v) : 0;
    }
    QPointF point(const QString &key)
    {
        const QJsonArray a = array(key);
        if (m_fault.isEmpty() && (a.size() != 2 || !a[0].isDouble() || !a[1].isDouble()))
            fail(QStringLiteral("le champ « %1 » n'est pas un couple de nombres").arg(key));
        if (!ok())
            return {};
        return {checkedFinite(key, a[0].toDouble()), checkedFinite(key, a[1].toDouble())};
    }
    void fail(const QString &why)
    {
        if (m_fault.isEmpty())
            m_fault = why;
    }
    bool ok() const { return m_fault.isEmpty(); }

private:
    QJsonObject m_o;
    QString &m_fault;
};

Calibration calibrationOf(Fields &fields, QString &fault)
{
    Fields f(fields.object(QStringLiteral("etalonnage")), fault);
    Calibration c;
    if (!f.ok())
        return c;
    c.scaleFrom = f.point(QStringLiteral("debutEchelle"));
    c.scaleTo = f.point(QStringLiteral("finEchelle"));
    c.length = f.positiveOrZero(QStringLiteral("longueur"));
    c.origin = f.point(QStringLiteral("origine"));
    c.tilted = f.flag(QStringLiteral("axeIncline"));
    c.axisFrom = f.point(QStringLiteral("debutAxe"));
    c.axisTo = f.point(QStringLiteral("finAxe"));
    const QString origin = QStringLiteral("imageOrigineDesDates");
    c.timeOrigin = f.index(origin, f.finite(origin));
    return c;
}

std::vector<MeasurePoint> pointsOf(Fields &f)
{
    const QString key = QStringLiteral("points");
    const QJsonArray a = f.array(key);
    if (a.size() > kMaxMeasurePoints)
        f.fail(QStringLiteral("la mesure a plus de %1 points").arg(kMaxMeasurePoints));
    std::vector<MeasurePoint> points;
    for (qsizetype i = 0; f.ok() && i < a.size(); ++i) {
        const QJsonArray p = a[i].toArray();
        const QString which = QStringLiteral("point %1").arg(i + 1);
        // The time came later: a point of three numbers has none.
        bool numbers = true;
        for (qsizetype k = 0; k < p.size(); ++k)
            numbers = numbers && p.at(k).isDouble();
        if ((p.size() != 3 && p.size() != 4) || !numbers) {
            f.fail(QStringLiteral("le %1 n'est pas une image et deux nombres").arg(which));
            break;
        }
        points.push_back({f.index(which, p[0].toDouble()), f.checkedFinite(which, p[1].toDouble()),
                          f.checkedFinite(which, p[2].toDouble()),
                          p.size() == 4 ? f.checkedFinite(which, p[3].toDouble()) : 0.0});
    }
    return points;
}

template <typename T>
T choice(Fields &f, const QString &key, std::initializer_list<std::pair<QString, T>> names)
{
    const QString name = f.text(key);
    for (const auto &[text, value] : names)
        if (name == text)
            return value;
    f.fail(QStringLiteral("« %1 » n'est pas une valeur permise de « %2 »").arg(name, key));
    return names.begin()->second;
}

} // namespace

std::optional<MeasureFile> parseMeasure(const QByteArray &bytes, QString *cause)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    QString fault;
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        fault = QStringLiteral("ce n'est pas un fichier JSON lisible");
    else if (doc.object().value(QStringLiteral("format")).toString() != kFormat)
        fault = QStringLiteral("ce n'est pas une mesure d'Orbane 1S (format « %1 » attendu)")
                    .arg(kFormat);
    MeasureFile m;
    Fields f(doc.object(), fault);
    if (f.ok()) {
        m.source = f.text(QStringLiteral("source"));
        m.kind = choice(f, QStringLiteral("nature"),
                        {std::pair{kindName(SourceKind::Video), SourceKind::Video},
                         std::pair{kindName(SourceKind::Photo), SourceKind::Photo}});
        m.calibration = calibrationOf(f, fault);
        m.tau = f.positiveOrZero(QStringLiteral("tau"));
        m.slowMotion = f.positiveOrZero(QStringLiteral("ralenti"));
        if (f.ok() && m.slowMotion == 0.0)
            f.fail(QStringLiteral("le facteur de ralenti est nul"));
        m.frameRate = f.positiveOrZero(QStringLiteral("cadenceReelle"));
        m.scheme = choice(f, QStringLiteral("schema"),
                          {std::pair{schemeName(Scheme::Centred), Scheme::Centred},
                           std::pair{schemeName(Scheme::Forward), Scheme::Forward}});
        m.masse = f.positiveOrZero(QStringLiteral("masse"));
        m.g = f.positiveOrZero(QStringLiteral("g"));
        m.points = pointsOf(f);
    }
    if (!fault.isEmpty()) {
        if (cause)
            *cause = fault;
        return std::nullopt;
    }
    return m;
}

std::optional<MeasureFile> readMeasure(const QString &path, QString *refusal)
{
    const files::ReadResult read = files::readAll(path, kMaxMeasureBytes);
    QString cause = read.ok() ? QString() : read.reason();
    std::optional<MeasureFile> m = read.ok() ? parseMeasure(read.data, &cause) : std::nullopt;
    if (!m && refusal)
        *refusal = QStringLiteral("La mesure %1 ne peut pas être ouverte : %2.")
                       .arg(QDir::toNativeSeparators(path), cause);
    return m;
}

QString relativeSource(const QString &measurePath, const QString &sourcePath)
{
    return QFileInfo(measurePath)
        .absoluteDir()
        .relativeFilePath(QFileInfo(sourcePath).absoluteFilePath());
}

QString resolveSource(const QString &measurePath, const QString &source)
{
    if (source.isEmpty())
        return {};
    return QDir::cleanPath(QFileInfo(measurePath).absoluteDir().absoluteFilePath(source));
}

std::vector<double> frameTimes(const MeasureFile &m, int frames)
{
    std::vector<std::pair<int, double>> known;
    for (const MeasurePoint &p : m.points)
        known.emplace_back(p.frame, p.t);
    std::sort(known.begin(), known.end());
    known.erase(std::unique(known.begin(), known.end(),
                            [](const auto &a, const auto &b) { return a.first == b.first; }),
                known.end());
    const double pace = m.frameRate > 0.0 ? 1.0 / m.frameRate : 1.0 / 25.0;
    std::vector<double> times(std::size_t(std::max(frames, 0)));
    for (int i = 0; i < frames; ++i) {
        if (known.size() < 2) {
            const double start = known.empty() ? 0.0 : known[0].second - known[0].first * pace;
            times[std::size_t(i)] = start + i * pace;
            continue;
        }
        // The two known frames around i, or the nearest two at either end.
        auto after = std::lower_bound(known.begin(), known.end(), std::pair(i, -1e300));
        if (after == known.begin())
            ++after;
        if (after == known.end())
            --after;
        const auto before = after - 1;
        const double slope = (after->second - before->second) / (after->first - before->first);
        times[std::size_t(i)] = before->second + (i - before->first) * slope;
    }
    return times;
}

} // namespace orbane::pointage
