#include "elf_loader.h"

#include <sys/stat.h>

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
std::optional<std::string> string_at(const std::vector<uint8_t>& table, uint32_t offset) {
    if (offset >= table.size()) return std::nullopt;
    const auto* first = reinterpret_cast<const char*>(table.data());
    const void* end = std::memchr(first + offset, '\0', table.size() - offset);
    if (!end) return std::nullopt;
    return std::string(first + offset, static_cast<const char*>(end));
}

// What the reader needs of the header, each with what is wrong when it does not hold.
std::expected<void, std::string> check_header(const Elf32_Ehdr& h) {
    if (std::memcmp(h.e_ident, ELFMAG, SELFMAG) != 0)
        return std::unexpected("the object is not an ELF file: it does not start with 0x7f 'ELF'");
    const auto number = [](unsigned value) { return std::to_string(value); };
    if (h.e_ident[EI_CLASS] != ELFCLASS32)
        return std::unexpected("the object is not 32-bit ELF: its class is " + number(h.e_ident[EI_CLASS]) + ", not 1");
    if (h.e_ident[EI_DATA] != ELFDATA2LSB)
        return std::unexpected("the object is not little-endian: its data encoding is " + number(h.e_ident[EI_DATA]) +
                               ", not 1");
    if (h.e_machine != EM_RISCV)
        return std::unexpected("the object is not for RISC-V: its machine is " + number(h.e_machine) + ", not 243");
    if (h.e_type != ET_REL)
        return std::unexpected("the object is not relocatable: its type is " + number(h.e_type) + ", not 1");
    if (h.e_shnum == 0) return std::unexpected(std::string("the object has no sections"));
    if (h.e_shentsize != sizeof(Elf32_Shdr))
        return std::unexpected("the object's section headers are " + number(h.e_shentsize) + " bytes each, not 40");
    return {};
}

result<Elf32_Ehdr> read_header(std::span<const uint8_t> file) {
    if (file.size() < sizeof(Elf32_Ehdr)) return std::unexpected("Error Reading Header");
    const auto header = read_at<Elf32_Ehdr>(file, 0);
    if (auto checked = check_header(header); !checked) return std::unexpected(checked.error());
    return header;
}

result<std::vector<section>> read_section_headers(std::span<const uint8_t> file, const Elf32_Ehdr& header) {
    if (!inside(file, header.e_shoff, uint64_t{header.e_shnum} * sizeof(Elf32_Shdr)))
        return std::unexpected("section header table lies outside the file");
    std::vector<section> sections(header.e_shnum);
    for (uint32_t i = 0; i < header.e_shnum; ++i)
        sections[i].header = read_at<Elf32_Shdr>(file, header.e_shoff + uint64_t{i} * sizeof(Elf32_Shdr));
    return sections;
}

// Sections without bytes in the file: NOBITS (zeros when loaded) and the null section.
bool has_file_bytes(const Elf32_Shdr& header) { return header.sh_type != SHT_NOBITS && header.sh_type != SHT_NULL; }

// Reads nothing twice: the name table is read first, for the names.
std::expected<void, std::string> read_contents(std::span<const uint8_t> file, section& sec) {
    if (!has_file_bytes(sec.header) || !sec.contents.empty()) return {};
    if (!inside(file, sec.header.sh_offset, sec.header.sh_size))
        return std::unexpected("section " + sec.name + " lies outside the file");
    const auto bytes = file.subspan(sec.header.sh_offset, sec.header.sh_size);
    sec.contents.assign(bytes.begin(), bytes.end());
    return {};
}

std::expected<void, std::string> read_section_names(std::span<const uint8_t> file, std::vector<section>& sections,
                                              const Elf32_Ehdr& header) {
    if (sections.empty()) return {};
    if (header.e_shstrndx >= sections.size())
        return std::unexpected("section name table index " + std::to_string(header.e_shstrndx) +
                               " is not a section of the object");
    section& names = sections[header.e_shstrndx];
    names.name = "name table";
    if (auto read = read_contents(file, names); !read) return read;
    for (size_t i = 0; i < sections.size(); ++i) {
        auto name = string_at(names.contents, sections[i].header.sh_name);
        if (!name) return std::unexpected("section " + std::to_string(i) + " has a name outside the string table");
        sections[i].name = std::move(*name);
    }
    return {};
}

// The symbols of the first SHT_SYMTAB section, named from the table its sh_link names.
result<std::vector<symbol>> read_symtab(const std::vector<section>& sections) {
    std::vector<symbol> symbols;
    for (const section& sec : sections) {
        if (sec.header.sh_type != SHT_SYMTAB) continue;
        if (sec.header.sh_link >= sections.size())
            return std::unexpected("symbol name table index " + std::to_string(sec.header.sh_link) +
                                   " is not a section of the object");
        const std::vector<uint8_t>& names = sections[sec.header.sh_link].contents;
        const std::span<const uint8_t> bytes = sec.contents;
        symbols.reserve(bytes.size() / sizeof(Elf32_Sym));
        for (size_t i = 0; i + sizeof(Elf32_Sym) <= bytes.size(); i += sizeof(Elf32_Sym)) {
            const auto entry = read_at<Elf32_Sym>(bytes, i);
            auto name = string_at(names, entry.st_name);
            if (!name)
                return std::unexpected("symbol " + std::to_string(symbols.size()) +
                                       " has a name outside the string table");
            // Labels are placed by their section: one the object lacks would leave a label unplaced, at its offset.
            if (entry.st_shndx != SHN_UNDEF && entry.st_shndx < SHN_LORESERVE && entry.st_shndx >= sections.size())
                return std::unexpected("symbol " + std::to_string(symbols.size()) + " lies in section " +
                                       std::to_string(entry.st_shndx) + ", which the object does not have");
            symbols.push_back({std::move(*name), entry.st_value, entry.st_size, entry.st_other == 1,
                               static_cast<int32_t>(entry.st_shndx), static_cast<uint8_t>(ELF32_ST_TYPE(entry.st_info))});
        }
        break;
    }
    return symbols;
}

// The entries of every SHT_RELA section, each with the section it patches.
result<std::vector<relocation>> read_relocations(const std::vector<section>& sections) {
    std::vector<relocation> relocations;
    for (const section& sec : sections) {
        if (sec.header.sh_type != SHT_RELA) continue;
        if (sec.header.sh_info >= sections.size())
            return std::unexpected("relocation section " + sec.name + " patches section " +
                                   std::to_string(sec.header.sh_info) + ", which the object does not have");
        const std::span<const uint8_t> bytes = sec.contents;
        for (size_t i = 0; i + sizeof(Elf32_Rela) <= bytes.size(); i += sizeof(Elf32_Rela)) {
            const auto entry = read_at<Elf32_Rela>(bytes, i);
            relocations.push_back({entry.r_offset, ELF32_R_SYM(entry.r_info),
                                   static_cast<uint8_t>(ELF32_R_TYPE(entry.r_info)), entry.r_addend,
                                   sec.header.sh_info});
        }
    }
    return relocations;
}

}  // namespace

bool is_mapping_symbol(const symbol& sym) {
    const std::string_view name = sym.name;
    if (sym.kind != STT_NOTYPE || name.size() < 2 || name[0] != '$' || (name[1] != 'x' && name[1] != 'd')) return false;
    const std::string_view rest = name.substr(2);
    return rest.empty() || rest.starts_with('.') || (name[1] == 'x' && rest.starts_with("rv"));
}

bool is_user_label(const symbol& sym) {
    return !sym.name.empty() && !sym.name.starts_with(".L") && sym.kind != STT_SECTION && sym.kind != STT_FILE &&
           !is_mapping_symbol(sym);
}

result<riscv_elf> parse_riscv32i_elf(std::span<const uint8_t> file) {
    riscv_elf elf;
    auto header = read_header(file);
    if (!header) return std::unexpected(header.error());
    elf.header = *header;
    auto sections = read_section_headers(file, elf.header);
    if (!sections) return std::unexpected(sections.error());
    elf.sections = std::move(*sections);
    if (auto named = read_section_names(file, elf.sections, elf.header); !named) return std::unexpected(named.error());
    for (section& sec : elf.sections)
        if (auto read = read_contents(file, sec); !read) return std::unexpected(read.error());
    auto symbols = read_symtab(elf.sections);
    if (!symbols) return std::unexpected(symbols.error());
    elf.symtab = std::move(*symbols);
    auto relocations = read_relocations(elf.sections);
    if (!relocations) return std::unexpected(relocations.error());
    elf.relocations = std::move(*relocations);
    return elf;
}

result<riscv_elf> load_riscv32i_elf(const std::string& elf_fname) {
    lazy_fstream_guard file(std::fopen(elf_fname.c_str(), "rb"));
    if (!file) return std::unexpected("Failed to open file");
    if (std::fseek(file.get(), 0, SEEK_SET) != 0)
        return std::unexpected(std::string("Error Reading Header: ") + std::strerror(errno));
    // The whole object, read in pieces: memory follows the bytes that are really there.
    std::vector<uint8_t> bytes;
    struct stat info {};
    if (fstat(fileno(file.get()), &info) == 0 && S_ISREG(info.st_mode))
        bytes.reserve(static_cast<size_t>(info.st_size));
    uint8_t chunk[65536];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    if (std::ferror(file.get()))
        return std::unexpected(std::string("Error Reading Header: ") + std::strerror(errno));
    return parse_riscv32i_elf(bytes);
}
