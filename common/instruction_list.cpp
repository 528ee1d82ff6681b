// The look-up tables made from the instruction list at compile time: one entry
// per opcode for its format, and one per opcode, funct3 and kind of funct7 for
// its row, so that decoding and selecting an operation never search.
#include "instruction_list.h"

#include <array>
#include <cstddef>

namespace {

// Whether a word with these fields is the row's instruction. The I-format
// shifts decide by funct7: slli ignores it, srli needs 0 and srai takes any other.
constexpr bool matches(const instruction_row& row, uint32_t opcode, uint32_t funct3, uint32_t funct7) {
    if (row.opcode != opcode) return false;
    switch (row.format) {
        case R_TYPE: return row.funct3 == funct3 && row.funct7 == funct7;
        case U_TYPE:
        case J_TYPE: return true;
        default:
            if (row.funct3 != funct3) return false;
            return opcode != OPCODE_OP_IMM || funct3 != 5 || (row.funct7 != 0) == (funct7 != 0);
    }
}

// A funct7 of each kind funct7_kind tells apart.
constexpr uint32_t FUNCT7_OF_KIND[] = {0x00, 0x01, 0x20, 0x7f};

// Each row claims keys of its own opcode only, so the rows are visited once
// and each tries just its opcode's 32 keys: a search of every opcode for every
// row runs past the step limit of clang's constant evaluation. The first row
// that matches a key keeps it.
constexpr auto ROW_OF = [] {
    std::array<uint8_t, 128 * 8 * 4> rows{};
    rows.fill(NO_ROW);
    for (std::size_t i = 0; i < std::size(INSTRUCTIONS); ++i) {
        const instruction_row& row = INSTRUCTIONS[i];
        for (uint32_t funct3 = 0; funct3 < 8; ++funct3)
            for (uint32_t funct7 : FUNCT7_OF_KIND) {
                uint8_t& slot = rows[instruction_key(row.opcode, funct3, funct7)];
                if (slot == NO_ROW && matches(row, row.opcode, funct3, funct7)) slot = static_cast<uint8_t>(i);
            }
    }
    return rows;
}();

constexpr auto FORMAT_OF = [] {
    std::array<uint8_t, 128> formats{};
    formats.fill(NO_FORMAT);
    for (const instruction_row& row : INSTRUCTIONS) formats[row.opcode] = static_cast<uint8_t>(row.format);
    return formats;
}();

// Each row is found by its own fields: no two rows claim the same word.
constexpr bool every_row_is_its_own() {
    for (std::size_t i = 0; i < std::size(INSTRUCTIONS); ++i) {
        const instruction_row& row = INSTRUCTIONS[i];
        if (ROW_OF[instruction_key(row.opcode, row.funct3, row.funct7)] != i) return false;
    }
    return true;
}
static_assert(every_row_is_its_own());

}  // namespace

const std::array<uint8_t, 128 * 8 * 4> ROW_OF_KEY = ROW_OF;
const std::array<uint8_t, 128> FORMAT_OF_OPCODE = FORMAT_OF;
