// "0x" and a number in lower-case hexadecimal, for the messages of both programs.
#pragma once

#include <cstdint>
#include <iomanip>
#include <sstream>
#include <string>

// Lower-case hexadecimal digits of a number, as few as it needs.
inline std::string hex_digits(uint32_t value) {
    std::ostringstream out;
    out << std::hex << value;
    return out.str();
}

inline std::string hex_text(uint32_t value) { return "0x" + hex_digits(value); }

// "0x" and all eight digits of a word, as the console shows registers and memory.
inline std::string hex_word(uint32_t value) {
    std::ostringstream out;
    out << "0x" << std::hex << std::setw(8) << std::setfill('0') << value;
    return out.str();
}
