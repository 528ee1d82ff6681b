// Selecting an instruction's operation from its format and mnemonic, once, so
// the executors switch on a small number instead of comparing text.
#include "simulator.h"

#include <span>
#include <string_view>

namespace {

struct named_op {
    std::string_view name;
    op operation;
};

constexpr named_op R_OPS[] = {
    {"add", op::ADD},   {"sub", op::SUB},       {"sll", op::SLL},     {"slt", op::SLT},
    {"sltu", op::SLTU}, {"xor", op::XOR},       {"srl", op::SRL},     {"sra", op::SRA},
    {"or", op::OR},     {"and", op::AND},       {"mul", op::MUL},     {"mulh", op::MULH},
    {"mulhsu", op::MULHSU}, {"mulhu", op::MULHU}, {"div", op::DIV},   {"divu", op::DIVU},
    {"rem", op::REM},   {"remu", op::REMU},
};
constexpr named_op I_OPS[] = {
    {"jalr", op::JALR}, {"addi", op::ADDI}, {"slti", op::SLTI}, {"sltiu", op::SLTIU},
    {"xori", op::XORI}, {"ori", op::ORI},   {"andi", op::ANDI}, {"slli", op::SLLI},
    {"srli", op::SRLI}, {"srai", op::SRAI}, {"lb", op::LB},     {"lh", op::LH},
    {"lw", op::LW},     {"lbu", op::LBU},   {"lhu", op::LHU},
};
constexpr named_op S_OPS[] = {{"sb", op::SB}, {"sh", op::SH}, {"sw", op::SW}};
constexpr named_op B_OPS[] = {{"beq", op::BEQ}, {"bne", op::BNE},   {"blt", op::BLT},
                              {"bge", op::BGE}, {"bltu", op::BLTU}, {"bgeu", op::BGEU}};
constexpr named_op U_OPS[] = {{"lui", op::LUI}, {"auipc", op::AUIPC}};

op find(std::span<const named_op> table, const std::string& mnemonic, op otherwise) {
    for (const named_op& entry : table)
        if (entry.name == mnemonic) return entry.operation;
    return otherwise;
}

}  // namespace

exec_slot select_op(const Instruction& instr) {
    exec_slot s;
    s.rd = static_cast<uint8_t>(instr.rd & 31);
    s.rs1 = static_cast<uint8_t>(instr.rs1 & 31);
    s.rs2 = static_cast<uint8_t>(instr.rs2 & 31);
    s.imm = instr.imm;
    switch (instr.type) {
        case R_TYPE: s.operation = find(R_OPS, instr.mnemonic, op::ILLEGAL_R); break;
        case I_TYPE: s.operation = find(I_OPS, instr.mnemonic, op::ILLEGAL_I); break;
        case S_TYPE: s.operation = find(S_OPS, instr.mnemonic, op::ILLEGAL_S); break;
        case B_TYPE: s.operation = find(B_OPS, instr.mnemonic, op::ILLEGAL_B); break;
        case U_TYPE: s.operation = find(U_OPS, instr.mnemonic, op::ILLEGAL_U); break;
        case J_TYPE: s.operation = op::JAL; break;  // the J format has only jal
        default: s.operation = op::ILLEGAL_TYPE; break;
    }
    return s;
}
