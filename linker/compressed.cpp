#include "compressed.h"

#include "describe.h"
#include "place.h"

#include <algorithm>
#include <cctype>
#include <sstream>

const std::string_view COMPRESSED_REFUSAL =
    "compressed (16-bit) instructions are not supported: this machine runs 32-bit instructions only; compile "
    "with -march=rv32im, and remove '.option rvc' and '.option arch, +c' from the program";

namespace {

// The ISA strings in an attributes section: its only strings that start "rv32" or "rv64".
bool attributes_name_compressed(const section& sec) {
    const std::string bytes(sec.contents.begin(), sec.contents.end());
    for (size_t at = bytes.find("rv"); at != std::string::npos; at = bytes.find("rv", at + 1)) {
        const size_t end = bytes.find('\0', at);
        if (arch_names_compressed(std::string_view(bytes).substr(at, end == std::string::npos ? end : end - at)))
            return true;
    }
    return false;
}

// The string between the quotes of an `.attribute arch, "..."` statement.
std::string quoted(const std::string& statement) {
    const size_t open = statement.find('"');
    const size_t close = statement.find('"', open + 1);
    return open == std::string::npos || close == std::string::npos ? "" : statement.substr(open + 1, close - open - 1);
}

// The parcels of the code that clang 16 and later marks as instructions
// (from a "$x" mapping symbol to the next mark): one of 16 bits is compressed.
bool compressed_parcel_marked_as_code(const riscv_elf& elf, size_t index) {
    std::vector<std::pair<uint32_t, bool>> marks;  // offset, whether instructions follow
    for (const symbol& sym : elf.symtab)
        if (sym.sh_index == static_cast<int32_t>(index) && is_mapping_symbol(sym))
            marks.emplace_back(sym.value, sym.name[1] == 'x');
    std::sort(marks.begin(), marks.end());
    const std::vector<uint8_t>& bytes = elf.sections[index].contents;
    for (size_t k = 0; k < marks.size(); ++k) {
        const size_t end = std::min<size_t>(k + 1 < marks.size() ? marks[k + 1].first : bytes.size(), bytes.size());
        for (size_t at = marks[k].first; marks[k].second && at < end; at += 4)
            if ((bytes[at] & 0b11) != 0b11) return true;
    }
    return false;
}

}  // namespace

bool arch_names_compressed(std::string_view arch) {
    if (!arch.starts_with("rv32") && !arch.starts_with("rv64")) return false;
    arch.remove_prefix(4);
    // The single-letter extensions come first, each with an optional version ("2p0").
    size_t at = 0;
    for (; at < arch.size() && arch[at] != '_'; ++at) {
        const char c = arch[at];
        const bool version = std::isdigit(static_cast<unsigned char>(c)) ||
                             (c == 'p' && at > 0 && std::isdigit(static_cast<unsigned char>(arch[at - 1])));
        if (!version && (c == 'c' || c == 'z' || c == 'x' || c == 's')) {
            if (c == 'c') return true;
            break;  // a multi-letter extension follows without a '_'
        }
    }
    // Then "_c2p0", "_zca1p0" and the like.
    for (size_t part = arch.find('_', at); part != std::string_view::npos; part = arch.find('_', part + 1)) {
        const std::string_view name = arch.substr(part + 1);
        if ((name.starts_with("c") && (name.size() == 1 || !std::isalpha(static_cast<unsigned char>(name[1])))) ||
            name.starts_with("zc"))
            return true;
    }
    return false;
}

int compression_switch(const std::string& statement) {
    const std::string word = first_word(statement);
    std::string rest = statement.substr(word.size());
    std::erase_if(rest, [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
    if (word == ".attribute" && (rest.starts_with("arch,") || rest.starts_with("5,")))
        return arch_names_compressed(quoted(statement)) ? 1 : -1;
    if (word != ".option") return 0;
    if (rest == "rvc") return 1;
    if (rest == "norvc") return -1;
    if (!rest.starts_with("arch,")) return 0;
    // ".option arch, +m, +c" changes extensions; ".option arch, rv32imac" names them all.
    int change = 0;
    std::istringstream parts(rest.substr(5));
    for (std::string part; std::getline(parts, part, ',');) {
        if (part == "+c") change = 1;
        else if (part == "-c") change = -1;
        else if (part.starts_with("rv")) change = arch_names_compressed(part) ? 1 : -1;
    }
    return change;
}

bool object_names_compressed(const riscv_elf& elf) {
    if (elf.header.e_flags & EF_RISCV_RVC) return true;
    for (size_t i = 0; i < elf.sections.size(); ++i) {
        const section& sec = elf.sections[i];
        if (sec.header.sh_type == SHT_RISCV_ATTRIBUTES && attributes_name_compressed(sec)) return true;
        if (is_code_section(sec) && compressed_parcel_marked_as_code(elf, i)) return true;
    }
    for (const relocation& relo : elf.relocations)
        if (relo.type == R_RISCV_RVC_BRANCH || relo.type == R_RISCV_RVC_JUMP || relo.type == R_RISCV_RVC_LUI)
            return true;
    return false;
}

bool same_code(const riscv_elf& a, const riscv_elf& b) {
    if (a.sections.size() != b.sections.size()) return false;
    for (size_t i = 0; i < a.sections.size(); ++i)
        if (is_code_section(a.sections[i]) &&
            (!is_code_section(b.sections[i]) || a.sections[i].contents != b.sections[i].contents ||
             a.sections[i].header.sh_size != b.sections[i].header.sh_size))
            return false;
    return true;
}

std::optional<source_line> line_turning_compression_on(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    std::optional<source_line> turned_on;
    for (size_t number = 1; std::getline(in, line); ++number) {
        const std::string statement = statement_of(line);
        if (statement.empty()) continue;
        const int change = compression_switch(statement);
        if (change > 0 && !turned_on) turned_on = source_line{number, line};
        if (change < 0) turned_on.reset();
        // An instruction: anything but a directive.
        if (change == 0 && turned_on && statement[0] != '.') return turned_on;
    }
    return std::nullopt;
}

std::optional<std::string> compressed_code_refusal(const riscv_elf& elf, source_lines& source) {
    if (!object_names_compressed(elf)) return std::nullopt;
    const auto line = line_turning_compression_on(text_of(source));
    return diagnostic_start(source.path, line ? std::optional(line->number) : std::nullopt, "error") +
           std::string(COMPRESSED_REFUSAL);
}
