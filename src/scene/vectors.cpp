#include "scene/vectors.h"

#include "core/tables.h"

namespace orbane::vectorscale {

QString forceLegend(int combo2)
{
    return combo2 == kRocher ? QStringLiteral("10 000 N") : QStringLiteral("1 N");
}

QString label9(int updown1) { return QString::number(updown1 * 100); }

} // namespace orbane::vectorscale
