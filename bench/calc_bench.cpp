#include "calc/evaluator.h"
#include "benchmain.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using namespace orbane::calc;

// Evaluations per second of expressions as the calculator's keys write them.
static void evaluate(benchmark::State &state, const QString &input)
{
    qint16 code = 0;
    for (auto _ : state) {
        QString expression = input;
        calcule(expression, code, Degres);
        benchmark::DoNotOptimize(expression);
    }
    if (code != CodeOk)
        state.SkipWithError("evaluation failed");
    state.counters["evals_per_s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

static void BM_Product(benchmark::State &state)
{
    evaluate(state, QStringLiteral("2 * 3"));
}
BENCHMARK(BM_Product);

static void BM_Priorities(benchmark::State &state)
{
    evaluate(state, QStringLiteral("2 + 3 * 4 - 10 / 4 ^ 2"));
}
BENCHMARK(BM_Priorities);

static void BM_NestedBracketsWithFunctions(benchmark::State &state)
{
    evaluate(state, QStringLiteral("sin (30 + ln (2 * (3 + 4)) * SQR (16 - log 1000)) + cos 60"));
}
BENCHMARK(BM_NestedBracketsWithFunctions);

static void BM_LongSum(benchmark::State &state)
{
    evaluate(state, QStringLiteral("1").append(QStringLiteral(" + 1").repeated(200)));
}
BENCHMARK(BM_LongSum);

int main(int argc, char **argv) { return runBenchmarks<QCoreApplication>(argc, argv); }
