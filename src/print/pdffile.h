#pragma once

#include "print/printing.h"

#include <QString>

namespace orbane::print {

struct PdfResult
{
    bool ok = false;
    QString reason; // why the file could not be written, in French
};

// The print window's pages as a PDF file, for a teacher without a printer: the same picture,
// placement and copies as on paper, on A4 sheets. The file is replaced in one step; on failure
// an existing file is left as it was.
PdfResult savePdf(const QString &path, const PrintSource &source, const PrintOptions &options);

} // namespace orbane::print
