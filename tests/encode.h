// Instruction encoders for the tests, in the standard RV32 field layout: one
// per instruction, named by its mnemonic and taking its operands in assembly
// order, with the function codes from the instruction list; and one per format
// for the words the list has no row for. The B and J encoders take the
// immediate the decoder reads back, which in obj files is half the byte distance.
#pragma once

#include "instruction_list.h"
#include "riscv_format.h"

#include <cstdint>
#include <string_view>

namespace enc {

constexpr uint32_t r(uint32_t f7, uint32_t rs2, uint32_t rs1, uint32_t f3, uint32_t rd, uint32_t opc = OPCODE_OP) {
    return f7 << 25 | rs2 << 20 | rs1 << 15 | f3 << 12 | rd << 7 | opc;
}
constexpr uint32_t i(int32_t imm, uint32_t rs1, uint32_t f3, uint32_t rd, uint32_t opc = OPCODE_OP_IMM) {
    return write_i_imm(rs1 << 15 | f3 << 12 | rd << 7 | opc, imm);
}
constexpr uint32_t s(int32_t imm, uint32_t rs2, uint32_t rs1, uint32_t f3) {
    return write_s_imm(rs2 << 20 | rs1 << 15 | f3 << 12 | OPCODE_STORE, imm);
}
constexpr uint32_t b(int32_t imm, uint32_t rs2, uint32_t rs1, uint32_t f3) {
    return write_b_imm(rs2 << 20 | rs1 << 15 | f3 << 12 | OPCODE_BRANCH, imm);
}

// The list's row of a mnemonic; a mnemonic the list lacks does not compile.
consteval instruction_row row(std::string_view mnemonic) {
    for (const instruction_row& x : INSTRUCTIONS)
        if (mnemonic == x.mnemonic) return x;
    throw "no such instruction";
}

// The shifts keep funct7 in the immediate's top bits.
constexpr uint32_t i_of(instruction_row x, uint32_t rd, uint32_t rs1, int32_t imm) {
    return i(imm, rs1, x.funct3, rd, x.opcode) | x.funct7 << 25;
}

#define ENC_R(NAME, MNEMONIC)                                                  \
    constexpr uint32_t NAME(uint32_t rd, uint32_t rs1, uint32_t rs2) {         \
        constexpr instruction_row x = row(MNEMONIC);                           \
        return r(x.funct7, rs2, rs1, x.funct3, rd);                            \
    }
#define ENC_I(NAME, MNEMONIC) \
    constexpr uint32_t NAME(uint32_t rd, uint32_t rs1, int32_t imm) { return i_of(row(MNEMONIC), rd, rs1, imm); }
#define ENC_S(NAME, MNEMONIC) \
    constexpr uint32_t NAME(uint32_t rs2, uint32_t rs1, int32_t imm) { return s(imm, rs2, rs1, row(MNEMONIC).funct3); }
#define ENC_B(NAME, MNEMONIC) \
    constexpr uint32_t NAME(uint32_t rs1, uint32_t rs2, int32_t imm) { return b(imm, rs2, rs1, row(MNEMONIC).funct3); }

// and, or and xor are words of C++, so their encoders end in '_'.
ENC_R(add, "add") ENC_R(sub, "sub") ENC_R(sll, "sll") ENC_R(slt, "slt") ENC_R(sltu, "sltu") ENC_R(xor_, "xor")
ENC_R(srl, "srl") ENC_R(sra, "sra") ENC_R(or_, "or") ENC_R(and_, "and")
ENC_R(mul, "mul") ENC_R(mulh, "mulh") ENC_R(mulhsu, "mulhsu") ENC_R(mulhu, "mulhu")
ENC_R(div, "div") ENC_R(divu, "divu") ENC_R(rem, "rem") ENC_R(remu, "remu")
ENC_I(jalr, "jalr") ENC_I(addi, "addi") ENC_I(slti, "slti") ENC_I(sltiu, "sltiu") ENC_I(xori, "xori")
ENC_I(ori, "ori") ENC_I(andi, "andi") ENC_I(slli, "slli") ENC_I(srli, "srli") ENC_I(srai, "srai")
ENC_I(lb, "lb") ENC_I(lh, "lh") ENC_I(lw, "lw") ENC_I(lbu, "lbu") ENC_I(lhu, "lhu")
ENC_S(sb, "sb") ENC_S(sh, "sh") ENC_S(sw, "sw")
ENC_B(beq, "beq") ENC_B(bne, "bne") ENC_B(blt, "blt") ENC_B(bge, "bge") ENC_B(bltu, "bltu") ENC_B(bgeu, "bgeu")

#undef ENC_R
#undef ENC_I
#undef ENC_S
#undef ENC_B

constexpr uint32_t lui(uint32_t rd, uint32_t upper) {
    return write_u_imm(rd << 7 | OPCODE_LUI, static_cast<int32_t>(upper));
}
constexpr uint32_t auipc(uint32_t rd, uint32_t upper) {
    return write_u_imm(rd << 7 | OPCODE_AUIPC, static_cast<int32_t>(upper));
}
constexpr uint32_t jal(uint32_t rd, int32_t imm) { return write_j_imm(rd << 7 | OPCODE_JAL, imm); }
constexpr uint32_t NOP = addi(0, 0, 0);

// The encoders agree with the words the assembler writes.
static_assert(sltiu(2, 1, -1) == 0xfff0b113 && srai(7, 5, 1) == 0x4012d393 && sw(2, 1, 8) == 0x0020a423);
static_assert(lhu(5, 1, 6) == 0x0060d283 && bne(13, 0, -2) == 0xfe069fe3 && remu(6, 2, 3) == 0x02317333);
static_assert(NOP == 0x00000013);

}  // namespace enc
