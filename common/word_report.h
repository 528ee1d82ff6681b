// The decoder's diagnostics for a whole program, as both programs give them:
// the two lines for each of the first LISTED_UNIDENTIFIED words that are not
// instructions, then one line that counts the rest. A string or a small table
// in the code is listed whole; `.zero 0x1000000` in .text costs one line, not
// 32 million.
#pragma once

#include "decoder.h"

#include <cstdint>

// Sixteen words: a string of 64 characters, or a table of 16 entries.
constexpr uint64_t LISTED_UNIDENTIFIED = 16;

// The unidentified words of one program seen so far.
struct unidentified_words {
    uint64_t count = 0;
};

void note_unidentified(const Instruction& instr, unidentified_words& seen);

// decode_instruction for one word of a whole program.
inline Instruction decode_in_program(uint32_t word, unidentified_words& seen) {
    Instruction instr = decode_quietly(word);
    if (!has_known_opcode(instr.opcode)) note_unidentified(instr, seen);
    return instr;
}

// The line that counts the words past the listed ones; nothing when there are none.
void report_unlisted(const unidentified_words& seen);
