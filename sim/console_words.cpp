// The readers of the words that several commands take, and the hexadecimal
// writer that every command's output shares.
#include "console_words.h"

#include "places.h"
#include "printable.h"
#include "register_names.h"

#include <iostream>
#include <string_view>

namespace {

// An offset is decimal, as compiler listings write them (12(sp)), or 0x and hexadecimal.
std::optional<uint32_t> offset_value(std::string_view text) {
    if (text.starts_with("0x") || text.starts_with("0X")) return digits_value(text.substr(2), 16);
    return digits_value(text, 10);
}

}  // namespace

std::optional<uint32_t> digits_value(std::string_view text, uint32_t base) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        const char lower = static_cast<char>(c | 0x20);
        const uint32_t digit = c >= '0' && c <= '9' ? static_cast<uint32_t>(c - '0')
                               : lower >= 'a' && lower <= 'f' ? static_cast<uint32_t>(lower - 'a' + 10)
                                                              : base;
        if (digit >= base) return std::nullopt;
        value = value * base + digit;
    }
    if (value > UINT32_MAX) return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::optional<uint32_t> base_value(const riscv_prog& prog, std::string_view text) {
    if (auto address = prog.resolve_label(std::string(text))) return address;
    if (auto n = register_by_name(text)) return static_cast<uint32_t>(prog.get_register(*n));
    if (text.starts_with("0x") || text.starts_with("0X")) text.remove_prefix(2);
    else if (text.size() > 1 && (text[0] == 'x' || text[0] == 'X')) text.remove_prefix(1);
    return digits_value(text, 16);
}

std::optional<std::string> next_word(std::istringstream& words) {
    std::string word;
    if (words >> word) return word;
    return std::nullopt;
}

char* put_hex(char* out, uint32_t value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value >>= 4) out[i] = "0123456789abcdef"[value & 15];
    return out + digits;
}

// Written as characters, so that the stream's base and fill stay as they were.
std::ostream& hex(std::ostream& os, uint32_t value, int width) {
    char digits[8];
    return os.write(digits, put_hex(digits, value, width) - digits);
}

std::optional<uint32_t> address_of(const session& s, const std::string& word) {
    if (auto address = s.prog.resolve_label(word)) return address;
    if (auto address = address_expression(s.prog, word)) return address;
    if (auto number = str_to_int(word, 16)) return static_cast<uint32_t>(*number);
    std::cerr << "Unparseable hexadecimal value for address" << std::endl;
    suggest_label(s, word);
    return std::nullopt;
}

void outside_data(const char* refusal, uint32_t address, uint32_t count) {
    hex(std::cerr << refusal << ": bytes 0x", address, 8) << " to 0x";
    hex(std::cerr, address + count - 1, 8) << " are not all inside the data segment" << std::endl;
}

std::optional<uint32_t> address_expression(const riscv_prog& prog, const std::string& word) {
    const std::size_t sign = word.find_last_of("+-");
    if (sign == std::string::npos || sign == 0) {
        if (auto n = register_by_name(word)) return static_cast<uint32_t>(prog.get_register(*n));
        return std::nullopt;
    }
    const auto base = base_value(prog, std::string_view(word).substr(0, sign));
    const auto offset = offset_value(std::string_view(word).substr(sign + 1));
    if (!base || !offset) return std::nullopt;
    return word[sign] == '+' ? *base + *offset : *base - *offset;
}

void suggest_label(const session& s, const std::string& word) {
    if (!s.console.at_terminal) return;
    const std::size_t sign = word.find_first_of("+-", 1);
    const std::string base = word.substr(0, sign);
    if (s.prog.resolve_label(base) || register_by_name(base)) return;
    if (auto guess = closest_label(s.prog.mem, base))
        std::cerr << "no label '" << printable(base) << "'; did you mean '" << printable(*guess) << "'?" << std::endl;
}

std::optional<address_and_count> read_address_and_count(const session& s, const char* usage, int default_count) {
    const auto address_word = next_word(s.words);
    if (!address_word) {
        std::cerr << usage << std::endl;
        return std::nullopt;
    }
    const auto address = address_of(s, *address_word);
    if (!address) return std::nullopt;
    std::optional<int> count = default_count;
    if (const auto count_word = next_word(s.words); count_word && !(count = str_to_int(*count_word, 10))) {
        std::cerr << "Unparseable decimal value for count" << std::endl;
        return std::nullopt;
    }
    return address_and_count{*address, *count};
}
