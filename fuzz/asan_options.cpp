// No allocation stacks while fuzzing the core: read through Qt's frames, which have no frame
// pointers, they are stray words that fill the sanitizer's stack store (README, Fuzzing).
extern "C" const char* __asan_default_options()
{
    return "malloc_context_size=0";
}
