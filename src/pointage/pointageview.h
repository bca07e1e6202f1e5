#pragma once

#include "pointage/measurement.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <utility>

class QPainter;

namespace orbane::pointage {

// What the picture shows over the chronophotograph besides the points: the vectors computed
// from the points, at the main window's scales and in its colours.
struct Overlay
{
    bool velocities = false; // v_i
    bool variations = false; // Δv_i, and m·Δv_i/Δt beside P
    double pixelsPerVelocity = 20.0; // per m.s-1
    double pixelsPerForce = 30.0;    // per unit of force
    double newtonsPerUnit = 1.0;
    QColor velocity = Qt::red, variation = Qt::magenta, weight = Qt::cyan;
    QColor secondLaw{0, 200, 0};
    bool names = false; // "Nommer les vecteurs": symbols beside the heads and a legend
};

// `Picture1` of the measurement window: the chronophotograph at the scene's own pixel scale
// (or twice as large), with a cross-hair pointer. A click places the next point; the arrow
// keys move a cross-hair (Shift: ten pixels) and Enter places a point there; a drag from a
// point draws a velocity vector to be checked.
class PointageView : public QWidget
{
    Q_OBJECT
public:
    PointageView(const QImage &picture, Measurement &measurement, QWidget *parent);

    // How to draw the picture again at a number of device pixels per scene pixel, used on a
    // scaled screen instead of stretching the picture.
    void setScaledPicture(std::function<QImage(qreal ratio)> draw) { m_drawScaled = std::move(draw); }
    // A video's frame in place of the picture (same size or not).
    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    // A click or Enter at a picture pixel goes there first; true when it took it (calibration,
    // a video's point).
    void setClickHandler(std::function<bool(QPointF)> take) { m_take = std::move(take); }
    // Drawn over the picture, under the points, in picture pixels (calibration, fitted flight).
    void setExtraPainter(std::function<void(QPainter &)> paint) { m_extra = std::move(paint); }
    // The point drawn larger: the one on the frame shown.
    void setCurrentPoint(std::optional<int> point);
    // On a video, only the frame's own point starts a vector, and a click near it moves it:
    // the other frames' points are only shown.
    void setFramePointsOnly(bool on) { m_framePointsOnly = on; }
    void setZoom(int zoom);
    int zoom() const { return m_zoom; }
    void setOverlay(const Overlay &overlay);
    const Overlay &overlay() const { return m_overlay; }
    // The keyboard's cross-hair, in scene pixels.
    QPoint crossHair() const { return m_crossHair; }
    // The pupil's vector: from point `point`, components in m.s-1.
    void setDrawnVector(int point, QPointF velocity);
    void clearDrawnVector();

    QSize sizeHint() const override;

signals:
    void pointPlaced();
    void crossHairMoved(QPoint pixel); // by the keyboard
    // A vector drawn with the mouse from a point, in m.s-1.
    void vectorDrawn(int point, QPointF velocity);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointF scenePoint(QPointF widgetPos) const;
    void place(QPointF pixel);
    void paintPoints(class QPainter &p) const;
    void paintVectors(class QPainter &p) const;
    void paintArrow(class QPainter &p, QPointF base, QPointF vector, const QColor &colour,
                    const QString &symbol = {}) const;
    void paintLegend(class QPainter &p) const;
    const QImage &scaledPicture(qreal ratio);
    std::optional<int> pointNear(QPointF pixel) const;
    QPointF dragVelocity(int from, QPointF tip) const;

    QImage m_picture;
    std::function<QImage(qreal)> m_drawScaled;
    std::function<bool(QPointF)> m_take;
    std::function<void(QPainter &)> m_extra;
    std::optional<int> m_current;
    bool m_framePointsOnly = false;
    QImage m_scaled; // the last picture drawn by m_drawScaled
    Measurement &m_measurement;
    int m_zoom = 1;
    Overlay m_overlay;
    QPoint m_crossHair{200, 300};
    std::optional<int> m_dragFrom;     // a vector being drawn from this point
    QPointF m_dragTip;                 // in scene pixels
    std::optional<int> m_vectorPoint;  // the pupil's vector, once drawn or typed
    QPointF m_vectorVelocity;
};

} // namespace orbane::pointage
