#include "register_names.h"

#include "simulator.h"

namespace {

// Index is the register's number; fp is s0's second name.
constexpr std::string_view ABI_NAMES[NUM_REGISTERS] = {
    "zero", "ra", "sp", "gp", "tp", "t0", "t1", "t2", "s0", "s1", "a0",  "a1",  "a2", "a3", "a4", "a5",
    "a6",   "a7", "s2", "s3", "s4", "s5", "s6", "s7", "s8", "s9", "s10", "s11", "t3", "t4", "t5", "t6",
};

}  // namespace

std::optional<uint32_t> register_number(std::string_view word) {
    if (word.size() < 2 || word.size() > 3 || word[0] != 'x') return std::nullopt;
    uint32_t n = 0;
    for (char c : word.substr(1)) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + static_cast<uint32_t>(c - '0');
    }
    if (n >= NUM_REGISTERS) return std::nullopt;
    return n;
}

std::string_view register_name(uint32_t n) { return ABI_NAMES[n]; }

std::optional<uint32_t> register_by_name(std::string_view word) {
    if (auto n = register_number(word)) return n;
    if (word == "fp") return 8;
    for (uint32_t n = 0; n < NUM_REGISTERS; ++n)
        if (ABI_NAMES[n] == word) return n;
    return std::nullopt;
}
