#include "places.h"

#include "memory_map.h"
#include "printable.h"
#include "spelling.h"

#include <algorithm>
#include <iterator>

namespace {

bool in_segment_of(uint32_t label, uint32_t address) {
    if (in_code_segment(address)) return in_code_segment(label);
    return in_data_segment(address, 1) && in_data_segment(label, 1);
}

}  // namespace

label_index::label_index(const riscv_mem& mem) {
    for (const auto& [name, at] : mem.label_to_addr)
        if (!name.empty()) (name.starts_with(".L") ? local : plain).emplace_back(at, &name);
    for (auto* labels : {&plain, &local})
        std::sort(labels->begin(), labels->end(),
                  [](const auto& a, const auto& b) { return a.first != b.first ? a.first < b.first : *a.second < *b.second; });
}

std::string label_index::place(uint32_t address) const {
    for (const auto* labels : {&plain, &local}) {
        // The last address at or before `address`, and of the names there the first.
        auto it = std::upper_bound(labels->begin(), labels->end(), address,
                                   [](uint32_t a, const auto& label) { return a < label.first; });
        if (it == labels->begin() || !in_segment_of(std::prev(it)->first, address)) continue;
        const uint32_t at = std::prev(it)->first;
        while (it != labels->begin() && std::prev(it)->first == at) --it;
        const uint32_t offset = address - at;
        return printable(*it->second) + (offset ? "+" + std::to_string(offset) : "");
    }
    return "";
}

std::string place_of(const riscv_mem& mem, uint32_t address) { return label_index(mem).place(address); }

std::optional<std::string> closest_label(const riscv_mem& mem, const std::string& word) {
    std::optional<std::string> best;
    std::size_t best_distance = 0;
    for (const auto& [name, at] : mem.label_to_addr) {
        if (name.empty() || !spelt_alike(word, name)) continue;
        const std::size_t distance = spelling_distance(word, name);
        if (!best || distance < best_distance || (distance == best_distance && name < *best)) {
            best = name;
            best_distance = distance;
        }
    }
    return best;
}
