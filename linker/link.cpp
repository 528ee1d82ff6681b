#include "link.h"

#include "align.h"
#include "bits.h"
#include "compressed.h"
#include "decoder.h"
#include "describe.h"
#include "hints.h"
#include "obj_writer.h"
#include "opcodes.h"
#include "place.h"
#include "printable.h"
#include "relocate.h"
#include "riscv_constants.h"
#include "word_report.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <ostream>
#include <unordered_map>

namespace {

template <class T>
using result = std::expected<T, std::string>;

// A data field's value, summed over the relocations at one place so that an
// ADD/SUB pair (a label difference) is checked as a whole, then written once.
struct data_sum {
    field into = field::NONE;
    bool set = false;  // the sum replaces what the place holds, rather than adding to it
    int64_t value = 0;
    const relocation* first = nullptr;  // for the line of a message
};

// A %pcrel_hi, found by the address of its auipc.
struct pcrel_high {
    std::optional<uint32_t> value;  // S + A - P; none when it cannot be resolved
    const relocation* relo;
};

// Everything one link works on. The code is kept as words, little-endian
// instruction words as the assembler wrote them, from 0x10000000 on.
struct link_state {
    riscv_elf& elf;
    const placement& placed;
    std::ostream& warnings;
    const std::string& source_path;
    std::optional<std::string> source;  // read when a message first needs it
    std::vector<uint32_t> code;
    std::vector<bool> patched;  // by code word: a relocation wrote it
    std::unordered_map<uint32_t, pcrel_high> pcrel_hi;             // by auipc address
    std::map<std::pair<uint32_t, uint32_t>, data_sum> data_sums;  // (section, offset) -> sum
    std::optional<std::vector<size_t>> nth_use;  // by relocation: earlier ones of its symbol and words
    std::map<std::pair<std::string, std::string_view>, std::vector<source_line>> lines_using;  // (name, words)
    std::vector<std::string> errors;
    size_t addend_notes = 0;  // said once the program is known to link, so that they never precede a refusal
};

// The code segment's words: the code sections at their addresses, each padded
// with zero bytes to a whole word, and nops between them. The words that are
// not instructions get the decoder's diagnostics, as tamsel gives them.
std::vector<uint32_t> build_code(const riscv_elf& elf, const placement& placed) {
    std::vector<uint32_t> words((placed.code_end - INITIAL_CODE_OFFSET) / 4, NOP);
    for (size_t index : placed.code_order) {
        const std::vector<uint8_t>& bytes = elf.sections[index].contents;
        const size_t first = (placed.address[index] - INITIAL_CODE_OFFSET) / 4;
        for (size_t at = 0; at < bytes.size(); at += 4)
            words[first + at / 4] = read_le(bytes, at, static_cast<unsigned>(std::min<size_t>(4, bytes.size() - at)));
    }
    unidentified_words seen;
    for (uint32_t word : words)
        if (!has_known_opcode(bits(word, 6, 0))) note_unidentified(decode_quietly(word), seen);
    report_unlisted(seen);
    return words;
}

uint32_t place_of(const link_state& s, const relocation& relo) { return s.placed.address[relo.section_index] + relo.addr; }

// Symbol 0 stands for no symbol (the value 0); any other without a section is undefined.
bool names_undefined(const riscv_elf& elf, const relocation& relo) {
    return relo.symbol_index != 0 && elf.symtab[relo.symbol_index].sh_index == SHN_UNDEF;
}

std::string where(const link_state& s, const relocation& relo) {
    return describe_place(s.elf, s.placed, relo.section_index, relo.addr);
}

const std::string& source_text(link_state& s) {
    if (!s.source) s.source = read_text_file(s.source_path);
    return *s.source;
}

// The source line of a relocation. The n-th use of a label by the words that
// write relocations of its type is most likely on the n-th line where such a
// word names the label.
std::optional<source_line> line_of(link_state& s, const relocation& relo) {
    if (relo.symbol_index >= s.elf.symtab.size()) return std::nullopt;
    const symbol& sym = s.elf.symtab[relo.symbol_index];
    if (!is_user_label(sym)) return std::nullopt;
    const std::string_view words = words_writing(relo.type);
    if (!s.nth_use) {
        std::map<std::pair<uint32_t, std::string_view>, size_t> seen;
        s.nth_use.emplace();
        for (const relocation& r : s.elf.relocations)
            s.nth_use->push_back(seen[{r.symbol_index, words_writing(r.type)}]++);
    }
    auto [lines, added] = s.lines_using.try_emplace({sym.name, words});
    if (added) lines->second = lines_using(source_text(s), sym.name, words);
    if (lines->second.empty()) return std::nullopt;
    const auto index = static_cast<size_t>(&relo - s.elf.relocations.data());  // `relo` is one of them
    const size_t nth = index < s.nth_use->size() ? (*s.nth_use)[index] : 0;
    return lines->second[std::min(nth, lines->second.size() - 1)];
}

std::string error_start(link_state& s, const std::optional<source_line>& line) {
    return diagnostic_start(s.source_path, line ? std::optional(line->number) : std::nullopt, "error");
}

// One of orrik's refusals about a relocation, starting with its file and line.
void refuse(link_state& s, const relocation& relo, const std::string& message) {
    s.errors.push_back(error_start(s, line_of(s, relo)) + message);
}

void report_undefined(link_state& s, const relocation& relo) {
    const std::string& name = s.elf.symtab[relo.symbol_index].name;
    const auto line = line_of(s, relo);
    s.errors.push_back(error_start(s, line) + undefined_label(name, where(s, relo), line, closest_label(s.elf, name)));
}

// Where a relocation's field lies must be inside its section.
bool place_is_inside(link_state& s, const relocation& relo, field into) {
    const uint64_t size = s.elf.sections[relo.section_index].header.sh_size;
    if (uint64_t{relo.addr} + row_of(into).place_bytes <= size) return true;
    refuse(s, relo, outside_section(relo.addr, s.elf.sections[relo.section_index].name, into));
    return false;
}

void patch_word(link_state& s, const relocation& relo, uint32_t address, field into, uint32_t value) {
    const size_t index = (address - INITIAL_CODE_OFFSET) / 4;
    const Instruction word = decode_quietly(s.code[index]);  // build_code has reported it
    auto result = relocate_instruction(word, into, value);
    if (!result) {
        // A word of no patchable format stops orrik with its old message alone;
        // one of the wrong format is named with its place.
        const bool patchable = word.type != R_TYPE && word.type <= J_TYPE;
        if (patchable) refuse(s, relo, result.error() + " at " + where(s, relo));
        else s.errors.push_back(result.error());
        return;
    }
    s.code[index] = result->encoding;
    s.patched[index] = true;
}

void apply_to_code(link_state& s, const relocation& relo, const relocation_rule& rule, uint32_t place,
                   uint32_t value) {
    if (is_data_field(rule.into))
        return refuse(s, relo, data_in_code(where(s, relo), describe_target(s.elf, relo.symbol_index, relo.addend)));
    if (rule.into == field::B || rule.into == field::J) {
        const auto distance = static_cast<int64_t>(static_cast<int32_t>(value));
        if (!fits(rule.into, distance))
            return refuse(s, relo, out_of_reach(rule.into, where(s, relo),
                                                describe_target(s.elf, relo.symbol_index, relo.addend), distance));
    }
    if (rule.into == field::CALL) {
        patch_word(s, relo, place, field::U, value);
        patch_word(s, relo, place + 4, field::I, value);
    } else {
        patch_word(s, relo, place, rule.into, value);
    }
    if (relo.addend != 0) ++s.addend_notes;
}

void apply_to_data(link_state& s, const relocation& relo, const relocation_rule& rule, int64_t value) {
    if (!is_data_field(rule.into))
        return refuse(s, relo, instruction_in_data(relo.type, where(s, relo), s.elf.sections[relo.section_index].name));
    data_sum& sum = s.data_sums[{relo.section_index, relo.addr}];
    sum.into = rule.into;
    if (!sum.first) sum.first = &relo;
    switch (rule.value) {
        case value_rule::ADD: sum.value += value; break;
        case value_rule::SUB: sum.value -= value; break;
        default: sum = {rule.into, true, value, sum.first}; break;
    }
}

// The section of a label that is not in code, by name; none for a label in code.
std::optional<std::string> data_home(const link_state& s, uint32_t symbol_index) {
    const int32_t index = s.elf.symtab[symbol_index].sh_index;
    if (index == SHN_COMMON) return ".comm";
    if (index <= 0 || index >= SHN_LORESERVE || static_cast<size_t>(index) >= s.elf.sections.size()) return std::nullopt;
    const auto i = static_cast<size_t>(index);
    if (!s.placed.placed[i] || is_code_section(s.elf.sections[i])) return std::nullopt;
    return s.elf.sections[i].name;
}

// A branch, jal, call or jalr to a label in data would run the data as code,
// however near or far it lies: refused by that cause. `target` names the label
// (for a %pcrel_lo, the %pcrel_hi's relocation).
bool jumps_into_data(link_state& s, const relocation& relo, field into, const relocation& target) {
    const uint32_t word = s.code[(place_of(s, relo) - INITIAL_CODE_OFFSET) / 4];
    const bool jump = into == field::B || into == field::J || into == field::CALL ||
                      (into == field::I && bits(word, 6, 0) == OPCODE_JALR);
    if (!jump) return false;
    const auto home = data_home(s, target.symbol_index);
    if (!home) return false;
    const symbol& sym = s.elf.symtab[target.symbol_index];
    const std::string name = is_user_label(sym) ? sym.name : describe_target(s.elf, target.symbol_index, target.addend);
    refuse(s, target, jump_into_data(name, *home));
    return true;
}

void apply_relocation(link_state& s, const relocation& relo) {
    if (!s.placed.placed[relo.section_index]) return;  // a section that is not in the image
    const relocation_rule* rule = find_relocation_rule(relo.type);
    if (!rule) return refuse(s, relo, unsupported(relo.type, where(s, relo)));
    if (rule->value == value_rule::MARKER) return;
    if (relo.symbol_index >= s.elf.symtab.size())
        return refuse(s, relo, no_such_symbol(relo.addr, relo.symbol_index, s.elf.symtab.size()));
    const symbol& sym = s.elf.symtab[relo.symbol_index];
    if (names_undefined(s.elf, relo)) return report_undefined(s, relo);
    if (!place_is_inside(s, relo, rule->into)) return;

    const uint32_t place = place_of(s, relo);
    const int64_t target = int64_t{sym.value} + relo.addend;
    int64_t value = target;
    const relocation* names_target = &relo;
    if (rule->value == value_rule::PC_RELATIVE) value = target - place;
    if (rule->value == value_rule::PCREL_LO) {
        const auto hi = s.pcrel_hi.find(sym.value);
        if (hi == s.pcrel_hi.end())
            return refuse(s, relo, pcrel_lo_without_hi(where(s, relo)));
        if (!hi->second.value) return;  // the %pcrel_hi could not be resolved, and says so itself
        value = *hi->second.value;
        names_target = hi->second.relo;
    }
    if (!is_code_section(s.elf.sections[relo.section_index])) return apply_to_data(s, relo, *rule, value);
    if (jumps_into_data(s, relo, rule->into, *names_target)) return;
    apply_to_code(s, relo, *rule, place, static_cast<uint32_t>(value));
}

// The S + A - P of every %pcrel_hi, by the address of its auipc, for the
// %pcrel_lo relocations that name the auipc's label. A %got_pcrel_hi is
// refused on its own, so its %pcrel_lo has nothing more to say.
void collect_pcrel_hi(link_state& s) {
    for (const relocation& relo : s.elf.relocations) {
        const bool hi = relo.type == R_RISCV_PCREL_HI20;
        if ((!hi && relo.type != R_RISCV_GOT_HI20) || !s.placed.placed[relo.section_index]) continue;
        const uint32_t place = place_of(s, relo);
        std::optional<uint32_t> value;
        if (hi && relo.symbol_index < s.elf.symtab.size() && !names_undefined(s.elf, relo))
            value = s.elf.symtab[relo.symbol_index].value + static_cast<uint32_t>(relo.addend) - place;
        s.pcrel_hi[place] = {value, &relo};
    }
}

void write_data_sums(link_state& s) {
    for (const auto& [where_at, sum] : s.data_sums) {
        const auto [section_index, offset] = where_at;
        auto written = write_data_field(s.elf.sections[section_index].contents, offset, sum.into, sum.set, sum.value);
        if (!written)
            s.errors.push_back(error_start(s, line_of(s, *sum.first)) +
                               value_does_not_fit(written.error(), sum.into,
                                                  describe_place(s.elf, s.placed, section_index, offset)));
    }
}

// The jumps the assembler resolved itself; the rest were halved as they were patched.
void halve_numeric_jumps(link_state& s) {
    for (size_t index : s.placed.code_order) {
        const section& sec = s.elf.sections[index];
        for (uint32_t offset = 0; offset < sec.header.sh_size; offset += 4) {
            const size_t i = (s.placed.address[index] + offset - INITIAL_CODE_OFFSET) / 4;
            if (s.patched[i]) continue;
            if (const auto halved = halve_jump(s.code[i])) {
                s.code[i] = *halved;
                continue;
            }
            // Text or data bytes in a code section can look like this; a real jump there would be a mistake.
            s.warnings << diagnostic_start(s.source_path, std::nullopt, "warning")
                       << jump_not_in_words(instr_to_string(decode_instruction(s.code[i])),
                                            describe_place(s.elf, s.placed, static_cast<uint32_t>(index), offset))
                       << std::endl;
        }
    }
}

// Compressed code would reach the alignment trimming, the decoder and the
// relocations as a flood of messages about something else; it is refused
// before them, in one message, with the line that turned it on.
std::optional<std::string> refuse_compressed(const riscv_elf& elf, const std::string& source_path) {
    if (!object_names_compressed(elf)) return std::nullopt;
    const auto line = line_turning_compression_on(read_text_file(source_path));
    return diagnostic_start(source_path, line ? std::optional(line->number) : std::nullopt, "error") +
           std::string(COMPRESSED_REFUSAL);
}

// The number of bytes an alignment directive asks for: ".align 13" and
// ".p2align 13" ask for 8192, ".balign 8192" too.
uint64_t alignment_asked(const std::string& statement) {
    const std::string word = first_word(statement);
    const std::string amount = statement.substr(word.size(), statement.find(',') - word.size());
    char* end = nullptr;
    const unsigned long long n = std::strtoull(amount.c_str(), &end, 0);
    if (end == amount.c_str()) return 0;
    if (is_one_of(word, ".balign")) return n;
    return n < 64 ? uint64_t{1} << n : 0;
}

// A placement refusal, with the line of the alignment directive when that is its cause.
std::string placement_refusal(const riscv_elf& elf, const std::string& source_path, const std::string& error) {
    std::optional<size_t> line;
    for (const section& sec : elf.sections) {
        if (!is_code_section(sec) || sec.header.sh_addralign <= MAX_CODE_ALIGNMENT) continue;
        const auto asks = [&](const std::string& statement) {
            return alignment_asked(statement) == sec.header.sh_addralign;
        };
        if (auto found = first_line_starting(read_text_file(source_path), ".align .p2align .balign", asks))
            line = found->number;
        break;
    }
    return diagnostic_start(source_path, line, "error") + error;
}

// One line for a program that links with system calls in it, which stop it here.
void warn_about_system_calls(link_state& s) {
    if (std::find(s.code.begin(), s.code.end(), ECALL) == s.code.end()) return;
    const auto line = first_line_starting(source_text(s), "ecall");
    s.warnings << diagnostic_start(s.source_path, line ? std::optional(line->number) : std::nullopt, "warning")
               << NO_SYSTEM_CALLS << std::endl;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    // Each names labels or quotes the source, either of which may hold control characters.
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + printable(line);
    return text;
}

}  // namespace

result<std::vector<uint8_t>> link_object(riscv_elf& elf, std::ostream& warnings, const std::string& source_path) {
    if (auto refusal = refuse_compressed(elf, source_path)) return std::unexpected(*refusal);
    if (auto trimmed = trim_code_alignment(elf); !trimmed)
        return std::unexpected(diagnostic_start(source_path, std::nullopt, "error") + trimmed.error());
    auto placed = place_sections(elf);
    if (!placed) return std::unexpected(placement_refusal(elf, source_path, placed.error()));
    rebase_symbols(elf, *placed);

    link_state s{elf, *placed, warnings, source_path, {}, {}, {}, {}, {}, {}, {}, {}};
    s.code = build_code(elf, *placed);
    s.patched.assign(s.code.size(), false);
    collect_pcrel_hi(s);
    for (const relocation& relo : elf.relocations) apply_relocation(s, relo);
    write_data_sums(s);
    if (!s.errors.empty()) return std::unexpected(joined(s.errors));
    for (size_t i = 0; i < s.addend_notes; ++i) warnings << "Report to dorvik: addend is not 0" << std::endl;
    halve_numeric_jumps(s);
    warn_about_system_calls(s);
    return obj_image(elf, *placed, s.code);
}
