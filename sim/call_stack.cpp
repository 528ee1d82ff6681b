#include "call_stack.h"

#include <algorithm>

std::size_t call_stack::returns_from(uint32_t target) const {
    for (std::size_t n = frames.size(); n > 0; --n)
        if (frames[n - 1].return_address() == target) return frames.size() - (n - 1);
    return 0;
}

void call_stack::return_from(std::size_t count, uint64_t at, uint64_t oldest) {
    // Forgotten in batches, once half of them are too old: a return costs O(1) on average.
    if (returned.size() >= 1024 && returned[returned.size() / 2].returned_at < oldest) {
        const auto old_end = std::partition_point(returned.begin(), returned.end(),
                                                  [&](const returned_frame& r) { return r.returned_at < oldest; });
        returned.erase(returned.begin(), old_end);
    }
    for (; count > 0; --count) {
        returned.push_back({at, frames.back()});
        frames.pop_back();
    }
}

void call_stack::undo(uint32_t mark, uint32_t routine, uint64_t at) {
    switch (mark & stack_mark::BITS) {
        case stack_mark::CALL:
            if (!frames.empty()) frames.pop_back();
            break;
        case stack_mark::RETURN: frames.push_back({mark & ~stack_mark::BITS, routine}); break;
        case stack_mark::RETURN_SEVERAL:
            // They come back in the order they were taken off: the newest last.
            while (!returned.empty() && returned.back().returned_at == at) {
                frames.push_back(returned.back().frame);
                returned.pop_back();
            }
            break;
    }
}
