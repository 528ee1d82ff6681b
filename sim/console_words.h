// What the console's command handlers share: the session a line runs in, and
// the readers of the words that several commands take.
#pragma once

#include "console.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

struct session {
    console_state& console;  // console.at_terminal: a person reads the output, and is told more
    riscv_prog& prog;
    std::istringstream& words;
    const line_source& from;
};

std::optional<std::string> next_word(std::istringstream& words);

// Digits in `base` as a 32-bit number; nothing, and nothing printed, when they are not.
std::optional<uint32_t> digits_value(std::string_view text, uint32_t base);

// A label's address, a register's value, or a hexadecimal number (0x or x before it, or not).
std::optional<uint32_t> base_value(const riscv_prog& prog, std::string_view text);

// `digits` lower-case hexadecimal digits of `value` at `out`, without a
// stream: the files of dump and info have one number a line, millions of
// them. Returns the end.
char* put_hex(char* out, uint32_t value, int digits);

// `width` (at most 8) lower-case hexadecimal digits of `value`, zero-padded;
// the stream's base, width and fill are left as they were.
std::ostream& hex(std::ostream& os, uint32_t value, int width);

// A register, or a label, register or hexadecimal number plus or minus an
// offset: the addresses the console accepts beside labels and plain numbers.
// Nothing when the word is none of these; prints nothing.
std::optional<uint32_t> address_expression(const riscv_prog& prog, const std::string& word);

// A label, a register (x5, a0, sp ...), either of them plus or minus a decimal
// (or 0x hexadecimal) offset, or a hexadecimal number: the address word of
// break, del, dump, mem, watch, unwatch. Says so on standard error when the
// word is none of these.
std::optional<uint32_t> address_of(const session& s, const std::string& word);

// The words ADDRESS [COUNT] of mem and watch: the address and the count, a
// decimal number, `default_count` when it is left out. Says on standard error
// what is missing or unparseable (`usage` when the address is missing).
struct address_and_count {
    uint32_t address;
    int count;
};
std::optional<address_and_count> read_address_and_count(const session& s, const char* usage, int default_count);

// At a terminal, after the message about a word that is no label: the label
// spelt like it, if there is one.
void suggest_label(const session& s, const std::string& word);

// Tells why `count` bytes from `address` were refused, on standard error.
void outside_data(const char* refusal, uint32_t address, uint32_t count);
