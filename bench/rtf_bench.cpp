#include "exercises/rtfreader.h"
#include "benchmain.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <benchmark/benchmark.h>

using namespace orbane;

namespace {

// An RTF text of about `bytes` bytes made of one repeated piece after a header.
QByteArray text(const QByteArray &unit, qint64 bytes)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fcharset2 Symbol;}}"
                     "{\\colortbl;\\red200\\green0\\blue0;}\n";
    while (rtf.size() < bytes)
        rtf += unit;
    return rtf + "}";
}

// Bytes read per second, into a fresh document each time (the layout is the window's).
void read(benchmark::State &state, const QByteArray &unit)
{
    const QByteArray rtf = text(unit, state.range(0));
    for (auto _ : state) {
        QTextDocument doc;
        if (!rtf::read(rtf, doc))
            state.SkipWithError("not read");
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

// A statement as the exercises write them: short formatted paragraphs with accents and symbols.
void BM_Statement(benchmark::State &state)
{
    read(state, "\\pard\\sa120 Un projectile est lanc\\'e9 {\\b vers le haut} avec une vitesse "
                "{\\i v}{\\sub 0} = 15 m.s{\\super -1} sous un angle {\\f1 a} de 77\\'b0.\\par\n");
}
BENCHMARK(BM_Statement)->Arg(64 << 10)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

// One long paragraph of plain text.
void BM_PlainText(benchmark::State &state)
{
    read(state, "La trajectoire du centre d'inertie est une parabole dans le champ de pesanteur. ");
}
BENCHMARK(BM_PlainText)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

// A table read as text: a row definition, then cells.
void BM_Table(benchmark::State &state)
{
    read(state, "\\trowd\\cellx1500\\cellx3000\\cellx4500\\intbl t (s)\\cell x (m)\\cell y (m)\\cell\\row\n");
}
BENCHMARK(BM_Table)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

// A picture's hexadecimal data, which is not a PNG: read and dropped.
void BM_PictureData(benchmark::State &state)
{
    read(state, "{\\pict\\wmetafile8 0123456789abcdef0123456789abcdef0123456789abcdef}\n");
}
BENCHMARK(BM_PictureData)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return runBenchmarks<QGuiApplication>(argc, argv); }
