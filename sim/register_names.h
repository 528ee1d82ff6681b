// Registers by number (x0 to x31) and by their calling-convention names.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// x followed by one or two decimal digits naming one of the 32 (x05 is x5).
std::optional<uint32_t> register_number(std::string_view word);

// x0 to x31, or zero, ra, sp, gp, tp, t0-t6, s0-s11, fp (s0) or a0-a7.
std::optional<uint32_t> register_by_name(std::string_view word);

// The calling-convention name of register `n` (0 to 31): s0 for x8.
std::string_view register_name(uint32_t n);
