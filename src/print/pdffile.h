#pragma once

#include "core/savefile.h"
#include "print/printing.h"

#include <QString>

namespace orbane::print {

// The print window's pages as a PDF file, for a teacher without a printer or one who printed
// into a file: the same picture, placement and copies as on paper. Written as every saved file
// is: on failure an existing file is left as it was.
saving::SaveResult savePdf(const QString &path, const PrintSource &source,
                           const PrintOptions &options, const QPageLayout &layout = a4Layout());

// The message of a PDF file that could not be written.
QString pdfFailure(const QString &path, const saving::SaveResult &saved);

} // namespace orbane::print
