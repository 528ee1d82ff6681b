#include "source_lines.h"

#include "relocate.h"

#include <algorithm>

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
    const std::string_view words = words_writing(relo.type);
    if (!source.nth_use) {
        std::map<std::pair<uint32_t, std::string_view>, size_t> seen;
        source.nth_use.emplace();
        for (const relocation& r : elf.relocations)
            source.nth_use->push_back(seen[{r.symbol_index, words_writing(r.type)}]++);
    }
    auto [lines, added] = source.using_name.try_emplace({sym.name, words});
    if (added) lines->second = lines_using(text_of(source), sym.name, words);
    if (lines->second.empty()) return std::nullopt;
    const auto index = static_cast<size_t>(&relo - elf.relocations.data());
    const size_t nth = index < source.nth_use->size() ? (*source.nth_use)[index] : 0;
    return lines->second[std::min(nth, lines->second.size() - 1)];
}

std::optional<source_line> first_line(source_lines& source, std::string_view words,
                                      const std::function<bool(const std::string&)>& accept) {
    return first_line_starting(text_of(source), words, accept);
}
