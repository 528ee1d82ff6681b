#include "link.h"

#include "fcloser.h"
#include "relocate.h"
#include "hex_text.h"
#include "riscv_constants.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <ostream>
#include <string_view>
#include <unordered_map>

namespace {

template <class T>
using result = std::expected<T, std::string>;

struct placed_section {
    std::string_view name;
    const section* sec;
    uint32_t address;
};

// The data sections in the order they are written, each after the one before,
// its start rounded up to its alignment.
result<std::array<placed_section, 6>> place_data(const riscv_elf& elf) {
    std::array<placed_section, 6> placed{{{".data", &elf.data, 0},
                                          {".bss", &elf.bss, 0},
                                          {".sbss", &elf.sbss, 0},
                                          {".data1", &elf.data1, 0},
                                          {".rodata", &elf.rodata, 0},
                                          {".rodata1", &elf.rodata1, 0}}};
    const uint64_t end = uint64_t{INITIAL_DATA_OFFSET} + SEGMENT_SIZE;
    uint64_t next = INITIAL_DATA_OFFSET;
    for (placed_section& p : placed) {
        const uint64_t align = p.sec->header.sh_addralign > 1 ? p.sec->header.sh_addralign : 1;
        const uint64_t start = (next + align - 1) / align * align;
        if (start + p.sec->contents.size() > end)
            return std::unexpected("the data sections do not fit in the data segment (" + std::string(p.name) +
                                   " would end past 0x2fffffff)");
        p.address = static_cast<uint32_t>(start);
        if (!p.sec->contents.empty()) next = start + p.sec->contents.size();
    }
    return placed;
}

// Labels of .text move to the code segment, labels of the data sections to
// where their section was placed; all others (undefined, absolute, common,
// other sections) keep their value.
void rebase_symbols(riscv_elf& elf, const std::array<placed_section, 6>& placed) {
    for (symbol& sym : elf.symtab) {
        if (sym.sh_index < 0 || sym.sh_index >= SHN_LORESERVE ||
            static_cast<size_t>(sym.sh_index) >= elf.section_names.size())
            continue;
        const std::string& name = elf.section_names[static_cast<size_t>(sym.sh_index)];
        if (name == ".text") sym.value += INITIAL_CODE_OFFSET;
        for (const placed_section& p : placed)
            if (name == p.name) sym.value += p.address;
    }
}

result<void> patch(riscv_elf& elf, uint32_t index, uint32_t instr_address, uint32_t value) {
    if (index >= elf.text.size())
        return std::unexpected("relocation at offset " + hex_text(instr_address) + " lies outside .text");
    auto patched = relocate_instruction(elf.text[index], static_cast<int32_t>(instr_address), static_cast<int32_t>(value));
    if (!patched) return std::unexpected(patched.error());
    elf.text[index] = std::move(*patched);
    return {};
}

// The PC-relative values S + A - P of the %pcrel_hi relocations, by the
// offset of their auipc: a %pcrel_lo names the auipc's label and takes its value.
std::unordered_map<uint32_t, uint32_t> pcrel_hi_values(const riscv_elf& elf, const std::vector<relocation>& list) {
    std::unordered_map<uint32_t, uint32_t> values;
    for (const relocation& relo : list)
        if (relo.type == R_RISCV_PCREL_HI20 && relo.symbol_index < elf.symtab.size())
            values[relo.addr] = elf.symtab[relo.symbol_index].value + static_cast<uint32_t>(relo.addend) -
                                (INITIAL_CODE_OFFSET + relo.addr);
    return values;
}

result<void> apply_relocation(riscv_elf& elf, const relocation& relo,
                              const std::unordered_map<uint32_t, uint32_t>& hi_values) {
    if (relo.symbol_index >= elf.symtab.size())
        return std::unexpected("relocation at offset " + hex_text(relo.addr) + " names symbol " +
                               std::to_string(relo.symbol_index) + ", but the symbol table has " +
                               std::to_string(elf.symtab.size()) + " entries");
    const uint32_t target = elf.symtab[relo.symbol_index].value + static_cast<uint32_t>(relo.addend);
    const uint32_t place = INITIAL_CODE_OFFSET + relo.addr;
    const uint32_t index = relo.addr / 4;
    switch (relo.type) {
        case R_RISCV_PCREL_HI20: return patch(elf, index, relo.addr, target - place);
        case R_RISCV_PCREL_LO12_I:
        case R_RISCV_PCREL_LO12_S: {
            const uint32_t hi_offset = elf.symtab[relo.symbol_index].value - INITIAL_CODE_OFFSET;
            const auto hi = hi_values.find(hi_offset);
            if (hi == hi_values.end())
                return std::unexpected("%pcrel_lo at offset " + hex_text(relo.addr) +
                                       " has no %pcrel_hi relocation at the label it names");
            return patch(elf, index, relo.addr, hi->second);
        }
        case R_RISCV_CALL:
        case R_RISCV_CALL_PLT: {
            if (auto done = patch(elf, index, relo.addr, target - place); !done) return done;
            return patch(elf, index + 1, relo.addr + 4, target - place);  // the jalr after the auipc
        }
        default: return patch(elf, index, relo.addr, target);
    }
}

void put16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

bool write_data_section(const section& sec, std::vector<uint8_t>& out, uint32_t data_offset) {
    if (sec.contents.empty()) return true;
    put16(out, DATA_INDICATOR);
    put32(out, data_offset);
    put32(out, static_cast<uint32_t>(sec.contents.size()));
    out.insert(out.end(), sec.contents.begin(), sec.contents.end());
    return true;
}

result<std::vector<uint8_t>> link_object(riscv_elf& elf, std::ostream& warnings) {
    auto placed = place_data(elf);
    if (!placed) return std::unexpected(placed.error());
    rebase_symbols(elf, *placed);

    if (const auto it = elf.relocations.find(".text"); it != elf.relocations.end()) {
        const auto hi_values = pcrel_hi_values(elf, it->second);
        for (const relocation& relo : it->second) {
            if (relo.type == R_RISCV_RELAX || relo.type == R_RISCV_ALIGN) continue;  // markers, nothing to patch
            if (auto done = apply_relocation(elf, relo, hi_values); !done) return std::unexpected(done.error());
            if (relo.addend != 0) warnings << "Report to dorvik: addend is not 0" << std::endl;
        }
    }

    std::vector<uint8_t> out;
    put32(out, MAGIC_WORD);
    put16(out, CODE_INDICATOR);
    put32(out, INITIAL_CODE_OFFSET);
    put32(out, static_cast<uint32_t>(elf.text.size()));
    for (const Instruction& instr : elf.text) put32(out, instr.encoding);
    for (const placed_section& p : *placed) write_data_section(*p.sec, out, p.address);
    for (const symbol& sym : elf.symtab) {
        put16(out, SYMB_INDICATOR);
        put32(out, sym.value);
        put32(out, static_cast<uint32_t>(sym.name.size()));
        out.insert(out.end(), sym.name.begin(), sym.name.end());
    }
    return out;
}

std::optional<std::string> write_obj_file(const std::string& path, const std::vector<uint8_t>& image) {
    file_ptr out_obj(std::fopen(path.c_str(), "w"));
    if (!out_obj) return "cannot open obj file '" + path + "' for writing: " + std::strerror(errno);
    const bool written = std::fwrite(image.data(), 1, image.size(), out_obj.get()) == image.size();
    const int write_errno = errno;
    const bool closed = std::fclose(out_obj.release()) == 0;
    if (!written || !closed)
        return "cannot write obj file '" + path + "': " + std::strerror(written ? errno : write_errno);
    return std::nullopt;
}
