#include "lib/Arena.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#include <sys/mman.h>

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
// Blocks are large and aligned to the huge-page size, and the system is
// asked to back them with huge pages: a large tree then costs a few
// hundred page faults instead of tens of thousands.
constexpr std::size_t blockSize = 8 << 20;
constexpr std::size_t hugePage = 2 << 20;
constexpr std::size_t alignment = alignof(std::max_align_t);
// A type that needs the full alignment has a size that is a multiple of
// it, so other sizes only need pointer alignment.
constexpr std::size_t small_alignment = alignof(void*);
char* next = nullptr;
std::size_t left = 0;

void* newBlock() {
    void* mapped = mmap(nullptr, blockSize + hugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    // Keep the aligned part and give back the rest.
    std::uintptr_t start = reinterpret_cast<std::uintptr_t>(mapped);
    std::uintptr_t aligned = (start + hugePage - 1) & ~(hugePage - 1);
    if (aligned > start) munmap(mapped, aligned - start);
    std::size_t tail = (start + blockSize + hugePage) - (aligned + blockSize);
    if (tail) munmap(reinterpret_cast<void*>(aligned + blockSize), tail);
#ifdef MADV_HUGEPAGE
    madvise(reinterpret_cast<void*>(aligned), blockSize, MADV_HUGEPAGE);
#endif
    return reinterpret_cast<void*>(aligned);
}
}  // namespace

void* allocate(std::size_t size) {
    std::size_t align = size % alignment == 0 ? alignment : small_alignment;
    if (size == 0) size = 1;  // distinct objects get distinct addresses
    size = (size + small_alignment - 1) & ~(small_alignment - 1);
    std::size_t pad = (align - (reinterpret_cast<std::uintptr_t>(next) & (align - 1))) & (align - 1);
    if (pad + size > left) {
        // An object larger than a block gets a block of its own.
        if (size > blockSize) {
            void* block = std::malloc(size);
            if (!block) throw std::bad_alloc();
            return block;
        }
        next = static_cast<char*>(newBlock());
        left = blockSize;
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
