// Evaluation speed: the fiber cursor evaluates five slots per fiber for every
// fiber of a database, so lookups and evaluation must stay cheap.
#include "standards/CircuitEvaluation.h"
#include "standards/StandardsCatalog.h"

#include <benchmark/benchmark.h>

static void BM_CatalogLookup(benchmark::State& state)
{
    const StandardsCatalog catalog;
    const QString empty;
    const QString wavelength = QStringLiteral("1300nm");
    for (auto _ : state)
        benchmark::DoNotOptimize(catalog.lookup(12, empty, 1, wavelength));
}
BENCHMARK(BM_CatalogLookup);

static void BM_EvaluateCircuit(benchmark::State& state)
{
    const StandardsCatalog catalog;
    LinkConditions link;
    link.fiberLengthMetres = 1200.0f;
    link.connectorPairs = 2;
    link.splices = 1;
    link.standardNumber = 12;
    link.fiberType = 1;
    link.wizardMask = 0x1F;
    link.references = {-20.0f, 0, -21.0f, 0, 0};
    link.wavelengthNames = {QStringLiteral("850nm"), QStringLiteral("9999nm"), QStringLiteral("1300nm"),
                            QStringLiteral("9999nm"), QStringLiteral("9999nm")};
    FiberReadings fiber;
    fiber.fiberType = 1;
    fiber.powers = {-24.5f, 0, -22.1f, 0, 0};
    for (auto _ : state) {
        CircuitResults results;
        evaluateCircuit(link, fiber, &catalog, results);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_EvaluateCircuit);

static void BM_IterateCatalog(benchmark::State& state)
{
    const StandardsCatalog catalog;
    for (auto _ : state) {
        CatalogPosition position;
        StandardKey key;
        StandardEntry entry;
        int n = 0;
        while (catalog.iterate(position, key, entry))
            ++n;
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_IterateCatalog);
