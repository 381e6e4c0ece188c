// What every fuzz target does with a broken promise: ends the run as a crash, saying which.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void broken(const char* file, int line, const char* promise)
{
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, promise);
    std::abort();
}
#define CHECK(promise) ((promise) ? void() : broken(__FILE__, __LINE__, #promise))
