#include "pointage/measurefile.h"
#include "support/pipes.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace orbane;
using namespace orbane::pointage;

namespace {

MeasureFile photo()
{
    MeasureFile m;
    m.source = QStringLiteral("photos/chrono é.jpg");
    m.kind = SourceKind::Photo;
    m.calibration = {.scaleFrom = {12.25, 400.5},
                     .scaleTo = {812.125, 398.0},
                     .length = 1.5,
                     .origin = {30.0, 420.75},
                     .tilted = true,
                     .axisFrom = {30.0, 420.75},
                     .axisTo = {900.5, 401.0 / 3.0},
                     .timeOrigin = 0};
    m.tau = 0.04;
    m.scheme = Scheme::Forward;
    m.masse = 0.057;
    m.g = 9.81;
    for (int i = 0; i < 5; ++i)
        m.points.push_back({i, 30.0 + 101.1 * i, 420.0 - 0.1 / 3 * i * i});
    return m;
}

MeasureFile video()
{
    MeasureFile m;
    m.source = QStringLiteral("lancer.mp4");
    m.kind = SourceKind::Video;
    m.calibration.scaleTo = {0, 250};
    m.calibration.length = 1.0;
    m.calibration.origin = {64, 700};
    m.calibration.timeOrigin = 17;
    m.slowMotion = 8.0;
    m.frameRate = 240.0;
    m.masse = 0.6;
    m.g = 9.8;
    m.points = {{17, 64.5, 700.25}, {19, 80.0, 650.0}, {23, 110.75, 580.5}};
    return m;
}

} // namespace

TEST(MeasureFile, RoundTripsEveryField)
{
    QTemporaryDir dir;
    for (const MeasureFile &m : {photo(), video()}) {
        const QString path = dir.filePath(QStringLiteral("mesure.o1m"));
        ASSERT_TRUE(saveMeasure(path, m));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll().startsWith("{\n    \"format\": \"Orbane 1S mesure 1\",\n"));
        QString refusal;
        const auto back = readMeasure(path, &refusal);
        ASSERT_TRUE(back) << refusal.toStdString();
        EXPECT_EQ(back->source, m.source);
        EXPECT_EQ(back->kind, m.kind);
        EXPECT_EQ(back->calibration, m.calibration);
        EXPECT_EQ(back->scheme, m.scheme);
        EXPECT_EQ(back->points, m.points);
        EXPECT_TRUE(*back == m) << "tau, slow motion, frame rate, mass or g";
    }
}

TEST(MeasureFile, SourceRelativeToTheFile)
{
    const QString measure = QStringLiteral("/classe/tp/mesure.o1m");
    EXPECT_EQ(relativeSource(measure, QStringLiteral("/classe/tp/videos/lancer.mp4")),
              QStringLiteral("videos/lancer.mp4"));
    EXPECT_EQ(relativeSource(measure, QStringLiteral("/classe/tp/lancer.mp4")),
              QStringLiteral("lancer.mp4"));
    EXPECT_EQ(resolveSource(measure, QStringLiteral("videos/lancer.mp4")),
              QStringLiteral("/classe/tp/videos/lancer.mp4"));
    EXPECT_EQ(resolveSource(measure, QStringLiteral("lancer.mp4")),
              QStringLiteral("/classe/tp/lancer.mp4"));
    EXPECT_EQ(resolveSource(measure, QStringLiteral("../lancer.mp4")),
              QStringLiteral("/classe/lancer.mp4"));
}

namespace {

// The photo's file with one change made to its JSON.
QByteArray edited(const std::function<void(QJsonObject &)> &change)
{
    QJsonObject o = QJsonDocument::fromJson(measureBytes(photo())).object();
    change(o);
    return QJsonDocument(o).toJson();
}

void setIn(QJsonObject &o, const QString &object, const QString &key, const QJsonValue &v)
{
    QJsonObject inner = o[object].toObject();
    inner[key] = v;
    o[object] = inner;
}

} // namespace

TEST(MeasureFile, RefusesWhatIsNotAMeasure)
{
    QJsonArray many;
    for (int i = 0; i <= kMaxMeasurePoints; ++i)
        many.append(QJsonArray{i, 1.0, 2.0});
    const struct
    {
        const char *name;
        QByteArray bytes;
        const char *cause;
    } cases[] = {
        {"bad JSON", "{\"format\": ", "pas un fichier JSON lisible"},
        {"other format",
         edited([](QJsonObject &o) { o[u"format"] = QStringLiteral("Orbane 1S mesure 2"); }),
         "pas une mesure d'Orbane 1S"},
        {"missing field", edited([](QJsonObject &o) { o.remove(u"masse"); }), "« masse » manque"},
        {"wrong type", edited([](QJsonObject &o) { o[u"g"] = QStringLiteral("9,81"); }),
         "« g » n'est pas un nombre"},
        {"negative mass", edited([](QJsonObject &o) { o[u"masse"] = -0.1; }),
         "« masse » est négative"},
        {"negative tau", edited([](QJsonObject &o) { o[u"tau"] = -0.04; }), "« tau » est négative"},
        {"negative length", edited([](QJsonObject &o) {
             setIn(o, QStringLiteral("etalonnage"), QStringLiteral("longueur"), -1.0);
         }),
         "« longueur » est négative"},
        // JSON has no infinity: the parser refuses the number itself.
        {"infinite length",
         measureBytes(photo()).replace("\"longueur\": 1.5", "\"longueur\": 1e999"),
         "pas un fichier JSON lisible"},
        {"null length", measureBytes(photo()).replace("\"longueur\": 1.5", "\"longueur\": null"),
         "« longueur » n'est pas un nombre"},
        {"bad kind", edited([](QJsonObject &o) { o[u"nature"] = QStringLiteral("film"); }),
         "« film »"},
        {"negative frame", edited([](QJsonObject &o) {
             // Built by append: clang takes a braced array of one array for a copy.
             QJsonArray points;
             points.append(QJsonArray{-1, 2.0, 3.0});
             o[u"points"] = points;
         }),
         "« point 1 » n'est pas un numéro d'image"},
        {"bad point", edited([](QJsonObject &o) {
             QJsonArray points;
             points.append(QJsonArray{1, 2.0});
             o[u"points"] = points;
         }),
         "le point 1 n'est pas"},
        {"too many points", edited([&](QJsonObject &o) { o[u"points"] = many; }),
         "plus de 100000 points"},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        const QString path = dir.filePath(QStringLiteral("refusée.o1m"));
        ASSERT_TRUE(saving::saveBytes(path, c.bytes));
        QString refusal;
        EXPECT_FALSE(readMeasure(path, &refusal)) << c.name;
        EXPECT_TRUE(refusal.contains(path) && refusal.contains(QString::fromUtf8(c.cause)))
            << c.name << ": " << refusal.toStdString();
    }
    // Files that are not read at all: a folder, a pipe, one too large.
    const QString pipe = dir.filePath(QStringLiteral("tube.o1m"));
    const QString large = dir.filePath(QStringLiteral("grande.o1m"));
    ASSERT_TRUE(test::makePipe(pipe));
    QFile big(large);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(kMaxMeasureBytes + 1));
    big.close();
    for (const QString &path : {dir.path(), pipe, large}) {
        QString refusal;
        EXPECT_TRUE(
            test::returnsWithoutAWriter(pipe, [&] { EXPECT_FALSE(readMeasure(path, &refusal)); }));
        EXPECT_TRUE(refusal.startsWith(QStringLiteral("La mesure ")) && refusal.contains(path))
            << refusal.toStdString();
    }
}
