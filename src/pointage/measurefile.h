#pragma once

#include "core/savefile.h"
#include "pointage/calibration.h"
#include "pointage/scheme.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// "Enregistrer la mesure…" / "Ouvrir une mesure…": a pointing of a video or a photograph, kept
// to be taken up again. UTF-8 JSON whose first field is "format": "Orbane 1S mesure 1". Headless.
namespace orbane::pointage {

inline constexpr auto kMeasureSuffix = ".o1m";
inline constexpr qint64 kMaxMeasureBytes = 16 * 1024 * 1024;
inline constexpr int kMaxMeasurePoints = 100000;

enum class SourceKind { Video, Photo };

// A point where the pupil placed it: the video's frame (a photograph's point index), pixels.
struct MeasurePoint
{
    int frame = 0;
    double x = 0.0, y = 0.0;
    double t = 0.0; // a video's frame time in the file (s), to date the point without the video
    bool operator==(const MeasurePoint &) const = default;
};

struct MeasureFile
{
    QString source; // the video or the photograph, relative to the measurement file's folder
    SourceKind kind = SourceKind::Video;
    Calibration calibration;
    double tau = 0.0;        // a photograph's interval between two positions (s)
    double slowMotion = 1.0; // a video's slow-motion factor, 1 = real time
    double frameRate = 0.0;  // a video's real frame rate (images/s), 0 when not given
    Scheme scheme = Scheme::Centred;
    double masse = 0.0; // kg
    double g = 0.0;     // N/kg
    std::vector<MeasurePoint> points;
    bool operator==(const MeasureFile &) const = default;
};

QByteArray measureBytes(const MeasureFile &m);
// Through saving::saveBytes: the old file stays as it was on failure.
saving::SaveResult saveMeasure(const QString &path, const MeasureFile &m);

// The measurement in `bytes`; nothing, with the cause in French, when it is not one.
std::optional<MeasureFile> parseMeasure(const QByteArray &bytes, QString *cause);
// The file at `path`, or nothing with a message naming the file ("La mesure … ne peut pas être
// ouverte : …").
std::optional<MeasureFile> readMeasure(const QString &path, QString *refusal);

// The source's name as the file keeps it, relative to the measurement file's folder, and back.
// Each of `frames` frames' time in the file, from the times the points kept (between two points
// by proportion; beyond them at the nearest points' pace, or at the frame rate given, or 25
// images per second): a measurement whose video is missing keeps its dates.
std::vector<double> frameTimes(const MeasureFile &m, int frames);
QString relativeSource(const QString &measurePath, const QString &sourcePath);
QString resolveSource(const QString &measurePath, const QString &source);

} // namespace orbane::pointage
