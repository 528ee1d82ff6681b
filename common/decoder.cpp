#include "decoder.h"

#include "bits.h"
#include "hex_text.h"
#include "instruction_list.h"
#include "riscv_format.h"

#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string_view>

namespace {

// The names of words whose function codes no row of the instruction list has.
constexpr std::string_view BAD_R20 = "error_r20";  // funct7 0x20
constexpr std::string_view BAD_I = "FUCKKKKKKKKKKKKKKKKKKKK";
constexpr std::string_view BAD_S = "unknown_s";
constexpr std::string_view BAD_B = "unknown_b";

[[gnu::always_inline]] inline void name(Instruction& instr, std::string_view otherwise) {
    const std::optional<uint32_t> row = find_instruction(instr.opcode, instr.funct3, instr.funct7);
    instr.mnemonic = row ? INSTRUCTIONS[*row].mnemonic : otherwise;
}

}  // namespace

void decode_r_type(Instruction& instr) {
    instr.imm = 0;
    instr.uimm = 0;
    name(instr, instr.funct7 == 0x20 ? BAD_R20 : "");  // any other undefined funct7: no name
}

void decode_i_type(Instruction& instr) {
    const uint32_t w = instr.encoding;
    instr.uimm = bits(w, 31, 20);
    instr.imm = read_i_imm(w);
    const bool is_shift = instr.opcode == OPCODE_OP_IMM && (instr.funct3 == 1 || instr.funct3 == 5);
    if (is_shift) {
        instr.uimm &= 0x1f;
        instr.imm &= 0x1f;
    }
    name(instr, BAD_I);
}

void decode_s_type(Instruction& instr) {
    instr.imm = read_s_imm(instr.encoding);
    name(instr, BAD_S);
}

void decode_b_type(Instruction& instr) {
    instr.imm = read_b_imm(instr.encoding);
    name(instr, BAD_B);
}

void decode_u_type(Instruction& instr) {
    instr.imm = read_u_imm(instr.encoding);
    name(instr, "");
}

void decode_j_type(Instruction& instr) {
    instr.imm = read_j_imm(instr.encoding);
    name(instr, "");
}

bool has_known_opcode(uint32_t opcode) { return format_of_opcode(opcode).has_value(); }

Instruction decode_quietly(uint32_t instruction) {
    Instruction instr;
    instr.opcode = bits(instruction, 6, 0);
    instr.rd = bits(instruction, 11, 7);
    instr.rs1 = bits(instruction, 19, 15);
    instr.rs2 = bits(instruction, 24, 20);
    instr.funct3 = bits(instruction, 14, 12);
    instr.funct7 = instruction >> 25;
    instr.encoding = instruction;
    const std::optional<InstructionType> format = format_of_opcode(instr.opcode);
    if (!format) {
        instr.mnemonic = UNIDENTIFIED_MNEMONIC;
        return instr;
    }
    instr.type = *format;
    switch (*format) {
        case R_TYPE: decode_r_type(instr); break;
        case I_TYPE: decode_i_type(instr); break;
        case S_TYPE: decode_s_type(instr); break;
        case B_TYPE: decode_b_type(instr); break;
        case U_TYPE: decode_u_type(instr); break;
        case J_TYPE: decode_j_type(instr); break;
    }
    return instr;
}

void print_unidentified(const Instruction& instr) {
    std::cerr << "ERROR IN DECODE: UNIDENTIFIED OPCODE: " << hex_digits(instr.opcode) << std::endl;
    std::cerr << "ENCODING: " << hex_word(instr.encoding) << std::endl;
}

Instruction decode_instruction(uint32_t instruction) {
    Instruction instr = decode_quietly(instruction);
    if (!has_known_opcode(instr.opcode)) print_unidentified(instr);
    return instr;
}

std::string instr_to_string(const Instruction& instr) {
    std::ostringstream out;
    out << instr.mnemonic << '\t';
    switch (instr.type) {
        case R_TYPE: out << 'x' << instr.rd << ", x" << instr.rs1 << ", x" << instr.rs2; break;
        case I_TYPE:
            if (instr.opcode == OPCODE_OP_IMM)
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
