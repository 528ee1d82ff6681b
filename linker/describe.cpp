#include "describe.h"

#include "hex_text.h"
#include "printable.h"
#include "relocate.h"

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
    return !sym.name.empty() && !sym.name.starts_with(".L") && sym.kind != STT_SECTION && sym.kind != STT_FILE &&
           !is_mapping_symbol(sym);
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

std::string_view words_writing(uint32_t type) {
    constexpr std::string_view BRANCHES = "beq bne blt bge bltu bgeu beqz bnez blez bgez bltz bgtz bgt ble bgtu bleu";
    constexpr std::string_view LOADS_AND_JALR = "addi lb lh lw lbu lhu jalr";
    constexpr std::string_view STORES = "sb sh sw";
    constexpr std::pair<uint32_t, std::string_view> WORDS[] = {
        {R_RISCV_BRANCH, BRANCHES},
        {R_RISCV_RVC_BRANCH, BRANCHES},
        {R_RISCV_JAL, "jal j"},
        {R_RISCV_RVC_JUMP, "jal j"},
        {R_RISCV_CALL, "call tail jump"},
        {R_RISCV_CALL_PLT, "call tail jump"},
        {R_RISCV_PCREL_HI20, "la lla auipc lb lh lw lbu lhu sb sh sw"},
        {R_RISCV_GOT_HI20, "la lga auipc"},
        {R_RISCV_HI20, "lui"},
        {R_RISCV_LO12_I, LOADS_AND_JALR},
        {R_RISCV_PCREL_LO12_I, LOADS_AND_JALR},
        {R_RISCV_LO12_S, STORES},
        {R_RISCV_PCREL_LO12_S, STORES},
    };
    for (const auto& [number, words] : WORDS)
        if (number == type) return words;
    const relocation_rule* rule = find_relocation_rule(type);
    if (rule && is_data_field(rule->into)) return ".word .half .byte .2byte .4byte .long .short .int .hword";
    return {};
}

std::string diagnostic_start(const std::string& file, std::optional<size_t> line, std::string_view severity) {
    std::string start;
    if (!file.empty()) start = printable(file) + (line ? ":" + std::to_string(*line) : "") + ": ";
    return start + std::string(severity) + ": ";
}

std::string unsupported(uint32_t type, const std::string& place) {
    const std::string name = relocation_type_name(type);
    if (type == R_RISCV_GOT_HI20)
        return name + " at " + place +
               ": position-independent code is not supported; remove '.option pic' from the program, or "
               "compile it without -fPIC or -fpic";
    return "relocation " + name + " at " + place + " is not supported by orrik" + refusal_hint(type);
}

std::string undefined_label(const std::string& name, const std::string& place, const std::optional<source_line>& line,
                            const std::optional<std::string>& guess) {
    std::string message = "undefined label '" + name + "' at " + place;
    if (line) message += " (line " + std::to_string(line->number) + ": " + line->text + ")";
    if (guess) message += "; did you mean '" + *guess + "'?";
    return message;
}

std::string out_of_reach(field into, const std::string& place, const std::string& target, int64_t distance) {
    const field_reach reach = row_of(into).reach;
    const std::string what = into == field::B ? "branch" : "jump";
    std::string message = what + " at " + place + " to '" + target + "' is " + std::to_string(distance) +
                          " bytes away, ";
    if (distance % reach.step != 0)
        return message + "not a multiple of 4: instructions lie on 4-byte boundaries";
    message += "beyond its reach of " + std::to_string(reach.lo) + ".." + std::to_string(reach.hi) + " bytes; ";
    if (into == field::B)
        return message + "invert the condition and branch over a 'j " + target + "' instead";
    return message + "use 'call " + target + "' or 'tail " + target + "' instead, which reach any address";
}

std::string outside_section(uint32_t offset, const std::string& section_name, field into) {
    std::string message = "relocation at offset " + hex_text(offset) + " lies outside " + section_name;
    if (into == field::CALL) message += ": a call needs its auipc and its jalr there";
    return message;
}

std::string no_such_symbol(uint32_t offset, uint32_t symbol_index, size_t symbols) {
    return "relocation at offset " + hex_text(offset) + " names symbol " + std::to_string(symbol_index) +
           ", but the symbol table has " + std::to_string(symbols) + " entries";
}

std::string pcrel_lo_without_hi(const std::string& place) {
    return "%pcrel_lo at " + place + " has no %pcrel_hi relocation at the label it names";
}

std::string data_in_code(const std::string& place, const std::string& target) {
    return "data at " + place + " refers to '" + target +
           "': a program cannot load from the code segment, so tables belong in .data "
           "(write '.data' before the table)";
}

std::string instruction_in_data(uint32_t type, const std::string& place, const std::string& section_name) {
    return "relocation " + relocation_type_name(type) + " at " + place + " patches an instruction, but " +
           section_name + " holds data";
}

std::string jump_into_data(const std::string& label, const std::string& section_name) {
    return "'" + label + "' is a label in " + section_name + "; code can only branch or jump to code";
}

std::string value_does_not_fit(int64_t value, field into, const std::string& place) {
    const field_row& row = row_of(into);
    return "the value " + std::to_string(value) + " does not fit the " + std::to_string(row.data_bits) +
           "-bit field at " + place + " (" + std::to_string(row.reach.lo) + ".." + std::to_string(row.reach.hi) + ")";
}

std::string jump_not_in_words(const std::string& instruction, const std::string& place) {
    return "'" + instruction + "' at " + printable(place) +
           " jumps by a number of bytes that is not a multiple of 4; left as it is";
}
