// expect's words are read quietly: unlike the number reader of set and break,
// a word that is no number prints nothing, so that a check script's output is
// its verdicts alone. A check that cannot be made (an unknown register, an
// address outside the data segment, a value that is no number) fails, so that a
// mistyped check never passes a program.
#include "expect.h"

#include "debug_words.h"
#include "hex_text.h"
#include "memory_map.h"
#include "printable.h"
#include "register_names.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

namespace {

const char* const USAGE = " (expect <register|pc|steps|mem ADDRESS> <value>)";
const char* const VALUE_FORMS = " (a label, label+offset, a decimal number, or 0x and hexadecimal digits)";

expect_outcome cannot_check(const std::string& why) { return {false, why}; }

// Digits of `base` making up the whole of `digits`, below or at `max`.
std::optional<uint64_t> digits_value(std::string_view digits, int base, uint64_t max) {
    uint64_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || error != std::errc() || stop != end || value > max) return std::nullopt;
    return value;
}

// A decimal number, or 0x and hexadecimal digits, with an optional sign;
// `max` bounds its magnitude. A negative number comes back in two's complement.
std::optional<uint64_t> number_value(std::string_view word, uint64_t max_positive, uint64_t max_negative) {
    const bool negative = word.starts_with('-');
    if (negative || word.starts_with('+')) word.remove_prefix(1);
    const bool hexadecimal = word.starts_with("0x") || word.starts_with("0X");
    if (hexadecimal) word.remove_prefix(2);
    const auto magnitude = digits_value(word, hexadecimal ? 16 : 10, negative ? max_negative : max_positive);
    if (!magnitude) return std::nullopt;
    return negative ? 0 - *magnitude : *magnitude;
}

// A word of 32 bits: a label's address, a label or register plus or minus an
// offset (main+16, sp-4), or a number from -2^31 to 2^32 - 1.
std::optional<uint32_t> word_value(const riscv_prog& prog, const std::string& word) {
    if (auto address = prog.resolve_label(word)) return address;
    if (word.find_first_of("+-", 1) != std::string::npos) return address_expression(prog, word);
    if (auto number = number_value(word, UINT32_MAX, uint64_t{1} << 31)) return static_cast<uint32_t>(*number);
    return std::nullopt;
}

// As the console writes a word for a person: signed decimal, then all its hex digits.
std::string word_text(uint32_t value) {
    return std::to_string(static_cast<int32_t>(value)) + " (" + hex_word(value) + ")";
}

// A label, a register or either plus or minus an offset, or a hexadecimal
// number with or without x or 0x, as the other commands read an address.
std::optional<uint32_t> address_value(const riscv_prog& prog, std::string_view word) {
    if (auto address = prog.resolve_label(std::string(word))) return address;
    if (auto address = address_expression(prog, std::string(word))) return address;
    if (word.starts_with("0x") || word.starts_with("0X")) word.remove_prefix(2);
    else if (word.size() > 1 && (word[0] == 'x' || word[0] == 'X')) word.remove_prefix(1);
    if (auto number = digits_value(word, 16, UINT32_MAX)) return static_cast<uint32_t>(*number);
    return std::nullopt;
}

expect_outcome compare_word(const std::string& name, uint32_t found, uint32_t expected) {
    if (found == expected) return {true, name + " is " + word_text(found)};
    return {false, name + " is " + word_text(found) + ", expected " + word_text(expected)};
}

expect_outcome check_register(const riscv_prog& prog, const std::string& name, uint32_t number,
                              const std::string& value_word) {
    const auto expected = word_value(prog, value_word);
    if (!expected) return cannot_check("unparseable value '" + printable(value_word) + "'" + VALUE_FORMS);
    return compare_word(name, static_cast<uint32_t>(prog.get_register(number)), *expected);
}

expect_outcome check_pc(const riscv_prog& prog, const std::string& value_word) {
    const auto expected = word_value(prog, value_word);
    if (!expected) return cannot_check("unparseable value '" + printable(value_word) + "'" + VALUE_FORMS);
    const uint32_t pc = prog.get_pc();
    if (pc == *expected) return {true, "pc is " + hex_word(pc)};
    return {false, "pc is " + hex_word(pc) + ", expected " + hex_word(*expected)};
}

expect_outcome check_steps(const riscv_prog& prog, const std::string& value_word) {
    const auto expected = number_value(value_word, UINT64_MAX, 0);
    if (!expected) return cannot_check("unparseable count '" + printable(value_word) + "' (a decimal number)");
    const std::string found = "steps is " + std::to_string(prog.instructions_run);
    if (prog.instructions_run == *expected) return {true, found};
    return {false, found + ", expected " + std::to_string(*expected)};
}

// A string's bytes the way a C string literal writes them, so a failure shows
// both strings in the same form: \" \\ \n \t \r \0 \xHH, the rest as it is.
std::string c_literal(std::string_view bytes) {
    std::string text = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') text += {'\\', c};
        else if (c == '\n') text += "\\n";
        else if (c == '\t') text += "\\t";
        else if (c == '\r') text += "\\r";
        else if (c == '\0') text += "\\0";
        else if (byte >= 0x20 && byte < 0x7f) text += c;
        else text += "\\x" + std::string{"0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 15]};
    }
    return text + '"';
}

// The bytes between the double quotes that open `text`, with c_literal's escapes
// undone; nothing when the string does not end or an escape is unknown.
std::optional<std::string> unquoted(std::string_view text) {
    std::string bytes;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') return bytes;
        if (c == '\\') {
            if (++i == text.size()) return std::nullopt;
            switch (text[i]) {
                case '"': case '\\': c = text[i]; break;
                case 'n': c = '\n'; break;
                case 't': c = '\t'; break;
                case 'r': c = '\r'; break;
                case '0': c = '\0'; break;
                case 'x': {
                    const auto byte = i + 2 < text.size() ? digits_value(text.substr(i + 1, 2), 16, 255) : std::nullopt;
                    if (!byte) return std::nullopt;
                    c = static_cast<char>(*byte);
                    i += 2;
                    break;
                }
                default: return std::nullopt;
            }
        }
        bytes += c;
    }
    return std::nullopt;
}

std::string outside_data(uint32_t address, uint64_t count) {
    return "bytes " + hex_word(address) + " to " + hex_word(static_cast<uint32_t>(address + count - 1)) +
           " are not all inside the data segment";
}

std::string_view data_bytes(const riscv_prog& prog, uint32_t address, size_t count) {
    return {reinterpret_cast<const char*>(&prog.mem.data[data_index(address)]), count};
}

expect_outcome check_string(const riscv_prog& prog, const std::string& name, uint32_t address, std::string_view text) {
    const auto expected = unquoted(text);
    if (!expected)
        return cannot_check("unparseable string " + printable(text) +
                            " (one pair of double quotes; escapes \\\" \\\\ \\n \\t \\r \\0 \\xHH)");
    if (!expected->empty() && !in_data_segment(address, expected->size()))
        return cannot_check("mem " + name + ": " + outside_data(address, expected->size()));
    const std::string found = "mem " + name + " is " + c_literal(data_bytes(prog, address, expected->size()));
    if (data_bytes(prog, address, expected->size()) == *expected) return {true, found};
    return {false, found + ", expected " + c_literal(*expected)};
}

// Consecutive words from `address`; a failure names the first word that differs.
expect_outcome check_words(const riscv_prog& prog, const std::string& name, uint32_t address,
                           const std::vector<std::string>& value_words) {
    std::vector<uint32_t> expected;
    for (const std::string& word : value_words) {
        const auto value = word_value(prog, word);
        if (!value) return cannot_check("unparseable value '" + printable(word) + "'" + VALUE_FORMS);
        expected.push_back(*value);
    }
    const uint64_t count = 4 * uint64_t{expected.size()};
    if (!in_data_segment(address, count)) return cannot_check("mem " + name + ": " + outside_data(address, count));
    std::string found = "mem " + name + " is";
    for (uint32_t i = 0; i < expected.size(); ++i) {
        const uint32_t value = load_le(&prog.mem.data[data_index(address + 4 * i)], 4);
        if (value != expected[i]) {
            const std::string at = i == 0 ? name : name + "+" + std::to_string(4 * i);
            return compare_word("mem " + at, value, expected[i]);
        }
        found += " " + (expected.size() == 1 ? word_text(value) : std::to_string(static_cast<int32_t>(value)));
    }
    return {true, found};
}

// mem ADDRESS, then a quoted string or one or more words.
expect_outcome check_memory(const riscv_prog& prog, std::istringstream& words) {
    std::string name, rest;
    if (!(words >> name)) return cannot_check(std::string("no address") + USAGE);
    const auto address = address_value(prog, name);
    if (!address) return cannot_check("unparseable address '" + printable(name) + "' (a label, a register or a hexadecimal number)");
    std::getline(words, rest);
    const std::string_view values = std::string_view(rest).substr(std::min(rest.size(), rest.find_first_not_of(" \t\r\v\f")));
    if (values.starts_with('"')) return check_string(prog, printable(name), *address, values);
    std::vector<std::string> value_words;
    std::istringstream split{std::string(values)};
    for (std::string word; split >> word;) value_words.push_back(word);
    if (value_words.empty()) return cannot_check(std::string("no value") + USAGE);
    return check_words(prog, printable(name), *address, value_words);
}

}  // namespace

expect_outcome check_expect(const riscv_prog& prog, std::istringstream& words) {
    std::string target, value;
    if (!(words >> target)) return cannot_check(std::string("no target") + USAGE);
    if (target == "mem") return check_memory(prog, words);
    if (!(words >> value)) return cannot_check(std::string("no value") + USAGE);
    if (target == "pc") return check_pc(prog, value);
    if (target == "steps") return check_steps(prog, value);
    if (auto number = register_by_name(target)) return check_register(prog, target, *number, value);
    return cannot_check("no register " + printable(target) +
                        " (x0 to x31, zero ra sp gp tp t0-t6 s0-s11 fp a0-a7; or pc, steps, mem ADDRESS)");
}
