#pragma once

#include <QByteArray>
#include <functional>

class QIODevice;
class QTextDocument;

// Reads rich text files into a QTextDocument (no widgets).
namespace orbane::rtf {

// Texts larger than this are not read at all. The exercises' texts weigh a few kilobytes, a
// statement with a few pictures a few hundred.
inline constexpr qint64 kMaxTextSize = 4 * 1024 * 1024;

// Follows a read: counts its steps (one for each token and for each unit of work done on the
// input) and calls `tick` every kTickSteps steps, so that a window can stay responsive.
struct Progress
{
    static constexpr qint64 kTickSteps = 1 << 16;
    qint64 steps = 0;
    std::function<void()> tick;
    void add(qint64 n)
    {
        const qint64 before = steps / kTickSteps;
        steps += n;
        if (tick && steps / kTickSteps != before)
            tick();
    }
};

// Replaces the document's content with the RTF text, as one step that cannot be undone into
// a half-read state. False, with the document untouched, when the data is not RTF; anything
// else is read as well as it can be: what the reader does not know is skipped.
bool read(const QByteArray &data, QTextDocument &doc, Progress *progress = nullptr);
// Reads the whole device first; one over kMaxTextSize bytes is refused.
bool read(QIODevice &device, QTextDocument &doc);

} // namespace orbane::rtf
