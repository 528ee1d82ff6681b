// An allocator for the 256 MiB data segment: it maps fresh anonymous pages,
// which the system hands out zero-filled on first touch, and it leaves the
// elements uninitialised on construction. So a program's untouched pages are
// never committed and start-up pays for no memset.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <new>
#include <utility>

template <class T>
struct zeroed_allocator {
    using value_type = T;

    zeroed_allocator() = default;
    template <class U>
    zeroed_allocator(const zeroed_allocator<U>&) {}

    T* allocate(std::size_t n) {
        void* p = mmap(nullptr, n * sizeof(T), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t n) { munmap(p, n * sizeof(T)); }

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
