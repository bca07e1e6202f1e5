#include "platform/qtbeeper.h"

#include <QApplication>

namespace orbane {

void QtBeeper::beep() { QApplication::beep(); }

} // namespace orbane
