// The immediate fields of the RV32 instruction formats, a reader and a writer
// per format side by side. The masks are written as binary literals whose digit
// groups follow the format diagrams:
//
//            31      25 24  20 19  15 14 12 11       7 6     0
//   I        imm[11:0]         rs1    funct3 rd        opcode
//   S        imm[11:5] rs2     rs1    funct3 imm[4:0]  opcode
//   B        imm[12|10:5] rs2  rs1    funct3 imm[4:1|11] opcode
//   U        imm[31:12]                      rd        opcode
//   J        imm[20|10:1|11|19:12]           rd        opcode
//
// Writers clear the field before they set it, so a word can be patched twice.
// The decoder, the linker and the tests' encoders all use these.
#pragma once

#include "bits.h"

#include <cstdint>

constexpr uint32_t I_IMM_MASK = 0b111111111111'00000'000'00000'0000000;
constexpr uint32_t S_IMM_MASK = 0b1111111'00000'00000'000'11111'0000000;
constexpr uint32_t B_IMM_MASK = 0b1'111111'00000'00000'000'1111'1'0000000;
constexpr uint32_t U_IMM_MASK = 0b11111111111111111111'00000'0000000;
constexpr uint32_t J_IMM_MASK = 0b1'1111111111'1'11111111'00000'0000000;

// The sign-extended 12-bit immediate.
constexpr int32_t read_i_imm(uint32_t w) { return sign_extend(bits(w, 31, 20), 12); }
constexpr uint32_t write_i_imm(uint32_t w, int32_t imm) {
    const uint32_t v = static_cast<uint32_t>(imm);
    return (w & ~I_IMM_MASK) | bits(v, 11, 0) << 20;
}

constexpr int32_t read_s_imm(uint32_t w) { return sign_extend(bits(w, 31, 25) << 5 | bits(w, 11, 7), 12); }
constexpr uint32_t write_s_imm(uint32_t w, int32_t imm) {
    const uint32_t v = static_cast<uint32_t>(imm);
    return (w & ~S_IMM_MASK) | bits(v, 11, 5) << 25 | bits(v, 4, 0) << 7;
}

// The 13-bit immediate with bit 0 implied zero.
constexpr int32_t read_b_imm(uint32_t w) {
    return sign_extend(bit(w, 31) << 12 | bit(w, 7) << 11 | bits(w, 30, 25) << 5 | bits(w, 11, 8) << 1, 13);
}
constexpr uint32_t write_b_imm(uint32_t w, int32_t imm) {
    const uint32_t v = static_cast<uint32_t>(imm);
    return (w & ~B_IMM_MASK) | bit(v, 12) << 31 | bits(v, 10, 5) << 25 | bits(v, 4, 1) << 8 | bit(v, 11) << 7;
}

// The 20-bit upper immediate, as it stands in the word (not shifted by 12).
constexpr int32_t read_u_imm(uint32_t w) { return sign_extend(bits(w, 31, 12), 20); }
constexpr uint32_t write_u_imm(uint32_t w, int32_t imm) {
    return (w & ~U_IMM_MASK) | bits(static_cast<uint32_t>(imm), 19, 0) << 12;
}

// The 21-bit immediate with bit 0 implied zero.
constexpr int32_t read_j_imm(uint32_t w) {
    return sign_extend(bit(w, 31) << 20 | bits(w, 19, 12) << 12 | bit(w, 20) << 11 | bits(w, 30, 21) << 1, 21);
}
constexpr uint32_t write_j_imm(uint32_t w, int32_t imm) {
    const uint32_t v = static_cast<uint32_t>(imm);
    return (w & ~J_IMM_MASK) | bit(v, 20) << 31 | bits(v, 10, 1) << 21 | bit(v, 11) << 20 | bits(v, 19, 12) << 12;
}

// A branch or jal immediate in an obj file holds half the byte distance (the
// distance is a multiple of 4 there, so nothing is lost): the linker halves
// what it writes, the simulator doubles what it reads, modulo 2^32 as the pc.
constexpr int32_t half_distance(int32_t distance) { return distance / 2; }
constexpr uint32_t whole_distance(int32_t half) { return static_cast<uint32_t>(half) * 2; }

// Every writer reads back what it wrote, and touches only its own field.
static_assert(read_i_imm(write_i_imm(0xffffffff, -2048)) == -2048 && (write_i_imm(0xffffffff, 0) | I_IMM_MASK) == 0xffffffff);
static_assert(read_s_imm(write_s_imm(0, 2047)) == 2047 && write_s_imm(0xffffffff, 0) == ~S_IMM_MASK);
static_assert(read_b_imm(write_b_imm(0, -4096)) == -4096 && write_b_imm(0xffffffff, 0) == ~B_IMM_MASK);
static_assert(read_u_imm(write_u_imm(0, -1)) == -1 && write_u_imm(0xffffffff, 0) == ~U_IMM_MASK);
static_assert(read_j_imm(write_j_imm(0, 1048574)) == 1048574 && write_j_imm(0xffffffff, 0) == ~J_IMM_MASK);
static_assert(whole_distance(half_distance(-8192)) == static_cast<uint32_t>(-8192));
