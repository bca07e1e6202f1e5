#include "core/launch.h"

#include "core/numberformat.h"

namespace orbane {

Launch Launch::of(const Controls &c)
{
    Launch l;
    l.read(1, c.Text1);
    l.read(2, c.Text2);
    l.read(3, c.Text3);
    l.read(4, c.Text4);
    return l;
}

void Launch::read(int box, const QString &text)
{
    std::optional<double> *values[] = {&x0, &y0, &v, &alpha};
    if (box >= 1 && box <= 4)
        *values[box - 1] = numfmt::parse(text);
}

} // namespace orbane
