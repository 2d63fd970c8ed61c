#include "common/numeric.h"

unsigned rebase_digits(unsigned a, unsigned b, int c)
{
    // Base 0 would divide by zero and base 1 would never run out of digits; an output base below 2
    // cannot hold a digit either.
    if (b < 2 || c < 2)
        return 0;
    const auto out_base = static_cast<unsigned>(c);
    unsigned   result   = 0;
    unsigned   place    = 1;
    for (; a != 0; a /= b) {
        result += (a % b) * place;
        place *= out_base;
    }
    return result;
}
