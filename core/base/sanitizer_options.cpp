// Linked into the tools in the sanitizer build only (SPEK_SANITIZE). A tool
// transforms one data set per process and leaves its blocks to the end of
// the process, as a filter may: leak checking would report every one of
// them, so it is off for the tools (the unit tests keep it). A request the
// allocator cannot meet returns null, as it does without the sanitizer, so
// the tools report it as they do in every other build.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0:allocator_may_return_null=1";
}
