#include "align.h"
#include "compressed.h"
#include "describe.h"
#include "encode.h"
#include "link.h"
#include "relocate.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace {

Instruction relocated(uint32_t word, field into, uint32_t value) {
    auto result = relocate_instruction(decode_instruction(word), into, value);
    EXPECT_TRUE(result) << result.error();
    return result.value_or(Instruction{});
}

int32_t imm_of(uint32_t word) { return decode_instruction(word).imm; }

TEST(Relocate, BranchesAndJumpsStoreHalfTheDistance) {
    EXPECT_EQ(imm_of(relocated(enc::beq(0, 0, 0), field::B, 8).encoding), 4);
    EXPECT_EQ(imm_of(relocated(enc::beq(0, 0, 0), field::B, static_cast<uint32_t>(-8)).encoding), -4);
    EXPECT_EQ(imm_of(relocated(enc::bne(1, 2, 0), field::B, 8188).encoding), 4094);
    EXPECT_EQ(imm_of(relocated(enc::bne(1, 2, 0), field::B, static_cast<uint32_t>(-8192)).encoding), -4096);
    EXPECT_EQ(imm_of(relocated(enc::jal(1, 0), field::J, 16).encoding), 8);
    EXPECT_EQ(imm_of(relocated(enc::jal(1, 0), field::J, static_cast<uint32_t>(-2097152)).encoding), -1048576);
    EXPECT_EQ(relocated(enc::jal(1, 0), field::J, 0).encoding, enc::jal(1, 0));
    const Instruction patched = relocated(enc::beq(1, 2, 0), field::B, 8);
    EXPECT_EQ(patched.imm, 0);  // only the encoding changes
    EXPECT_EQ(patched.encoding, enc::beq(1, 2, 4));
}

TEST(Relocate, FieldsAreClearedBeforeTheyAreSet) {
    EXPECT_EQ(relocated(enc::addi(5, 5, 0x7ff), field::I, 0x20000010).encoding, enc::addi(5, 5, 0x010));
    const uint32_t lui = relocated(enc::lui(5, 0xfffff), field::U, 0x20000010).encoding;
    EXPECT_EQ(lui, enc::lui(5, 0x20000));
    EXPECT_EQ(imm_of(lui), 131072);
    EXPECT_EQ(relocated(enc::sw(1, 5, -1), field::S, 0x20000044).encoding, enc::sw(1, 5, 0x044));
    EXPECT_EQ(relocated(enc::bne(1, 2, -2), field::B, 8).encoding, enc::bne(1, 2, 4));
    EXPECT_EQ(relocated(enc::jal(0, -2), field::J, 8).encoding, enc::jal(0, 4));
    // Patching twice leaves the second value, not both ORed together.
    EXPECT_EQ(relocated(relocated(enc::addi(5, 5, 0), field::I, 0x123).encoding, field::I, 0x400).encoding,
              enc::addi(5, 5, 0x400));
}

TEST(Relocate, UpperHalfRoundsSoHiPlusLoReachesEveryAddress) {
    for (uint32_t address : {0x20000000u, 0x200007ffu, 0x20000800u, 0x20000fffu, 0x2abcdeffu, 0x2ffff800u, 0xfffff800u}) {
        const uint32_t hi = relocated(enc::lui(5, 0), field::U, address).encoding & 0xfffff000;
        const int32_t lo = imm_of(relocated(enc::addi(5, 5, 0), field::I, address).encoding);
        EXPECT_EQ(hi + static_cast<uint32_t>(lo), address) << std::hex << address;
    }
}

TEST(Relocate, WordsOfAnotherFormatCannotBePatched) {
    auto r = relocate_instruction(decode_instruction(enc::add(1, 2, 3)), field::I, 0x10);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error(), "POKE DORVIK: WHY ARE WE RELOCATING AN R TYPE?????????");
    Instruction odd = decode_instruction(enc::NOP);
    odd.type = static_cast<InstructionType>(9);
    auto bad = relocate_instruction(odd, field::I, 0);
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error(), "WHAT THE FUCKKKKKKKKKKKK ILLEGAL INSTRUCTION TYPE IN RELOCATION");
    auto branch_into_addi = relocate_instruction(decode_instruction(enc::NOP), field::B, 8);
    ASSERT_FALSE(branch_into_addi);
    EXPECT_EQ(branch_into_addi.error(), "a B-type field cannot be written into 'addi'");
}

TEST(Relocate, ReachOfEachField) {
    struct row {
        field into;
        int64_t value;
        bool fits;
    };
    const row rows[] = {
        {field::B, 8188, true},         {field::B, 8192, false},        {field::B, -8192, true},
        {field::B, -8196, false},       {field::B, 6, false},           {field::J, 2097148, true},
        {field::J, 2097152, false},     {field::J, -2097152, true},     {field::J, 2, false},
        {field::DATA8, 255, true},      {field::DATA8, 256, false},     {field::DATA8, -128, true},
        {field::DATA8, -129, false},    {field::DATA16, 65535, true},   {field::DATA16, 65536, false},
        {field::DATA6, 63, true},       {field::DATA6, 64, false},      {field::DATA32, 0xffffffff, true},
        {field::U, 0xffffffff, true},   {field::I, -1, true},
    };
    for (const row& r : rows) EXPECT_EQ(fits(r.into, r.value), r.fits) << static_cast<int>(r.into) << " " << r.value;
}

TEST(Relocate, DataFieldsKeepTheBitsAroundThem) {
    struct row {
        field into;
        bool set;
        int64_t sum;
        std::vector<uint8_t> before, after;  // `after` empty: the sum does not fit
    };
    const row rows[] = {
        {field::DATA6, false, -1, {0xc5, 0x77}, {0xc4, 0x77}},  // the top two bits stay
        {field::DATA6, true, 63, {0xc0}, {0xff}},
        {field::DATA8, false, 1, {0xff}, {0x00}},  // -1 + 1, read as signed
        {field::DATA8, true, 256, {0xff}, {}},
        {field::DATA16, false, -100000, {0xff, 0xff}, {}},  // fits neither reading
        {field::DATA32, true, 0x12345678, {0, 0, 0, 0, 9}, {0x78, 0x56, 0x34, 0x12, 9}},
        {field::DATA32, true, 5, {0, 0}, {0, 0}},  // .bss: nothing stored to patch
    };
    for (const row& r : rows) {
        std::vector<uint8_t> bytes = r.before;
        const auto written = write_data_field(bytes, 0, r.into, r.set, r.sum);
        EXPECT_EQ(written.has_value(), !r.after.empty()) << static_cast<int>(r.into) << " " << r.sum;
        if (written) EXPECT_EQ(bytes, r.after) << static_cast<int>(r.into) << " " << r.sum;
        else EXPECT_EQ(written.error(), r.set ? r.sum : 65535 + r.sum);  // the unsigned reading, for the message
    }
}

// A hand-made object with the sections the assembler writes.
Elf32_Shdr header(uint32_t type, uint32_t flags, uint32_t size, uint32_t align = 1) {
    Elf32_Shdr h{};
    h.sh_type = type;
    h.sh_flags = flags;
    h.sh_size = size;
    h.sh_addralign = align;
    return h;
}

section code_section(const std::string& name, std::vector<uint32_t> words, uint32_t align = 4) {
    section sec{header(SHT_PROGBITS, SHF_ALLOC | SHF_EXECINSTR, static_cast<uint32_t>(4 * words.size()), align), name, {}};
    for (uint32_t w : words)
        for (int i = 0; i < 4; ++i) sec.contents.push_back(static_cast<uint8_t>(w >> (8 * i)));
    return sec;
}

section data_section(const std::string& name, std::vector<uint8_t> bytes, uint32_t align = 1) {
    return {header(SHT_PROGBITS, SHF_ALLOC | SHF_WRITE, static_cast<uint32_t>(bytes.size()), align), name, bytes};
}

riscv_elf small_object() {
    riscv_elf elf;
    elf.sections = {section{}, code_section(".text", {enc::lui(5, 0), enc::addi(5, 5, 0)}),
                    data_section(".data", {1, 2, 3, 4, 5, 6, 7, 8})};
    elf.symtab = {symbol{}, symbol{"buf", 4, 0, false, 2}, symbol{"abs", 0x1234, 0, false, SHN_ABS}};
    return elf;
}

std::expected<std::vector<uint8_t>, std::string> link(riscv_elf& elf, std::string* warnings = nullptr) {
    std::ostringstream out;
    auto image = link_object(elf, out);
    if (warnings) *warnings = out.str();
    return image;
}

TEST(Link, RebasesPatchesAndLaysOutTheImage) {
    riscv_elf elf = small_object();
    elf.relocations = {{0, 1, R_RISCV_HI20, 0, 1}, {4, 1, R_RISCV_LO12_I, 0, 1}, {4, 0, R_RISCV_RELAX, 0, 1}};
    std::string warnings;
    auto image = link(elf, &warnings);
    ASSERT_TRUE(image) << image.error();
    EXPECT_EQ(warnings, "");
    EXPECT_EQ(elf.symtab[1].value, 0x20000004u);
    EXPECT_EQ(elf.symtab[2].value, 0x1234u);  // absolute: kept
    const std::vector<uint8_t> expected = {
        0xca, 0xfe, 0xf0, 0x0d, 0xc0, 0xde, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02,  //
        0x20, 0x00, 0x02, 0xb7, 0x00, 0x42, 0x82, 0x93,                                      // lui, addi
        0xda, 0xda, 0x20, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 1, 2, 3, 4, 5, 6, 7, 8,  //
        0xc3, 0xb7, 0, 0, 0, 0, 0, 0, 0, 0,                                                  // null symbol
        0xc3, 0xb7, 0x20, 0x00, 0x00, 0x04, 0, 0, 0, 3, 'b', 'u', 'f',                       //
        0xc3, 0xb7, 0x00, 0x00, 0x12, 0x34, 0, 0, 0, 3, 'a', 'b', 's'};
    EXPECT_EQ(*image, expected);
}

TEST(Link, RelocationsOutsideTheTablesAreErrors) {
    const std::pair<relocation, const char*> rows[] = {
        {{0, 7, R_RISCV_HI20, 0, 1}, "names symbol 7, but the symbol table has 3 entries"},
        {{8, 1, R_RISCV_HI20, 0, 1}, "relocation at offset 0x8 lies outside .text"},
        {{4, 1, R_RISCV_CALL, 0, 1}, "relocation at offset 0x4 lies outside .text: a call needs its auipc and its jalr"},
        {{4, 1, R_RISCV_PCREL_LO12_I, 0, 1}, "%pcrel_lo at offset 4 of .text has no %pcrel_hi relocation"},
        {{6, 1, R_RISCV_32, 0, 2}, "relocation at offset 0x6 lies outside .data"},
        {{0, 1, R_RISCV_HI20, 0, 2}, "relocation R_RISCV_HI20 at offset 0 of .data patches an instruction, but .data holds data"},
        {{0, 1, R_RISCV_TPREL_HI20, 0, 1}, "relocation R_RISCV_TPREL_HI20 at offset 0 of .text is not supported by orrik"},
        {{0, 1, 200, 0, 1}, "relocation type 200 at offset 0 of .text is not supported by orrik"},
        // Types of newer assemblers: a '.uleb128' label difference across code that may shrink, thread-locals.
        {{0, 1, 60, 0, 1}, "relocation R_RISCV_SET_ULEB128 at offset 0 of .text is not supported by orrik; a label "
                           "difference in '.uleb128' cannot be resolved here: write '.word end - start' instead"},
        {{0, 1, 62, 0, 1}, "relocation R_RISCV_TLSDESC_HI20 at offset 0 of .text is not supported by orrik"},
    };
    for (const auto& [relo, message] : rows) {
        riscv_elf elf = small_object();
        elf.relocations = {relo};
        auto image = link(elf);
        ASSERT_FALSE(image) << message;
        EXPECT_NE(image.error().find(message), std::string::npos) << image.error() << "\n" << message;
    }
}

TEST(Link, EveryAllocatableSectionIsPlaced) {
    riscv_elf elf;
    section bss{header(SHT_NOBITS, SHF_ALLOC | SHF_WRITE, 5, 4), ".bss", {}};
    section note{header(SHT_PROGBITS, 0, 3), ".comment", {'x', 'y', 0}};
    elf.sections = {section{},
                    code_section(".text", {enc::NOP}),
                    data_section(".rodata", {'h', 'i', 0}, 8),
                    data_section(".sdata", {9, 9}, 4),
                    code_section(".text.init", {enc::NOP}, 16),
                    bss,
                    data_section(".data", {1, 2, 3}),
                    note};
    elf.symtab = {symbol{},
                  symbol{"z", 1, 0, false, 5},
                  symbol{"msg", 0, 0, false, 2},
                  symbol{"small", 0, 0, false, 3},
                  symbol{"start", 0, 0, false, 4},
                  symbol{"common", 8, 12, false, SHN_COMMON},
                  symbol{"later", 0, 0, false, 7}};
    auto image = link(elf);
    ASSERT_TRUE(image) << image.error();
    EXPECT_EQ(elf.symtab[1].value, 0x20000005u);  // .data, then .bss at the next multiple of 4
    EXPECT_EQ(elf.symtab[2].value, 0x20000010u);  // .rodata at the next multiple of 8 after 0x20000009
    EXPECT_EQ(elf.symtab[3].value, 0x20000014u);  // then the others in header order
    EXPECT_EQ(elf.symtab[4].value, 0x10000010u);  // code: nops up to the alignment
    EXPECT_EQ(elf.symtab[5].value, 0x20000018u);  // COMMON last, at its own alignment
    EXPECT_EQ(elf.symtab[6].value, 0u);           // not allocated: not placed
    // Code block of five words (nop, three nops of padding, nop); .bss gets no data block.
    EXPECT_EQ(std::vector<uint8_t>(image->begin() + 10, image->begin() + 14), (std::vector<uint8_t>{0, 0, 0, 5}));
    const std::string bytes(image->begin(), image->end());
    EXPECT_NE(bytes.find(std::string("\xda\xda\x20\x00\x00\x00\x00\x00\x00\x03\x01\x02\x03", 13)), std::string::npos);
    EXPECT_NE(bytes.find(std::string("\xda\xda\x20\x00\x00\x10\x00\x00\x00\x03hi\0", 13)), std::string::npos);
    EXPECT_NE(bytes.find(std::string("\xda\xda\x20\x00\x00\x14\x00\x00\x00\x02\x09\x09", 12)), std::string::npos);
    EXPECT_EQ(bytes.find(std::string("\xda\xda\x20\x00\x00\x04", 6)), std::string::npos);

    elf.sections[5].header.sh_size = 0x10000000;
    auto too_big = link(elf);
    ASSERT_FALSE(too_big);
    EXPECT_EQ(too_big.error(), "error: the data sections do not fit in the data segment (.bss would end past 0x2fffffff)");
}

// An empty code section is placed at its alignment, which may lie past the
// last code byte (here, with no code at all, past 0x10000000): it adds nothing.
TEST(Link, EmptyCodeSectionsAddNothing) {
    for (uint32_t align : {5u, 16u}) {
        riscv_elf elf;
        elf.sections = {section{}, code_section(".text", {}), code_section(".text.empty", {}, align)};
        elf.symtab = {symbol{}, symbol{"here", 0, 0, false, 2}};
        auto image = link(elf);
        ASSERT_TRUE(image) << image.error();
        EXPECT_EQ(std::vector<uint8_t>(image->begin() + 10, image->begin() + 14), (std::vector<uint8_t>{0, 0, 0, 0}));
        EXPECT_EQ(elf.symtab[1].value, align == 5 ? 0x10000004u : 0x10000000u);
    }
    // Followed by code, an empty section (all its padding trimmed) still moves
    // it to its aligned start, where its label is, code and data alike.
    riscv_elf elf;
    elf.sections = {section{}, code_section(".text", {enc::NOP}), code_section(".text.b", {}, 16),
                    code_section(".text.c", {enc::NOP}), data_section(".data", {1}), data_section(".data.b", {}, 8),
                    data_section(".data.c", {2})};
    elf.symtab = {symbol{}, symbol{"b_end", 0, 0, false, 2}, symbol{"c", 0, 0, false, 3}, symbol{"y", 0, 0, false, 6}};
    ASSERT_TRUE(link(elf));
    EXPECT_EQ(elf.symtab[1].value, 0x10000010u);
    EXPECT_EQ(elf.symtab[2].value, 0x10000010u);
    EXPECT_EQ(elf.symtab[3].value, 0x20000008u);
}

TEST(Link, CodeSectionsThatCannotBePlaced) {
    riscv_elf elf = small_object();
    elf.sections[1].header.sh_addralign = 8192;
    auto aligned = link(elf);
    ASSERT_FALSE(aligned);
    EXPECT_EQ(aligned.error(), "error: code section .text asks for an alignment of 8192 bytes; orrik aligns code to at most 4096");
    elf = small_object();
    elf.sections[1].header.sh_type = SHT_NOBITS;
    auto zeros = link(elf);
    ASSERT_FALSE(zeros);
    EXPECT_EQ(zeros.error(), "error: code section .text holds no instructions in the object (it is NOBITS)");
    elf = small_object();
    elf.sections[1].header.sh_type = SHT_NULL;  // a size, but no bytes in the object
    elf.sections[1].contents.clear();
    auto claimed = link(elf);
    ASSERT_FALSE(claimed);
    EXPECT_EQ(claimed.error(), "error: code section .text holds no instructions in the object (its type is 0)");
    // An alignment that is not a power of two would put code or data off its boundary.
    elf = small_object();
    elf.sections[1].header.sh_addralign = 6;
    auto six = link(elf);
    ASSERT_FALSE(six);
    EXPECT_EQ(six.error(), "error: code section .text asks for an alignment of 6 bytes, which is not a power of two");
    elf = small_object();
    elf.sections[2].header.sh_addralign = 12;
    auto twelve = link(elf);
    ASSERT_FALSE(twelve);
    EXPECT_EQ(twelve.error(), "error: data section .data asks for an alignment of 12 bytes, which is not a power of two");
}

// The nops an R_RISCV_ALIGN marks are cut to what the boundary needs where
// they land, and everything after them moves up: labels, sizes, relocations
// (here a branch back over the nops), and a place named by its section.
// The second code section starts where the trimmed first one ends.
TEST(Link, AlignmentNopsInCodeAreTrimmedToTheBoundary) {
    riscv_elf elf;
    elf.sections = {section{},
                    code_section(".text", {enc::addi(1, 0, 1), enc::addi(1, 1, 1), enc::NOP, enc::NOP, enc::NOP,
                                           enc::addi(1, 1, 2), enc::beq(0, 0, 0)}, 16),
                    code_section(".text.b", {enc::addi(2, 0, 1), enc::NOP, enc::addi(2, 2, 1)}),
                    data_section(".data", {0, 0, 0, 0})};
    elf.symtab = {symbol{},
                  symbol{"main", 0, 28, false, 1},
                  symbol{"target", 20, 0, false, 1},
                  symbol{"b2", 8, 0, false, 2},
                  symbol{".text", 0, 0, false, 1, STT_SECTION}};
    elf.relocations = {{8, 0, R_RISCV_ALIGN, 12, 1},  // at 0x10000008: 8 bytes to 16
                       {24, 2, R_RISCV_BRANCH, 0, 1},
                       {4, 0, R_RISCV_ALIGN, 4, 2},    // at 0x1000001c: 4 bytes to 8
                       {0, 4, R_RISCV_32, 20, 3}};     // .text + 20: target
    auto image = link(elf);
    ASSERT_TRUE(image) << image.error();
    EXPECT_EQ(elf.symtab[1].size, 24u);
    EXPECT_EQ(elf.symtab[2].value, 0x10000010u);
    EXPECT_EQ(elf.symtab[3].value, 0x10000020u);
    EXPECT_EQ(elf.sections[3].contents, (std::vector<uint8_t>{0x10, 0x00, 0x00, 0x10}));
    const std::vector<uint32_t> expected = {enc::addi(1, 0, 1), enc::addi(1, 1, 1), enc::NOP, enc::NOP,
                                            enc::addi(1, 1, 2), enc::beq(0, 0, -2), enc::addi(2, 0, 1), enc::NOP,
                                            enc::addi(2, 2, 1)};
    ASSERT_EQ(image->size() > 14 + 4 * expected.size(), true);
    EXPECT_EQ(std::vector<uint8_t>(image->begin() + 10, image->begin() + 14), (std::vector<uint8_t>{0, 0, 0, 9}));
    for (size_t i = 0; i < expected.size(); ++i) {
        uint32_t w = 0;
        for (size_t k = 0; k < 4; ++k) w = w << 8 | (*image)[14 + 4 * i + k];
        EXPECT_EQ(w, expected[i]) << "word " << i;
    }

    // Padding that lands two bytes off a word starts with a 2-byte nop, as the assembler writes it.
    elf = riscv_elf{};
    elf.sections = {section{}, code_section(".text", {0x00010000, enc::NOP, enc::NOP})};
    elf.relocations = {{2, 0, R_RISCV_ALIGN, 6, 1}};
    auto placed = place_sections(elf);
    ASSERT_TRUE(placed);
    ASSERT_TRUE(trim_code_alignment(elf, *placed));
    EXPECT_EQ(elf.sections[1].contents, (std::vector<uint8_t>{0, 0, 0x01, 0, 0x13, 0, 0, 0, 0x13, 0, 0, 0}));
}

TEST(Link, AlignmentNopsThatCannotBeTrimmed) {
    const std::pair<std::vector<relocation>, const char*> rows[] = {
        {{{4, 0, R_RISCV_ALIGN, 16, 1}}, "error: the alignment nops at main+4 in .text (R_RISCV_ALIGN) reach past the end of .text"},
        {{{4, 0, R_RISCV_ALIGN, -4, 1}}, "error: the alignment nops at main+4 in .text (R_RISCV_ALIGN) reach past the end of .text"},
        {{{4, 0, R_RISCV_ALIGN, 8, 1}},
         "error: the alignment at main+4 in .text needs 12 bytes to reach a multiple of 16, but the assembler left 8"},
        {{{4, 0, R_RISCV_ALIGN, 3, 1}}, "error: the alignment nops at main+4 in .text (R_RISCV_ALIGN) are 3 bytes, which no nops fill"},
        {{{4, 0, R_RISCV_ALIGN, 12, 1}, {4, 0, R_RISCV_ALIGN, 12, 1}},
         "error: the alignment at main+4 in .text (R_RISCV_ALIGN) lies in the nops of the alignment before it"},
        {{{0, 0, R_RISCV_ALIGN, 4, 1}, {2, 0, R_RISCV_ALIGN, 2, 1}},
         "error: the alignment at main+2 in .text (R_RISCV_ALIGN) lies in the nops of the alignment before it"},
    };
    for (const auto& [relos, message] : rows) {
        riscv_elf elf;
        elf.sections = {section{}, code_section(".text", {enc::NOP, enc::NOP, enc::NOP, enc::NOP})};
        elf.symtab = {symbol{}, symbol{"main", 0, 0, false, 1}};
        elf.relocations = relos;
        auto image = link(elf);
        ASSERT_FALSE(image) << message;
        EXPECT_EQ(image.error(), message);
    }
    // A section that cannot be placed is refused by the placing, nops or not.
    riscv_elf elf;
    elf.sections = {section{}, code_section(".text", {enc::NOP, enc::NOP}, 8192)};
    elf.relocations = {{0, 0, R_RISCV_ALIGN, 4, 1}};
    EXPECT_FALSE(place_sections(elf));
    auto unplaced = link(elf);
    ASSERT_FALSE(unplaced);
    EXPECT_EQ(unplaced.error(), "error: code section .text asks for an alignment of 8192 bytes; orrik aligns code to at most 4096");
}

TEST(Link, DataRelocationsAndLabelDifferences) {
    riscv_elf elf = small_object();
    elf.sections[2] = data_section(".data", std::vector<uint8_t>(12, 0));
    elf.sections[2].contents[8] = 0xff;  // a constant the assembler left there: -1
    elf.symtab.push_back(symbol{"end", 9, 0, false, 2});
    elf.relocations = {{0, 1, R_RISCV_32, 8, 2},      // buf + 8
                       {4, 3, R_RISCV_ADD16, 0, 2},   // end - buf
                       {4, 1, R_RISCV_SUB16, 0, 2},
                       {8, 3, R_RISCV_ADD8, 0, 2},    // end - buf - 1
                       {8, 1, R_RISCV_SUB8, 0, 2},
                       {10, 3, R_RISCV_32_PCREL, 0, 2}};  // stands past the end of .data: refused
    auto refused = link(elf);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), "error: relocation at offset 0xa lies outside .data");
    elf = small_object();
    elf.sections[2] = data_section(".data", std::vector<uint8_t>(12, 0));
    elf.sections[2].contents[8] = 0xff;
    elf.symtab.push_back(symbol{"end", 9, 0, false, 2});
    elf.relocations = {{0, 1, R_RISCV_32, 8, 2}, {4, 3, R_RISCV_ADD16, 0, 2}, {4, 1, R_RISCV_SUB16, 0, 2},
                       {8, 3, R_RISCV_ADD8, 0, 2}, {8, 1, R_RISCV_SUB8, 0, 2}};
    auto image = link(elf);
    ASSERT_TRUE(image) << image.error();
    const std::vector<uint8_t>& data = elf.sections[2].contents;
    EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.begin() + 9),
              (std::vector<uint8_t>{0x0c, 0x00, 0x00, 0x20, 5, 0, 0, 0, 4}));
    // A difference too large for its byte is refused, not cut (the byte held 5 already).
    elf = small_object();
    elf.symtab.push_back(symbol{"far", 0x1000, 0, false, 2});
    elf.relocations = {{4, 3, R_RISCV_ADD8, 0, 2}, {4, 1, R_RISCV_SUB8, 0, 2}};
    auto too_far = link(elf);
    ASSERT_FALSE(too_far);
    EXPECT_EQ(too_far.error(), "error: the value 4097 does not fit the 8-bit field at buf in .data (-128..255)");
    // `.word f@plt - .` of a newer assembler: the distance to the label itself.
    elf = small_object();
    elf.symtab.push_back(symbol{"f", 0, 0, false, 1});
    elf.relocations = {{4, 3, 59, 0, 2}};
    ASSERT_TRUE(link(elf));
    EXPECT_EQ(std::vector<uint8_t>(elf.sections[2].contents.begin() + 4, elf.sections[2].contents.end()),
              (std::vector<uint8_t>{0xfc, 0xff, 0xff, 0xef}));  // 0x10000000 - 0x20000004
}

// Newer assemblers mark where code and data start with symbols of their own;
// they are no labels of the program and stay out of the image and the messages.
TEST(Link, MappingSymbolsAreNotLabels) {
    auto object = [] {
        riscv_elf elf = small_object();
        elf.symtab = {symbol{}, symbol{"$x", 0, 0, false, 1}, symbol{"main", 0, 0, false, 1},
                      symbol{"$xrv32i2p1_m2p0", 0, 0, false, 1}, symbol{"$x.1", 4, 0, false, 1},
                      symbol{"$d", 0, 0, false, 2}, symbol{"$d.7", 4, 0, false, 2}, symbol{"$dollars", 4, 0, false, 2}};
        return elf;
    };
    riscv_elf elf = object();
    elf.relocations = {{4, 5, R_RISCV_HI20, 0, 1}};  // names $d: a U-type field in an addi
    auto refused = link(elf);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), "error: a U-type field cannot be written into 'addi' at main+4 in .text");
    elf = object();
    auto image = link(elf);
    ASSERT_TRUE(image) << image.error();
    const std::vector<uint8_t> symbols(image->begin() + 14 + 8 + 18, image->end());
    EXPECT_EQ(symbols, (std::vector<uint8_t>{0xc3, 0xb7, 0, 0, 0, 0, 0, 0, 0, 0,  // the null symbol
                                             0xc3, 0xb7, 0x10, 0, 0, 0, 0, 0, 0, 4, 'm', 'a', 'i', 'n',  //
                                             0xc3, 0xb7, 0x20, 0, 0, 4, 0, 0, 0, 8, '$', 'd', 'o', 'l', 'l', 'a',
                                             'r', 's'}));
}

TEST(Link, NumericBranchesAreHalvedAndLabelledOnesReachChecked) {
    auto object = [](uint32_t far) {
        riscv_elf elf = small_object();
        elf.sections[1] = code_section(".text", {enc::beq(0, 0, 8), enc::jal(0, -4), enc::bne(1, 2, 0), enc::NOP});
        elf.symtab.push_back(symbol{"far", far, 0, false, 1});
        elf.relocations = {{8, 3, R_RISCV_BRANCH, 0, 1}};
        return elf;
    };
    riscv_elf elf = object(9000);
    auto refused = link(elf);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(),
              "error: branch at offset 8 of .text to 'far' is 8992 bytes away, beyond its reach of -8192..8188 bytes; "
              "invert the condition and branch over a 'j far' instead");
    elf = object(12);
    auto image = link(elf);
    ASSERT_TRUE(image) << image.error();
    auto word = [&](size_t i) {
        uint32_t w = 0;
        for (size_t k = 0; k < 4; ++k) w = w << 8 | (*image)[14 + 4 * i + k];
        return w;
    };
    EXPECT_EQ(word(0), enc::beq(0, 0, 4));  // numbers in bytes, stored halved
    EXPECT_EQ(word(1), enc::jal(0, -2));
    EXPECT_EQ(word(2), enc::bne(1, 2, 2));  // the label 4 bytes on, halved once
}

TEST(Link, RepeatedMessagesAreListedUpToABound) {
    riscv_elf undefined = small_object();
    undefined.symtab.push_back(symbol{"nowhere", 0, 0, false, SHN_UNDEF});
    for (int i = 0; i < 20; ++i) undefined.relocations.push_back({0, 3, R_RISCV_HI20, 0, 1});
    auto refused = link(undefined);
    ASSERT_FALSE(refused);
    EXPECT_EQ(std::ranges::count(refused.error(), '\n'), 16);  // 17 lines
    EXPECT_TRUE(refused.error().starts_with("error: undefined label 'nowhere' at offset 0 of .text\n"));
    EXPECT_TRUE(refused.error().ends_with("\nerror: 4 more errors (only the first 16 are listed)"));

    riscv_elf odd = small_object();
    odd.sections[1] = code_section(".text", std::vector<uint32_t>(20, enc::beq(0, 0, 6)));
    std::string warnings;
    ASSERT_TRUE(link(odd, &warnings));
    EXPECT_EQ(std::ranges::count(warnings, '\n'), 17);
    EXPECT_TRUE(warnings.ends_with("\nwarning: 4 more branches or jumps by a number of bytes that is not a multiple "
                                   "of 4, left as they are (only the first 16 are listed)\n"));
}

// An assembler may write a branch to a label it cannot reach as the inverted
// branch over a jal, as clang 19 does for a label in another section: the
// jal's refusal names the branch's line, and a jump's own jal its own line,
// whichever order the source gives them in.
TEST(Link, ABranchWrittenAsAJalIsTracedToItsLine) {
    const test::scratch_dir dir;
    const std::string source = (dir.path / "prog.s").string();
    const std::string into_data = ": error: 'buffer' is a label in .data; code can only branch or jump to code";
    const std::pair<std::string, std::string> rows[] = {
        {"main: beqz a0, buffer\n  j buffer\n", source + ":1" + into_data + "\n" + source + ":2" + into_data},
        {"  j buffer\nmain: beqz a0, buffer\n", source + ":2" + into_data + "\n" + source + ":1" + into_data},
        // The learner's own branch over a jump, which an assembler that does not relax writes so.
        {"main: bnez a0, 1f\n  j buffer\n1: j buffer\n", source + ":2" + into_data + "\n" + source + ":3" + into_data},
    };
    for (const auto& [text, expected] : rows) {
        test::write_file(source, text + "  .data\nbuffer: .word 0\n");
        riscv_elf elf = small_object();
        elf.sections[1] = code_section(".text", {enc::bne(10, 0, 8), enc::jal(0, 0), enc::jal(0, 0)});
        elf.symtab.push_back(symbol{"buffer", 0, 0, false, 2});
        elf.relocations = {{4, 3, R_RISCV_JAL, 0, 1}, {8, 3, R_RISCV_JAL, 0, 1}};
        std::ostringstream warnings;
        auto refused = link_object(elf, warnings, source);
        ASSERT_FALSE(refused);
        EXPECT_EQ(refused.error(), expected) << text;
    }
}

TEST(Link, FailedWritesAreReportedAndLeaveNothing) {
    const std::vector<uint8_t> image(100000, 0xab);
    auto missing = write_obj_file("/no/such/folder/prog.o", image);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error(), "cannot write obj file '/no/such/folder/prog.o': No such file or directory");
    // A folder in the way: the image is written beside it, then cannot replace it.
    const test::scratch_dir dir;
    std::filesystem::create_directory(dir / "prog.o");
    const std::string path = (dir / "prog.o").string();
    auto folder = write_obj_file(path, image);
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.error(), "cannot write obj file '" + path + "': Is a directory");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1) << "a temporary file was left";
}

// How orrik reads a source line to find where a label is used.
TEST(Describe, StatementsOfSourceLines) {
    const std::pair<std::string, std::string> rows[] = {
        {"loop: addi t0, t0, -1   # next", "addi t0, t0, -1"},
        {"a: b:  .asciz \"x # y\"  # comment", ".asciz \"x # y\""},
        {"  .asciz \"a\\\" # b\"", ".asciz \"a\\\" # b\""},
        {"1: auipc t1, %pcrel_hi(x)", "auipc t1, %pcrel_hi(x)"},
        {"done:", ""},
        {"   # only a comment", ""},
        {"lw a0, 4(sp)", "lw a0, 4(sp)"},
    };
    for (const auto& [line, statement] : rows) EXPECT_EQ(statement_of(line), statement) << line;
    // A label's definition is no use of it; a use in a comment neither.
    const std::string text = "far: nop\n  beq t0, t1, far\n  # j far\n  j far\n  .word far\n";
    const auto numbers = [](const std::vector<source_line>& lines) {
        std::vector<size_t> n;
        for (const source_line& line : lines) n.push_back(line.number);
        return n;
    };
    EXPECT_EQ(numbers(lines_using(text, "far", words_writing(R_RISCV_BRANCH))), (std::vector<size_t>{2}));
    EXPECT_EQ(numbers(lines_using(text, "far", words_writing(R_RISCV_JAL))), (std::vector<size_t>{4}));
    EXPECT_EQ(numbers(lines_using(text, "far", words_writing(R_RISCV_32))), (std::vector<size_t>{5}));
    EXPECT_EQ(numbers(lines_using(text, "far", words_writing(R_RISCV_HI20))), (std::vector<size_t>{2, 4, 5}));
}

TEST(Describe, ArchStringsThatNameCompressedCode) {
    const std::pair<const char*, bool> rows[] = {
        {"rv32i2p0_m2p0_a2p0_c2p0", true}, {"rv32imac", true},        {"rv32ic", true},
        {"rv32i2p0_m2p0_zca1p0", true},    {"rv32i2p0_m2p0", false},  {"rv32im", false},
        {"rv32i2p1_m2p0_zicsr2p0", false}, {"rv32imafd", false},      {"rv32g", false},
        {"x86", false},                    {"", false},
    };
    for (const auto& [arch, compressed] : rows) EXPECT_EQ(arch_names_compressed(arch), compressed) << arch;
}

}  // namespace

// The checked-in objects of the fuzzing corpus and the obj files orrik made of
// them: relinking each must give the same bytes, whatever the linker's inside
// looks like.
TEST(Link, CheckedInObjectsGiveTheirCheckedInImages) {
    const std::filesystem::path corpus = std::filesystem::path(SOURCE_DIR) / "fuzz" / "corpus";
    int compared = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus / "elf")) {
        const auto image_path = corpus / "loader" / entry.path().filename().replace_extension(".obj");
        if (!std::filesystem::exists(image_path)) continue;  // a program orrik refuses
        SCOPED_TRACE(entry.path().filename().string());
        const std::string object = test::read_file(entry.path());
        auto elf = parse_riscv32i_elf({reinterpret_cast<const uint8_t*>(object.data()), object.size()});
        ASSERT_TRUE(elf) << elf.error();
        auto image = link(*elf);
        ASSERT_TRUE(image) << image.error();
        const std::string expected = test::read_file(image_path);
        EXPECT_EQ(std::string(image->begin(), image->end()), expected);
        ++compared;
    }
    EXPECT_GE(compared, 9);
}
