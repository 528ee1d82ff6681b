#include "places.h"

#include "memory_map.h"
#include "printable.h"
#include "spelling.h"

#include <utility>

namespace {

bool in_segment_of(uint32_t label, uint32_t address) {
    if (in_code_segment(address)) return in_code_segment(label);
    return in_data_segment(address, 1) && in_data_segment(label, 1);
}

}  // namespace

std::string place_of(const riscv_mem& mem, uint32_t address) {
    // A label of the programmer's over a .L one, then the nearest, then the first by name.
    const std::pair<const std::string, uint32_t>* best = nullptr;
    const auto plain = [](const std::string& name) { return !name.starts_with(".L"); };
    for (const auto& label : mem.label_to_addr) {
        const auto& [name, at] = label;
        if (name.empty() || at > address || !in_segment_of(at, address)) continue;
        if (best) {
            const auto& [best_name, best_at] = *best;
            if (plain(name) != plain(best_name) ? !plain(name) : at != best_at ? at < best_at : best_name < name)
                continue;
        }
        best = &label;
    }
    if (!best) return "";
    const uint32_t offset = address - best->second;
    return printable(best->first) + (offset ? "+" + std::to_string(offset) : "");
}

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
