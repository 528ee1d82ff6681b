// The major opcodes (bits 6..0 of a word) of the RV32IM instructions, named as
// in the RISC-V opcode map. The decoder, the linker and the tests' encoders
// use these names instead of the bare numbers.
#pragma once

#include <cstdint>

constexpr uint32_t OPCODE_LOAD = 0x03;
constexpr uint32_t OPCODE_OP_IMM = 0x13;
constexpr uint32_t OPCODE_AUIPC = 0x17;
constexpr uint32_t OPCODE_STORE = 0x23;
constexpr uint32_t OPCODE_OP = 0x33;
constexpr uint32_t OPCODE_LUI = 0x37;
constexpr uint32_t OPCODE_BRANCH = 0x63;
constexpr uint32_t OPCODE_JALR = 0x67;
constexpr uint32_t OPCODE_JAL = 0x6f;
constexpr uint32_t OPCODE_SYSTEM = 0x73;  // ecall and the like: instructions this machine does not run

// Whole words the linker writes or looks for.
constexpr uint32_t NOP = 0x00000013;    // addi x0, x0, 0
constexpr uint32_t ECALL = 0x00000073;
