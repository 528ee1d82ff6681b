// Patching one instruction word with a resolved address or distance, in the
// bit layout of its decoded format. Branch and jal distances are stored
// halved: the simulator doubles them again, and obj files depend on that.
#pragma once

#include "decoder.h"

#include <cstdint>
#include <expected>
#include <string>

// A copy of `instruction` whose encoding has the value ORed into its immediate
// fields: label_address for I, S and U; label_address - instr_address for B and J.
// An R-type word (or a record of no known format) cannot be patched: that is
// the error, with the message orrik prints before it stops.
std::expected<Instruction, std::string> relocate_instruction(const Instruction& instruction, int32_t instr_address,
                                                             int32_t label_address);

void i_relocate(Instruction& instr, int32_t a);
void s_relocate(Instruction& instr, int32_t a);
void b_relocate(Instruction& instr, int32_t a);
void u_relocate(Instruction& instr, int32_t a);
void j_relocate(Instruction& instr, int32_t a);
