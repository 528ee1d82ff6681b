// The data bytes the console watches: step and run stop after a store that
// changes one of them, and `back run` after undoing such a store. A store that
// writes the value a byte already holds changes nothing and does not stop.
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

struct watch {
    uint32_t address;
    uint32_t count;  // bytes from address on
};

struct watch_list {
    std::vector<watch> watches;  // in the order they were set
    // Every watched byte lies in [low, high): one test for most stores.
    uint32_t low = std::numeric_limits<uint32_t>::max(), high = 0;

    bool empty() const { return watches.empty(); }
    [[gnu::always_inline]] bool near(uint32_t address, uint32_t width) const {
        return address < high && address + width > low;
    }
    bool watched(uint32_t address) const;
    // A second watch at one address replaces the first.
    void add(uint32_t address, uint32_t count);
    // False when no watch starts at the address.
    bool remove(uint32_t address);
    // Whether the `width` bytes from `address`, which held `old` (little-endian)
    // and hold `now`, differ at a watched byte.
    bool changed(uint32_t address, uint32_t width, uint32_t old, uint32_t now) const;
    // Recomputes low and high from the watches.
    void bound();
};
