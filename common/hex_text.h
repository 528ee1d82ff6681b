// "0x" and a number in lower-case hexadecimal, for the messages of both programs.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>

inline std::string hex_text(uint32_t value) {
    std::ostringstream out;
    out << "0x" << std::hex << value;
    return out.str();
}
