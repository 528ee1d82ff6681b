// The relocation types orrik applies, one row per type: how the value is
// computed, which field it is written into, and how far that field reaches.
//
// Branch and jal fields store half the byte distance (half_distance): the
// simulator doubles it again, and obj files depend on that. So their reach is
// twice the usual one.
#pragma once

#include "decoder.h"

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <vector>

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

// The values a field can hold: lo..hi, a multiple of `step`.
struct field_reach {
    int64_t lo;
    int64_t hi;
    int64_t step;
};

// What orrik knows of a field, one row each.
struct field_row {
    field into;
    InstructionType format;  // of the word it lies in; R_TYPE for a field of no one word
    const char* name;        // in messages: "B"
    unsigned place_bytes;    // the bytes it patches
    unsigned data_bits;      // of a data field; 0 for instruction fields
    field_reach reach;
};
const field_row& row_of(field f);

bool is_data_field(field f);
bool fits(field f, int64_t value);

// A copy of `instruction` with `value` written into the field `into` (B and J:
// half of it). The word must be of the field's format: an R-type word (or one
// of no known format) is the error orrik has always stopped with.
std::expected<Instruction, std::string> relocate_instruction(const Instruction& instruction, field into,
                                                             uint32_t value);

// The little-endian value of `count` bytes (at most 4) at `at` of `bytes`.
uint32_t read_le(const std::vector<uint8_t>& bytes, size_t at, unsigned count);

// Writes a data field at `offset` of `bytes`, little-endian, keeping the bits
// around it: `set` puts `sum` there, otherwise `sum` is added to what the field
// holds, read as unsigned or as signed, whichever reading then fits. A place
// past the bytes (.bss) is left alone. On error, the unsigned sum that does
// not fit.
std::expected<void, int64_t> write_data_field(std::vector<uint8_t>& bytes, uint32_t offset, field into, bool set,
                                              int64_t sum);

// A branch or jal the assembler resolved itself (a number instead of a label)
// holds the whole byte distance: the word with half of it, as obj files hold
// it. The word itself when it is no branch or jal; none when its distance is
// not a multiple of 4.
std::optional<uint32_t> halve_jump(uint32_t word);
