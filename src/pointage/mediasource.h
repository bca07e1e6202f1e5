#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace orbane::pointage {

// A real photograph or video, decoded, as the pointage window measures it.
struct MediaSource
{
    QString path;
    bool video = false;
    std::vector<QImage> frames; // a photograph: one
    std::vector<double> times;  // each frame's time in the file (s); a photograph: none
    bool irregular = false;     // the frames are not evenly spaced
    QString warning;            // what could not be read of a damaged file
};

} // namespace orbane::pointage
