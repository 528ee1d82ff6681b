#include "place.h"

#include "hex_text.h"
#include "riscv_constants.h"

#include <algorithm>
#include <bit>
#include <string_view>

namespace {

// Data sections placed first, in this order, as obj files have always had them.
constexpr std::string_view FIRST_DATA_SECTIONS[] = {".data", ".bss", ".sbss", ".data1", ".rodata", ".rodata1"};

uint64_t round_up(uint64_t value, uint64_t alignment) {
    return alignment > 1 ? (value + alignment - 1) / alignment * alignment : value;
}

bool is_allocated(const section& sec) { return (sec.header.sh_flags & SHF_ALLOC) != 0; }

// Lays out `what` one after the other from `next`, each at its alignment, and
// fails when one would end past `end`.
struct cursor {
    uint64_t next;
    uint64_t end;
    const char* segment;
    uint64_t filled = next;  // the end of the last section that holds bytes

    std::expected<uint32_t, std::string> take(const std::string& name, uint64_t size, uint64_t alignment) {
        if (size > 0 && alignment > 1 && !std::has_single_bit(alignment))
            return std::unexpected(std::string(segment) + " section " + name + " asks for an alignment of " +
                                   std::to_string(alignment) + " bytes, which is not a power of two");
        const uint64_t start = round_up(next, std::max<uint64_t>(alignment, 1));
        if (start + size > end)
            return std::unexpected("the " + std::string(segment) + " sections do not fit in the " + segment +
                                   " segment (" + name + " would end past " + hex_text(static_cast<uint32_t>(end - 1)) +
                                   ")");
        // An empty section still moves what follows to its aligned start, as
        // ld.lld places it: its labels are there, and they must not lie past
        // the start of the next section.
        next = start + size;
        if (size > 0) filled = next;
        return static_cast<uint32_t>(start);
    }
};

std::vector<size_t> data_sections_in_order(const riscv_elf& elf) {
    std::vector<size_t> order;
    std::vector<bool> taken(elf.sections.size(), false);
    auto take = [&](size_t i) {
        if (taken[i] || !is_allocated(elf.sections[i]) || is_code_section(elf.sections[i])) return;
        taken[i] = true;
        order.push_back(i);
    };
    for (std::string_view name : FIRST_DATA_SECTIONS)
        for (size_t i = 0; i < elf.sections.size(); ++i)
            if (elf.sections[i].name == name) take(i);
    for (size_t i = 0; i < elf.sections.size(); ++i) take(i);
    return order;
}

}  // namespace

bool is_code_section(const section& sec) {
    return is_allocated(sec) && (sec.header.sh_flags & SHF_EXECINSTR) != 0;
}

std::expected<placement, std::string> place_sections(const riscv_elf& elf) {
    placement p;
    p.placed.assign(elf.sections.size(), false);
    p.address.assign(elf.sections.size(), 0);

    cursor code{INITIAL_CODE_OFFSET, uint64_t{INITIAL_CODE_OFFSET} + SEGMENT_SIZE, "code"};
    for (size_t i = 0; i < elf.sections.size(); ++i) {
        const section& sec = elf.sections[i];
        if (!is_code_section(sec)) continue;
        if (sec.header.sh_addralign > MAX_CODE_ALIGNMENT)
            return std::unexpected("code section " + sec.name + " asks for an alignment of " +
                                   std::to_string(sec.header.sh_addralign) + " bytes; orrik aligns code to at most " +
                                   std::to_string(MAX_CODE_ALIGNMENT));
        // Code comes from the object's bytes: a size without them would only
        // fill the image with zero words, as many as a header cares to claim.
        const bool no_bytes = sec.header.sh_type == SHT_NOBITS || sec.contents.size() != sec.header.sh_size;
        if (sec.header.sh_size > 0 && no_bytes)
            return std::unexpected("code section " + sec.name + " holds no instructions in the object (" +
                                   (sec.header.sh_type == SHT_NOBITS ? std::string("it is NOBITS")
                                                                     : "its type is " + std::to_string(sec.header.sh_type)) +
                                   ")");
        // A length that is not a whole number of words is padded with zero bytes.
        auto start = code.take(sec.name, round_up(sec.header.sh_size, 4), std::max<uint32_t>(sec.header.sh_addralign, 4));
        if (!start) return std::unexpected(start.error());
        p.placed[i] = true;
        p.address[i] = *start;
        p.code_order.push_back(i);
    }
    p.code_end = static_cast<uint32_t>(code.filled);

    cursor data{INITIAL_DATA_OFFSET, uint64_t{INITIAL_DATA_OFFSET} + SEGMENT_SIZE, "data"};
    for (size_t i : data_sections_in_order(elf)) {
        const section& sec = elf.sections[i];
        auto start = data.take(sec.name, sec.header.sh_size, sec.header.sh_addralign);
        if (!start) return std::unexpected(start.error());
        p.placed[i] = true;
        p.address[i] = *start;
        p.data_order.push_back(i);
    }
    // A COMMON symbol's value is its alignment.
    for (size_t i = 0; i < elf.symtab.size(); ++i) {
        const symbol& sym = elf.symtab[i];
        if (sym.sh_index != SHN_COMMON) continue;
        auto start = data.take("'" + sym.name + "'", sym.size, sym.value);
        if (!start) return std::unexpected(start.error());
        p.commons.emplace_back(i, *start);
    }
    return p;
}

void rebase_symbols(riscv_elf& elf, const placement& placed) {
    for (symbol& sym : elf.symtab) {
        if (sym.sh_index <= 0 || sym.sh_index >= SHN_LORESERVE) continue;
        const auto index = static_cast<size_t>(sym.sh_index);
        if (index < placed.placed.size() && placed.placed[index]) sym.value += placed.address[index];
    }
    for (const auto& [index, address] : placed.commons) elf.symtab[index].value = address;
}
