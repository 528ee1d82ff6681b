#include "runtime.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <unordered_map>
#include <utility>

namespace {

bool starts_name(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '$'; }
bool continues_name(char c) { return starts_name(c) || std::isdigit(static_cast<unsigned char>(c)); }

// Calls `visit(at, length)` for every name in assembly text, outside comments
// and string literals; numbers are no names.
template <class Visit>
void for_each_name(std::string_view text, Visit visit) {
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '#') {
            i = text.find('\n', i);
            if (i == std::string_view::npos) return;
        } else if (c == '"') {
            for (++i; i < text.size() && text[i] != '"'; ++i)
                if (text[i] == '\\') ++i;
            ++i;
        } else if (continues_name(c)) {
            const size_t start = i;
            while (i < text.size() && continues_name(text[i])) ++i;
            if (starts_name(c)) visit(start, i - start);
        } else {
            ++i;
        }
    }
}

// What a unit says about its labels: those it makes global, and the others it defines.
struct unit_labels {
    std::set<std::string, std::less<>> global;
    std::set<std::string, std::less<>> own;
};

unit_labels labels_of(std::string_view text) {
    unit_labels labels;
    std::vector<std::string> defined;
    size_t line_start = 0;
    while (line_start < text.size()) {
        size_t end = text.find('\n', line_start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(line_start, end - line_start);
        line_start = end + 1;
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos) continue;
        line.remove_prefix(first);
        for (std::string_view directive : {".globl", ".global"}) {
            if (!line.starts_with(directive) || line.size() == directive.size() || !std::isspace(static_cast<unsigned char>(line[directive.size()])))
                continue;
            std::string_view rest = line.substr(directive.size());
            rest.remove_prefix(std::min(rest.find_first_not_of(" \t"), rest.size()));
            size_t length = 0;
            while (length < rest.size() && continues_name(rest[length])) ++length;
            labels.global.emplace(rest.substr(0, length));
        }
        size_t length = 0;
        while (length < line.size() && continues_name(line[length])) ++length;
        if (length > 0 && length < line.size() && line[length] == ':' && starts_name(line[0]))
            defined.emplace_back(line.substr(0, length));
    }
    for (std::string& name : defined)
        if (!labels.global.contains(name)) labels.own.insert(std::move(name));
    return labels;
}

// A unit's own label under a name no program or other unit uses: the
// compiler's .L labels stay .L labels, so that they are told apart from the
// routines as a program's are.
std::string renamed(std::string_view unit, std::string_view label) {
    if (label.starts_with(".L")) return ".L" + std::string(unit) + "." + std::string(label.substr(2));
    return std::string(unit) + "." + std::string(label);
}

bool is_defined(const symbol& sym) { return sym.sh_index != SHN_UNDEF; }

// The labels an object defines, with their symbol index. Local labels count
// as well (the reader keeps no binding): a program's own label wins over the
// runtime's routine of that name, and the runtime's local ones have been
// renamed after their unit.
std::unordered_map<std::string, uint32_t> label_definitions(const riscv_elf& elf) {
    std::unordered_map<std::string, uint32_t> names;
    for (size_t i = 1; i < elf.symtab.size(); ++i) {
        const symbol& sym = elf.symtab[i];
        const bool label = sym.kind != STT_SECTION && sym.kind != STT_FILE && !is_mapping_symbol(sym);
        if (label && is_defined(sym) && !sym.name.empty()) names.emplace(sym.name, static_cast<uint32_t>(i));
    }
    return names;
}

bool has_undefined_label(const riscv_elf& elf) {
    return std::any_of(elf.symtab.begin() + (elf.symtab.empty() ? 0 : 1), elf.symtab.end(),
                       [](const symbol& sym) { return !is_defined(sym) && !sym.name.empty(); });
}

}  // namespace

std::vector<runtime_unit> units_needed(const riscv_elf& elf, const std::vector<runtime_unit>& units) {
    const auto program_defines = label_definitions(elf);
    std::unordered_map<std::string, size_t> unit_defining;
    for (size_t u = 0; u < units.size(); ++u)
        for (const std::string& name : labels_of(units[u].text).global) unit_defining.emplace(name, u);

    std::vector<bool> chosen(units.size(), false);
    std::vector<size_t> to_read;
    const auto want = [&](const std::string& name) {
        const auto found = unit_defining.find(name);
        if (found == unit_defining.end() || program_defines.contains(name) || chosen[found->second]) return;
        chosen[found->second] = true;
        to_read.push_back(found->second);
    };
    for (const symbol& sym : elf.symtab)
        if (!is_defined(sym) && !sym.name.empty()) want(sym.name);
    while (!to_read.empty()) {
        const std::string_view text = units[to_read.back()].text;
        to_read.pop_back();
        for_each_name(text, [&](size_t at, size_t length) { want(std::string(text.substr(at, length))); });
    }
    std::vector<runtime_unit> needed;
    for (size_t u = 0; u < units.size(); ++u)
        if (chosen[u]) needed.push_back(units[u]);
    return needed;
}

std::string runtime_source(const std::vector<runtime_unit>& units) {
    std::string source;
    for (const runtime_unit& unit : units) {
        const unit_labels labels = labels_of(unit.text);
        source += "\t.text\n";
        size_t copied = 0;
        for_each_name(unit.text, [&](size_t at, size_t length) {
            const std::string_view name = unit.text.substr(at, length);
            if (!labels.own.contains(name)) return;
            source.append(unit.text.substr(copied, at - copied));
            source += renamed(unit.name, name);
            copied = at + length;
        });
        source.append(unit.text.substr(copied));
        if (!source.ends_with('\n')) source += '\n';
    }
    return source;
}

void merge_runtime(riscv_elf& program, const riscv_elf& runtime) {
    const auto program_defines = label_definitions(program);
    const auto runtime_defines = label_definitions(runtime);
    const auto section_offset = static_cast<int32_t>(program.sections.size()) - 1;

    // New symbol indices: the program's labels keep their order, its uses of
    // runtime routines go, and the runtime's labels follow.
    std::vector<symbol> symbols;
    std::vector<uint32_t> program_index(program.symtab.size()), runtime_index(runtime.symtab.size(), 0);
    std::vector<std::pair<uint32_t*, uint32_t>> to_runtime;  // (index to set, runtime symbol)
    const auto take = [&](const symbol& sym) {
        symbols.push_back(sym);
        return static_cast<uint32_t>(symbols.size() - 1);
    };
    for (size_t i = 0; i < program.symtab.size(); ++i) {
        const symbol& sym = program.symtab[i];
        const auto definition = runtime_defines.find(sym.name);
        if (i > 0 && !is_defined(sym) && definition != runtime_defines.end() && !program_defines.contains(sym.name))
            to_runtime.emplace_back(&program_index[i], definition->second);
        else
            program_index[i] = take(sym);
    }
    for (size_t i = 1; i < runtime.symtab.size(); ++i) {
        symbol sym = runtime.symtab[i];
        const auto program_definition = program_defines.find(sym.name);
        const auto runtime_definition = runtime_defines.find(sym.name);
        if (program_definition != program_defines.end()) {
            runtime_index[i] = program_index[program_definition->second];
        } else if (!is_defined(sym) && runtime_definition != runtime_defines.end()) {
            to_runtime.emplace_back(&runtime_index[i], runtime_definition->second);
        } else {
            if (sym.sh_index > 0 && sym.sh_index < SHN_LORESERVE) sym.sh_index += section_offset;
            // The blocks of the runtime's routines are the assembler's own
            // marks, as "$x" is: kept for the relocations that reach them,
            // left out of the image, so that the console shows the routines
            // and not each of their branch targets.
            if (sym.name.starts_with(".L")) sym.name = "$x" + sym.name;
            runtime_index[i] = take(sym);
        }
    }
    for (auto [index, runtime_symbol] : to_runtime) *index = runtime_index[runtime_symbol];

    // An index outside the table stays outside it, for the link to refuse.
    const auto renumber = [&](uint32_t index, const std::vector<uint32_t>& table) {
        return index < table.size() ? table[index] : static_cast<uint32_t>(index - table.size() + symbols.size());
    };
    for (relocation& relo : program.relocations) relo.symbol_index = renumber(relo.symbol_index, program_index);
    for (relocation relo : runtime.relocations) {
        relo.symbol_index = renumber(relo.symbol_index, runtime_index);
        relo.section_index += static_cast<uint32_t>(section_offset);
        program.relocations.push_back(relo);
    }
    // The runtime's data goes after the program's, whose sections of the same
    // names are placed first.
    for (size_t i = 1; i < runtime.sections.size(); ++i) {
        section sec = runtime.sections[i];
        if ((sec.header.sh_flags & SHF_EXECINSTR) == 0 && !sec.name.empty()) sec.name += ".runtime";
        program.sections.push_back(std::move(sec));
    }
    program.symtab = std::move(symbols);
}

std::expected<void, std::string> add_runtime(riscv_elf& program, const assemble_text& assemble) {
    if (!has_undefined_label(program)) return {};
    const std::vector<runtime_unit> needed = units_needed(program, runtime_units());
    if (needed.empty()) return {};

    auto object = assemble(runtime_source(needed));
    if (!object) return std::unexpected(object.error());
    auto runtime = parse_riscv32i_elf(*object);
    if (!runtime) return std::unexpected(runtime.error());
    merge_runtime(program, *runtime);
    return {};
}
