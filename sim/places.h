// Addresses as a person reads them: by the label they follow.
#pragma once

#include "loader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The labels in order, to name many addresses (a long bt) at the cost of one sort.
struct label_index {
    std::vector<std::pair<uint32_t, const std::string*>> plain, local;  // by address, then name; local: .L...

    explicit label_index(const riscv_mem& mem);

    // "label+offset" (or "label" at its address) by the nearest label at or
    // before the address in the same segment; labels local to the assembler's
    // file (.L...) only where no other label comes before. Empty when no label does.
    std::string place(uint32_t address) const;
};

// The same for one address.
std::string place_of(const riscv_mem& mem, uint32_t address);

// The label spelt most like `word`, when one is close enough to be a guess.
std::optional<std::string> closest_label(const riscv_mem& mem, const std::string& word);
