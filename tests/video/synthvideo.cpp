#include "video/synthvideo.h"

#include "core/savefile.h"

#include <QFile>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <cstdint>
#include <random>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/display.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace orbane::testvideo {

QPointF Throw::at(double t) const
{
    const double x = x0 + v0x * t;
    const double y = y0 + v0y * t - g * t * t / 2;
    return {origin.x() + scale * x, origin.y() - scale * y};
}

namespace {

// Smooth blotches, fine grain and a few shapes in greens, greys and blues, far from the ball.
QImage background(QSize size, unsigned seed)
{
    QImage image(size, QImage::Format_RGB32);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> grain(-12, 12);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double wave = 25 * std::sin(x * 0.07) * std::cos(y * 0.05) +
                                15 * std::sin((x + 2 * y) * 0.13);
            const int g = int(120 + wave) + grain(random);
            line[x] = qRgb(std::clamp(g - 30, 0, 255), std::clamp(g, 0, 255),
                           std::clamp(g + 10, 0, 255));
        }
    }
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    std::uniform_int_distribution<int> px(0, size.width() - 1), py(0, size.height() - 1);
    const QColor shapes[] = {QColor(40, 60, 140), QColor(200, 200, 205), QColor(30, 90, 40)};
    for (int i = 0; i < 6; ++i) {
        painter.setBrush(shapes[i % 3]);
        const QRect r(px(random), py(random), 20 + i * 6, 12 + i * 4);
        if (i % 2)
            painter.drawEllipse(r);
        else
            painter.drawRect(r);
    }
    return image;
}

// The ball with exact coverage of its edge pixels (4 x 4 samples a pixel).
void drawBall(QImage &image, QPointF c, double radius, QColor colour)
{
    const QRect box = QRect(int(std::floor(c.x() - radius)) - 1, int(std::floor(c.y() - radius)) - 1,
                            int(2 * radius) + 4, int(2 * radius) + 4) &
                      image.rect();
    for (int y = box.top(); y <= box.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = box.left(); x <= box.right(); ++x) {
            int inside = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const double dx = x - 0.5 + (sx + 0.5) / 4 - c.x();
                    const double dy = y - 0.5 + (sy + 0.5) / 4 - c.y();
                    inside += dx * dx + dy * dy <= radius * radius;
                }
            const double a = inside / 16.0;
            const QRgb old = line[x];
            line[x] = qRgb(int(std::lround(qRed(old) * (1 - a) + colour.red() * a)),
                           int(std::lround(qGreen(old) * (1 - a) + colour.green() * a)),
                           int(std::lround(qBlue(old) * (1 - a) + colour.blue() * a)));
        }
    }
}

QImage blurred(const QImage &image, double sigma)
{
    const int reach = int(std::ceil(3 * sigma));
    std::vector<double> kernel(std::size_t(2 * reach + 1));
    double sum = 0;
    for (int i = -reach; i <= reach; ++i)
        sum += kernel[std::size_t(i + reach)] = std::exp(-i * i / (2 * sigma * sigma));
    for (double &k : kernel)
        k /= sum;
    QImage out = image;
    for (int pass = 0; pass < 2; ++pass) {
        const QImage in = out;
        for (int y = 0; y < in.height(); ++y)
            for (int x = 0; x < in.width(); ++x) {
                double r = 0, g = 0, b = 0;
                for (int i = -reach; i <= reach; ++i) {
                    const int sx = pass == 0 ? std::clamp(x + i, 0, in.width() - 1) : x;
                    const int sy = pass == 1 ? std::clamp(y + i, 0, in.height() - 1) : y;
                    const QRgb p = in.pixel(sx, sy);
                    const double k = kernel[std::size_t(i + reach)];
                    r += k * qRed(p), g += k * qGreen(p), b += k * qBlue(p);
                }
                out.setPixel(x, y, qRgb(int(std::lround(r)), int(std::lround(g)),
                                        int(std::lround(b))));
            }
    }
    return out;
}

void addNoise(QImage &image, double sigma, std::mt19937 &random)
{
    std::normal_distribution<double> noise(0, sigma);
    const auto level = [&](int v) { return std::clamp(int(std::lround(v + noise(random))), 0, 255); };
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qRgb(level(qRed(line[x])), level(qGreen(line[x])), level(qBlue(line[x])));
    }
}

struct Closer
{
    void operator()(AVFormatContext *c) const { avformat_free_context(c); }
    void operator()(AVIOContext *io) const
    {
        av_freep(&io->buffer);
        avio_context_free(&io);
    }
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
    void operator()(AVFrame *f) const { av_frame_free(&f); }
    void operator()(AVPacket *p) const { av_packet_free(&p); }
    void operator()(SwsContext *s) const { sws_freeContext(s); }
};
template <typename T>
using Owned = std::unique_ptr<T, Closer>;

// Quality high enough that the ball's edge survives the compression.
void tune(AVCodecContext *enc, const char *encoder)
{
    const QByteArray name(encoder);
    if (name == "libx264") {
        av_opt_set(enc->priv_data, "preset", "veryfast", 0);
        av_opt_set(enc->priv_data, "crf", "16", 0);
    } else if (name == "libvpx") {
        enc->bit_rate = 4'000'000;
        av_opt_set(enc->priv_data, "deadline", "realtime", 0);
        av_opt_set(enc->priv_data, "cpu-used", "8", 0);
    } else {
        enc->flags |= AV_CODEC_FLAG_QSCALE;
        enc->global_quality = FF_QP2LAMBDA * 2;
    }
}

// The muxers write into memory (seeking back to fill in their headers), and the file is then
// saved in one step like every file of the program.
struct Memory
{
    QByteArray bytes;
    qint64 at = 0;

    static int write(void *opaque, uint8_t *data, int size)
    {
        auto *m = static_cast<Memory *>(opaque);
        if (m->at + size > m->bytes.size())
            m->bytes.resize(m->at + size);
        std::memcpy(m->bytes.data() + m->at, data, std::size_t(size));
        m->at += size;
        return size;
    }

    static int64_t seek(void *opaque, int64_t offset, int whence)
    {
        auto *m = static_cast<Memory *>(opaque);
        whence &= ~AVSEEK_FORCE;
        if (whence == AVSEEK_SIZE)
            return m->bytes.size();
        const int64_t to = whence == SEEK_SET   ? offset
                           : whence == SEEK_CUR ? m->at + offset
                                                : m->bytes.size() + offset;
        if (to < 0)
            return -1;
        m->at = to;
        return to;
    }
};

class Writer
{
public:
    QString open(const Frames &frames, const QString &path, const char *encoder, int rotation);
    QString write(const Frames &frames, const QString &path);

private:
    QString send(const AVFrame *frame);

    Memory m_memory;
    Owned<AVIOContext> m_io;
    Owned<AVFormatContext> m_format;
    Owned<AVCodecContext> m_codec;
    AVStream *m_stream = nullptr;
    std::map<int64_t, int64_t> m_durations; // by presentation time, in the encoder's time base
};

QString Writer::open(const Frames &frames, const QString &path, const char *encoder, int rotation)
{
    const AVCodec *codec = avcodec_find_encoder_by_name(encoder);
    if (!codec)
        return QStringLiteral("no encoder ") + QString::fromLatin1(encoder);
    const QByteArray file = QFile::encodeName(path);
    AVFormatContext *format = nullptr;
    if (avformat_alloc_output_context2(&format, nullptr, nullptr, file.constData()) < 0)
        return QStringLiteral("no container for ") + path;
    m_format.reset(format);
    m_stream = avformat_new_stream(format, nullptr);
    m_codec.reset(avcodec_alloc_context3(codec));
    AVCodecContext *enc = m_codec.get();
    enc->width = frames.images.front().width();
    enc->height = frames.images.front().height();
    enc->time_base = frames.rate ? AVRational{1, frames.rate} : AVRational{1, 1000};
    if (frames.rate)
        enc->framerate = {frames.rate, 1};
    enc->pix_fmt = codec->pix_fmts ? codec->pix_fmts[0] : AV_PIX_FMT_YUV420P;
    enc->gop_size = 12;
    tune(enc, encoder);
    if (format->oformat->flags & AVFMT_GLOBALHEADER)
        enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(enc, codec, nullptr) < 0 ||
        avcodec_parameters_from_context(m_stream->codecpar, enc) < 0)
        return QStringLiteral("cannot open the encoder");
    m_stream->time_base = enc->time_base;
    if (rotation) {
        auto *matrix = reinterpret_cast<int32_t *>(
            av_stream_new_side_data(m_stream, AV_PKT_DATA_DISPLAYMATRIX, 9 * sizeof(int32_t)));
        // FFmpeg 5.1's MP4 muxer stores the matrix so that it reads back with the opposite
        // angle: the file then holds what a phone filming upright writes.
        av_display_rotation_set(matrix, rotation);
    }
    constexpr int kBuffer = 1 << 16;
    m_io.reset(avio_alloc_context(static_cast<unsigned char *>(av_malloc(kBuffer)), kBuffer, 1,
                                  &m_memory, nullptr, &Memory::write, &Memory::seek));
    format->pb = m_io.get();
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    if (avformat_write_header(format, nullptr) < 0)
        return QStringLiteral("cannot write ") + path;
    return {};
}

QString Writer::send(const AVFrame *frame)
{
    if (avcodec_send_frame(m_codec.get(), frame) < 0)
        return QStringLiteral("the encoder refused a frame");
    Owned<AVPacket> packet(av_packet_alloc());
    while (avcodec_receive_packet(m_codec.get(), packet.get()) == 0) {
        // Without a duration the MP4 muxer's edit list would end before the last frame.
        packet->duration = m_durations[packet->pts];
        av_packet_rescale_ts(packet.get(), m_codec->time_base, m_stream->time_base);
        packet->stream_index = m_stream->index;
        if (av_interleaved_write_frame(m_format.get(), packet.get()) < 0)
            return QStringLiteral("cannot write a packet");
    }
    return {};
}

QString Writer::write(const Frames &frames, const QString &path)
{
    AVCodecContext *enc = m_codec.get();
    Owned<SwsContext> scaler(sws_getContext(enc->width, enc->height, AV_PIX_FMT_RGB32, enc->width,
                                            enc->height, enc->pix_fmt, SWS_BICUBIC, nullptr,
                                            nullptr, nullptr));
    std::vector<int64_t> stamps;
    for (std::size_t i = 0; i < frames.images.size(); ++i)
        stamps.push_back(frames.rate ? int64_t(i) : std::llround(frames.times[i] * 1000));
    for (std::size_t i = 0; i < stamps.size(); ++i)
        m_durations[stamps[i]] = i + 1 < stamps.size() ? stamps[i + 1] - stamps[i]
                                                       : (i ? stamps[i] - stamps[i - 1] : 1);
    for (std::size_t i = 0; i < frames.images.size(); ++i) {
        Owned<AVFrame> frame(av_frame_alloc());
        frame->format = enc->pix_fmt;
        frame->width = enc->width;
        frame->height = enc->height;
        if (av_frame_get_buffer(frame.get(), 0) < 0)
            return QStringLiteral("no memory for a frame");
        const QImage &image = frames.images[i];
        const uint8_t *planes[4] = {image.constBits(), nullptr, nullptr, nullptr};
        const int strides[4] = {int(image.bytesPerLine()), 0, 0, 0};
        sws_scale(scaler.get(), planes, strides, 0, enc->height, frame->data, frame->linesize);
        frame->pts = stamps[i];
        if (QString e = send(frame.get()); !e.isEmpty())
            return e;
    }
    if (QString e = send(nullptr); !e.isEmpty())
        return e;
    if (av_write_trailer(m_format.get()) < 0)
        return QStringLiteral("cannot finish the file");
    avio_flush(m_io.get());
    const saving::SaveResult saved = saving::saveBytes(path, m_memory.bytes);
    return saved ? QString() : saved.reason;
}

} // namespace

Frames render(const Scene &scene)
{
    Frames out;
    out.times = scene.times;
    if (out.times.empty()) {
        out.rate = scene.rate;
        for (int i = 0; i < scene.count; ++i)
            out.times.push_back(double(i) / scene.rate);
    }
    const QImage back = background(scene.size, scene.seed);
    std::mt19937 random(scene.seed + 1);
    for (const double t : out.times) {
        QImage frame = back.copy();
        const QPointF centre = scene.flight.at(t);
        drawBall(frame, centre, scene.radius, scene.ball);
        if (!scene.cover.isEmpty())
            QPainter(&frame).fillRect(scene.cover, QColor(128, 128, 128));
        if (scene.blur > 0)
            frame = blurred(frame, scene.blur);
        if (scene.noise > 0)
            addNoise(frame, scene.noise, random);
        out.images.push_back(std::move(frame));
        out.centres.push_back(centre);
    }
    return out;
}

bool hasEncoder(const char *name) { return avcodec_find_encoder_by_name(name) != nullptr; }

QString encode(const Frames &frames, const QString &path, const char *encoder, int rotation)
{
    if (frames.images.empty())
        return QStringLiteral("no frames");
    av_log_set_level(AV_LOG_FATAL); // the encoders report their statistics otherwise
    Writer writer;
    QString error = writer.open(frames, path, encoder, rotation);
    return error.isEmpty() ? writer.write(frames, path) : error;
}

// Draws from a table of Gaussian samples with a xorshift: a debug build makes a hundred noisy
// videos in seconds rather than minutes.
Frames withNoise(const Frames &clean, double sigma, unsigned seed)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> gauss(0, sigma);
    std::vector<int> table(4096);
    for (int &v : table)
        v = int(std::lround(gauss(random)));
    std::uint32_t state = seed * 2654435761u + 1u;
    const auto level = [&](int v) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return std::clamp(v + table[state & 4095u], 0, 255);
    };
    Frames out = clean;
    for (QImage &image : out.images)
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb(level(qRed(line[x])), level(qGreen(line[x])), level(qBlue(line[x])));
        }
    return out;
}

} // namespace orbane::testvideo
