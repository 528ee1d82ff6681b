// The RV32IM instructions, one row each: the name of the operation the
// simulator gives it, its mnemonic, format, opcode, funct3 and funct7. The
// decoder's mnemonics, the simulator's operations, their selection from a
// word's fields, the dispatch of run and the tests' encoders are all made from
// this list, so an instruction is added here and in the one executor of its format.
//
// funct3 means nothing to U and J rows, funct7 only to R rows and to the
// I-format shifts, where it stands in the immediate's top bits.
#pragma once

#include "decoder.h"
#include "opcodes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// X(OPERATION, mnemonic, format, opcode, funct3, funct7)
#define RV32IM_INSTRUCTIONS(X)                       \
    X(ADD, "add", R_TYPE, OPCODE_OP, 0, 0x00)        \
    X(SUB, "sub", R_TYPE, OPCODE_OP, 0, 0x20)        \
    X(SLL, "sll", R_TYPE, OPCODE_OP, 1, 0x00)        \
    X(SLT, "slt", R_TYPE, OPCODE_OP, 2, 0x00)        \
    X(SLTU, "sltu", R_TYPE, OPCODE_OP, 3, 0x00)      \
    X(XOR, "xor", R_TYPE, OPCODE_OP, 4, 0x00)        \
    X(SRL, "srl", R_TYPE, OPCODE_OP, 5, 0x00)        \
    X(SRA, "sra", R_TYPE, OPCODE_OP, 5, 0x20)        \
    X(OR, "or", R_TYPE, OPCODE_OP, 6, 0x00)          \
    X(AND, "and", R_TYPE, OPCODE_OP, 7, 0x00)        \
    X(MUL, "mul", R_TYPE, OPCODE_OP, 0, 0x01)        \
    X(MULH, "mulh", R_TYPE, OPCODE_OP, 1, 0x01)      \
    X(MULHSU, "mulhsu", R_TYPE, OPCODE_OP, 2, 0x01)  \
    X(MULHU, "mulhu", R_TYPE, OPCODE_OP, 3, 0x01)    \
    X(DIV, "div", R_TYPE, OPCODE_OP, 4, 0x01)        \
    X(DIVU, "divu", R_TYPE, OPCODE_OP, 5, 0x01)      \
    X(REM, "rem", R_TYPE, OPCODE_OP, 6, 0x01)        \
    X(REMU, "remu", R_TYPE, OPCODE_OP, 7, 0x01)      \
    X(JALR, "jalr", I_TYPE, OPCODE_JALR, 0, 0x00)    \
    X(ADDI, "addi", I_TYPE, OPCODE_OP_IMM, 0, 0x00)  \
    X(SLTI, "slti", I_TYPE, OPCODE_OP_IMM, 2, 0x00)  \
    X(SLTIU, "sltiu", I_TYPE, OPCODE_OP_IMM, 3, 0x00)\
    X(XORI, "xori", I_TYPE, OPCODE_OP_IMM, 4, 0x00)  \
    X(ORI, "ori", I_TYPE, OPCODE_OP_IMM, 6, 0x00)    \
    X(ANDI, "andi", I_TYPE, OPCODE_OP_IMM, 7, 0x00)  \
    X(SLLI, "slli", I_TYPE, OPCODE_OP_IMM, 1, 0x00)  \
    X(SRLI, "srli", I_TYPE, OPCODE_OP_IMM, 5, 0x00)  \
    X(SRAI, "srai", I_TYPE, OPCODE_OP_IMM, 5, 0x20)  \
    X(LB, "lb", I_TYPE, OPCODE_LOAD, 0, 0x00)        \
    X(LH, "lh", I_TYPE, OPCODE_LOAD, 1, 0x00)        \
    X(LW, "lw", I_TYPE, OPCODE_LOAD, 2, 0x00)        \
    X(LBU, "lbu", I_TYPE, OPCODE_LOAD, 4, 0x00)      \
    X(LHU, "lhu", I_TYPE, OPCODE_LOAD, 5, 0x00)      \
    X(SB, "sb", S_TYPE, OPCODE_STORE, 0, 0x00)       \
    X(SH, "sh", S_TYPE, OPCODE_STORE, 1, 0x00)       \
    X(SW, "sw", S_TYPE, OPCODE_STORE, 2, 0x00)       \
    X(BEQ, "beq", B_TYPE, OPCODE_BRANCH, 0, 0x00)    \
    X(BNE, "bne", B_TYPE, OPCODE_BRANCH, 1, 0x00)    \
    X(BLT, "blt", B_TYPE, OPCODE_BRANCH, 4, 0x00)    \
    X(BGE, "bge", B_TYPE, OPCODE_BRANCH, 5, 0x00)    \
    X(BLTU, "bltu", B_TYPE, OPCODE_BRANCH, 6, 0x00)  \
    X(BGEU, "bgeu", B_TYPE, OPCODE_BRANCH, 7, 0x00)  \
    X(LUI, "lui", U_TYPE, OPCODE_LUI, 0, 0x00)       \
    X(AUIPC, "auipc", U_TYPE, OPCODE_AUIPC, 0, 0x00) \
    X(JAL, "jal", J_TYPE, OPCODE_JAL, 0, 0x00)

struct instruction_row {
    std::string_view mnemonic;
    InstructionType format;
    uint32_t opcode, funct3, funct7;
};

constexpr instruction_row INSTRUCTIONS[] = {
#define ROW(OPERATION, MNEMONIC, FORMAT, OPCODE, FUNCT3, FUNCT7) {MNEMONIC, FORMAT, OPCODE, FUNCT3, FUNCT7},
    RV32IM_INSTRUCTIONS(ROW)
#undef ROW
};

// The rows tell funct7 apart only as 0x00, 0x01, 0x20 or any other value.
constexpr uint32_t funct7_kind(uint32_t funct7) { return funct7 == 0x00 ? 0 : funct7 == 0x01 ? 1 : funct7 == 0x20 ? 2 : 3; }
constexpr uint32_t instruction_key(uint32_t opcode, uint32_t funct3, uint32_t funct7) {
    return opcode << 5 | funct3 << 2 | funct7_kind(funct7);
}

// By instruction_key: the index of the row with those fields, or NO_ROW.
constexpr uint8_t NO_ROW = 0xff;
extern const std::array<uint8_t, 128 * 8 * 4> ROW_OF_KEY;

// The row of the instruction with these fields, as an index into INSTRUCTIONS,
// or nothing when no row has them (an undefined function code or opcode).
// Inline: the simulator's step selects with it.
inline std::optional<uint32_t> find_instruction(uint32_t opcode, uint32_t funct3, uint32_t funct7) {
    if (opcode >= 128 || funct3 >= 8) return std::nullopt;
    const uint8_t row = ROW_OF_KEY[instruction_key(opcode, funct3, funct7)];
    if (row == NO_ROW) return std::nullopt;
    return row;
}

// By opcode: the format of the rows with that opcode, or NO_FORMAT.
constexpr uint8_t NO_FORMAT = 0xff;
extern const std::array<uint8_t, 128> FORMAT_OF_OPCODE;

// The format of the instructions with this opcode, or nothing for an opcode no
// row has.
inline std::optional<InstructionType> format_of_opcode(uint32_t opcode) {
    if (opcode >= 128 || FORMAT_OF_OPCODE[opcode] == NO_FORMAT) return std::nullopt;
    return static_cast<InstructionType>(FORMAT_OF_OPCODE[opcode]);
}
