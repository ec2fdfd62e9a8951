#include "lib/Arena.h"

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
char* next = nullptr;
std::size_t left = 0;
}  // namespace

void* allocate(std::size_t size) {
    size = (size + alignment - 1) & ~(alignment - 1);
    if (size > left) {
        // An object larger than a block gets a block of its own.
        std::size_t take = size > blockSize ? size : blockSize;
        void* block = std::malloc(take);
        if (!block) throw std::bad_alloc();
        if (size > blockSize) return block;
        next = static_cast<char*>(block);
        left = take;
    }
    void* p = next;
    next += size;
    left -= size;
    return p;
}

void release(void*) noexcept {}

#endif

}  // namespace arena
