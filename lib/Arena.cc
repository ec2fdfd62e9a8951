#include "lib/Arena.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define QUORVEX_ARENA_OFF 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUORVEX_ARENA_OFF 1
#endif
#endif

namespace arena {

#ifdef QUORVEX_ARENA_OFF

void* allocate(std::size_t size) { return ::operator new(size); }
void release(void* p) noexcept { ::operator delete(p); }

#else

namespace {
constexpr std::size_t blockSize = 1 << 20;
constexpr std::size_t alignment = alignof(std::max_align_t);
// A type that needs the full alignment has a size that is a multiple of
// it, so other sizes only need pointer alignment.
constexpr std::size_t small_alignment = alignof(void*);
char* next = nullptr;
std::size_t left = 0;
}  // namespace

void* allocate(std::size_t size) {
    std::size_t align = size % alignment == 0 ? alignment : small_alignment;
    if (size == 0) size = 1;  // distinct objects get distinct addresses
    size = (size + small_alignment - 1) & ~(small_alignment - 1);
    std::size_t pad = (align - (reinterpret_cast<std::uintptr_t>(next) & (align - 1))) & (align - 1);
    if (pad + size > left) {
        // An object larger than a block gets a block of its own.
        std::size_t take = size > blockSize ? size : blockSize;
        void* block = std::malloc(take);
        if (!block) throw std::bad_alloc();
        if (size > blockSize) return block;
        next = static_cast<char*>(block);
        left = take;
        pad = 0;
    }
    next += pad;
    left -= pad;
    void* p = next;
    next += size;
    left -= size;
    return p;
}

void release(void*) noexcept {}

#endif

}  // namespace arena
