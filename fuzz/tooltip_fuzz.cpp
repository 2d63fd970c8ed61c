// Tooltip texts with %n!format! inserts, expanded with the values their callbacks return.
#include <chrono>
#include <vector>

#include "fuzz_common.h"
#include "host/core/mouse.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input         in(data, size);
    std::vector<double> args;
    for (int i = in.byte() % 10; i > 0; --i)
        args.push_back(in.take<double>());
    const std::string text = in.text();
    const std::string out  = host::format_tooltip(text.c_str(), args);
    // Every insert is at most one bounded field; every other byte at most three in UTF-8.
    if (out.size() > 512 * (text.size() / 4 + 1) + 3 * text.size())
        __builtin_trap();
    return 0;
}
