#pragma once

#include "core/savefile.h"
#include "print/printing.h"

#include <QString>

namespace orbane::print {

// The print window's pages as a PDF file, for a teacher without a printer: the same picture,
// placement and copies as on paper, on A4 sheets. Written as every saved file is: on failure
// an existing file is left as it was.
saving::SaveResult savePdf(const QString &path, const PrintSource &source, const PrintOptions &options);

} // namespace orbane::print
