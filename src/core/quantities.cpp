#include "core/quantities.h"

namespace orbane {

void applyGroupRule(QuantityChoice &choice, int clicked)
{
    if (clicked < 0 || clicked >= kQuantities || !choice[std::size_t(clicked)])
        return;
    const QuantityGroup keep = kQuantityTable[std::size_t(clicked)].group;
    for (std::size_t i = 0; i < choice.size(); ++i)
        if (kQuantityTable[i].group != keep)
            choice[i] = false;
}

} // namespace orbane
