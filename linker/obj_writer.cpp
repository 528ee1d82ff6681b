#include "obj_writer.h"

#include "riscv_constants.h"
#include "whole_file.h"

#include <cstdio>

namespace {

void put16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value >> 8));
    out.push_back(static_cast<uint8_t>(value));
}

void put32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

}  // namespace

std::vector<uint8_t> obj_image(const riscv_elf& elf, const placement& placed, const std::vector<uint32_t>& code) {
    size_t size = 14 + 4 * code.size();
    for (size_t index : placed.data_order) size += 10 + elf.sections[index].contents.size();
    for (const symbol& sym : elf.symtab) size += 10 + sym.name.size();  // mapping symbols too: at most this
    std::vector<uint8_t> out;
    out.reserve(size);
    put32(out, MAGIC_WORD);
    put16(out, CODE_INDICATOR);
    put32(out, INITIAL_CODE_OFFSET);
    put32(out, static_cast<uint32_t>(code.size()));
    for (uint32_t word : code) put32(out, word);
    for (size_t index : placed.data_order) write_data_section(elf.sections[index], out, placed.address[index]);
    for (const symbol& sym : elf.symtab) {
        if (is_mapping_symbol(sym)) continue;
        put16(out, SYMB_INDICATOR);
        put32(out, sym.value);
        put32(out, static_cast<uint32_t>(sym.name.size()));
        out.insert(out.end(), sym.name.begin(), sym.name.end());
    }
    return out;
}

bool write_data_section(const section& sec, std::vector<uint8_t>& out, uint32_t data_offset) {
    if (sec.contents.empty()) return true;
    put16(out, DATA_INDICATOR);
    put32(out, data_offset);
    put32(out, static_cast<uint32_t>(sec.contents.size()));
    out.insert(out.end(), sec.contents.begin(), sec.contents.end());
    return true;
}

std::expected<void, std::string> write_obj_file(const std::string& path, const std::vector<uint8_t>& image) {
    const auto written =
        write_whole_file(path, [&](std::FILE* file) { std::fwrite(image.data(), 1, image.size(), file); });
    if (!written) return std::unexpected("cannot write obj file '" + path + "': " + written.error());
    return {};
}
