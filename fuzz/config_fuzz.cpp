// Feeds arbitrary bytes to the configuration reader. A refused file must say why; an accepted
// one must hold values within the controls' ranges, write back to a file that reads the same,
// and survive the main window's reactions with every box brought within its limits.
#include "config/configformat.h"
#include "config/configloader.h"
#include "core/numberformat.h"
#include "core/simulation.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace orbane;
using namespace orbane::config;

#define CHECK(cond)                                                                                \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            std::fprintf(stderr, "check failed: %s (line %d)\n", #cond, __LINE__);                 \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace {

bool within(const QString &box, double lo, double hi)
{
    const auto v = numfmt::parse(box);
    return v && *v >= lo && *v <= hi;
}

void checkRanges(const Controls &c)
{
    CHECK(c.Combo1 >= 0 && c.Combo1 <= 2);
    CHECK(c.Combo2 >= 0 && c.Combo2 <= 4);
    CHECK(c.VScroll1 >= 0 && c.VScroll1 <= 49);
    CHECK(c.UpDown1 >= 1 && c.UpDown1 <= 20);
    CHECK(c.VScroll3 >= 0 && c.VScroll3 <= 90);
    for (Rgb colour : c.Label4)
        CHECK(colour <= 0xFFFFFF);
}

// The boxes after their own checks have run.
void checkBoxes(const Controls &c)
{
    CHECK(within(c.Text1, -0.39, 10.03));
    CHECK(within(c.Text2, 0.0, 11.67));
    CHECK(within(c.Text3, 0.0, 20.0));
    const auto a = numfmt::parse(c.Text4);
    CHECK(a && *a >= -180.0 && *a <= 180.0 && (*a == 0.0 || std::abs(*a) >= 5.0));
    const auto t = numfmt::parse(c.chrono);
    CHECK(t && *t >= 10.0 && *t <= 5000.0);
}

Simulation &simulation()
{
    static Simulation *sim = [] {
        auto *s = new Simulation(QString());
        s->Form_Load();
        return s;
    }();
    return *sim;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Controls base;
    const Decoded first = decode(bytes, base);
    if (!first.controls) {
        CHECK(first.error != DecodeError::None);
        CHECK(!first.detail.isEmpty());
        return 0;
    }
    checkRanges(*first.controls);

    // Written back, the file reads the same and writes the same bytes again.
    const auto image = encode(*first.controls);
    CHECK(image.has_value());
    const Decoded second = decode(image->bytes(), base);
    CHECK(second.controls.has_value());
    const auto again = encode(*second.controls);
    CHECK(again.has_value() && again->bytes() == image->bytes());
    Controls numbersOnly = *second.controls;
    numbersOnly.Text1 = first.controls->Text1;
    numbersOnly.Text2 = first.controls->Text2;
    numbersOnly.Text3 = first.controls->Text3;
    numbersOnly.Text4 = first.controls->Text4;
    numbersOnly.chrono = first.controls->chrono;
    CHECK(numbersOnly == *first.controls);

    Simulation &sim = simulation();
    sim.applyControls(*first.controls);
    checkRanges(sim.c);
    checkBoxes(sim.c);
    return 0;
}
