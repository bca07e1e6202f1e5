#pragma once

#include <thread>

namespace orbane {

// Loads the system's font configuration on a second core while the application object connects
// to the display: on a first start it is the largest single cost before the window appears.
// Qt later finds the configuration already loaded. Start it before the QApplication.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Waits for the configuration; the window's first text must not load it a second time.
    void wait();

private:
    std::thread m_thread;
};

} // namespace orbane
