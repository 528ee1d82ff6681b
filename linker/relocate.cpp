#include "relocate.h"

#include "bits.h"

// The low 12 bits of a to word bits 31..20.
void i_relocate(Instruction& instr, int32_t a) { instr.encoding |= static_cast<uint32_t>(a) << 20; }

// a bits 11..5 to word bits 31..25, a bits 4..0 to word bits 11..7.
void s_relocate(Instruction& instr, int32_t a) {
    const uint32_t v = static_cast<uint32_t>(a);
    instr.encoding |= bits(v, 11, 5) << 25 | bits(v, 4, 0) << 7;
}

// The upper 20 bits, rounded so that the sign-extended low 12 bits of an
// addi, load or store %lo(a) add up to a again.
void u_relocate(Instruction& instr, int32_t a) {
    instr.encoding |= (static_cast<uint32_t>(a) + 0x800) & 0xfffff000;
}

// Half the distance, in the standard B field positions.
void b_relocate(Instruction& instr, int32_t a) {
    const uint32_t h = static_cast<uint32_t>(a >> 1);
    instr.encoding |= bit(h, 12) << 31 | bits(h, 10, 5) << 25 | bits(h, 4, 1) << 8 | bit(h, 11) << 7;
}

// Half the distance, in the standard J field positions.
void j_relocate(Instruction& instr, int32_t a) {
    const uint32_t h = static_cast<uint32_t>(a >> 1);
    instr.encoding |= bit(h, 20) << 31 | bits(h, 10, 1) << 21 | bit(h, 11) << 20 | bits(h, 19, 12) << 12;
}

std::expected<Instruction, std::string> relocate_instruction(const Instruction& instruction, int32_t instr_address,
                                                             int32_t label_address) {
    Instruction patched = instruction;
    const int32_t distance = static_cast<int32_t>(static_cast<uint32_t>(label_address) - static_cast<uint32_t>(instr_address));
    switch (instruction.type) {
        case R_TYPE: return std::unexpected("POKE DORVIK: WHY ARE WE RELOCATING AN R TYPE?????????");
        case I_TYPE: i_relocate(patched, label_address); break;
        case S_TYPE: s_relocate(patched, label_address); break;
        case B_TYPE: b_relocate(patched, distance); break;
        case U_TYPE: u_relocate(patched, label_address); break;
        case J_TYPE: j_relocate(patched, distance); break;
        default: return std::unexpected("WHAT THE FUCKKKKKKKKKKKK ILLEGAL INSTRUCTION TYPE IN RELOCATION");
    }
    return patched;
}
