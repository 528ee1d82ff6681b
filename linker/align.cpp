#include "align.h"

#include "describe.h"
#include "opcodes.h"
#include "place.h"

#include <algorithm>
#include <bit>

namespace {

constexpr uint16_t C_NOP = 0x0001;

// Bytes [from, from + count) of a section are gone: where a position in the
// section moves to. A position inside the gap moves to its start.
struct gap {
    uint32_t from;
    uint32_t count;

    uint32_t moved(uint32_t position) const {
        if (position <= from) return position;
        if (position - from < count) return from;
        return position - count;
    }
};

void close_gap(riscv_elf& elf, uint32_t index, gap g) {
    section& sec = elf.sections[index];
    sec.contents.erase(sec.contents.begin() + g.from, sec.contents.begin() + g.from + g.count);
    sec.header.sh_size -= g.count;
    for (symbol& sym : elf.symtab) {
        if (sym.sh_index != static_cast<int32_t>(index)) continue;
        const uint32_t end = g.moved(sym.value + sym.size);
        sym.value = g.moved(sym.value);
        if (sym.size != 0) sym.size = end - sym.value;
    }
    for (relocation& relo : elf.relocations) {
        if (relo.section_index == index) relo.addr = g.moved(relo.addr);
        // Against the section itself, the addend is a position in it.
        const bool against_section = relo.symbol_index < elf.symtab.size() &&
                                     elf.symtab[relo.symbol_index].kind == STT_SECTION &&
                                     elf.symtab[relo.symbol_index].sh_index == static_cast<int32_t>(index);
        if (against_section && relo.addend >= 0)
            relo.addend = static_cast<int32_t>(g.moved(static_cast<uint32_t>(relo.addend)));
    }
}

// Keeps as many of the marked nops as the boundary needs at their final
// address, written afresh (the assembler's may begin with a 2-byte one), and
// deletes the rest.
std::expected<void, std::string> trim(riscv_elf& elf, const placement& placed, relocation& align) {
    const uint32_t index = align.section_index;
    section& sec = elf.sections[index];
    const uint32_t at = align.addr;
    auto where = [&] {
        placement unplaced = placed;  // the labels still hold offsets in their sections
        unplaced.address[index] = 0;
        return describe_place(elf, unplaced, index, at);
    };
    if (align.addend < 0 || uint64_t{at} + static_cast<uint32_t>(align.addend) > sec.contents.size())
        return std::unexpected("the alignment nops at " + where() + " (R_RISCV_ALIGN) reach past the end of " +
                               sec.name);
    const uint64_t count = static_cast<uint32_t>(align.addend);
    const uint64_t boundary = std::bit_ceil(count + 1);
    const uint64_t address = uint64_t{placed.address[index]} + at;
    const uint64_t keep = (boundary - address % boundary) % boundary;
    if (keep > count || keep % 2 != 0)
        return std::unexpected("the alignment at " + where() + " needs " + std::to_string(keep) +
                               " bytes to reach a multiple of " + std::to_string(boundary) +
                               ", but the assembler left " + std::to_string(count));
    uint32_t next = at;
    auto put = [&](uint32_t value, unsigned bytes) {
        for (unsigned i = 0; i < bytes; ++i) sec.contents[next++] = static_cast<uint8_t>(value >> (8 * i));
    };
    if (keep % 4 == 2) put(C_NOP, 2);
    while (next < at + keep) put(NOP, 4);
    if (keep < count) close_gap(elf, index, {static_cast<uint32_t>(at + keep), static_cast<uint32_t>(count - keep)});
    align.addend = static_cast<int32_t>(keep);
    return {};
}

}  // namespace

std::expected<void, std::string> trim_code_alignment(riscv_elf& elf) {
    for (uint32_t index = 0; index < elf.sections.size(); ++index) {
        if (!is_code_section(elf.sections[index])) continue;
        std::vector<size_t> aligns;
        for (size_t i = 0; i < elf.relocations.size(); ++i)
            if (elf.relocations[i].section_index == index && elf.relocations[i].type == R_RISCV_ALIGN) aligns.push_back(i);
        if (aligns.empty()) continue;
        std::ranges::stable_sort(aligns, {}, [&](size_t i) { return elf.relocations[i].addr; });
        // Where this section starts follows from the trimmed sizes of those
        // before it. A program that cannot be placed is refused by the placing.
        auto placed = place_sections(elf);
        if (!placed) return {};
        for (size_t i : aligns)
            if (auto trimmed = trim(elf, *placed, elf.relocations[i]); !trimmed) return trimmed;
    }
    return {};
}
