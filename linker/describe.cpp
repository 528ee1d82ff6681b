#include "describe.h"

#include "code_words.h"
#include "compressed.h"
#include "hex_text.h"
#include "printable.h"
#include "spelling.h"

#include <algorithm>
#include <map>

namespace {

// The words of one refusal, after "FILE:LINE: error: ".
struct wording {
    const riscv_elf& elf;
    const placement& placed;
    source_lines& source;
    std::map<std::string, std::optional<std::string>> guesses;  // by undefined name

    std::string place(const relocation& relo) const {
        return describe_place(elf, placed, relo.section_index, relo.addr);
    }
    std::string target(const relocation& relo) const { return describe_target(elf, relo.symbol_index, relo.addend); }
};

std::string unsupported(const relocation_rule* rule, const std::string& name, const std::string& place) {
    if (rule && rule->hint_replaces_refusal) return name + " at " + place + ": " + std::string(rule->hint);
    const std::string hint = rule && !rule->hint.empty() ? "; " + std::string(rule->hint) : "";
    return "relocation " + name + " at " + place + " is not supported by orrik" + hint;
}

std::string undefined_label(wording& w, const relocation& relo, const std::optional<source_line>& line) {
    const std::string& name = w.elf.symtab[relo.symbol_index].name;
    std::string message = "undefined label '" + name + "' at " + w.place(relo);
    if (line) message += " (line " + std::to_string(line->number) + ": " + line->text + ")";
    auto [guess, added] = w.guesses.try_emplace(name);
    if (added) guess->second = closest_label(w.elf, name);
    if (guess->second) message += "; did you mean '" + *guess->second + "'?";
    return message;
}

std::string out_of_reach(const wording& w, const relocation& relo, field into, int64_t distance) {
    const field_reach reach = row_of(into).reach;
    const std::string target = w.target(relo);
    std::string message = std::string(into == field::B ? "branch" : "jump") + " at " + w.place(relo) + " to '" +
                          target + "' is " + std::to_string(distance) + " bytes away, ";
    if (distance % reach.step != 0)
        return message + "not a multiple of 4: instructions lie on 4-byte boundaries";
    message += "beyond its reach of " + std::to_string(reach.lo) + ".." + std::to_string(reach.hi) + " bytes; ";
    if (into == field::B)
        return message + "invert the condition and branch over a 'j " + target + "' instead";
    return message + "use 'call " + target + "' or 'tail " + target + "' instead, which reach any address";
}

std::string outside_section(const wording& w, const relocation& relo, field into) {
    std::string message = "relocation at offset " + hex_text(relo.addr) + " lies outside " +
                          w.elf.sections[relo.section_index].name;
    if (into == field::CALL) message += ": a call needs its auipc and its jalr there";
    return message;
}

std::string data_label_in_code(wording& w, const relocation& relo) {
    const symbol& sym = w.elf.symtab[relo.symbol_index];
    const auto line = line_defining(w.source, sym.name);
    const std::string directive = line ? "'" + first_word(statement_of(line->text)) + "' at line " +
                                             std::to_string(line->number) + " puts data"
                                       : "data lies";
    return "'" + sym.name + "' labels data among the instructions of " +
           w.elf.sections[static_cast<size_t>(sym.sh_index)].name + " (" + directive +
           " there), which a program can neither load nor run: the code segment holds instructions; move the data "
           "after '.data'";
}

std::string worded(wording& w, const refusal& r, const std::optional<source_line>& line) {
    const relocation& relo = *r.relo;
    const std::string type_name = relocation_type_name(relo.type);
    switch (r.kind) {
        case refusal_kind::UNSUPPORTED: return unsupported(find_relocation_rule(relo.type), type_name, w.place(relo));
        case refusal_kind::UNDEFINED_LABEL: return undefined_label(w, relo, line);
        case refusal_kind::NO_SUCH_SYMBOL:
            return "relocation at offset " + hex_text(relo.addr) + " names symbol " +
                   std::to_string(relo.symbol_index) + ", but the symbol table has " +
                   std::to_string(w.elf.symtab.size()) + " entries";
        case refusal_kind::OUTSIDE_SECTION: return outside_section(w, relo, r.into);
        case refusal_kind::PCREL_LO_WITHOUT_HI:
            return "%pcrel_lo at " + w.place(relo) + " has no %pcrel_hi relocation at the label it names";
        case refusal_kind::DATA_IN_CODE:
            return "data at " + w.place(relo) + " refers to '" + w.target(relo) +
                   "': a program cannot load from the code segment, so tables belong in .data "
                   "(write '.data' before the table)";
        case refusal_kind::INSTRUCTION_IN_DATA:
            return "relocation " + type_name + " at " + w.place(relo) + " patches an instruction, but " +
                   w.elf.sections[relo.section_index].name + " holds data";
        case refusal_kind::JUMP_INTO_DATA: {
            const symbol& sym = w.elf.symtab[relo.symbol_index];
            const std::string label = is_user_label(sym) ? sym.name : w.target(relo);
            return "'" + label + "' is a label in " + r.text + "; code can only branch or jump to code";
        }
        case refusal_kind::DATA_LABEL_IN_CODE: return data_label_in_code(w, relo);
        case refusal_kind::OUT_OF_REACH: return out_of_reach(w, relo, r.into, r.number);
        case refusal_kind::DOES_NOT_FIT: {
            const field_row& row = row_of(r.into);
            return "the value " + std::to_string(r.number) + " does not fit the " + std::to_string(row.data_bits) +
                   "-bit field at " + w.place(relo) + " (" + std::to_string(row.reach.lo) + ".." +
                   std::to_string(row.reach.hi) + ")";
        }
        case refusal_kind::WRONG_FORMAT: return r.text + " at " + w.place(relo);
        case refusal_kind::UNPATCHABLE: return r.text;
    }
    return r.text;
}

// Where a place lies, for labels that hold `base` plus their offset in the section.
std::string place_in_section(const riscv_elf& elf, uint32_t section_index, uint32_t base, uint32_t offset) {
    const std::string& section_name = elf.sections[section_index].name;
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

}  // namespace

std::string describe_place(const riscv_elf& elf, const placement& placed, uint32_t section_index, uint32_t offset) {
    return place_in_section(elf, section_index, placed.address[section_index], offset);
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

std::string diagnostic_start(const std::string& file, std::optional<size_t> line, std::string_view severity) {
    std::string start;
    if (!file.empty()) start = printable(file) + (line ? ":" + std::to_string(*line) : "") + ": ";
    return start + std::string(severity) + ": ";
}

std::string jump_not_in_words(const std::string& instruction, const std::string& place) {
    return "'" + instruction + "' at " + printable(place) +
           " jumps by a number of bytes that is not a multiple of 4; left as it is";
}

std::string refusals_text(const std::vector<refusal>& refusals, const riscv_elf& elf, const placement& placed,
                          source_lines& source) {
    wording w{elf, placed, source, {}};
    std::vector<std::string> lines;
    for (const refusal& r : refusals) {
        if (lines.size() == LISTED_LINES) {
            lines.push_back(diagnostic_start(source.path, std::nullopt, "error") +
                            std::to_string(refusals.size() - LISTED_LINES) + " more errors (only the first " +
                            std::to_string(LISTED_LINES) + " are listed)");
            break;
        }
        // The patcher's own reason for a word of no patchable format stops orrik as it always has: alone.
        if (r.kind == refusal_kind::UNPATCHABLE) {
            lines.push_back(r.text);
            continue;
        }
        const auto line = line_of(source, elf, *r.relo);
        lines.push_back(diagnostic_start(source.path, line ? std::optional(line->number) : std::nullopt, "error") +
                        worded(w, r, line));
    }
    std::string text;
    // Each names labels or quotes the source, either of which may hold control characters.
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + printable(line);
    return text;
}

std::string placement_refusal(const riscv_elf& elf, source_lines& source, const std::string& error) {
    std::optional<size_t> line;
    for (const section& sec : elf.sections) {
        if (!is_code_section(sec) || sec.header.sh_addralign <= MAX_CODE_ALIGNMENT) continue;
        const auto asks = [&](const std::string& statement) {
            return alignment_asked(statement) == sec.header.sh_addralign;
        };
        if (auto found = first_line(source, ".align .p2align .balign", asks)) line = found->number;
        break;
    }
    return diagnostic_start(source.path, line, "error") + error;
}

std::string jumps_not_in_words_unlisted(uint64_t count) {
    return std::to_string(count - LISTED_LINES) + " more branches or jumps by a number of bytes that is not a multiple "
           "of 4, left as they are (only the first " + std::to_string(LISTED_LINES) + " are listed)";
}

std::optional<std::string> undecodable_code_refusal(const riscv_elf& elf, const placement& placed,
                                                    source_lines& source) {
    const auto misaligned = find_misaligned_code(elf, placed);
    if (!misaligned) return std::nullopt;
    const auto line = data_among_instructions(text_of(source));
    if (!line && !misaligned->certain) return std::nullopt;  // data at the end, say, which harms nothing
    const std::string what = line ? "'" + first_word(statement_of(line->text)) + "' puts data" : "data";
    return diagnostic_start(source.path, line ? std::optional(line->number) : std::nullopt, "error") + what +
           " among the instructions of " + elf.sections[misaligned->section].name +
           ", which leaves the instructions after it off their 4-byte boundary; move it after '.data'";
}

std::string alignment_refusal_text(const riscv_elf& elf, const std::string& source_path,
                                   const alignment_refusal& refused) {
    const std::string where = place_in_section(elf, refused.section_index, 0, refused.at);
    const std::string marked = " (" + relocation_type_name(R_RISCV_ALIGN) + ")";
    std::string words;
    switch (refused.fault) {
        case alignment_fault::PAST_THE_END:
            words = "the alignment nops at " + where + marked + " reach past the end of " +
                    elf.sections[refused.section_index].name;
            break;
        case alignment_fault::ODD_COUNT:
            words = "the alignment nops at " + where + marked + " are " + std::to_string(refused.count) +
                    " bytes, which no nops fill";
            break;
        case alignment_fault::INSIDE_EARLIER_NOPS:
            words = "the alignment at " + where + marked + " lies in the nops of the alignment before it";
            break;
        case alignment_fault::TOO_FEW_NOPS:
            words = "the alignment at " + where + " needs " + std::to_string(refused.keep) +
                    " bytes to reach a multiple of " + std::to_string(refused.boundary) +
                    ", but the assembler left " + std::to_string(refused.count);
            break;
    }
    return diagnostic_start(source_path, std::nullopt, "error") + words;
}
