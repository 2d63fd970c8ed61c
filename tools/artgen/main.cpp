#include <cstdio>
#include <exception>

#include "artgen.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    try {
        int n = artgen::generate(module_art, argv[1]);
        std::printf("%s: %d resources written to %s\n", module_art.name, n, argv[1]);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", module_art.name, e.what());
        return 1;
    }
}
