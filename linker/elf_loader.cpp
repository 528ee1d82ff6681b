#include "elf_loader.h"

#include "riscv_constants.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

static_assert(std::endian::native == std::endian::little, "ELF fields are read in host order");

namespace {

template <class T>
using result = std::expected<T, std::string>;

// Whether bytes [offset, offset + size) lie inside the file.
bool inside(std::span<const uint8_t> file, uint64_t offset, uint64_t size) {
    return offset <= file.size() && size <= file.size() - offset;
}

template <class T>
T read_at(std::span<const uint8_t> file, uint64_t offset) {
    T value{};
    std::memcpy(&value, file.data() + offset, sizeof(T));
    return value;
}

// The NUL-terminated string at `offset` of a string table, if it lies wholly inside it.
std::optional<std::string> string_at(const Elf32_strtab& strings, uint32_t offset) {
    const std::vector<char>& bytes = strings.contents;
    if (offset >= bytes.size()) return std::nullopt;
    const void* end = std::memchr(bytes.data() + offset, '\0', bytes.size() - offset);
    if (!end) return std::nullopt;
    return std::string(bytes.data() + offset, static_cast<const char*>(end));
}

result<Elf32_Ehdr> read_header(std::span<const uint8_t> file) {
    if (file.size() < sizeof(Elf32_Ehdr)) return std::unexpected("Error Reading Header");
    return read_at<Elf32_Ehdr>(file, 0);
}

result<std::vector<Elf32_Shdr>> read_section_headers(std::span<const uint8_t> file, const Elf32_Ehdr& header) {
    if (!inside(file, header.e_shoff, uint64_t{header.e_shnum} * sizeof(Elf32_Shdr)))
        return std::unexpected("section header table lies outside the file");
    std::vector<Elf32_Shdr> headers(header.e_shnum);
    for (uint32_t i = 0; i < header.e_shnum; ++i)
        headers[i] = read_at<Elf32_Shdr>(file, header.e_shoff + uint64_t{i} * sizeof(Elf32_Shdr));
    return headers;
}

result<Elf32_strtab> read_string_table(std::span<const uint8_t> file, const Elf32_Ehdr& header,
                                       const std::vector<Elf32_Shdr>& headers) {
    if (header.e_shstrndx >= headers.size())
        return std::unexpected("section name table index " + std::to_string(header.e_shstrndx) +
                               " is not a section of the object");
    Elf32_strtab table{headers[header.e_shstrndx], {}};
    if (!inside(file, table.header.sh_offset, table.header.sh_size))
        return std::unexpected("section name table lies outside the file");
    const auto* first = reinterpret_cast<const char*>(file.data() + table.header.sh_offset);
    table.contents.assign(first, first + table.header.sh_size);
    return table;
}

// The section's bytes: read from the file, or sh_size zeros for a NOBITS section,
// which is bounded by the data segment it must fit into.
result<std::span<const uint8_t>> section_bytes(std::span<const uint8_t> file, const Elf32_Shdr& header,
                                               const std::string& name) {
    if (header.sh_type == SHT_NOBITS) return std::span<const uint8_t>{};
    if (!inside(file, header.sh_offset, header.sh_size))
        return std::unexpected("section " + name + " lies outside the file");
    return file.subspan(header.sh_offset, header.sh_size);
}

result<std::vector<Instruction>> read_text(std::span<const uint8_t> file, const Elf32_Shdr& header) {
    auto bytes = section_bytes(file, header, ".text");
    if (!bytes) return std::unexpected(bytes.error());
    std::vector<Instruction> text;
    text.reserve(bytes->size() / 4);
    for (size_t i = 0; i + 4 <= bytes->size(); i += 4) text.push_back(decode_instruction(read_at<uint32_t>(*bytes, i)));
    return text;
}

result<std::vector<symbol>> read_symtab(std::span<const uint8_t> file, const Elf32_strtab& strings,
                                        const Elf32_Shdr& header) {
    auto bytes = section_bytes(file, header, ".symtab");
    if (!bytes) return std::unexpected(bytes.error());
    std::vector<symbol> symbols;
    symbols.reserve(bytes->size() / sizeof(Elf32_Sym));
    for (size_t i = 0; i + sizeof(Elf32_Sym) <= bytes->size(); i += sizeof(Elf32_Sym)) {
        const auto entry = read_at<Elf32_Sym>(*bytes, i);
        auto name = string_at(strings, entry.st_name);
        if (!name)
            return std::unexpected("symbol " + std::to_string(symbols.size()) +
                                   " has a name outside the string table");
        symbols.push_back({std::move(*name), entry.st_value, entry.st_size, entry.st_other == 1,
                           static_cast<int32_t>(entry.st_shndx)});
    }
    return symbols;
}

result<std::vector<relocation>> read_rela_text(std::span<const uint8_t> file, const Elf32_Shdr& header) {
    auto bytes = section_bytes(file, header, ".rela.text");
    if (!bytes) return std::unexpected(bytes.error());
    std::vector<relocation> relocations;
    relocations.reserve(bytes->size() / sizeof(Elf32_Rela));
    for (size_t i = 0; i + sizeof(Elf32_Rela) <= bytes->size(); i += sizeof(Elf32_Rela)) {
        const auto entry = read_at<Elf32_Rela>(*bytes, i);
        relocations.push_back({entry.r_offset, ELF32_R_SYM(entry.r_info),
                               static_cast<uint8_t>(ELF32_R_TYPE(entry.r_info)), entry.r_addend});
    }
    return relocations;
}

result<section> read_section(std::span<const uint8_t> file, const Elf32_Shdr& header, const std::string& name) {
    if (header.sh_type == SHT_NOBITS) {
        if (header.sh_size > SEGMENT_SIZE)
            return std::unexpected("section " + name + " is larger than the data segment");
        return section{header, std::vector<uint8_t>(header.sh_size)};
    }
    auto bytes = section_bytes(file, header, name);
    if (!bytes) return std::unexpected(bytes.error());
    return section{header, std::vector<uint8_t>(bytes->begin(), bytes->end())};
}

constexpr std::pair<std::string_view, section riscv_elf::*> DATA_SECTIONS[] = {
    {".data", &riscv_elf::data},   {".bss", &riscv_elf::bss},       {".sbss", &riscv_elf::sbss},
    {".data1", &riscv_elf::data1}, {".rodata", &riscv_elf::rodata}, {".rodata1", &riscv_elf::rodata1},
};

section riscv_elf::*data_section_named(std::string_view name) {
    for (const auto& [section_name, field] : DATA_SECTIONS)
        if (section_name == name) return field;
    return nullptr;
}

// Stores a successful result into `field`, or passes the error on.
template <class T, class U>
std::optional<std::string> store(result<T> value, U& field) {
    if (!value) return std::move(value.error());
    field = std::move(*value);
    return std::nullopt;
}

}  // namespace

result<riscv_elf> parse_riscv32i_elf(std::span<const uint8_t> file) {
    riscv_elf elf;
    if (auto error = store(read_header(file), elf.header)) return std::unexpected(*error);
    if (auto error = store(read_section_headers(file, elf.header), elf.section_headers)) return std::unexpected(*error);
    if (auto error = store(read_string_table(file, elf.header, elf.section_headers), elf.string_table))
        return std::unexpected(*error);

    for (size_t i = 0; i < elf.section_headers.size(); ++i) {
        const Elf32_Shdr header = elf.section_headers[i];
        auto name = string_at(elf.string_table, header.sh_name);
        if (!name) return std::unexpected("section " + std::to_string(i) + " has a name outside the string table");
        elf.section_names.push_back(*name);
        std::optional<std::string> error;
        if (*name == ".text") error = store(read_text(file, header), elf.text);
        else if (section riscv_elf::*field = data_section_named(*name))
            error = store(read_section(file, header, *name), elf.*field);
        else if (*name == ".symtab") error = store(read_symtab(file, elf.string_table, header), elf.symtab);
        else if (*name == ".rela.text") error = store(read_rela_text(file, header), elf.relocations[".text"]);
        if (error) return std::unexpected(*error);
    }
    return elf;
}

result<riscv_elf> load_riscv32i_elf(const std::string& elf_fname) {
    lazy_fstream_guard guard{std::fopen(elf_fname.c_str(), "rb+")};
    if (!guard.to_close) return std::unexpected("Failed to open file");
    if (std::fseek(guard.to_close, 0, SEEK_SET) != 0)
        return std::unexpected(std::string("Error Reading Header: ") + std::strerror(errno));
    // The whole object, read in pieces: memory follows the bytes that are really there.
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, guard.to_close)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    if (std::ferror(guard.to_close))
        return std::unexpected(std::string("Error Reading Header: ") + std::strerror(errno));
    return parse_riscv32i_elf(bytes);
}
