// A bit per data-segment address, set once the address has gone into one of
// the machine's address sets, so that a load or store of an address already
// recorded costs a bit test instead of a tree lookup. The ordered set stays the
// record, and it is public: between two calls of step or run anyone may erase
// from it, and no cheap check can tell (an erase and an insert keep its size).
// So the bits speak only for what this call recorded: `begin` forgets them at
// the start of every step and run.
//
// The addresses the set gained are also kept in order, so that `back` can take
// the additions of an instruction out again.
//
// The bits take 32 MiB of address space, mapped at the first step or run as
// untouched zero pages: building a machine costs nothing for them. Should the
// mapping fail, every access goes to the set, slower and with the same result.
#pragma once

#include "memory_map.h"
#include "riscv_constants.h"
#include "undo_log.h"
#include "zeroed_allocator.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <set>
#include <vector>

struct address_filter {
    static constexpr std::size_t WORDS = SEGMENT_SIZE / 64;

    struct unmap {
        void operator()(uint64_t* p) const { zeroed_allocator<uint64_t>().deallocate(p, WORDS); }
    };

    std::unique_ptr<uint64_t[], unmap> bits;  // empty until the first step or run
    std::vector<uint32_t> used_words;         // the words of bits that are not zero
    std::vector<uint32_t> added;              // the addresses the set gained, oldest first

    // Clears exactly the words set since the last time, so each call pays for
    // what the one before it recorded, never for the whole 32 MiB.
    void forget() {
        for (uint32_t w : used_words) bits[w] = 0;
        used_words.clear();
    }

    void begin() {
        forget();
        if (bits) return;
        try {
            bits.reset(zeroed_allocator<uint64_t>().allocate(WORDS));
        } catch (const std::bad_alloc&) {
            // Without bits, record goes to the set every time.
        }
    }

    // Inlined into the executors: one bit test when the address is known.
    // The entry counts the addresses that were new to the set.
    [[gnu::always_inline]] void record(std::set<uint32_t>& addresses, uint32_t address, undo_entry& e) {
        const uint32_t index = data_index(address);
        if (index < SEGMENT_SIZE && bits && (bits[index / 64] >> (index % 64) & 1)) return;
        record_new(addresses, address, e);
    }

    // The set is changed first: if it cannot grow, no bit claims the address.
    [[gnu::noinline, gnu::cold]] void record_new(std::set<uint32_t>& addresses, uint32_t address, undo_entry& e) {
        if (addresses.insert(address).second) {
            added.push_back(address);
            e.info += uint32_t{1} << undo_entry::ADDED_SHIFT;
        }
        const uint32_t index = data_index(address);
        if (index >= SEGMENT_SIZE || !bits) return;
        uint64_t& word = bits[index / 64];
        if (word == 0) used_words.push_back(index / 64);
        word |= uint64_t{1} << (index % 64);
    }

    // Takes the last `count` additions out of the set again. The bits are
    // forgotten with them, so none claims an address the set no longer has.
    void unrecord(std::set<uint32_t>& addresses, uint32_t count) {
        for (; count > 0 && !added.empty(); --count) {
            addresses.erase(added.back());
            added.pop_back();
        }
        forget();
    }

    // The last `count` additions stay for good: they came from no instruction
    // that `back` could undo.
    void keep(uint32_t count) { added.resize(added.size() - std::min<std::size_t>(count, added.size())); }
};
