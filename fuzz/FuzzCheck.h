#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant is a finding: name it and stop the way a crash does, so
// that libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
