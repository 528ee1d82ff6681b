#include "link.h"

#include "align.h"
#include "bits.h"
#include "code_words.h"
#include "compressed.h"
#include "decoder.h"
#include "describe.h"
#include "hints.h"
#include "obj_writer.h"
#include "opcodes.h"
#include "place.h"
#include "relocate.h"
#include "riscv_constants.h"
#include "source_lines.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <unordered_map>

namespace {

template <class T>
using result = std::expected<T, std::string>;

using enum refusal_kind;

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
    std::vector<uint32_t> code;
    std::vector<bool> data;     // by code word: no instruction of RISC-V's
    std::vector<bool> patched;  // by code word: a relocation wrote it
    std::unordered_map<uint32_t, pcrel_high> pcrel_hi;             // by auipc address
    std::map<std::pair<uint32_t, uint32_t>, data_sum> data_sums;  // (section, offset) -> sum
    std::vector<refusal> refusals;
    size_t addend_notes = 0;  // said once the program is known to link, so that they never precede a refusal
};

uint32_t place_of(const link_state& s, const relocation& relo) { return s.placed.address[relo.section_index] + relo.addr; }

// Symbol 0 stands for no symbol (the value 0); any other without a section is undefined.
bool names_undefined(const riscv_elf& elf, const relocation& relo) {
    return relo.symbol_index != 0 && elf.symtab[relo.symbol_index].sh_index == SHN_UNDEF;
}

// Where a relocation's field lies must be inside its section.
bool place_is_inside(link_state& s, const relocation& relo, field into) {
    const uint64_t size = s.elf.sections[relo.section_index].header.sh_size;
    if (uint64_t{relo.addr} + row_of(into).place_bytes <= size) return true;
    s.refusals.push_back({OUTSIDE_SECTION, &relo, into, 0, {}});
    return false;
}

// A call patches its auipc (U) and its jalr (I); every other field lies in one word.
void apply_to_code(link_state& s, const relocation& relo, const relocation_rule& rule, uint32_t place,
                   uint32_t value) {
    if (is_data_field(rule.into)) return s.refusals.push_back({DATA_IN_CODE, &relo, field::NONE, 0, {}});
    const auto distance = static_cast<int64_t>(static_cast<int32_t>(value));
    if ((rule.into == field::B || rule.into == field::J) && !fits(rule.into, distance))
        return s.refusals.push_back({OUT_OF_REACH, &relo, rule.into, distance, {}});
    const bool call = rule.into == field::CALL;
    for (const auto& [into, address] : {std::pair{call ? field::U : rule.into, place}, {field::I, place + 4}}) {
        if (address != place && !call) break;
        const size_t index = (address - INITIAL_CODE_OFFSET) / 4;
        const Instruction word = decode_quietly(s.code[index]);  // build_code has reported it
        auto patched = relocate_instruction(word, into, value);
        if (patched) {
            s.code[index] = patched->encoding;
            s.patched[index] = true;
            continue;
        }
        // A word of no patchable format stops orrik with its old message alone;
        // one of the wrong format is named with its place.
        const bool patchable = word.type != R_TYPE && word.type <= J_TYPE;
        s.refusals.push_back({patchable ? WRONG_FORMAT : UNPATCHABLE, &relo, into, 0, patched.error()});
    }
    if (relo.addend != 0) ++s.addend_notes;
}

void apply_to_data(link_state& s, const relocation& relo, const relocation_rule& rule, int64_t value) {
    if (!is_data_field(rule.into)) return s.refusals.push_back({INSTRUCTION_IN_DATA, &relo, field::NONE, 0, {}});
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
    s.refusals.push_back({JUMP_INTO_DATA, &target, into, 0, *home});
    return true;
}

// A label on data left among the instructions (a table in .text, missing its
// '.data'): the program could neither load it nor run it there. Data that
// looks like instructions cannot be told apart, and runs as what it looks like.
bool labels_data_in_code(const link_state& s, const relocation& relo) {
    const symbol& sym = s.elf.symtab[relo.symbol_index];
    const int32_t index = sym.sh_index;
    if (index <= 0 || index >= SHN_LORESERVE || static_cast<size_t>(index) >= s.elf.sections.size() ||
        !is_code_section(s.elf.sections[static_cast<size_t>(index)]))
        return false;
    const size_t at = (sym.value - INITIAL_CODE_OFFSET) / 4;
    return at < s.data.size() && s.data[at];
}

void apply_relocation(link_state& s, const relocation& relo, const relocation_rule* rule) {
    if (!s.placed.placed[relo.section_index]) return;  // a section that is not in the image
    if (!rule || rule->value == value_rule::REFUSED)
        return s.refusals.push_back({UNSUPPORTED, &relo, field::NONE, 0, {}});
    if (rule->value == value_rule::MARKER) return;
    if (relo.symbol_index >= s.elf.symtab.size())
        return s.refusals.push_back({NO_SUCH_SYMBOL, &relo, field::NONE, 0, {}});
    const symbol& sym = s.elf.symtab[relo.symbol_index];
    if (names_undefined(s.elf, relo)) return s.refusals.push_back({UNDEFINED_LABEL, &relo, field::NONE, 0, {}});
    if (!place_is_inside(s, relo, rule->into)) return;

    const uint32_t place = place_of(s, relo);
    const int64_t target = int64_t{sym.value} + relo.addend;
    int64_t value = target;
    const relocation* names_target = &relo;
    if (rule->value == value_rule::PC_RELATIVE) value = target - place;
    if (rule->value == value_rule::PCREL_LO) {
        const auto hi = s.pcrel_hi.find(sym.value);
        if (hi == s.pcrel_hi.end()) return s.refusals.push_back({PCREL_LO_WITHOUT_HI, &relo, field::NONE, 0, {}});
        if (!hi->second.value) return;  // the %pcrel_hi could not be resolved, and says so itself
        value = *hi->second.value;
        names_target = hi->second.relo;
    }
    if (!is_code_section(s.elf.sections[relo.section_index])) return apply_to_data(s, relo, *rule, value);
    if (jumps_into_data(s, relo, rule->into, *names_target)) return;
    if (names_target == &relo && labels_data_in_code(s, relo))
        return s.refusals.push_back({DATA_LABEL_IN_CODE, &relo, rule->into, 0, {}});
    apply_to_code(s, relo, *rule, place, static_cast<uint32_t>(value));
}

// The S + A - P of every %pcrel_hi, by the address of its auipc, for the
// %pcrel_lo relocations that name the auipc's label. One that orrik refuses
// (a %got_pcrel_hi) is refused on its own, so its %pcrel_lo has nothing more to say.
void collect_pcrel_hi(link_state& s) {
    for (const relocation& relo : s.elf.relocations) {
        const relocation_rule* rule = find_relocation_rule(relo.type);
        if (!rule || !rule->pcrel_hi || !s.placed.placed[relo.section_index]) continue;
        const uint32_t place = place_of(s, relo);
        std::optional<uint32_t> value;
        if (rule->value != value_rule::REFUSED && relo.symbol_index < s.elf.symtab.size() &&
            !names_undefined(s.elf, relo))
            value = s.elf.symtab[relo.symbol_index].value + static_cast<uint32_t>(relo.addend) - place;
        s.pcrel_hi[place] = {value, &relo};
    }
}

void write_data_sums(link_state& s) {
    for (const auto& [where_at, sum] : s.data_sums) {
        const auto [section_index, offset] = where_at;
        auto written = write_data_field(s.elf.sections[section_index].contents, offset, sum.into, sum.set, sum.value);
        if (!written) s.refusals.push_back({DOES_NOT_FIT, sum.first, sum.into, written.error(), {}});
    }
}

// The jumps the assembler resolved itself; the rest were halved as they were patched.
void halve_numeric_jumps(link_state& s, const std::string& source_path) {
    uint64_t odd = 0;
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
            if (odd++ < LISTED_LINES)
                s.warnings << diagnostic_start(source_path, std::nullopt, "warning")
                         << jump_not_in_words(instr_to_string(decode_instruction(s.code[i])),
                                              describe_place(s.elf, s.placed, static_cast<uint32_t>(index), offset))
                         << std::endl;
        }
    }
    if (odd > LISTED_LINES)
        s.warnings << diagnostic_start(source_path, std::nullopt, "warning") << jumps_not_in_words_unlisted(odd)
                 << std::endl;
}

}  // namespace

result<std::vector<uint8_t>> link_object(riscv_elf& elf, std::ostream& warnings, const std::string& source_path) {
    source_lines source{source_path, {}, {}, {}};
    if (auto refusal = compressed_code_refusal(elf, source)) return std::unexpected(*refusal);
    auto placed = place_sections(elf);
    if (!placed) return std::unexpected(placement_refusal(elf, source, placed.error()));
    if (auto trimmed = trim_code_alignment(elf, *placed); !trimmed)
        return std::unexpected(alignment_refusal_text(elf, source_path, trimmed.error()));
    rebase_symbols(elf, *placed);
    if (auto refusal = undecodable_code_refusal(elf, *placed, source)) return std::unexpected(*refusal);

    auto [code, data] = build_code(elf, *placed);
    link_state s{elf, *placed, warnings, std::move(code), std::move(data), {}, {}, {}, {}, 0};
    s.patched.assign(s.code.size(), false);
    collect_pcrel_hi(s);
    for (const relocation& relo : elf.relocations) {
        const relocation_rule* rule = find_relocation_rule(relo.type);
        apply_relocation(s, relo, rule);
    }
    write_data_sums(s);
    if (!s.refusals.empty()) return std::unexpected(refusals_text(s.refusals, elf, *placed, source));
    for (size_t i = 0; i < s.addend_notes; ++i) warnings << "Report to dorvik: addend is not 0" << std::endl;
    halve_numeric_jumps(s, source_path);
    if (std::ranges::find(s.code, ECALL) != s.code.end()) warnings << system_calls_warning(source) << std::endl;
    return obj_image(elf, *placed, s.code);
}
