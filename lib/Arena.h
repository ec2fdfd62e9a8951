// Storage for objects that live until the end of the run: tree nodes are
// made while reading and never freed, so they are carved out of large
// blocks instead of being allocated one by one.  Freeing such an object is
// a no-op.  Under the sanitizers the ordinary allocator is used, so that
// they still watch every node.
#ifndef QUORVEX_LIB_ARENA_H
#define QUORVEX_LIB_ARENA_H

#include <cstddef>

namespace arena {

// `size` bytes aligned for any object, valid until the process ends.
void* allocate(std::size_t size);
void release(void* p) noexcept;

// A base for objects that live as long as the tree: `new` takes them from
// the arena.  It adds nothing to the size of what derives from it.
struct Object {
    static void* operator new(std::size_t size) { return allocate(size); }
    static void operator delete(void* p) noexcept { release(p); }
};

}  // namespace arena

#endif
