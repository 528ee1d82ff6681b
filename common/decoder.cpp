#include "decoder.h"

#include "bits.h"
#include "riscv_format.h"

#include <array>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace {

using names = std::array<const char*, 8>;  // indexed by funct3

constexpr names R_BASE = {"add", "sll", "slt", "sltu", "xor", "srl", "or", "and"};
constexpr names R_MULDIV = {"mul", "mulh", "mulhsu", "mulhu", "div", "divu", "rem", "remu"};
constexpr names R_ALT = {"sub", "error_r20", "error_r20", "error_r20",
                         "error_r20", "sra", "error_r20", "error_r20"};

constexpr const char* BAD_I = "FUCKKKKKKKKKKKKKKKKKKKK";
constexpr names I_ARITH = {"addi", "slli", "slti", "sltiu", "xori", "srli", "ori", "andi"};
constexpr names I_LOAD = {"lb", "lh", "lw", BAD_I, "lbu", "lhu", BAD_I, BAD_I};
constexpr names S_STORE = {"sb", "sh", "sw", "unknown_s", "unknown_s", "unknown_s", "unknown_s", "unknown_s"};
constexpr names B_BRANCH = {"beq", "bne", "unknown_b", "unknown_b", "blt", "bge", "bltu", "bgeu"};

}  // namespace

void decode_r_type(Instruction& instr) {
    instr.imm = 0;
    instr.uimm = 0;
    switch (instr.funct7) {
        case 0x00: instr.mnemonic = R_BASE[instr.funct3]; break;
        case 0x01: instr.mnemonic = R_MULDIV[instr.funct3]; break;
        case 0x20: instr.mnemonic = R_ALT[instr.funct3]; break;
        default: break;  // undefined funct7: the mnemonic stays empty
    }
}

void decode_i_type(Instruction& instr) {
    const uint32_t w = instr.encoding;
    instr.uimm = bits(w, 31, 20);
    instr.imm = read_i_imm(w);
    if (instr.opcode == 0x03) {
        instr.mnemonic = I_LOAD[instr.funct3];
    } else if (instr.opcode == 0x67) {
        instr.mnemonic = instr.funct3 == 0 ? "jalr" : BAD_I;
    } else {
        const bool is_shift = instr.funct3 == 1 || instr.funct3 == 5;
        if (is_shift) {
            instr.uimm &= 0x1f;
            instr.imm &= 0x1f;
        }
        instr.mnemonic = I_ARITH[instr.funct3];
        if (instr.funct3 == 5 && instr.funct7 != 0) instr.mnemonic = "srai";
    }
}

void decode_s_type(Instruction& instr) {
    instr.imm = read_s_imm(instr.encoding);
    instr.mnemonic = S_STORE[instr.funct3];
}

void decode_b_type(Instruction& instr) {
    instr.imm = read_b_imm(instr.encoding);
    instr.mnemonic = B_BRANCH[instr.funct3];
}

void decode_u_type(Instruction& instr) {
    instr.imm = read_u_imm(instr.encoding);
    instr.mnemonic = instr.opcode == 0x17 ? "auipc" : "lui";
}

void decode_j_type(Instruction& instr) {
    instr.imm = read_j_imm(instr.encoding);
    instr.mnemonic = "jal";
}

Instruction decode_quietly(uint32_t instruction) {
    Instruction instr;
    instr.opcode = bits(instruction, 6, 0);
    instr.rd = bits(instruction, 11, 7);
    instr.rs1 = bits(instruction, 19, 15);
    instr.rs2 = bits(instruction, 24, 20);
    instr.funct3 = bits(instruction, 14, 12);
    instr.funct7 = instruction >> 25;
    instr.encoding = instruction;
    switch (instr.opcode) {
        case 0x33: instr.type = R_TYPE; decode_r_type(instr); break;
        case 0x03:
        case 0x13:
        case 0x67: instr.type = I_TYPE; decode_i_type(instr); break;
        case 0x23: instr.type = S_TYPE; decode_s_type(instr); break;
        case 0x63: instr.type = B_TYPE; decode_b_type(instr); break;
        case 0x17:
        case 0x37: instr.type = U_TYPE; decode_u_type(instr); break;
        case 0x6f: instr.type = J_TYPE; decode_j_type(instr); break;
        default: instr.mnemonic = UNIDENTIFIED_MNEMONIC; break;
    }
    return instr;
}

void print_unidentified(const Instruction& instr) {
    // The hex base and '0' fill stay on std::cerr afterwards, as they always have.
    std::cerr << "ERROR IN DECODE: UNIDENTIFIED OPCODE: " << std::hex << instr.opcode << std::endl;
    std::cerr << "ENCODING: 0x" << std::setfill('0') << std::setw(8) << instr.encoding << std::endl;
}

Instruction decode_instruction(uint32_t instruction) {
    Instruction instr = decode_quietly(instruction);
    if (!has_known_opcode(instr.opcode)) print_unidentified(instr);
    return instr;
}

std::string instr_to_string(const Instruction& instr) {
    std::ostringstream out;
    out << instr.mnemonic << '\t' << std::dec;
    switch (instr.type) {
        case R_TYPE: out << 'x' << instr.rd << ", x" << instr.rs1 << ", x" << instr.rs2; break;
        case I_TYPE:
            if (instr.opcode == 0x13)
                out << 'x' << instr.rd << ", x" << instr.rs1 << ", " << instr.imm;
            else
                out << 'x' << instr.rd << ", " << instr.imm << "(x" << instr.rs1 << ')';
            break;
        case S_TYPE: out << 'x' << instr.rs2 << ", " << instr.imm << "(x" << instr.rs1 << ')'; break;
        case B_TYPE: out << 'x' << instr.rs1 << ", x" << instr.rs2 << ", " << instr.imm; break;
        case U_TYPE:
        case J_TYPE: out << 'x' << instr.rd << ", " << instr.imm; break;
        default:
            std::cerr << "WHAT THE FUCKKKKKKKKKKKK ILLEGAL INSTRUCTION TYPE" << std::endl;
            std::exit(1);
    }
    return out.str();
}

std::ostream& operator<<(std::ostream& os, const Instruction& instr) { return os << instr_to_string(instr); }

std::istream& operator>>(std::istream& is, Instruction& instr) {
    // A stream that is already failed delivers nothing; the record is left as it was.
    if (!is) return is;
    int32_t word = 0;
    is >> word;
    instr = decode_instruction(static_cast<uint32_t>(word));
    return is;
}
