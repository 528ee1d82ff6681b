#include "printable.h"

namespace {

bool is_control(unsigned char c) { return (c < 0x20 && c != '\t') || c == 0x7f; }

// U+0080 to U+009F, whose UTF-8 form is 0xc2 then 0x80 to 0x9f.
bool is_c1_control(std::string_view text, size_t at) {
    return static_cast<unsigned char>(text[at]) == 0xc2 && at + 1 < text.size() &&
           static_cast<unsigned char>(text[at + 1]) >= 0x80 && static_cast<unsigned char>(text[at + 1]) <= 0x9f;
}

void escape(std::string& out, unsigned char c) {
    const char* const digits = "0123456789abcdef";
    out += "\\x";
    out += digits[c >> 4];
    out += digits[c & 15];
}

}  // namespace

std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (is_c1_control(text, at)) {
            escape(out, c);
            escape(out, static_cast<unsigned char>(text[++at]));
        } else if (is_control(c)) {
            escape(out, c);
        } else {
            out += text[at];
        }
    }
    return out;
}
