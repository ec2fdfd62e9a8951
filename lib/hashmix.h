// The slot of an open-addressing table is taken from the low bits of a
// hash; hashes made from addresses share those bits (alignment), so every
// table mixes all the bits down first.
#ifndef QUORVEX_LIB_HASHMIX_H
#define QUORVEX_LIB_HASHMIX_H

#include <cstddef>
#include <cstdint>

inline std::size_t mix_hash(std::size_t h) {
    std::uint64_t x = h;
    x ^= x >> 31;
    x *= 0x9e3779b97f4a7c15ull;
    return static_cast<std::size_t>(x ^ (x >> 29));
}

#endif
