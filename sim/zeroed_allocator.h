// An allocator for the 256 MiB data segment: it takes zero-filled memory from
// calloc, which for a block this size maps fresh zero pages, and it leaves the
// elements uninitialised on construction. So a program's untouched pages are
// never committed and start-up pays for no memset.
#pragma once

#include <cstdlib>
#include <new>

template <class T>
struct zeroed_allocator {
    using value_type = T;

    zeroed_allocator() = default;
    template <class U>
    zeroed_allocator(const zeroed_allocator<U>&) {}

    T* allocate(std::size_t n) {
        if (void* p = std::calloc(n, sizeof(T))) return static_cast<T*>(p);
        throw std::bad_alloc();
    }
    void deallocate(T* p, std::size_t) { std::free(p); }

    // Default-initialisation: the bytes are already zero.
    template <class U>
    void construct(U* p) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    template <class U>
    bool operator==(const zeroed_allocator<U>&) const { return true; }
};
