#include "describe.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace {

// Optimal string alignment distance: edits, with a swap of two neighbours as one.
size_t spelling_distance(const std::string& a, const std::string& b) {
    std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (size_t i = 1; i <= a.size(); ++i)
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    return d[a.size()][b.size()];
}

bool is_name_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '$'; }

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

bool is_user_label(const symbol& sym) {
    return !sym.name.empty() && !sym.name.starts_with(".L") && sym.kind != STT_SECTION && sym.kind != STT_FILE;
}

std::string describe_place(const riscv_elf& elf, const placement& placed, uint32_t section_index, uint32_t offset) {
    const std::string& section_name = elf.sections[section_index].name;
    const uint32_t base = placed.address[section_index];
    const symbol* best = nullptr;
    for (const symbol& sym : elf.symtab) {
        if (sym.sh_index != static_cast<int32_t>(section_index) || !is_user_label(sym)) continue;
        const uint32_t at = sym.value - base;
        if (at <= offset && (!best || at > best->value - base)) best = &sym;
    }
    if (!best) return "offset " + std::to_string(offset) + " of " + section_name;
    const uint32_t rest = offset - (best->value - base);
    return best->name + (rest ? "+" + std::to_string(rest) : "") + " in " + section_name;
}

std::string describe_target(const riscv_elf& elf, uint32_t symbol_index, int32_t addend) {
    const symbol& sym = elf.symtab[symbol_index];
    std::string name = sym.name;
    if (sym.kind == STT_SECTION && sym.sh_index > 0 && static_cast<size_t>(sym.sh_index) < elf.sections.size())
        name = elf.sections[static_cast<size_t>(sym.sh_index)].name;
    if (addend > 0) return name + "+" + std::to_string(addend);
    if (addend < 0) return name + std::to_string(addend);
    return name;
}

std::optional<std::string> closest_label(const riscv_elf& elf, const std::string& name) {
    // Longer names are never misspelt labels worth a guess, and would cost much to compare.
    if (name.size() > 64) return std::nullopt;
    const size_t allowed = std::max<size_t>(1, name.size() / 3);
    std::optional<std::string> best;
    size_t best_distance = allowed + 1;
    for (const symbol& sym : elf.symtab) {
        if (!is_user_label(sym) || sym.sh_index == SHN_UNDEF) continue;
        if (std::max(sym.name.size(), name.size()) - std::min(sym.name.size(), name.size()) > allowed) continue;
        const size_t distance = spelling_distance(name, sym.name);
        if (distance < best_distance) {
            best_distance = distance;
            best = sym.name;
        }
    }
    return best;
}

std::string read_text_file(const std::string& path) {
    // A FIFO or a device would hang or give other bytes than the assembler read.
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<source_line> lines_mentioning(const std::string& text, const std::string& name) {
    std::vector<source_line> found;
    std::istringstream in(text);
    std::string line;
    for (size_t number = 1; std::getline(in, line); ++number) {
        const std::string code = line.substr(0, line.find('#'));
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
