// What the console's command handlers share: the session a line runs in, and
// the readers of the words that several commands take.
#pragma once

#include "console.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <sstream>
#include <string>

struct session {
    console_state& console;  // console.at_terminal: a person reads the output, and is told more
    riscv_prog& prog;
    std::istringstream& words;
    const line_source& from;
};

std::optional<std::string> next_word(std::istringstream& words);

// `width` (at most 8) lower-case hexadecimal digits of `value`, zero-padded;
// the stream's base, width and fill are left as they were.
std::ostream& hex(std::ostream& os, uint32_t value, int width);

// A label, a register (x5, a0, sp ...), either of them plus or minus a decimal
// (or 0x hexadecimal) offset, or a hexadecimal number: the address word of
// break, del, dump, mem, watch, unwatch. Says so on standard error when the
// word is none of these.
std::optional<uint32_t> address_of(const session& s, const std::string& word);

// At a terminal, after the message about a word that is no label: the label
// spelt like it, if there is one.
void suggest_label(const session& s, const std::string& word);

// Tells why `count` bytes from `address` were refused, on standard error.
void outside_data(const char* refusal, uint32_t address, uint32_t count);
