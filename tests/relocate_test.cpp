#include "encode.h"
#include "link.h"
#include "relocate.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

Instruction relocated(uint32_t word, int32_t instr_address, int32_t label_address) {
    auto result = relocate_instruction(decode_instruction(word), instr_address, label_address);
    EXPECT_TRUE(result) << result.error();
    return result.value_or(Instruction{});
}

int32_t imm_of(const Instruction& patched) { return decode_instruction(patched.encoding).imm; }

TEST(Relocate, BranchesAndJumpsStoreHalfTheDistance) {
    // The linker passes the offset in .text and the placed label address.
    EXPECT_EQ(imm_of(relocated(enc::beq(0, 0, 0), 0x10, 0x10000018)), 4);
    EXPECT_EQ(imm_of(relocated(enc::beq(0, 0, 0), 0x10, 0x10000008)), -4);
    EXPECT_EQ(imm_of(relocated(enc::bne(1, 2, 0), 0, 0x10000000 + 8188)), 4094);
    EXPECT_EQ(imm_of(relocated(enc::bne(1, 2, 0), 8192, 0x10000000)), -4096);
    EXPECT_EQ(imm_of(relocated(enc::jal(1, 0), 0x20, 0x10000030)), 8);
    EXPECT_EQ(imm_of(relocated(enc::jal(1, 0), 0x100000, 0x10000000)), -524288);
    EXPECT_EQ(relocated(enc::jal(1, 0), 0x20, 0x10000020).encoding, enc::jal(1, 0));
    const Instruction patched = relocated(enc::beq(1, 2, 0), 0, 0x10000008);
    EXPECT_EQ(patched.imm, 0);  // only the encoding changes
    EXPECT_EQ(patched.encoding, enc::beq(1, 2, 4));
}

TEST(Relocate, AbsoluteAddressesInIAndSAndU) {
    EXPECT_EQ(relocated(enc::addi(5, 5, 0), 0, 0x20000010).encoding >> 20, 0x010u);
    const Instruction lui = relocated(enc::lui(5, 0), 0, 0x20000010);
    EXPECT_EQ(lui.encoding >> 12, 0x20000u);
    EXPECT_EQ(imm_of(lui), 131072);
    const uint32_t store = relocated(enc::sw(1, 5, 0), 0, 0x20000044).encoding;
    EXPECT_EQ(store >> 25, 0x02u);
    EXPECT_EQ((store >> 7) & 0x1f, 0x04u);
    // Patching twice ORs both; with address 0 the second pass changes nothing.
    const Instruction twice = relocated(relocated(enc::addi(5, 5, 0), 0, 0x123).encoding, 0, 0);
    EXPECT_EQ(twice.encoding, enc::addi(5, 5, 0x123));
    EXPECT_EQ(relocated(enc::addi(5, 5, 0x100), 0, 0x011).encoding, enc::addi(5, 5, 0x111));
}

TEST(Relocate, UpperHalfRoundsSoHiPlusLoReachesEveryAddress) {
    for (uint32_t address : {0x20000000u, 0x200007ffu, 0x20000800u, 0x20000fffu, 0x2abcdeffu, 0x2ffff800u}) {
        const uint32_t hi = relocated(enc::lui(5, 0), 0, static_cast<int32_t>(address)).encoding & 0xfffff000;
        const int32_t lo = imm_of(relocated(enc::addi(5, 5, 0), 0, static_cast<int32_t>(address)));
        EXPECT_EQ(hi + static_cast<uint32_t>(lo), address) << std::hex << address;
    }
}

TEST(Relocate, RTypeAndUnknownFormatsCannotBePatched) {
    auto r = relocate_instruction(decode_instruction(enc::add(1, 2, 3)), 0, 0x10);
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error(), "POKE DORVIK: WHY ARE WE RELOCATING AN R TYPE?????????");
    Instruction odd = decode_instruction(enc::NOP);
    odd.type = static_cast<InstructionType>(9);
    auto bad = relocate_instruction(odd, 0, 0);
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.error(), "WHAT THE FUCKKKKKKKKKKKK ILLEGAL INSTRUCTION TYPE IN RELOCATION");
}

// A hand-made object: what the linker does with indices that lie outside its tables.
riscv_elf small_object() {
    riscv_elf elf;
    elf.section_names = {"", ".text", ".data"};
    elf.text = {decode_instruction(enc::lui(5, 0)), decode_instruction(enc::addi(5, 5, 0))};
    elf.symtab = {symbol{}, symbol{"buf", 4, 0, false, 2}, symbol{"abs", 0x1234, 0, false, SHN_ABS}};
    elf.data.contents = {1, 2, 3, 4, 5, 6, 7, 8};
    return elf;
}

TEST(Link, RebasesPatchesAndLaysOutTheImage) {
    riscv_elf elf = small_object();
    elf.relocations[".text"] = {{0, 1, R_RISCV_HI20, 0}, {4, 1, R_RISCV_LO12_I, 0}, {4, 0, R_RISCV_RELAX, 0}};
    std::ostringstream warnings;
    auto image = link_object(elf, warnings);
    ASSERT_TRUE(image) << image.error();
    EXPECT_EQ(warnings.str(), "");
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
        {{0, 7, R_RISCV_HI20, 0}, "names symbol 7, but the symbol table has 3 entries"},
        {{8, 1, R_RISCV_HI20, 0}, "relocation at offset 0x8 lies outside .text"},
        {{4, 1, R_RISCV_CALL, 0}, "relocation at offset 0x8 lies outside .text"},  // its jalr is missing
        {{4, 1, R_RISCV_PCREL_LO12_I, 0}, "has no %pcrel_hi relocation"},
    };
    for (const auto& [relo, message] : rows) {
        riscv_elf elf = small_object();
        elf.relocations[".text"] = {relo};
        std::ostringstream warnings;
        auto image = link_object(elf, warnings);
        ASSERT_FALSE(image) << message;
        EXPECT_NE(image.error().find(message), std::string::npos) << image.error();
    }
}

TEST(Link, DataSectionsArePlacedInOrderAndAligned) {
    riscv_elf elf = small_object();
    elf.data.contents = {1, 2, 3};
    elf.bss.contents.assign(5, 0);
    elf.bss.header.sh_addralign = 4;
    elf.rodata.contents = {'h', 'i', 0};
    elf.rodata.header.sh_addralign = 8;
    elf.section_names = {"", ".text", ".data", ".bss", ".rodata"};
    elf.symtab = {symbol{}, symbol{"z", 1, 0, false, 3}, symbol{"msg", 0, 0, false, 4}};
    std::ostringstream warnings;
    auto image = link_object(elf, warnings);
    ASSERT_TRUE(image) << image.error();
    EXPECT_EQ(elf.symtab[1].value, 0x20000005u);  // .bss starts at 0x20000004
    EXPECT_EQ(elf.symtab[2].value, 0x20000010u);  // .rodata at the next multiple of 8 after 0x20000009
    elf.bss.contents.assign(0x10000000, 0);
    EXPECT_FALSE(link_object(elf, warnings));  // no longer fits in the data segment
}

TEST(Link, FailedWritesAreReported) {
    const std::vector<uint8_t> image(100000, 0xab);
    auto full = write_obj_file("/dev/full", image);
    ASSERT_TRUE(full);
    EXPECT_EQ(*full, "cannot write obj file '/dev/full': No space left on device");
    auto folder = write_obj_file("/tmp", image);
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, "cannot open obj file '/tmp' for writing: Is a directory");
}

}  // namespace
