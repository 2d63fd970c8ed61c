// Number conversions of the numeric toolkit that both aircraft modules carry.
#pragma once

// Reads the digits of a in base b and returns the number with the same digits in base c:
// rebase_digits(4100, 10, 16) packs 4100 into the BCD word 0x4100. Bases below 2 have no digits
// and give 0. The result is unsigned and wraps modulo 2^32, so a BCD word above 0x7FFFFFFF (from
// 80000000 and up) comes back whole.
unsigned rebase_digits(unsigned a, unsigned b, int c);
