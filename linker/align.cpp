#include "align.h"

#include "describe.h"
#include "opcodes.h"
#include "place.h"

#include <algorithm>
#include <bit>

namespace {

constexpr uint16_t C_NOP = 0x0001;

// Bytes [from, from + count) of a section are to go, in the section's
// positions before any of them went; `before` bytes go ahead of them.
struct gap {
    uint32_t from;
    uint32_t count;
    uint32_t before = 0;
};

// Where a position moves once the gaps (in order, apart, none empty) are
// gone. A position inside a gap moves to the gap's start.
uint32_t moved(const std::vector<gap>& gaps, uint32_t position) {
    // The first gap that ends after the position.
    const auto after = std::ranges::upper_bound(gaps, position, {}, [](const gap& g) { return g.from + g.count; });
    if (after == gaps.end()) return gaps.empty() ? position : position - (gaps.back().before + gaps.back().count);
    return std::min(position, after->from) - after->before;
}

// The bytes of the gaps leave the section in one pass; then every label, size,
// relocation and addend against the section moves once.
void close_gaps(riscv_elf& elf, uint32_t index, const std::vector<gap>& gaps) {
    section& sec = elf.sections[index];
    std::vector<uint8_t> kept;
    kept.reserve(sec.contents.size());
    uint32_t next = 0;
    for (const gap& g : gaps) {
        kept.insert(kept.end(), sec.contents.begin() + next, sec.contents.begin() + g.from);
        next = g.from + g.count;
    }
    kept.insert(kept.end(), sec.contents.begin() + next, sec.contents.end());
    sec.header.sh_size -= static_cast<uint32_t>(sec.contents.size() - kept.size());
    sec.contents = std::move(kept);
    for (symbol& sym : elf.symtab) {
        if (sym.sh_index != static_cast<int32_t>(index)) continue;
        const uint32_t end = moved(gaps, sym.value + sym.size);
        sym.value = moved(gaps, sym.value);
        if (sym.size != 0) sym.size = end - sym.value;
    }
    for (relocation& relo : elf.relocations) {
        if (relo.section_index == index) relo.addr = moved(gaps, relo.addr);
        // Against the section itself, the addend is a position in it.
        const bool against_section = relo.symbol_index < elf.symtab.size() &&
                                     elf.symtab[relo.symbol_index].kind == STT_SECTION &&
                                     elf.symtab[relo.symbol_index].sh_index == static_cast<int32_t>(index);
        if (against_section && relo.addend >= 0)
            relo.addend = static_cast<int32_t>(moved(gaps, static_cast<uint32_t>(relo.addend)));
    }
}

// Keeps as many of the marked nops as the boundary needs at their final
// address (`deleted` bytes of the section before them are going), written
// afresh (the assembler's may begin with a 2-byte one); the rest is a gap.
std::expected<void, alignment_refusal> trim(riscv_elf& elf, const placement& placed, relocation& align,
                                            uint32_t deleted, std::vector<gap>& gaps) {
    const uint32_t index = align.section_index;
    section& sec = elf.sections[index];
    const uint32_t at = align.addr;
    using enum alignment_fault;
    if (align.addend < 0 || uint64_t{at} + static_cast<uint32_t>(align.addend) > sec.contents.size())
        return std::unexpected(alignment_refusal{PAST_THE_END, index, at});
    const uint64_t count = static_cast<uint32_t>(align.addend);
    if (count % 2 != 0) return std::unexpected(alignment_refusal{ODD_COUNT, index, at, count});
    if (!gaps.empty() && at < gaps.back().from + gaps.back().count)
        return std::unexpected(alignment_refusal{INSIDE_EARLIER_NOPS, index, at});
    const uint64_t boundary = std::bit_ceil(count + 1);
    const uint64_t address = uint64_t{placed.address[index]} + at - deleted;
    const uint64_t keep = (boundary - address % boundary) % boundary;
    if (keep > count || keep % 2 != 0)
        return std::unexpected(alignment_refusal{TOO_FEW_NOPS, index, at, count, keep, boundary});
    uint32_t next = at;
    auto put = [&](uint32_t value, unsigned bytes) {
        for (unsigned i = 0; i < bytes; ++i) sec.contents[next++] = static_cast<uint8_t>(value >> (8 * i));
    };
    if (keep % 4 == 2) put(C_NOP, 2);
    while (next < at + keep) put(NOP, 4);
    // Even one that deletes nothing marks its nops, so that a second ALIGN over them is seen.
    gaps.push_back({static_cast<uint32_t>(at + keep), static_cast<uint32_t>(count - keep)});
    align.addend = static_cast<int32_t>(keep);
    return {};
}

}  // namespace

std::expected<void, alignment_refusal> trim_code_alignment(riscv_elf& elf, placement& placed) {
    for (uint32_t index = 0; index < elf.sections.size(); ++index) {
        if (!is_code_section(elf.sections[index])) continue;
        std::vector<size_t> aligns;
        for (size_t i = 0; i < elf.relocations.size(); ++i)
            if (elf.relocations[i].section_index == index && elf.relocations[i].type == R_RISCV_ALIGN) aligns.push_back(i);
        if (aligns.empty()) continue;
        std::ranges::stable_sort(aligns, {}, [&](size_t i) { return elf.relocations[i].addr; });
        std::vector<gap> gaps;
        uint32_t deleted = 0;
        for (size_t i : aligns) {
            if (auto trimmed = trim(elf, placed, elf.relocations[i], deleted, gaps); !trimmed) return trimmed;
            deleted += gaps.back().count;
        }
        std::erase_if(gaps, [](const gap& g) { return g.count == 0; });
        for (size_t g = 1; g < gaps.size(); ++g) gaps[g].before = gaps[g - 1].before + gaps[g - 1].count;
        close_gaps(elf, index, gaps);
        // The code sections after this one start where its trimmed end takes
        // them. Shorter code never moves a section later, so what placed once places again.
        if (auto again = place_sections(elf)) placed = *std::move(again);
    }
    return {};
}
