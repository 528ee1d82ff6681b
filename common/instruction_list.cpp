// The look-up tables made from the instruction list at compile time: one entry
// per opcode for its format, and one per opcode, funct3 and kind of funct7 for
// its row, so that decoding and selecting an operation never search.
#include "instruction_list.h"

#include <array>
#include <cstddef>

namespace {

constexpr uint8_t NONE = 0xff;

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

// The rows tell funct7 apart only as 0x00, 0x01, 0x20 or any other value.
constexpr uint32_t FUNCT7_KINDS[] = {0x00, 0x01, 0x20, 0x7f};
constexpr uint32_t funct7_kind(uint32_t funct7) {
    switch (funct7) {
        case 0x00: return 0;
        case 0x01: return 1;
        case 0x20: return 2;
        default: return 3;
    }
}
constexpr uint32_t key(uint32_t opcode, uint32_t funct3, uint32_t kind) { return opcode << 5 | funct3 << 2 | kind; }

constexpr auto ROW_OF = [] {
    std::array<uint8_t, 128 * 8 * 4> rows{};
    rows.fill(NONE);
    for (uint32_t opcode = 0; opcode < 128; ++opcode)
        for (uint32_t funct3 = 0; funct3 < 8; ++funct3)
            for (uint32_t kind = 0; kind < 4; ++kind)
                for (std::size_t i = 0; i < std::size(INSTRUCTIONS); ++i)
                    if (matches(INSTRUCTIONS[i], opcode, funct3, FUNCT7_KINDS[kind])) {
                        rows[key(opcode, funct3, kind)] = static_cast<uint8_t>(i);
                        break;
                    }
    return rows;
}();

constexpr auto FORMAT_OF = [] {
    std::array<uint8_t, 128> formats{};
    formats.fill(NONE);
    for (const instruction_row& row : INSTRUCTIONS) formats[row.opcode] = static_cast<uint8_t>(row.format);
    return formats;
}();

// Each row is found by its own fields: no two rows claim the same word.
constexpr bool every_row_is_its_own() {
    for (std::size_t i = 0; i < std::size(INSTRUCTIONS); ++i) {
        const instruction_row& row = INSTRUCTIONS[i];
        if (ROW_OF[key(row.opcode, row.funct3, funct7_kind(row.funct7))] != i) return false;
    }
    return true;
}
static_assert(every_row_is_its_own());

}  // namespace

std::optional<uint32_t> find_instruction(uint32_t opcode, uint32_t funct3, uint32_t funct7) {
    if (opcode >= 128 || funct3 >= 8) return std::nullopt;
    const uint8_t row = ROW_OF[key(opcode, funct3, funct7_kind(funct7))];
    if (row == NONE) return std::nullopt;
    return row;
}

std::optional<InstructionType> format_of_opcode(uint32_t opcode) {
    if (opcode >= 128 || FORMAT_OF[opcode] == NONE) return std::nullopt;
    return static_cast<InstructionType>(FORMAT_OF[opcode]);
}
