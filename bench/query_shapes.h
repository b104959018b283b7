#pragma once
// The argument sets of the search benchmarks: body length 2..4, the fixed
// positions as a bit set (bit k = position k + 1; never all of them) and
// whether the element filter applies (0/1).
#include <benchmark/benchmark.h>

inline void AllQueryShapes(benchmark::internal::Benchmark* b) {
    for (int length = 2; length <= 4; ++length)
        for (int bits = 0; bits < (1 << length) - 1; ++bits)
            for (int filtered : {0, 1}) b->Args({length, bits, filtered});
}
