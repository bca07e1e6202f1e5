#include "platform/fontwarmup.h"

#include <fontconfig/fontconfig.h>

namespace orbane {

// Fontconfig loads its configuration once per process, safely from any thread.
FontWarmUp::FontWarmUp() : m_thread([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp()
{
    wait();
}

void FontWarmUp::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace orbane
