#include "source_lines.h"

#include "little_endian.h"
#include "opcodes.h"
#include "relocate.h"
#include "riscv_format.h"

#include <algorithm>

namespace {

// The lines where one of `words` names `name` (all that name it when none of
// `words` does), found once.
const std::vector<source_line>& lines_naming(source_lines& source, const std::string& name, std::string_view words) {
    auto [lines, added] = source.using_name.try_emplace({name, words});
    if (added) lines->second = lines_using(text_of(source), name, words);
    return lines->second;
}

// Whether the word before a jal is a conditional branch over it.
bool branched_over(const riscv_elf& elf, const relocation& relo) {
    if (relo.section_index >= elf.sections.size()) return false;
    const std::vector<uint8_t>& bytes = elf.sections[relo.section_index].contents;
    if (relo.addr < 4 || relo.addr > bytes.size()) return false;
    const uint32_t before = read_le(bytes, relo.addr - 4, 4);
    return bits(before, 6, 0) == OPCODE_BRANCH && read_b_imm(before) == 8;
}

// The words of the source that wrote `relo`. An assembler may rewrite a
// conditional branch as the inverted branch over a jal (clang 19 does when the
// label lies in another section): such a jal came from a branch's line, when
// a branch names its label.
std::string_view words_of(source_lines& source, const riscv_elf& elf, const relocation& relo) {
    const relocation_rule* rule = find_relocation_rule(relo.type);
    if (!rule) return {};
    if (rule->into != field::J || relo.symbol_index >= elf.symtab.size() || !branched_over(elf, relo))
        return rule->words;
    const std::string_view branches = words_writing_branches();
    const auto& lines = lines_naming(source, elf.symtab[relo.symbol_index].name, branches);
    const bool by_a_branch = !lines.empty() && is_one_of(first_word(statement_of(lines.front().text)), branches);
    return by_a_branch ? branches : rule->words;
}

}  // namespace

bool is_user_label(const symbol& sym) {
    return !sym.name.empty() && !sym.name.starts_with(".L") && sym.kind != STT_SECTION && sym.kind != STT_FILE &&
           !is_mapping_symbol(sym);
}

const std::string& text_of(source_lines& source) {
    if (!source.text) source.text = read_text_file(source.path);
    return *source.text;
}

// The n-th use of a label by the words that write relocations of its type is
// most likely on the n-th line where such a word names the label.
std::optional<source_line> line_of(source_lines& source, const riscv_elf& elf, const relocation& relo) {
    if (relo.symbol_index >= elf.symtab.size()) return std::nullopt;
    const symbol& sym = elf.symtab[relo.symbol_index];
    if (!is_user_label(sym)) return std::nullopt;
    if (!source.nth_use) {
        std::map<std::pair<uint32_t, std::string_view>, size_t> seen;
        source.nth_use.emplace();
        for (const relocation& r : elf.relocations)
            source.nth_use->push_back(seen[{r.symbol_index, words_of(source, elf, r)}]++);
    }
    const auto& lines = lines_naming(source, sym.name, words_of(source, elf, relo));
    if (lines.empty()) return std::nullopt;
    const auto index = static_cast<size_t>(&relo - elf.relocations.data());
    const size_t nth = index < source.nth_use->size() ? (*source.nth_use)[index] : 0;
    return lines[std::min(nth, lines.size() - 1)];
}

std::optional<source_line> first_line(source_lines& source, std::string_view words,
                                      const std::function<bool(const std::string&)>& accept) {
    return first_line_starting(text_of(source), words, accept);
}

std::optional<source_line> line_defining(source_lines& source, const std::string& name) {
    return labelled_line(text_of(source), name);
}
