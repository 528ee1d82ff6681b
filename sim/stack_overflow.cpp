#include "stack_overflow.h"

#include "opcodes.h"
#include "riscv_constants.h"

std::optional<std::string> stack_overflow_note(const riscv_prog& prog) {
    const uint32_t pc = prog.get_pc();
    if (!prog.has_instr(pc)) return std::nullopt;
    const Instruction& instr = prog.get_instr(pc);
    if (instr.opcode != OPCODE_LOAD && instr.opcode != OPCODE_STORE) return std::nullopt;
    const auto just_below = [](uint32_t address) {
        return address < INITIAL_DATA_OFFSET && address >= INITIAL_DATA_OFFSET - STACK_OVERFLOW_REACH;
    };
    const uint32_t address = static_cast<uint32_t>(prog.get_register(instr.rs1)) + static_cast<uint32_t>(instr.imm);
    // At -O0 the frame is reached through x8 (s0), which follows sp down.
    const bool through_stack = instr.rs1 == 2 || just_below(static_cast<uint32_t>(prog.get_register(2)));
    if (!through_stack || !just_below(address)) return std::nullopt;
    return "The stack overflowed: x2 (sp) went below the data segment's start at 0x20000000. Give the program a "
           "larger stack: more bytes in the .space before stack_top in its start-up code (docs/compiled-c.md#the-stack)";
}
