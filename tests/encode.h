// Instruction encoders for the tests, in the standard RV32 field layout. The B
// and J encoders take the immediate the decoder reads back, which in obj files
// is half the byte distance.
#pragma once

#include <cstdint>

namespace enc {

constexpr uint32_t u(int32_t v) { return static_cast<uint32_t>(v); }

constexpr uint32_t r(uint32_t f7, uint32_t rs2, uint32_t rs1, uint32_t f3, uint32_t rd, uint32_t opc = 0x33) {
    return f7 << 25 | rs2 << 20 | rs1 << 15 | f3 << 12 | rd << 7 | opc;
}
constexpr uint32_t i(int32_t imm, uint32_t rs1, uint32_t f3, uint32_t rd, uint32_t opc = 0x13) {
    return (u(imm) & 0xfff) << 20 | rs1 << 15 | f3 << 12 | rd << 7 | opc;
}
constexpr uint32_t s(int32_t imm, uint32_t rs2, uint32_t rs1, uint32_t f3) {
    return ((u(imm) >> 5) & 0x7f) << 25 | rs2 << 20 | rs1 << 15 | f3 << 12 | (u(imm) & 0x1f) << 7 | 0x23;
}
constexpr uint32_t b(int32_t imm, uint32_t rs2, uint32_t rs1, uint32_t f3) {
    const uint32_t v = u(imm);
    return ((v >> 12) & 1) << 31 | ((v >> 5) & 0x3f) << 25 | rs2 << 20 | rs1 << 15 | f3 << 12 |
           ((v >> 1) & 0xf) << 8 | ((v >> 11) & 1) << 7 | 0x63;
}
constexpr uint32_t lui(uint32_t rd, uint32_t upper) { return upper << 12 | rd << 7 | 0x37; }
constexpr uint32_t auipc(uint32_t rd, uint32_t upper) { return upper << 12 | rd << 7 | 0x17; }
constexpr uint32_t jal(uint32_t rd, int32_t imm) {
    const uint32_t v = u(imm);
    return ((v >> 20) & 1) << 31 | ((v >> 1) & 0x3ff) << 21 | ((v >> 11) & 1) << 20 | ((v >> 12) & 0xff) << 12 |
           rd << 7 | 0x6f;
}

constexpr uint32_t addi(uint32_t rd, uint32_t rs1, int32_t imm) { return i(imm, rs1, 0, rd); }
constexpr uint32_t jalr(uint32_t rd, uint32_t rs1, int32_t imm) { return i(imm, rs1, 0, rd, 0x67); }
constexpr uint32_t add(uint32_t rd, uint32_t rs1, uint32_t rs2) { return r(0, rs2, rs1, 0, rd); }
constexpr uint32_t lw(uint32_t rd, uint32_t rs1, int32_t imm) { return i(imm, rs1, 2, rd, 0x03); }
constexpr uint32_t sw(uint32_t rs2, uint32_t rs1, int32_t imm) { return s(imm, rs2, rs1, 2); }
constexpr uint32_t bne(uint32_t rs1, uint32_t rs2, int32_t imm) { return b(imm, rs2, rs1, 1); }
constexpr uint32_t beq(uint32_t rs1, uint32_t rs2, int32_t imm) { return b(imm, rs2, rs1, 0); }
constexpr uint32_t NOP = 0x00000013;

}  // namespace enc
