#include "platform/qtaudio.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>
#include <vector>

namespace orbane {

namespace {

QAudioFormat pcmFormat()
{
    QAudioFormat format;
    format.setSampleRate(PcmSource::kRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

// The mixer's floats as the sink's 16-bit frames; an empty mixer reads as the end.
class QtAudio::Pull final : public QIODevice
{
public:
    explicit Pull(tones::Mixer &mixer) : m_mixer(mixer) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return m_mixer.empty() ? 0 : 1 << 16; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const int frames = int(std::min<qint64>(maxSize / 4, 8192));
        if (m_mixer.empty() || frames <= 0)
            return 0;
        m_floats.resize(std::size_t(2 * frames));
        m_mixer.render(m_floats.data(), frames);
        auto *out = reinterpret_cast<qint16 *>(data);
        for (int k = 0; k < 2 * frames; ++k)
            out[k] = qint16(std::lround(m_floats[std::size_t(k)] * 32767.0f));
        return qint64(frames) * 4;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    tones::Mixer &m_mixer;
    std::vector<float> m_floats;
};

QtAudio::QtAudio() : m_pull(std::make_unique<Pull>(m_mixer)) {}

QtAudio::~QtAudio()
{
    if (m_sink)
        m_sink->stop();
}

void QtAudio::openSink()
{
    if (m_tried)
        return;
    m_tried = true;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(pcmFormat()))
        return;
    m_sink = std::make_unique<QAudioSink>(device, pcmFormat());
    m_sink->setBufferSize(PcmSource::kRate / 10 * 4); // 100 ms: the tone follows the flight
}

void QtAudio::start(PcmSource *source)
{
    m_mixer.add(source);
    openSink();
    if (m_sink && m_sink->state() != QAudio::ActiveState)
        m_sink->start(m_pull.get());
}

void QtAudio::stop(PcmSource *source)
{
    m_mixer.remove(source);
    closeWhenSilent();
}

void QtAudio::closeWhenSilent()
{
    if (m_sink && m_mixer.empty())
        m_sink->stop();
}

} // namespace orbane
