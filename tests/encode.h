// Instruction encoders for the tests, in the standard RV32 field layout. The B
// and J encoders take the immediate the decoder reads back, which in obj files
// is half the byte distance.
#pragma once

#include "riscv_format.h"

#include <cstdint>

namespace enc {

constexpr uint32_t r(uint32_t f7, uint32_t rs2, uint32_t rs1, uint32_t f3, uint32_t rd, uint32_t opc = 0x33) {
    return f7 << 25 | rs2 << 20 | rs1 << 15 | f3 << 12 | rd << 7 | opc;
}
constexpr uint32_t i(int32_t imm, uint32_t rs1, uint32_t f3, uint32_t rd, uint32_t opc = 0x13) {
    return write_i_imm(rs1 << 15 | f3 << 12 | rd << 7 | opc, imm);
}
constexpr uint32_t s(int32_t imm, uint32_t rs2, uint32_t rs1, uint32_t f3) {
    return write_s_imm(rs2 << 20 | rs1 << 15 | f3 << 12 | 0x23, imm);
}
constexpr uint32_t b(int32_t imm, uint32_t rs2, uint32_t rs1, uint32_t f3) {
    return write_b_imm(rs2 << 20 | rs1 << 15 | f3 << 12 | 0x63, imm);
}
constexpr uint32_t lui(uint32_t rd, uint32_t upper) { return write_u_imm(rd << 7 | 0x37, static_cast<int32_t>(upper)); }
constexpr uint32_t auipc(uint32_t rd, uint32_t upper) { return write_u_imm(rd << 7 | 0x17, static_cast<int32_t>(upper)); }
constexpr uint32_t jal(uint32_t rd, int32_t imm) { return write_j_imm(rd << 7 | 0x6f, imm); }

constexpr uint32_t addi(uint32_t rd, uint32_t rs1, int32_t imm) { return i(imm, rs1, 0, rd); }
constexpr uint32_t jalr(uint32_t rd, uint32_t rs1, int32_t imm) { return i(imm, rs1, 0, rd, 0x67); }
constexpr uint32_t add(uint32_t rd, uint32_t rs1, uint32_t rs2) { return r(0, rs2, rs1, 0, rd); }
constexpr uint32_t lw(uint32_t rd, uint32_t rs1, int32_t imm) { return i(imm, rs1, 2, rd, 0x03); }
constexpr uint32_t sw(uint32_t rs2, uint32_t rs1, int32_t imm) { return s(imm, rs2, rs1, 2); }
constexpr uint32_t bne(uint32_t rs1, uint32_t rs2, int32_t imm) { return b(imm, rs2, rs1, 1); }
constexpr uint32_t beq(uint32_t rs1, uint32_t rs2, int32_t imm) { return b(imm, rs2, rs1, 0); }
constexpr uint32_t NOP = 0x00000013;

}  // namespace enc
