// Selecting an instruction's operation from its fields, once, so the executors
// switch on a small number instead of comparing text.
#include "simulator.h"

#include "riscv_format.h"

#include <optional>

namespace {

// The operation of a word of each format that no row has (the J format has only jal).
constexpr op REFUSED[] = {op::ILLEGAL_R, op::ILLEGAL_I, op::ILLEGAL_S, op::ILLEGAL_B, op::ILLEGAL_U, op::JAL};

op operation_of(const Instruction& instr) {
    if (instr.type >= std::size(REFUSED)) return op::ILLEGAL_TYPE;
    // A row of another format than the record's would run in the wrong executor.
    const std::optional<uint32_t> row = find_instruction(instr.opcode, instr.funct3, instr.funct7);
    if (row && INSTRUCTIONS[*row].format == instr.type) return static_cast<op>(*row + 1);  // after op::NONE
    return REFUSED[instr.type];
}

}  // namespace

exec_slot select_op(const Instruction& instr) {
    exec_slot s;
    // Stores and branches have no destination: bits 11:7 of their word are
    // immediate bits, and read as rd they would have back rewrite a register.
    const bool writes_rd = instr.type != S_TYPE && instr.type != B_TYPE;
    s.rd = writes_rd ? static_cast<uint8_t>(instr.rd & 31) : 0;
    s.rs1 = static_cast<uint8_t>(instr.rs1 & 31);
    s.rs2 = static_cast<uint8_t>(instr.rs2 & 31);
    s.operation = operation_of(instr);
    // Doubled here once rather than at every execution, where it would lengthen
    // the chain from one pc to the next.
    const bool jumps = instr.type == B_TYPE || instr.type == J_TYPE;
    s.imm = jumps ? static_cast<int32_t>(whole_distance(instr.imm)) : instr.imm;
    return s;
}
