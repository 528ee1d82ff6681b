// A bit per data-segment address, set once the address is in one of the
// machine's address sets, so a load or store of an address already recorded
// costs a bit test instead of a tree lookup. The ordered set stays the record;
// this only remembers what was put into it, and is rebuilt whenever the set's
// size shows it was changed some other way.
#pragma once

#include "riscv_constants.h"
#include "zeroed_allocator.h"

#include <cstdint>
#include <set>
#include <vector>

struct address_filter {
    std::vector<uint64_t, zeroed_allocator<uint64_t>> bits = std::vector<uint64_t, zeroed_allocator<uint64_t>>(SEGMENT_SIZE / 64);
    std::size_t known_size = 0;  // the size of the set when the bits last matched it

    void record(std::set<uint32_t>& addresses, uint32_t address) {
        const uint32_t index = address - INITIAL_DATA_OFFSET;
        if (index < SEGMENT_SIZE) {
            uint64_t& word = bits[index / 64];
            const uint64_t mask = uint64_t{1} << (index % 64);
            if (word & mask) return;
            word |= mask;
        }
        addresses.insert(address);
        known_size = addresses.size();
    }

    // Makes the bits match the set again if something else changed it.
    void sync(const std::set<uint32_t>& addresses) {
        if (addresses.size() == known_size) return;
        bits = std::vector<uint64_t, zeroed_allocator<uint64_t>>(SEGMENT_SIZE / 64);
        for (uint32_t address : addresses) {
            const uint32_t index = address - INITIAL_DATA_OFFSET;
            if (index < SEGMENT_SIZE) bits[index / 64] |= uint64_t{1} << (index % 64);
        }
        known_size = addresses.size();
    }
};
