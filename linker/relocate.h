// The relocation types orrik applies, one row per type: how the value is
// computed, which field it is written into, and how far that field reaches.
//
// Branch and jal fields store half the byte distance: the simulator doubles it
// again, and obj files depend on that. So their reach is twice the usual one.
#pragma once

#include "decoder.h"

#include <cstdint>
#include <expected>
#include <string>

// How the value of a relocation is computed from the symbol's address S, the
// addend A and the address P of the place.
enum class value_rule : uint8_t {
    ABSOLUTE,     // S + A
    PC_RELATIVE,  // S + A - P
    PCREL_LO,     // the value of the %pcrel_hi relocation at S (the auipc's label)
    ADD,          // what the place holds, plus S + A
    SUB,          // what the place holds, minus S + A
    MARKER,       // nothing to patch (R_RISCV_RELAX, R_RISCV_ALIGN)
};

// Where the value goes. Instruction fields take the low bits they need (U rounds
// so that a following I or S part adds up); data fields are little-endian.
enum class field : uint8_t { NONE, B, J, U, I, S, CALL, DATA6, DATA8, DATA16, DATA32 };

struct relocation_rule {
    uint32_t type;
    const char* name;
    value_rule value;
    field into;
};

// The rule for a relocation type; nullptr for a type orrik does not apply.
const relocation_rule* find_relocation_rule(uint32_t type);

// "R_RISCV_GOT_HI20", or "type 99" for a number no rule or ELF header names.
std::string relocation_type_name(uint32_t type);

// For a refused type a program can ask for by itself: "; " and what to write
// instead. Empty for the rest.
std::string refusal_hint(uint32_t type);

bool is_data_field(field f);
unsigned data_field_bits(field f);

// The values a field can hold: lo..hi, a multiple of `step`.
struct field_reach {
    int64_t lo;
    int64_t hi;
    int64_t step;
};
field_reach reach_of(field f);
bool fits(field f, int64_t value);

// A copy of `instruction` with `value` written into the field `into` (B and J:
// half of it). The word must be of the field's format: an R-type word (or one
// of no known format) is the error orrik has always stopped with.
std::expected<Instruction, std::string> relocate_instruction(const Instruction& instruction, field into,
                                                             uint32_t value);
