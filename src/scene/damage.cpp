#include "scene/damage.h"

#include <algorithm>

namespace orbane {

namespace {
bool byKey(const DrawOp &x, const DrawOp &y) { return x.key() < y.key(); }
} // namespace

void Damage::drawn(const DrawOp &op)
{
    std::vector<DrawOp> &ops = m_ops.at(std::size_t(op.layer));
    if (ops.size() >= kMaxOps) {
        m_all = true;
        return;
    }
    ops.push_back(op);
}

void Damage::layerCleared(int layer) { m_ops.at(std::size_t(layer)).clear(); }

void Damage::changed(const QRect &r)
{
    if (m_rects.size() >= kMaxOps) {
        m_all = true;
        return;
    }
    m_rects.push_back(r);
}

QRegion Damage::take(const QRect &surface)
{
    std::vector<DrawOp> now;
    for (const auto &ops : m_ops)
        now.insert(now.end(), ops.begin(), ops.end());
    std::sort(now.begin(), now.end(), byKey);

    QRegion region;
    if (m_all) {
        region = surface;
    } else {
        // Drawings on one side only: gone since it was shown, or new.
        std::vector<DrawOp> changes;
        std::set_symmetric_difference(m_shown.begin(), m_shown.end(), now.begin(), now.end(),
                                      std::back_inserter(changes), byKey);
        for (const DrawOp &op : changes)
            m_rects.push_back(op.rect);
        std::sort(m_rects.begin(), m_rects.end(), [](const QRect &x, const QRect &y) {
            return std::tuple(x.y(), x.x(), x.height(), x.width()) <
                   std::tuple(y.y(), y.x(), y.height(), y.width());
        });
        m_rects.erase(std::unique(m_rects.begin(), m_rects.end()), m_rects.end());
        for (const QRect &r : m_rects)
            region += r.intersected(surface);
    }
    m_shown = std::move(now);
    m_rects.clear();
    m_all = false;
    return region;
}

} // namespace orbane
