#include "video/tracker.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbane::video {

namespace {

constexpr int kClickReach = 48;   // half-side of the window the clicked object must fit in
constexpr int kMinArea = 5;       // pixels: anything smaller is noise
constexpr int kTinyArea = 60;     // pixels: a ball this small is followed by its size only
constexpr int kMargin = 3;        // background kept around the ball in its template
constexpr double kMinScore = 0.5; // poorer matches are not the ball any more

// What the ball looks like: its colour, and how far from it a pixel still belongs to it.
struct Look
{
    cv::Vec3f colour; // Lab, 8-bit scale
    float threshold = 0;
};

struct Blob
{
    QPointF centre;
    cv::Rect box; // in the picture
    int area = 0;
};

cv::Mat bgrOf(const QImage &image)
{
    const QImage rgb = image.format() == QImage::Format_RGB32 ||
                               image.format() == QImage::Format_ARGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    const cv::Mat wrapped(rgb.height(), rgb.width(), CV_8UC4, const_cast<uchar *>(rgb.constBits()),
                          std::size_t(rgb.bytesPerLine()));
    cv::Mat bgr;
    cv::cvtColor(wrapped, bgr, cv::COLOR_BGRA2BGR);
    return bgr;
}

cv::Mat labOf(const cv::Mat &bgr)
{
    cv::Mat lab;
    cv::cvtColor(bgr, lab, cv::COLOR_BGR2Lab);
    return lab;
}

// Lightness counts half: shading changes it across one ball more than its hue.
cv::Mat distanceTo(const cv::Mat &lab, const cv::Vec3f &colour)
{
    cv::Mat d(lab.size(), CV_32F);
    for (int y = 0; y < lab.rows; ++y) {
        const auto *in = lab.ptr<cv::Vec3b>(y);
        auto *out = d.ptr<float>(y);
        for (int x = 0; x < lab.cols; ++x) {
            const float dl = 0.5f * (in[x][0] - colour[0]);
            const float da = in[x][1] - colour[1], db = in[x][2] - colour[2];
            out[x] = std::sqrt(dl * dl + da * da + db * db);
        }
    }
    return d;
}

cv::Vec3f medianColour(const cv::Mat &lab, cv::Point p)
{
    const cv::Rect around = cv::Rect(p.x - 1, p.y - 1, 3, 3) & cv::Rect(0, 0, lab.cols, lab.rows);
    cv::Vec3f colour;
    for (int c = 0; c < 3; ++c) {
        std::vector<uchar> values;
        for (int y = around.y; y < around.br().y; ++y)
            for (int x = around.x; x < around.br().x; ++x)
                values.push_back(lab.at<cv::Vec3b>(y, x)[c]);
        std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
        colour[c] = values[values.size() / 2];
    }
    return colour;
}

float otsuThreshold(const cv::Mat &distance)
{
    cv::Mat bytes, ignored;
    distance.convertTo(bytes, CV_8U);
    return float(cv::threshold(bytes, ignored, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU));
}

float median(std::vector<float> values)
{
    if (values.empty())
        return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// The label of the region holding `seed`, or of the nearest one a pixel or two away.
int labelNear(const cv::Mat &labels, cv::Point seed)
{
    for (int reach = 0; reach <= 2; ++reach)
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const cv::Point p = seed + cv::Point(dx, dy);
                if (p.x >= 0 && p.y >= 0 && p.x < labels.cols && p.y < labels.rows &&
                    labels.at<int>(p) != 0)
                    return labels.at<int>(p);
            }
    return 0;
}

// One colour region of `lab` (a window of the picture at `origin`) around `seed`. None when it
// runs into the window's edge: a leak into the background, or the picture's edge.
class Region
{
public:
    Region(const cv::Mat &lab, cv::Point origin, const Look &look) : m_origin(origin)
    {
        m_distance = distanceTo(lab, look.colour);
        m_mask = m_distance < look.threshold;
        m_count = cv::connectedComponentsWithStats(m_mask, m_labels, m_stats, m_centroids, 8,
                                                   CV_32S);
    }

    std::optional<Blob> at(cv::Point seed)
    {
        m_label = labelNear(m_labels, seed);
        if (m_label <= 0 || m_label >= m_count)
            return std::nullopt;
        const auto stat = [&](int field) { return m_stats.at<int>(m_label, field); };
        const cv::Rect box(stat(cv::CC_STAT_LEFT), stat(cv::CC_STAT_TOP), stat(cv::CC_STAT_WIDTH),
                           stat(cv::CC_STAT_HEIGHT));
        if (box.x == 0 || box.y == 0 || box.br().x == m_mask.cols || box.br().y == m_mask.rows)
            return std::nullopt;
        Blob blob;
        blob.area = stat(cv::CC_STAT_AREA);
        blob.box = box + m_origin;
        blob.centre = QPointF(m_origin.x + m_centroids.at<double>(m_label, 0),
                              m_origin.y + m_centroids.at<double>(m_label, 1));
        return blob;
    }

    // How far from the ball's colour its immediate surroundings are (after at()).
    float surroundings() const
    {
        cv::Mat inside = m_labels == m_label, grown;
        cv::dilate(inside, grown, cv::getStructuringElement(cv::MORPH_ELLIPSE, {5, 5}));
        std::vector<float> ring;
        for (int y = 0; y < grown.rows; ++y)
            for (int x = 0; x < grown.cols; ++x)
                if (grown.at<uchar>(y, x) && !inside.at<uchar>(y, x))
                    ring.push_back(m_distance.at<float>(y, x));
        return median(std::move(ring));
    }

private:
    cv::Point m_origin;
    cv::Mat m_distance, m_mask, m_labels, m_stats, m_centroids;
    int m_count = 0;
    int m_label = 0;
};

// The region at `seed`, found again with a threshold halfway to its surroundings' colour, so
// that a blurred edge is shared evenly and the centre does not lean towards the background.
std::optional<Blob> settle(const cv::Mat &lab, cv::Point origin, cv::Point seed, Look &look)
{
    Region first(lab, origin, look);
    if (!first.at(seed))
        return std::nullopt;
    Look even = look;
    even.threshold = std::clamp(0.5f * first.surroundings(), 0.6f * look.threshold,
                                1.6f * look.threshold);
    Region second(lab, origin, even);
    const std::optional<Blob> blob = second.at(seed);
    if (blob)
        look = even;
    return blob;
}

struct Found
{
    Blob blob;
    Look look;
};

// The click, then points around it, nearest first: a click just beside a small ball still
// finds it.
std::vector<cv::Point> seedsAround(cv::Point click)
{
    std::vector<cv::Point> seeds{click};
    for (const int r : {3, 6})
        for (int k = 0; k < 8; ++k) {
            const double a = k * std::numbers::pi / 4;
            seeds.push_back(click + cv::Point(int(std::lround(r * std::cos(a))),
                                              int(std::lround(r * std::sin(a)))));
        }
    return seeds;
}

std::optional<Found> objectAt(const cv::Mat &bgr, QPointF click)
{
    const cv::Point centre(int(std::lround(click.x())), int(std::lround(click.y())));
    const cv::Rect window = cv::Rect(centre.x - kClickReach, centre.y - kClickReach,
                                     2 * kClickReach + 1, 2 * kClickReach + 1) &
                            cv::Rect(0, 0, bgr.cols, bgr.rows);
    if (window.empty() || !window.contains(centre))
        return std::nullopt;
    const cv::Mat lab = labOf(bgr(window));
    for (const cv::Point seed : seedsAround(centre - window.tl())) {
        if (!cv::Rect(0, 0, lab.cols, lab.rows).contains(seed))
            continue;
        const cv::Vec3f colour = medianColour(lab, seed);
        const float otsu = otsuThreshold(distanceTo(lab, colour));
        // A ball close to its background in colour needs a tighter threshold than Otsu's.
        for (const float tighter : {1.f, 0.7f, 0.5f, 0.35f}) {
            Look look{colour, std::clamp(tighter * otsu, 6.f, 60.f)};
            const std::optional<Blob> blob = settle(lab, window.tl(), seed, look);
            if (blob && blob->area >= kMinArea && blob->area <= window.area() / 8)
                return Found{*blob, look};
        }
    }
    return std::nullopt;
}

// Where the ball should be next: constant velocity from two points, constant acceleration
// from three.
QPointF predicted(const std::vector<TrackPoint> &points)
{
    const std::size_t n = points.size();
    const QPointF p = points[n - 1].centre;
    if (n == 1)
        return p;
    const QPointF q = points[n - 2].centre;
    if (n == 2)
        return 2 * p - q;
    return 3 * p - 3 * q + points[n - 3].centre;
}

// How far from the prediction to look: far on the second frame (no speed known yet), then
// in proportion to the speed.
int searchReach(const std::vector<TrackPoint> &points, int size)
{
    const std::size_t n = points.size();
    if (n == 1)
        return 4 * size + 30;
    const QPointF v = points[n - 1].centre - points[n - 2].centre;
    const double speed = std::hypot(v.x(), v.y());
    return int(size / 2 + 8 + (n == 2 ? 0.5 : 0.25) * speed);
}

cv::Rect squareAround(QPointF c, int half)
{
    return {int(std::lround(c.x())) - half, int(std::lround(c.y())) - half, 2 * half + 1,
            2 * half + 1};
}

// About the same size and shape as the ball on the last frame, and not far from its size when
// first seen: what is partly hidden, or background of the ball's colour, is not taken for it.
// The outline of a ball of a few pixels, blurred by its motion, changes by a third from one
// frame to the next: its size only is checked, loosely.
bool alike(const Blob &seen, const Blob &last, const Blob &first)
{
    const double sinceLast = double(seen.area) / last.area;
    const double sinceFirst = double(seen.area) / first.area;
    if (sinceFirst < 0.4 || sinceFirst > 2.5)
        return false;
    if (first.area < kTinyArea)
        return sinceLast > 0.5 && sinceLast < 2;
    const int tolerance = std::max(2, int(0.15 * std::max(last.box.width, last.box.height)));
    return sinceLast > 0.7 && sinceLast < 1.45 &&
           std::abs(seen.box.width - last.box.width) <= tolerance &&
           std::abs(seen.box.height - last.box.height) <= tolerance;
}

class Follower
{
public:
    Follower(const Found &found, const cv::Mat &firstFrame)
        : m_first(found.blob), m_last(found.blob), m_look(found.look),
          m_half(std::max(found.blob.box.width, found.blob.box.height) / 2 + kMargin)
    {
        m_template = cutTemplate(firstFrame, found.blob.centre);
    }

    bool ready() const { return !m_template.empty(); }

    std::optional<TrackPoint> next(const cv::Mat &bgr, int frame,
                                   const std::vector<TrackPoint> &points)
    {
        const cv::Rect image(0, 0, bgr.cols, bgr.rows);
        const int size = 2 * m_half;
        const cv::Rect window = squareAround(predicted(points), m_half + searchReach(points, size)) &
                                image;
        if (window.width < m_template.cols || window.height < m_template.rows)
            return std::nullopt;
        cv::Mat scores;
        cv::matchTemplate(bgr(window), m_template, scores, cv::TM_CCOEFF_NORMED);
        double best = 0;
        cv::Point at;
        cv::minMaxLoc(scores, nullptr, &best, nullptr, &at);
        if (!(best >= kMinScore))
            return std::nullopt;
        const cv::Point matched = window.tl() + at + cv::Point(m_half, m_half);
        const std::optional<Blob> blob = refine(bgr, matched);
        if (!blob || !alike(*blob, m_last, m_first))
            return std::nullopt;
        const cv::Mat cut = cutTemplate(bgr, blob->centre);
        if (cut.empty())
            return std::nullopt;
        m_template = cut;
        m_last = *blob;
        return TrackPoint{frame, blob->centre, best};
    }

private:
    // The ball's centre found by its colour in the box the match pointed at.
    std::optional<Blob> refine(const cv::Mat &bgr, cv::Point matched) const
    {
        const cv::Rect around = squareAround(QPointF(matched.x, matched.y), 2 * m_half + 2) &
                                cv::Rect(0, 0, bgr.cols, bgr.rows);
        Look look = m_look;
        return settle(labOf(bgr(around)), around.tl(), matched - around.tl(), look);
    }

    // The ball and a little of its background; none once it reaches the picture's edge.
    cv::Mat cutTemplate(const cv::Mat &bgr, QPointF centre) const
    {
        const cv::Rect box = squareAround(centre, m_half);
        if ((box & cv::Rect(0, 0, bgr.cols, bgr.rows)) != box)
            return {};
        return bgr(box).clone();
    }

    Blob m_first, m_last;
    Look m_look;
    int m_half;
    cv::Mat m_template;
};

} // namespace

std::optional<QPointF> objectCentre(const QImage &frame, QPointF click)
{
    if (frame.isNull())
        return std::nullopt;
    const std::optional<Found> found = objectAt(bgrOf(frame), click);
    if (!found)
        return std::nullopt;
    return found->blob.centre;
}

std::vector<TrackPoint> track(const std::vector<QImage> &frames, int start, QPointF click,
                              int step, int maxPoints)
{
    std::vector<TrackPoint> points;
    if (start < 0 || start >= int(frames.size()) || step == 0 || maxPoints <= 0)
        return points;
    const cv::Mat first = bgrOf(frames[std::size_t(start)]);
    const std::optional<Found> found = objectAt(first, click);
    if (!found)
        return points;
    Follower follower(*found, first);
    if (!follower.ready())
        return points;
    points.push_back({start, found->blob.centre, 1.0});
    for (int f = start + step; f >= 0 && f < int(frames.size()) && int(points.size()) < maxPoints;
         f += step) {
        const std::optional<TrackPoint> point =
            follower.next(bgrOf(frames[std::size_t(f)]), f, points);
        if (!point)
            break;
        points.push_back(*point);
    }
    return points;
}

} // namespace orbane::video
