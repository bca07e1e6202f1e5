#include "video/videofile.h"

#include "core/numberformat.h"
#include "core/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <memory>
#include <mutex>
#include <numeric>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/display.h>
#include <libswscale/swscale.h>
}

namespace orbane::video {

namespace {

constexpr int kMaxSide = 8192;

const QStringList &videoSuffixes()
{
    static const QStringList list{
        QStringLiteral("mp4"),  QStringLiteral("m4v"), QStringLiteral("mov"),
        QStringLiteral("avi"),  QStringLiteral("webm"), QStringLiteral("ogv"),
        QStringLiteral("mkv"),  QStringLiteral("mpg"), QStringLiteral("mpeg"),
        QStringLiteral("3gp"),  QStringLiteral("3g2"), QStringLiteral("wmv"),
        QStringLiteral("flv"),  QStringLiteral("mts"), QStringLiteral("m2ts")};
    return list;
}

const QStringList &imageSuffixes()
{
    static const QStringList list{QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                  QStringLiteral("png"), QStringLiteral("bmp")};
    return list;
}

QString filter(const QString &title, const QStringList &suffixes)
{
    QStringList patterns;
    for (const QString &s : suffixes)
        patterns << QStringLiteral("*.") + s;
    return title + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString quoted(const QString &text) { return QStringLiteral("« %1 »").arg(text); }
QString count(int n) { return numfmt::general(n); }

// "seules les 42 premières images ont pu être lues", or the singular for one.
QString onlyFirst(int n, const QString &singularVerb, const QString &pluralVerb)
{
    if (n == 1)
        return QStringLiteral("seule la première image ") + singularVerb;
    return QStringLiteral("seules les %1 premières images ").arg(count(n)) + pluralVerb;
}

struct FormatClose
{
    void operator()(AVFormatContext *c) const { avformat_close_input(&c); }
};
struct CodecFree
{
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
};
struct FrameFree
{
    void operator()(AVFrame *f) const { av_frame_free(&f); }
};
struct PacketFree
{
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
struct ScalerFree
{
    void operator()(SwsContext *s) const { sws_freeContext(s); }
};
struct InputFree
{
    void operator()(AVIOContext *io) const
    {
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
};

// FFmpeg reads the file the program opened, checked as a regular file once open: nothing
// swapped in after the check (a pipe that would block) is read.
int readInput(void *opaque, uint8_t *data, int size)
{
    const qint64 n = static_cast<QFile *>(opaque)->read(reinterpret_cast<char *>(data), size);
    if (n == 0)
        return AVERROR_EOF;
    return n < 0 ? AVERROR(EIO) : int(n);
}

int64_t seekInput(void *opaque, int64_t offset, int whence)
{
    auto *file = static_cast<QFile *>(opaque);
    whence &= ~AVSEEK_FORCE;
    if (whence == AVSEEK_SIZE)
        return file->size();
    const qint64 to = whence == SEEK_SET   ? offset
                      : whence == SEEK_CUR ? file->pos() + offset
                                           : file->size() + offset;
    return to >= 0 && file->seek(to) ? to : AVERROR(EINVAL);
}

// The codec's name, or the file's four-character code when FFmpeg does not know it.
QString codecName(const AVCodecParameters *par)
{
    if (par->codec_id != AV_CODEC_ID_NONE)
        return QString::fromUtf8(avcodec_get_name(par->codec_id));
    if (par->codec_tag == 0)
        return QStringLiteral("inconnu");
    char tag[AV_FOURCC_MAX_STRING_SIZE] = {};
    av_fourcc_make_string(tag, par->codec_tag);
    return QString::fromLatin1(tag);
}

// Degrees to turn the stored picture clockwise to show it upright.
int rotationOf(const AVStream *stream)
{
    size_t size = 0;
    const uint8_t *matrix = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size);
    if (!matrix || size < 9 * sizeof(int32_t))
        return 0;
    const double angle = -av_display_rotation_get(reinterpret_cast<const int32_t *>(matrix));
    if (!std::isfinite(angle))
        return 0;
    const int quarter = int(std::lround(angle / 90.0)) * 90;
    return ((quarter % 360) + 360) % 360;
}

bool irregularTimes(const std::vector<double> &times)
{
    if (times.size() < 3)
        return false;
    std::vector<double> steps;
    for (std::size_t i = 1; i < times.size(); ++i)
        steps.push_back(times[i] - times[i - 1]);
    std::vector<double> sorted = steps;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const double median = sorted[sorted.size() / 2];
    return std::any_of(steps.begin(), steps.end(),
                       [median](double s) { return std::abs(s - median) > 0.1 * median; });
}

void quietLibraries()
{
    // A damaged file makes the decoders print pages of errors; the program says it in French.
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_FATAL); });
}

class Decoder
{
public:
    Decoder(const QString &path, const std::function<bool(int, int)> &progress, std::size_t budget)
        : m_path(path), m_progress(progress), m_budget(budget)
    {
        const QString name = QFileInfo(path).fileName();
        m_name = quoted(name.isEmpty() ? path : name);
    }

    Decoded run()
    {
        if (open())
            readAll();
        finish();
        return std::move(m_out);
    }

private:
    bool fail(const QString &reason)
    {
        m_out.error = m_name + QStringLiteral(" : ") + reason + QLatin1Char('.');
        return false;
    }

    bool open();
    bool openStream();
    bool openDecoder();
    bool halted() const { return m_overBudget || m_cancelled; }
    void readAll();
    void decode(const AVPacket *packet);
    void keep(const AVFrame *frame);
    QImage convert(const AVFrame *frame);
    double timeOf(const AVFrame *frame) const;
    void finish();
    void sortByTime();
    QString lossText(bool *tail) const;
    void explainLoss();

    QString m_path, m_name;
    std::function<bool(int, int)> m_progress;
    std::size_t m_budget;
    Decoded m_out;

    QFile m_file;
    std::unique_ptr<AVIOContext, InputFree> m_input; // outlives the format, which reads through it
    std::unique_ptr<AVFormatContext, FormatClose> m_format;
    std::unique_ptr<AVCodecContext, CodecFree> m_codec;
    std::unique_ptr<AVFrame, FrameFree> m_frame{av_frame_alloc()};
    std::unique_ptr<AVPacket, PacketFree> m_packet{av_packet_alloc()};
    std::unique_ptr<SwsContext, ScalerFree> m_scaler;
    AVStream *m_stream = nullptr;
    QSize m_size;         // of the stored pictures, before rotation
    int m_expected = 0;   // frames the container announces, 0 when unknown
    int m_damaged = 0;    // packets or frames the decoder refused
    bool m_unreadableTail = false;
    bool m_overBudget = false;
    bool m_cancelled = false;
};

bool Decoder::open()
{
    files::ReadResult why;
    if (!files::openRegular(m_file, m_path, QIODevice::ReadOnly, &why))
        return fail(why.reason());
    if (m_file.size() == 0)
        return fail(QStringLiteral("le fichier est vide"));
    quietLibraries();
    constexpr int kBuffer = 1 << 16;
    auto *buffer = static_cast<unsigned char *>(av_malloc(kBuffer));
    m_input.reset(buffer ? avio_alloc_context(buffer, kBuffer, 0, &m_file, &readInput, nullptr,
                                              &seekInput)
                         : nullptr);
    if (!m_input)
        av_free(buffer);
    AVFormatContext *format = avformat_alloc_context();
    if (!m_input || !format) {
        avformat_free_context(format);
        return fail(QStringLiteral("la mémoire manque pour la lire"));
    }
    format->pb = m_input.get();
    // The name only helps to recognise the format; avformat_open_input frees `format` on failure.
    if (avformat_open_input(&format, QFile::encodeName(m_path).constData(), nullptr, nullptr) < 0)
        return fail(QStringLiteral("ce fichier n'est pas une vidéo lisible"));
    m_format.reset(format);
    if (avformat_find_stream_info(format, nullptr) < 0)
        return fail(QStringLiteral("ce fichier n'est pas une vidéo lisible"));
    return openStream() && openDecoder();
}

bool Decoder::openStream()
{
    const int index = av_find_best_stream(m_format.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0)
        return fail(QStringLiteral("le fichier ne contient pas d'images vidéo"));
    m_stream = m_format->streams[index];
    const AVCodecParameters *par = m_stream->codecpar;
    m_out.codec = codecName(par);
    if (par->width > kMaxSide || par->height > kMaxSide)
        return fail(QStringLiteral("les images de %1 × %2 pixels dépassent la taille maximale de "
                                   "%3 × %3 pixels")
                        .arg(count(par->width), count(par->height), count(kMaxSide)));
    m_out.rotation = rotationOf(m_stream);
    const AVRational rate = m_stream->avg_frame_rate.num ? m_stream->avg_frame_rate
                                                          : m_stream->r_frame_rate;
    m_out.nominalRate = rate.num && rate.den ? av_q2d(rate) : 0;
    m_expected = int(std::clamp<int64_t>(m_stream->nb_frames, 0, 1 << 24));
    return true;
}

bool Decoder::openDecoder()
{
    const AVCodecParameters *par = m_stream->codecpar;
    const AVCodec *decoder = avcodec_find_decoder(par->codec_id);
    if (!decoder)
        return fail(QStringLiteral("le codec « %1 » n'est pas pris en charge par ce système")
                        .arg(m_out.codec));
    m_out.codec = QString::fromUtf8(decoder->long_name ? decoder->long_name : decoder->name);
    m_codec.reset(avcodec_alloc_context3(decoder));
    if (!m_codec || avcodec_parameters_to_context(m_codec.get(), par) < 0)
        return fail(QStringLiteral("le codec « %1 » n'a pas pu être préparé").arg(m_out.codec));
    m_codec->pkt_timebase = m_stream->time_base;
    if (avcodec_open2(m_codec.get(), decoder, nullptr) < 0)
        return fail(QStringLiteral("le codec « %1 » n'a pas pu être ouvert").arg(m_out.codec));
    return true;
}

void Decoder::readAll()
{
    while (!halted()) {
        const int read = av_read_frame(m_format.get(), m_packet.get());
        if (read < 0) {
            m_unreadableTail = read != AVERROR_EOF;
            break;
        }
        if (m_packet->stream_index == m_stream->index)
            decode(m_packet.get());
        av_packet_unref(m_packet.get());
    }
    if (!halted())
        decode(nullptr); // the frames the decoder still holds
}

void Decoder::decode(const AVPacket *packet)
{
    const int sent = avcodec_send_packet(m_codec.get(), packet);
    if (sent < 0 && sent != AVERROR_EOF)
        ++m_damaged;
    while (!halted()) {
        const int got = avcodec_receive_frame(m_codec.get(), m_frame.get());
        if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
            return;
        if (got < 0) {
            ++m_damaged;
            return;
        }
        keep(m_frame.get());
        av_frame_unref(m_frame.get());
    }
}

void Decoder::keep(const AVFrame *frame)
{
    const bool bad = frame->decode_error_flags || (frame->flags & AV_FRAME_FLAG_CORRUPT) ||
                     frame->width <= 0 || frame->height <= 0 || frame->width > kMaxSide ||
                     frame->height > kMaxSide;
    if (bad) {
        ++m_damaged;
        return;
    }
    if (m_size.isEmpty())
        m_size = QSize(frame->width, frame->height);
    const std::size_t bytes = std::size_t(m_size.width()) * std::size_t(m_size.height()) * 4;
    if ((m_out.frames.size() + 1) * bytes > m_budget) {
        m_overBudget = true;
        return;
    }
    QImage picture = convert(frame);
    if (picture.isNull()) {
        ++m_damaged;
        return;
    }
    m_out.frames.push_back(std::move(picture));
    m_out.times.push_back(timeOf(frame));
    if (m_progress && !m_progress(int(m_out.frames.size()), std::max(m_expected, 0)))
        m_cancelled = true;
}

// Every picture gets the size of the first, upright, in RGB32.
QImage Decoder::convert(const AVFrame *frame)
{
    m_scaler.reset(sws_getCachedContext(m_scaler.release(), frame->width, frame->height,
                                        AVPixelFormat(frame->format), m_size.width(),
                                        m_size.height(), AV_PIX_FMT_RGB32, SWS_BILINEAR,
                                        nullptr, nullptr, nullptr));
    QImage picture(m_size, QImage::Format_RGB32);
    if (!m_scaler || picture.isNull())
        return {};
    uint8_t *planes[4] = {picture.bits(), nullptr, nullptr, nullptr};
    const int strides[4] = {int(picture.bytesPerLine()), 0, 0, 0};
    if (sws_scale(m_scaler.get(), frame->data, frame->linesize, 0, frame->height, planes,
                  strides) <= 0)
        return {};
    if (m_out.rotation == 0)
        return picture;
    return picture.transformed(QTransform().rotate(m_out.rotation));
}

// The frame's own presentation time; the nominal rate only stands in for a missing stamp.
double Decoder::timeOf(const AVFrame *frame) const
{
    if (frame->best_effort_timestamp != AV_NOPTS_VALUE)
        return double(frame->best_effort_timestamp) * av_q2d(m_stream->time_base);
    const double step = m_out.nominalRate > 0 ? 1.0 / m_out.nominalRate : 0.04;
    return m_out.times.empty() ? 0.0 : m_out.times.back() + step;
}

void Decoder::sortByTime()
{
    const std::size_t n = m_out.times.size();
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return m_out.times[a] < m_out.times[b];
    });
    std::vector<QImage> frames;
    std::vector<double> times;
    for (const std::size_t i : order) {
        if (!times.empty() && m_out.times[i] == times.back())
            continue; // the same instant twice
        frames.push_back(std::move(m_out.frames[i]));
        times.push_back(m_out.times[i]);
    }
    const double first = times.empty() ? 0.0 : times.front();
    for (double &t : times)
        t -= first;
    m_out.frames = std::move(frames);
    m_out.times = std::move(times);
}

// Regular frames without a gap: what was lost was after them.
bool gapless(const Decoded &out)
{
    if (out.nominalRate <= 0 || out.irregular || out.times.empty())
        return false;
    return std::lround(out.times.back() * out.nominalRate) + 1 == long(out.times.size());
}

QString Decoder::lossText(bool *tail) const
{
    const int kept = int(m_out.frames.size());
    if (m_cancelled)
        return QStringLiteral("chargement interrompu ; ") +
               onlyFirst(kept, QStringLiteral("a été lue"), QStringLiteral("ont été lues"));
    if (m_overBudget)
        return QStringLiteral("la vidéo ne tient pas en mémoire ; ") +
               onlyFirst(kept, QStringLiteral("est gardée"), QStringLiteral("sont gardées"));
    const int lost = std::max(m_damaged, m_expected - kept);
    *tail = m_unreadableTail || (m_expected > kept && gapless(m_out));
    if (*tail)
        return QStringLiteral("le fichier est endommagé ; ") +
               onlyFirst(kept, QStringLiteral("a pu être lue"), QStringLiteral("ont pu être lues"));
    if (m_expected > kept)
        return QStringLiteral("le fichier est endommagé ; ") +
               (lost == 1 ? QStringLiteral("une image sur %1 n'a pas pu être lue, les autres sont "
                                           "gardées")
                                .arg(count(kept + lost))
                          : QStringLiteral("%1 images sur %2 n'ont pas pu être lues, les autres "
                                           "sont gardées")
                                .arg(count(lost), count(kept + lost)));
    if (lost > 0)
        return QStringLiteral("le fichier est endommagé ; des images peuvent en être abîmées");
    return {};
}

void Decoder::explainLoss()
{
    bool tail = false;
    const QString loss = lossText(&tail);
    if (loss.isEmpty())
        return;
    m_out.truncated = m_cancelled || m_overBudget || tail;
    m_out.warning = m_name + QStringLiteral(" : ") + loss + QLatin1Char('.');
}

void Decoder::finish()
{
    if (!m_out.error.isEmpty())
        return;
    sortByTime();
    m_out.irregular = irregularTimes(m_out.times);
    if (m_out.frames.empty()) {
        fail(m_cancelled ? QStringLiteral("chargement interrompu")
                         : QStringLiteral("aucune image n'a pu être décodée (codec « %1 »)")
                               .arg(m_out.codec));
        return;
    }
    explainLoss();
}

} // namespace

Decoded decodeVideo(const QString &path, const std::function<bool(int, int)> &progress,
                    std::size_t memoryBudget)
{
    return Decoder(path, progress, memoryBudget).run();
}

bool isVideoPath(const QString &path)
{
    return videoSuffixes().contains(QFileInfo(path).suffix().toLower());
}

bool isImagePath(const QString &path)
{
    return imageSuffixes().contains(QFileInfo(path).suffix().toLower());
}

QString videoFilter() { return filter(QStringLiteral("Vidéos"), videoSuffixes()); }
QString imageFilter() { return filter(QStringLiteral("Images"), imageSuffixes()); }

} // namespace orbane::video
