// Any bytes as an exercise file: the reader never crashes, and what it reads, written back,
// reads the same.
#include "core/cp1252.h"
#include "exercises/exercisefile.h"

#include <cstdint>
#include <cstdlib>

// Bytes that code page 1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) are read as
// U+0081.. but written back as '?': compare through the code page.
static QString throughCodePage(const QString &s)
{
    return orbane::cp1252::decode(orbane::cp1252::encode(s));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace orbane::exercises;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto e = parseExercise(bytes);
    if (!e)
        return 0;
    (void)e->corrected();
    const auto image = buildExercise(*e);
    if (!image)
        return 0; // a notion line longer than a record cannot be written back
    const auto back = parseExercise(*image);
    if (!back || back->statement != throughCodePage(e->statement) ||
        back->configuration != throughCodePage(e->configuration) ||
        back->correction != throughCodePage(e->correction) ||
        back->title != throughCodePage(e->title).trimmed() || back->level != e->level ||
        back->notions.size() != e->notions.size())
        std::abort();
    return 0;
}
