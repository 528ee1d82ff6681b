#include "source_scan.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

bool is_name_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '$'; }

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::string read_text_file(const std::string& path) {
    // A FIFO or a device would hang or give other bytes than the assembler read.
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool is_one_of(const std::string& word, std::string_view words) {
    if (word.empty()) return false;
    for (size_t at = 0; at < words.size();) {
        const size_t end = std::min(words.find(' ', at), words.size());
        const std::string_view candidate = words.substr(at, end - at);
        if (candidate.size() == word.size() &&
            std::equal(word.begin(), word.end(), candidate.begin(),
                       [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; }))
            return true;
        at = end + 1;
    }
    return false;
}

std::string statement_of(const std::string& line) {
    // The comment starts at a '#' outside a string.
    size_t end = 0;
    for (bool in_string = false; end < line.size(); ++end) {
        if (in_string && line[end] == '\\') ++end;
        else if (line[end] == '"') in_string = !in_string;
        else if (!in_string && line[end] == '#') break;
    }
    std::string code = trimmed(line.substr(0, end));
    // Label definitions: a name and a colon, as many as there are.
    for (;;) {
        size_t at = 0;
        while (at < code.size() && is_name_char(code[at])) ++at;
        if (at == 0 || at == code.size() || code[at] != ':') return code;
        code = trimmed(code.substr(at + 1));
    }
}

std::string first_word(const std::string& statement) {
    return statement.substr(0, statement.find_first_of(" \t"));
}

std::vector<source_line> lines_mentioning(const std::string& text, const std::string& name) {
    std::vector<source_line> found;
    if (name.empty()) return found;
    std::istringstream in(text);
    std::string line;
    for (size_t number = 1; std::getline(in, line); ++number) {
        const std::string code = statement_of(line);
        for (size_t at = code.find(name); at != std::string::npos; at = code.find(name, at + 1)) {
            const size_t end = at + name.size();
            if ((at == 0 || !is_name_char(code[at - 1])) && (end == code.size() || !is_name_char(code[end]))) {
                found.push_back({number, trimmed(line)});
                break;
            }
        }
    }
    return found;
}

std::vector<source_line> lines_using(const std::string& text, const std::string& name, std::string_view words) {
    std::vector<source_line> all = lines_mentioning(text, name);
    std::vector<source_line> by_word;
    for (const source_line& line : all)
        if (is_one_of(first_word(statement_of(line.text)), words)) by_word.push_back(line);
    return by_word.empty() ? all : by_word;
}

std::optional<source_line> first_line_starting(const std::string& text, std::string_view words,
                                               const std::function<bool(const std::string&)>& accept) {
    std::istringstream in(text);
    std::string line;
    for (size_t number = 1; std::getline(in, line); ++number) {
        const std::string statement = statement_of(line);
        if (statement.empty()) continue;
        if ((words.empty() || is_one_of(first_word(statement), words)) && (!accept || accept(statement)))
            return source_line{number, trimmed(line)};
    }
    return std::nullopt;
}

uint64_t alignment_asked(const std::string& statement) {
    const std::string word = first_word(statement);
    const std::string amount = statement.substr(word.size(), statement.find(',') - word.size());
    char* end = nullptr;
    const unsigned long long n = std::strtoull(amount.c_str(), &end, 0);
    if (end == amount.c_str()) return 0;
    if (is_one_of(word, ".balign")) return n;
    return n < 64 ? uint64_t{1} << n : 0;
}

namespace {

constexpr std::string_view DATA_DIRECTIVES =
    ".byte .half .hword .short .2byte .word .long .int .4byte .quad .8byte .dword .ascii .asciz .asciiz .string "
    ".zero .space .skip .fill .float .double .sleb128 .uleb128 .incbin";

// Whether a section directive makes code the current section; none when the
// statement does not change the section, or returns to one the scan has not kept.
std::optional<bool> switches_to_code(const std::string& statement) {
    const std::string word = first_word(statement);
    if (is_one_of(word, ".text")) return true;
    if (is_one_of(word, ".data .bss .rodata .sdata .sbss")) return false;
    if (!is_one_of(word, ".section .pushsection")) return std::nullopt;
    std::istringstream rest(statement.substr(word.size()));
    std::string name, flags;
    std::getline(rest >> std::ws, name, ',');
    std::getline(rest >> std::ws, flags, ',');
    return name.starts_with(".text") || flags.find('x') != std::string::npos;
}

}  // namespace

std::optional<source_line> data_among_instructions(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    std::vector<bool> in_code{true};  // the current section, and those .pushsection left
    // The first data directive in code: a later stretch of the same section
    // continues where the data left it.
    std::optional<source_line> data;
    for (size_t number = 1; std::getline(in, line); ++number) {
        const std::string statement = statement_of(line);
        const std::string word = first_word(statement);
        if (statement.empty()) continue;
        if (is_one_of(word, ".popsection .previous")) {
            if (in_code.size() > 1) in_code.pop_back();
        } else if (const auto code = switches_to_code(statement)) {
            if (is_one_of(word, ".pushsection")) in_code.push_back(*code);
            else in_code.back() = *code;
        } else if (!in_code.back()) {
            continue;
        } else if (is_one_of(word, DATA_DIRECTIVES)) {
            if (!data) data = source_line{number, trimmed(line)};
        } else if (!word.starts_with('.') && data) {
            return data;
        }
    }
    return std::nullopt;
}

std::optional<source_line> labelled_line(const std::string& text, const std::string& name) {
    std::istringstream in(text);
    std::string line;
    bool defined = false;
    for (size_t number = 1; std::getline(in, line); ++number) {
        const std::string statement = statement_of(line);
        if (!defined) {
            // The labels are what statement_of took off the line's start.
            const std::string code = trimmed(line);
            const std::string labels = code.substr(0, statement.empty() ? code.size() : code.find(statement));
            for (size_t at = labels.find(name + ":"); at != std::string::npos && !defined;
                 at = labels.find(name + ":", at + 1))
                defined = at == 0 || !is_name_char(labels[at - 1]);
        }
        if (defined && !statement.empty()) return source_line{number, trimmed(line)};
    }
    return std::nullopt;
}
