#pragma once

#include <QImage>
#include <QMetaType>
#include <QString>
#include <cstddef>
#include <functional>
#include <vector>

// A video filmed in class, decoded whole into memory (school videos last a few seconds).
namespace orbane::video {

struct Decoded
{
    std::vector<QImage> frames; // upright (rotation applied), Format_RGB32
    std::vector<double> times;  // s, from each frame's own timestamp, first frame = 0
    QString codec;              // the decoder's name, for messages
    double nominalRate = 0;     // frames per second the container claims (for display only)
    int rotation = 0;           // degrees applied clockwise (0, 90, 180, 270), from the display matrix
    bool irregular = false;     // an interval differs from the median interval by more than 10 %
    bool truncated = false;     // stopped early: memory budget, cancel, or a damaged tail
    QString error;              // French, names the file (and the codec); empty when frames decoded
    QString warning;            // French: frames lost to damage, or not kept
};

// Decodes every frame of `path`. `progress(done, total)` is called after each frame (total is
// an estimate, may be 0) and returns false to cancel. Frames past `memoryBudget` bytes are not
// kept (truncated, with a warning).
Decoded decodeVideo(const QString &path, const std::function<bool(int, int)> &progress = {},
                    std::size_t memoryBudget = std::size_t(1) << 30);

// Whether the pointage takes `path` as a video or as a picture, by its extension.
bool isVideoPath(const QString &path);
bool isImagePath(const QString &path);
// "Vidéos (*.mp4 *.mov …)" and "Images (*.jpg …)" for a file dialog.
QString videoFilter();
QString imageFilter();

} // namespace orbane::video

Q_DECLARE_METATYPE(orbane::video::Decoded)
