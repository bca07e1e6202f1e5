#include "calc/evaluator.h"
#include "calc/numbertext.h"

#include <cstdint>
#include <cstdlib>

// Any text ends with a known code, and a success leaves a number text that formats.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace orbane::calc;
    if (size == 0)
        return 0;
    const qint16 mode = qint16(data[0] & 1);
    QString expression =
        QString::fromLatin1(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    qint16 code = -1;
    calcule(expression, code, mode);
    if (code < CodeOk || code > CodeOperators)
        std::abort();
    if (code == CodeOk) {
        if (!expression.isEmpty() && !isNumberText(expression))
            std::abort();
        if (const std::optional<double> v = readNumber(expression)) {
            if (numberText(*v).isEmpty() || scientificText(*v).isEmpty())
                std::abort();
        }
    }
    return 0;
}
