// What every fuzz target does with a broken promise: ends the run as a crash, saying which.
#pragma once

#include <cstdio>
#include <cstdlib>

#define CHECK(promise)                                                                             \
    ((promise) ? void()                                                                            \
               : (std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #promise), \
                  std::abort()))
