// The object reader, on objects that clang-15 assembles here and on copies of
// them broken by hand.
#include "elf_loader.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

struct ElfLoader : ::testing::Test {
    test::scratch_dir dir;

    void SetUp() override {
        if (std::string(CLANG15_PATH).empty()) GTEST_SKIP() << "clang-15 is not installed";
    }

    // Assembles `source` and returns the object's bytes.
    std::vector<uint8_t> assemble(const std::string& source) {
        test::write_file(dir / "a.s", source);
        const auto r = test::run_program({CLANG15_PATH, "--target=riscv32", "-march=rv32im", "-nostdlib", "-c", "a.s"}, "",
                                         dir.path);
        EXPECT_EQ(r.status, 0) << r.err;
        const std::string bytes = test::read_file(dir / "a.o");
        return {bytes.begin(), bytes.end()};
    }

    std::expected<riscv_elf, std::string> load(const std::vector<uint8_t>& bytes) {
        test::write_file(dir / "b.o", std::string(bytes.begin(), bytes.end()));
        return load_riscv32i_elf((dir / "b.o").string());
    }
};

const char* const PROGRAM =
    "  .text\n"
    "main: addi x5, x0, 1\n"
    "loop: bne x5, x0, loop\n"
    "  lui x6, %hi(buf)\n"
    "  .data\n"
    "  .word 7\n"
    "buf: .word 1, 2\n"
    "  .bss\n"
    "zero: .space 12\n"
    "  .section .rodata\n"
    "msg: .asciz \"hi\"\n";

const section* named(const riscv_elf& elf, const std::string& name) {
    for (const section& sec : elf.sections)
        if (sec.name == name) return &sec;
    return nullptr;
}

size_t index_of(const riscv_elf& elf, const std::string& name) { return static_cast<size_t>(named(elf, name) - elf.sections.data()); }

TEST_F(ElfLoader, ReadsWhatTheAssemblerWrote) {
    auto elf = load(assemble(std::string(PROGRAM) + "  .data\ntable: .word buf, msg\n"));
    ASSERT_TRUE(elf) << elf.error();
    EXPECT_EQ(elf->sections[0].name, "");
    ASSERT_TRUE(named(*elf, ".text") && named(*elf, ".data") && named(*elf, ".bss") && named(*elf, ".rodata"));
    EXPECT_EQ(named(*elf, ".text")->contents.size(), 12u);
    EXPECT_EQ(named(*elf, ".data")->contents, (std::vector<uint8_t>{7, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(named(*elf, ".bss")->contents.empty());  // NOBITS: a size, no bytes
    EXPECT_EQ(named(*elf, ".bss")->header.sh_size, 12u);
    EXPECT_EQ(named(*elf, ".rodata")->contents, (std::vector<uint8_t>{'h', 'i', 0}));
    ASSERT_FALSE(elf->symtab.empty());
    EXPECT_EQ(elf->symtab[0].name, "");
    EXPECT_EQ(elf->symtab[0].value, 0u);
    EXPECT_EQ(elf->symtab[0].sh_index, 0);
    bool found_buf = false;
    for (const symbol& sym : elf->symtab) {
        if (sym.name != "buf") continue;
        found_buf = true;
        EXPECT_EQ(sym.value, 4u);
        EXPECT_EQ(elf->sections.at(static_cast<size_t>(sym.sh_index)).name, ".data");
    }
    EXPECT_TRUE(found_buf);
    // Relocations of every section, each with the section it patches.
    std::vector<std::pair<std::string, uint8_t>> seen;
    for (const relocation& relo : elf->relocations) seen.emplace_back(elf->sections.at(relo.section_index).name, relo.type);
    EXPECT_NE(std::find(seen.begin(), seen.end(), std::pair<std::string, uint8_t>{".text", R_RISCV_BRANCH}), seen.end());
    EXPECT_NE(std::find(seen.begin(), seen.end(), std::pair<std::string, uint8_t>{".data", R_RISCV_32}), seen.end());
    EXPECT_EQ(elf->relocations[0].addr, 4u);
    EXPECT_EQ(elf->relocations[0].section_index, index_of(*elf, ".text"));
}

TEST_F(ElfLoader, AnObjectWithoutRelocationsOrData) {
    auto elf = load(assemble("  .text\n  .word 0x13\n  .word 0x73\n  .half 0\n"));
    ASSERT_TRUE(elf) << elf.error();
    EXPECT_TRUE(elf->relocations.empty());
    EXPECT_EQ(named(*elf, ".text")->contents.size(), 10u);  // all ten bytes, even the last two
    EXPECT_TRUE(named(*elf, ".data") == nullptr || named(*elf, ".data")->contents.empty());
}

TEST_F(ElfLoader, OpenAndHeaderErrors) {
    auto missing = load_riscv32i_elf((dir / "none.o").string());
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), "Failed to open file");
    auto empty = load({});
    ASSERT_FALSE(empty);
    EXPECT_EQ(empty.error(), "Error Reading Header");
    auto short_header = load(std::vector<uint8_t>(51, 0));
    ASSERT_FALSE(short_header);
    EXPECT_EQ(short_header.error(), "Error Reading Header");
    auto zeros = load(std::vector<uint8_t>(52, 0));  // once linked to an empty image
    ASSERT_FALSE(zeros);
    EXPECT_EQ(zeros.error(), "the object is not an ELF file: it does not start with 0x7f 'ELF'");
    // Read-only: an object that cannot be written (umask 222) is read all the same.
    const std::vector<uint8_t> good = assemble(PROGRAM);
    test::write_file(dir / "b.o", std::string(good.begin(), good.end()));
    std::filesystem::permissions(dir / "b.o", std::filesystem::perms::owner_read);
    EXPECT_TRUE(load_riscv32i_elf((dir / "b.o").string()));
}

// Every offset and index the reader follows is checked against the file.
TEST_F(ElfLoader, BrokenCopiesAreRefusedWithAMessage) {
    const std::vector<uint8_t> good = assemble(PROGRAM);
    Elf32_Ehdr header;
    std::memcpy(&header, good.data(), sizeof header);
    auto shdr_at = [&](std::vector<uint8_t>& bytes, size_t index) {
        return reinterpret_cast<Elf32_Shdr*>(bytes.data() + header.e_shoff + index * sizeof(Elf32_Shdr));
    };
    auto section_named = [&](std::vector<uint8_t>& bytes, const std::string& name) -> Elf32_Shdr* {
        const Elf32_Shdr* strings = shdr_at(bytes, header.e_shstrndx);
        for (size_t i = 0; i < header.e_shnum; ++i)
            if (name == reinterpret_cast<const char*>(bytes.data() + strings->sh_offset + shdr_at(bytes, i)->sh_name))
                return shdr_at(bytes, i);
        return nullptr;
    };
    struct row {
        const char* what;
        void (*change)(std::vector<uint8_t>&, decltype(shdr_at)&, decltype(section_named)&);
        const char* message;
    };
    const row rows[] = {
        {"magic", [](auto& b, auto&, auto&) { b[1] = 'e'; }, "the object is not an ELF file"},
        {"class", [](auto& b, auto&, auto&) { b[EI_CLASS] = ELFCLASS64; }, "not 32-bit ELF: its class is 2"},
        {"data", [](auto& b, auto&, auto&) { b[EI_DATA] = ELFDATA2MSB; }, "not little-endian: its data encoding is 2"},
        {"machine", [](auto& b, auto&, auto&) { reinterpret_cast<Elf32_Ehdr*>(b.data())->e_machine = EM_386; },
         "not for RISC-V: its machine is 3"},
        {"type", [](auto& b, auto&, auto&) { reinterpret_cast<Elf32_Ehdr*>(b.data())->e_type = ET_EXEC; },
         "not relocatable: its type is 2"},
        {"e_shentsize", [](auto& b, auto&, auto&) { reinterpret_cast<Elf32_Ehdr*>(b.data())->e_shentsize = 64; },
         "section headers are 64 bytes each, not 40"},
        {"no sections", [](auto& b, auto&, auto&) { reinterpret_cast<Elf32_Ehdr*>(b.data())->e_shnum = 0; },
         "the object has no sections"},
        {"e_shoff", [](auto& b, auto&, auto&) { reinterpret_cast<Elf32_Ehdr*>(b.data())->e_shoff = 0xfffffff0; },
         "section header table lies outside the file"},
        {"e_shnum", [](auto& b, auto&, auto&) { reinterpret_cast<Elf32_Ehdr*>(b.data())->e_shnum = 0xffff; },
         "section header table lies outside the file"},
        {"e_shstrndx", [](auto& b, auto&, auto&) { reinterpret_cast<Elf32_Ehdr*>(b.data())->e_shstrndx = 200; },
         "section name table index 200"},
        {"sh_name", [](auto& b, auto& shdr, auto&) { shdr(b, 2)->sh_name = 0x7fffffff; }, "has a name outside the string table"},
        {"text offset", [](auto& b, auto&, auto& named) { named(b, ".text")->sh_offset = 0xfffffff0; },
         "section .text lies outside the file"},
        {"data size", [](auto& b, auto&, auto& named) { named(b, ".data")->sh_size = 0x7fffffff; },
         "section .data lies outside the file"},
        {"symtab link", [](auto& b, auto&, auto& named) { named(b, ".symtab")->sh_link = 300; },
         "symbol name table index 300 is not a section of the object"},
        {"rela info", [](auto& b, auto&, auto& named) { named(b, ".rela.text")->sh_info = 300; },
         "relocation section .rela.text patches section 300, which the object does not have"},
        {"symtab size", [](auto& b, auto&, auto& named) { named(b, ".symtab")->sh_size += 16000; },
         "section .symtab lies outside the file"},
        {"rela offset", [](auto& b, auto&, auto& named) { named(b, ".rela.text")->sh_offset = 0xffffff00; },
         "section .rela.text lies outside the file"},
        {"st_name", [](auto& b, auto&, auto& named) {
             Elf32_Shdr* symtab = named(b, ".symtab");
             reinterpret_cast<Elf32_Sym*>(b.data() + symtab->sh_offset)[1].st_name = 0x7ffffff0;
         }, "symbol 1 has a name outside the string table"},
        {"st_shndx", [](auto& b, auto&, auto& named) {
             Elf32_Shdr* symtab = named(b, ".symtab");
             reinterpret_cast<Elf32_Sym*>(b.data() + symtab->sh_offset)[1].st_shndx = 200;
         }, "lies in section 200, which the object does not have"},
    };
    for (const row& r : rows) {
        std::vector<uint8_t> broken = good;
        r.change(broken, shdr_at, section_named);
        auto elf = load(broken);
        ASSERT_FALSE(elf) << r.what;
        EXPECT_NE(elf.error().find(r.message), std::string::npos) << r.what << ": " << elf.error();
    }
    // Cut short anywhere, the object is refused or read within its bytes, never beyond.
    for (size_t size = 0; size < good.size(); size += 7) {
        auto elf = parse_riscv32i_elf(std::span(good.data(), size));
        if (size < sizeof(Elf32_Ehdr)) {
            EXPECT_FALSE(elf);
        }
    }
}

}  // namespace
