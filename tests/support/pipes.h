#pragma once

#include <QString>
#include <chrono>
#include <functional>

namespace orbane::test {

// Makes a named pipe; false when it cannot.
bool makePipe(const QString &path);

// Runs `call` on this thread while a watchdog waits. If the call has not returned by the
// deadline, the watchdog opens the pipe for writing and closes it again, so that a reader
// stuck opening it gets an empty file and the call comes back. True when the call returned
// on its own, false when the watchdog had to free it.
bool returnsWithoutAWriter(const QString &pipe, const std::function<void()> &call,
                           std::chrono::milliseconds deadline = std::chrono::seconds(5));

} // namespace orbane::test
