#include "call_check.h"

#include "simulator.h"

namespace {

// The format of an operation of the instruction list; a refused word reads and writes nothing.
std::optional<InstructionType> format_of(op operation) {
    const auto row = static_cast<std::size_t>(operation) - 1;  // after op::NONE
    if (operation == op::NONE || row >= std::size(INSTRUCTIONS)) return std::nullopt;
    return INSTRUCTIONS[row].format;
}

uint32_t bit(uint8_t reg) { return uint32_t{1} << reg; }

// The registers an instruction's value depends on: a store's value register is
// only copied to memory, so it is left out.
uint32_t registers_read(const exec_slot& s) {
    switch (format_of(s.operation).value_or(J_TYPE)) {
        case R_TYPE:
        case B_TYPE: return bit(s.rs1) | bit(s.rs2);
        case I_TYPE:
        case S_TYPE: return bit(s.rs1);
        case U_TYPE:
        case J_TYPE: return 0;
    }
    return 0;
}

}  // namespace

void call_check::note_reads(const exec_slot& s, uint32_t pc) {
    const uint32_t unwritten = registers_read(s) & ~written & ~reported;
    for (uint8_t reg = 0; reg < 32; ++reg)
        if (unwritten & bit(reg)) reads.push_back({pc, reg});
    reported |= unwritten;
}

void call_check::note_write(const exec_slot& s) {
    const auto format = format_of(s.operation);
    if (format && *format != S_TYPE && *format != B_TYPE) written |= bit(s.rd);
}

kept_values kept(const std::array<int32_t, 32>& registers) {
    kept_values values{};
    for (std::size_t i = 0; i < KEPT_REGISTERS.size(); ++i) values[i] = registers[KEPT_REGISTERS[i]];
    return values;
}

std::optional<std::size_t> first_change(const kept_values& at_call, const std::array<int32_t, 32>& registers) {
    for (std::size_t i = 0; i < KEPT_REGISTERS.size(); ++i)
        if (registers[KEPT_REGISTERS[i]] != at_call[i]) return i;
    return std::nullopt;
}
