#pragma once

#include "core/services.h"
#include "core/tones.h"

#include <QIODevice>
#include <memory>

class QAudioSink;

namespace orbane {

// The program's own sounds through Qt Multimedia's audio output, in pull mode: the sink asks for
// samples from the thread it lives on, the interface thread, so the sources need no lock.
// Without an audio device, or one that refuses 16-bit stereo at 44 100 Hz, it stays silent.
class QtAudio final : public AudioOut
{
public:
    QtAudio();
    ~QtAudio() override;
    void start(PcmSource *source) override;
    void stop(PcmSource *source) override;

private:
    class Pull;
    void openSink();
    void closeWhenSilent();

    tones::Mixer m_mixer;
    std::unique_ptr<Pull> m_pull;
    std::unique_ptr<QAudioSink> m_sink;
    bool m_tried = false;
};

} // namespace orbane
