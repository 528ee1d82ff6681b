#include "console.h"

#include <iostream>
#include <stdexcept>

std::optional<int> str_to_int(const std::string& to_convert, unsigned base) {
    std::string text = to_convert;
    if (base == 16) {
        if (text.size() > 1 && (text[0] == 'x' || text[0] == 'X'))
            text.erase(0, 1);
        else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
            text.erase(0, 2);
    }
    try {
        std::size_t used = 0;
        const long value = std::stol(text, &used, static_cast<int>(base));
        if (used != text.size()) return std::nullopt;
        return static_cast<int>(static_cast<uint32_t>(value));
    } catch (const std::exception&) {
        std::cout << "fuck" << std::endl;
        return std::nullopt;
    }
}
