#include "source_lines.h"

#include "relocate.h"

#include <algorithm>

namespace {

// The lines where one of `words` names `name` (all that name it when none of
// `words` does), found once.
const std::vector<source_line>& lines_naming(source_lines& source, const std::string& name, std::string_view words) {
    auto [lines, added] = source.using_name.try_emplace({name, words});
    if (added) lines->second = lines_using(text_of(source), name, words);
    return lines->second;
}

// The words that wrote `relo`, one of elf.relocations. A jal that its bytes
// show as a branch's came from a branch when a branch names its label; a
// learner's own branch over a jump does not.
std::string_view words_of(source_lines& source, const riscv_elf& elf, const relocation& relo) {
    static const std::vector<uint8_t> NO_BYTES;
    const bool known = relo.section_index < elf.sections.size();
    const std::string_view words = words_writing(relo, known ? elf.sections[relo.section_index].contents : NO_BYTES);
    if (words == words_writing(relo.type) || relo.symbol_index >= elf.symtab.size()) return words;
    const auto& lines = lines_naming(source, elf.symtab[relo.symbol_index].name, words);
    const bool by_a_branch = !lines.empty() && is_one_of(first_word(statement_of(lines.front().text)), words);
    return by_a_branch ? words : words_writing(relo.type);
}

}  // namespace

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
    const std::string_view words = words_of(source, elf, relo);
    if (!source.nth_use) {
        std::map<std::pair<uint32_t, std::string_view>, size_t> seen;
        source.nth_use.emplace();
        for (const relocation& r : elf.relocations)
            source.nth_use->push_back(seen[{r.symbol_index, words_of(source, elf, r)}]++);
    }
    const auto& lines = lines_naming(source, sym.name, words);
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
