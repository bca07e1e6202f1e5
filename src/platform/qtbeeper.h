#pragma once

#include "core/services.h"

namespace orbane {

class QtBeeper final : public Beeper
{
public:
    void beep() override;
};

} // namespace orbane
