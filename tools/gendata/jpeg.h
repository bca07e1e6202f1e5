// JPEG writer with full-resolution colour (4:4:4), so the thin coloured horizon line and
// the ground edge are not smeared across rows as with the default 4:2:0 subsampling.
#pragma once

#include <QImage>
#include <QString>

namespace gen {

bool saveJpeg444(const QImage &img, const QString &path, int quality);

} // namespace gen
