// The relocation types orrik knows, one row per type: how the value is
// computed, which field it is written into (and how far that field reaches),
// its name, the source words that make it, and what to write instead where
// orrik refuses it.
//
// Branch and jal fields store half the byte distance (half_distance): the
// simulator doubles it again, and obj files depend on that. So their reach is
// twice the usual one.
#pragma once

#include "decoder.h"
#include "elf_loader.h"

#include <cstdint>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How the value of a relocation is computed from the symbol's address S, the
// addend A and the address P of the place.
enum class value_rule : uint8_t {
    ABSOLUTE,     // S + A
    PC_RELATIVE,  // S + A - P
    PCREL_LO,     // the value of the %pcrel_hi relocation at S (the auipc's label)
    ADD,          // what the place holds, plus S + A
    SUB,          // what the place holds, minus S + A
    MARKER,       // nothing to patch (relaxation and alignment marks)
    REFUSED,      // a type orrik does not apply
};

// Where the value goes. Instruction fields take the low bits they need (U rounds
// so that a following I or S part adds up); data fields are little-endian.
enum class field : uint8_t { NONE, B, J, U, I, S, CALL, DATA6, DATA8, DATA16, DATA32 };

struct relocation_rule {
    uint32_t type;
    const char* name;
    value_rule value;
    field into;
    // The words of the source that write it (blank-separated, lower case), for
    // finding its line: "beq bne ..." for a branch, the data directives for a
    // data field; empty when any word may.
    std::string_view words;
    // For a refused type a program can ask for by itself: what to write instead.
    std::string_view hint;
    bool hint_replaces_refusal;  // the hint is the whole reason, not an addition to "not supported"
    bool pcrel_hi;               // a %pcrel_hi of some kind, which %pcrel_lo relocations name
};

// The row of a relocation type; nullptr for a number no row names.
const relocation_rule* find_relocation_rule(uint32_t type);

// Its name, or "type 99" for a number no row names.
std::string relocation_type_name(uint32_t type);

// The words of the source that write a relocation of this type; empty when any word may.
std::string_view words_writing(uint32_t type);
// Those that wrote `relo`, whose section holds `bytes`. An assembler may write
// a conditional branch as the inverted branch over a jal (clang 19 does for a
// label in another section): for such a jal, those of a branch.
std::string_view words_writing(const relocation& relo, const std::vector<uint8_t>& bytes);

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
    uint32_t (*write)(uint32_t word, uint32_t value);  // into an instruction word; none for other fields
};
const field_row& row_of(field f);

bool is_data_field(field f);
bool fits(field f, int64_t value);

// A copy of `instruction` with `value` written into the field `into` (B and J:
// half of it). The word must be of the field's format: an R-type word (or one
// of no known format) is the error orrik has always stopped with.
std::expected<Instruction, std::string> relocate_instruction(const Instruction& instruction, field into,
                                                             uint32_t value);


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
