#include "core/launch.h"

#include "core/numberformat.h"

namespace orbane {

Launch Launch::of(const Controls &c)
{
    Launch l;
    for (int n = 1; n <= 4; ++n)
        l.read(n, c.box(n));
    return l;
}

void Launch::read(int box, const QString &text)
{
    std::optional<double> *values[] = {&x0, &y0, &v, &alpha};
    if (box >= 1 && box <= 4)
        *values[box - 1] = numfmt::parse(text);
}

} // namespace orbane
