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
