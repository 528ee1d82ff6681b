// What `back` needs to undo executed instructions: a ring with one entry for
// each of the last UNDO_DEPTH instructions, written as each one executes.
//
// Recording costs every instruction a few stores, so an entry is what any
// instruction changes at most: the pc, one register or up to four stored bytes.
// The entry of instruction n (counting from the start of the session) sits in
// slot n modulo the ring's size, so the instruction count is also the ring's
// position. The rare additions to the address sets are kept by the address
// filters, and the entry only says how many there were.
//
// The ring, 2 MiB, is mapped as untouched zero pages at the first step or run,
// before the address filters, so a short session costs what it uses. With too
// little memory for it, a smaller ring is taken and `back` reaches less far.
#pragma once

#include "zeroed_allocator.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

// How many instructions `back` can undo.
const std::size_t UNDO_DEPTH = std::size_t{1} << 17;

struct undo_entry {
    uint32_t pc;       // where the instruction was
    int32_t old;       // rd's value before it; for a store, the bytes it overwrote, little-endian
    uint32_t address;  // for a store, the first byte it wrote
    // One word written whole, not bytes: a byte store may alias anything and
    // would make the executors read their instruction again. Bits 0-7 hold rd,
    // 8-15 the bytes a store wrote (0 for no store), 16 and up the addresses
    // the instruction added to the read set (a load) or the written set (a store).
    uint32_t info;

    static constexpr uint32_t WIDTH_SHIFT = 8, ADDED_SHIFT = 16;
    uint32_t rd() const { return info & 0xff; }
    uint32_t width() const { return info >> WIDTH_SHIFT & 0xff; }
    uint32_t added() const { return info >> ADDED_SHIFT; }
};

struct undo_unmap {
    std::size_t size = 0;
    void operator()(undo_entry* p) const { zeroed_allocator<undo_entry>().deallocate(p, size); }
};

struct undo_log {
    std::unique_ptr<undo_entry[], undo_unmap> entries;  // empty until the first step or run
    uint64_t mask = 0;                                  // the ring's size less one
    uint64_t depth = 0;                                 // how many of the last instructions can be undone

    uint64_t size() const { return entries.get_deleter().size; }

    // Halves the ring until it fits; not even a page of it ends the session
    // like any other failed allocation.
    void begin() {
        if (entries) return;
        for (std::size_t n = UNDO_DEPTH;; n /= 2) {
            try {
                entries = {zeroed_allocator<undo_entry>().allocate(n), undo_unmap{n}};
                mask = n - 1;
                return;
            } catch (const std::bad_alloc&) {
                if (n * sizeof(undo_entry) <= 4096) throw;
            }
        }
    }

    // `executed` more instructions were recorded; the oldest fall out of the ring.
    void grow(uint64_t executed) { depth = std::min(depth + executed, size()); }
};
