// The instruction record, the decoder that builds it from a 32-bit RV32IM word,
// and its one-line assembly text. Both programs link this same module.
//
// The decoder never rejects a word: unknown opcodes get a diagnostic mnemonic
// (and two lines on standard error), undefined function codes a fallback name.
// Branch and jal immediates are read in the standard layout; in obj files they
// hold half the byte distance, which only the simulator knows about.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

enum InstructionType : uint32_t { R_TYPE = 0, I_TYPE = 1, S_TYPE = 2, B_TYPE = 3, U_TYPE = 4, J_TYPE = 5 };

// Zero-initialised: a record of an unidentified opcode keeps type R_TYPE and
// immediates 0, so it is printed and executed as an illegal R-type word.
struct Instruction {
    InstructionType type = R_TYPE;
    uint32_t opcode = 0;
    uint32_t rd = 0;
    uint32_t rs1 = 0;
    uint32_t rs2 = 0;
    uint32_t funct3 = 0;
    uint32_t funct7 = 0;
    int32_t imm = 0;
    uint32_t uimm = 0;
    uint32_t encoding = 0;
    std::string mnemonic;
};

inline const char* const UNIDENTIFIED_MNEMONIC = "CAN'T DETECT, GET DORVIK TO LOOK AT IT. decoder:63";

Instruction decode_instruction(uint32_t instruction);

// The same record without the diagnostic lines, for callers that decode a
// whole program and report its unidentified words themselves (word_report.h).
Instruction decode_quietly(uint32_t instruction);

// Whether some instruction of the list has this opcode.
bool has_known_opcode(uint32_t opcode);
// The two diagnostic lines of a word whose opcode is unknown.
void print_unidentified(const Instruction& instr);

void decode_r_type(Instruction& instr);
void decode_i_type(Instruction& instr);
void decode_s_type(Instruction& instr);
void decode_b_type(Instruction& instr);
void decode_u_type(Instruction& instr);
void decode_j_type(Instruction& instr);

std::string instr_to_string(const Instruction& instr);
std::ostream& operator<<(std::ostream& os, const Instruction& instr);
std::istream& operator>>(std::istream& is, Instruction& instr);
