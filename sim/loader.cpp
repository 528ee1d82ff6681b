// Reads an obj file block by block into a riscv_mem. Nothing in the file is
// trusted: every length is checked by reading, never by reserving memory first,
// so a count near 2^32 in a tiny file costs one failed read, not gigabytes.
#include "loader.h"

#include "fcloser.h"
#include "hex_text.h"
#include "riscv_constants.h"
#include "word_report.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

namespace {

// What a block reader gives: nothing, or why the file cannot be loaded.
using load_error = std::expected<void, std::string>;

bool read_u32(std::FILE* file, uint32_t& value) {
    uint32_t raw = 0;
    const bool complete = std::fread(&raw, 4, 1, file) == 1;
    value = ntohl(raw);
    return complete;
}

// Reads `length` bytes into `text` in pieces, so memory follows what is really there.
bool read_name(std::FILE* file, uint32_t length, std::string& text) {
    char chunk[4096];
    while (length > 0) {
        const size_t want = std::min<size_t>(length, sizeof chunk);
        const size_t got = std::fread(chunk, 1, want, file);
        text.append(chunk, got);
        if (got != want) return false;
        length -= static_cast<uint32_t>(want);
    }
    return true;
}

load_error read_code(riscv_mem& mem, std::FILE* file, unidentified_words& seen) {
    uint32_t address = 0, count = 0;
    if (!read_u32(file, address) || !read_u32(file, count))
        return std::unexpected("code block header runs past the end of the file");
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t word = 0;
        if (!read_u32(file, word))
            return std::unexpected("code block at " + hex_text(address) + " of " + std::to_string(count) +
                                   " words runs past the end of the file");
        mem.text.insert_or_assign(address + 4 * i, decode_in_program(word, seen));
    }
    return {};
}

load_error read_data(riscv_mem& mem, std::FILE* file) {
    uint32_t address = 0, count = 0;
    if (!read_u32(file, address) || !read_u32(file, count))
        return std::unexpected("data block header runs past the end of the file");
    // An address past the segment is refused even with no bytes to place.
    if (!in_data_segment(address, std::max<uint64_t>(count, 1)))
        return std::unexpected("data block at " + hex_text(address) + " of " + std::to_string(count) +
                               " bytes does not lie inside the data segment");
    if (std::fread(mem.data.data() + data_index(address), 1, count, file) != count)
        return std::unexpected("FUCK ME IN THE ASS: ASK DORVIK TO INVESTIGATE");
    return {};
}

load_error read_symbol(riscv_mem& mem, std::FILE* file) {
    uint32_t address = 0, length = 0;
    if (!read_u32(file, address) || !read_u32(file, length))
        return std::unexpected("symbol block header runs past the end of the file");
    std::string name;
    if (!read_name(file, length, name))
        return std::unexpected("symbol block name of " + std::to_string(length) +
                               " bytes runs past the end of the file");
    mem.label_to_addr.insert_or_assign(name, address);
    mem.addr_to_labels[address].push_back(std::move(name));
    return {};
}

load_error read_file(riscv_mem&, std::FILE* file) {
    uint32_t length = 0;
    if (!read_u32(file, length)) return std::unexpected("file block header runs past the end of the file");
    std::string name;
    if (!read_name(file, length, name))
        return std::unexpected("file block name of " + std::to_string(length) +
                               " bytes runs past the end of the file");
    return {};
}

load_error read_line(riscv_mem&, std::FILE* file) {
    uint32_t addr = 0, line = 0, index = 0;
    if (!read_u32(file, addr) || !read_u32(file, line) || !read_u32(file, index))
        return std::unexpected("line block runs past the end of the file");
    return {};
}

}  // namespace

std::expected<riscv_mem, std::string> load_riscv(const std::string& fname) {
    file_ptr file(std::fopen(fname.c_str(), "rb"));
    if (!file) return std::unexpected("cannot open obj file '" + fname + "': " + std::strerror(errno));

    uint32_t magic = 0;
    read_u32(file.get(), magic);
    if (magic != MAGIC_WORD) return std::unexpected("MAGIC WORD IS INCORRECT");

    riscv_mem mem;
    unidentified_words seen;
    while (!std::feof(file.get())) {
        uint16_t raw = 0;
        if (std::fread(&raw, 2, 1, file.get()) != 1) break;
        const uint16_t indicator = ntohs(raw);
        load_error error;
        switch (indicator) {
            case CODE_INDICATOR: error = read_code(mem, file.get(), seen); break;
            case DATA_INDICATOR: error = read_data(mem, file.get()); break;
            case SYMB_INDICATOR: error = read_symbol(mem, file.get()); break;
            case FILE_INDICATOR: error = read_file(mem, file.get()); break;
            case LINE_INDICATOR: error = read_line(mem, file.get()); break;
            default: {
                report_unlisted(seen);
                std::cerr << "UNKOWN INDICATOR FUUUUUUCK" << hex_digits(indicator) << std::endl;
                return std::unexpected("UNKOWN INDICATOR FUCKKKKK");
            }
        }
        if (!error) {
            report_unlisted(seen);
            return std::unexpected(std::move(error.error()));
        }
    }
    report_unlisted(seen);
    if (std::ferror(file.get()))
        return std::unexpected("cannot read obj file '" + fname + "': " + std::strerror(errno));
    return mem;
}
