#include "watch_list.h"

#include <algorithm>

bool watch_list::watched(uint32_t address) const {
    return std::any_of(watches.begin(), watches.end(),
                       [&](const watch& w) { return address - w.address < w.count; });
}

void watch_list::add(uint32_t address, uint32_t count) {
    remove(address);
    watches.push_back({address, count});
    bound();
}

bool watch_list::remove(uint32_t address) {
    const auto it = std::find_if(watches.begin(), watches.end(), [&](const watch& w) { return w.address == address; });
    if (it == watches.end()) return false;
    watches.erase(it);
    bound();
    return true;
}

bool watch_list::changed(uint32_t address, uint32_t width, uint32_t old, uint32_t now) const {
    for (uint32_t i = 0; i < width; ++i)
        if (((old ^ now) >> (8 * i) & 0xff) && watched(address + i)) return true;
    return false;
}

void watch_list::bound() {
    low = std::numeric_limits<uint32_t>::max();
    high = 0;
    for (const watch& w : watches) {
        low = std::min(low, w.address);
        high = std::max(high, w.address + w.count);
    }
}
