#include "encode.h"
#include "loader.h"
#include "riscv_constants.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>

namespace {

using test::obj_builder;

struct LoaderTest : ::testing::Test {
    test::scratch_dir dir;

    std::expected<riscv_mem, std::string> load(const obj_builder& obj) {
        obj.write(dir / "prog.o");
        return load_riscv((dir / "prog.o").string());
    }
    std::expected<riscv_mem, std::string> load_bytes(std::initializer_list<uint8_t> bytes) {
        obj_builder obj;
        obj.bytes = bytes;
        return load(obj);
    }
};

TEST_F(LoaderTest, TheLinkersSmallExample) {
    auto mem = load_bytes({0xca, 0xfe, 0xf0, 0x0d, 0xc0, 0xde, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01,
                           0x00, 0x00, 0x05, 0x13, 0xda, 0xda, 0x20, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04,
                           0x01, 0x00, 0x00, 0x00, 0xc3, 0xb7, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                           0xc3, 0xb7, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x6d, 0x61, 0x69, 0x6e});
    ASSERT_TRUE(mem) << mem.error();
    ASSERT_EQ(mem->text.size(), 1u);
    EXPECT_EQ(mem->text.at(0x10000000).mnemonic, "addi");
    EXPECT_EQ(mem->text.at(0x10000000).rd, 10u);
    EXPECT_EQ(mem->data.size(), SEGMENT_SIZE);
    EXPECT_EQ(mem->data[0], 1);
    EXPECT_EQ(mem->data[1], 0);
    EXPECT_EQ(mem->label_to_addr.at("main"), 0x10000000u);
    EXPECT_EQ(mem->label_to_addr.at(""), 0u);
    EXPECT_EQ(mem->addr_to_labels.at(0x10000000), std::vector<std::string>{"main"});
}

TEST_F(LoaderTest, MagicWordOnlyIsAnEmptyProgram) {
    auto mem = load(obj_builder().magic());
    ASSERT_TRUE(mem) << mem.error();
    EXPECT_TRUE(mem->text.empty());
    EXPECT_TRUE(mem->label_to_addr.empty());
    EXPECT_EQ(mem->data.size(), SEGMENT_SIZE);
    EXPECT_TRUE(std::all_of(mem->data.begin(), mem->data.begin() + 65536, [](uint8_t b) { return b == 0; }));
    EXPECT_EQ(mem->data[SEGMENT_SIZE - 1], 0);
}

TEST_F(LoaderTest, BadMagicWords) {
    for (auto bytes : {std::vector<uint8_t>{}, {0xca, 0xfe, 0xf0}, {0x0d, 0xf0, 0xfe, 0xca}}) {
        obj_builder obj;
        obj.bytes = bytes;
        auto mem = load(obj);
        ASSERT_FALSE(mem);
        EXPECT_EQ(mem.error(), "MAGIC WORD IS INCORRECT");
    }
    auto folder = load_riscv(dir.path.string());  // opens, but reads nothing
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.error(), "MAGIC WORD IS INCORRECT");
}

TEST_F(LoaderTest, CodeBlocks) {
    auto mem = load(obj_builder()
                        .magic()
                        .code(0x10000000, {})
                        .code(0x10000000, {enc::NOP, enc::addi(1, 0, 1)})
                        .code(0x10000004, {enc::addi(2, 0, 2)})  // a later block replaces the word
                        .code(0xfffffffc, {enc::NOP, enc::addi(3, 0, 3)}));  // the second word wraps to 0
    ASSERT_TRUE(mem) << mem.error();
    EXPECT_EQ(mem->text.size(), 4u);
    EXPECT_EQ(mem->text.at(0x10000004).rd, 2u);
    EXPECT_EQ(mem->text.at(0xfffffffc).mnemonic, "addi");
    EXPECT_EQ(mem->text.at(0).rd, 3u);
}

TEST_F(LoaderTest, UnidentifiedWordsAreStoredWithTheirDiagnostic) {
    testing::internal::CaptureStderr();
    auto mem = load(obj_builder().magic().code(0x10000000, {0x00000073}));
    const std::string err = testing::internal::GetCapturedStderr();
    std::cerr << std::dec << std::setfill(' ');
    ASSERT_TRUE(mem);
    EXPECT_EQ(mem->text.at(0x10000000).mnemonic, UNIDENTIFIED_MNEMONIC);
    EXPECT_EQ(err, "ERROR IN DECODE: UNIDENTIFIED OPCODE: 73\nENCODING: 0x00000073\n");
}

// Words that are not instructions are listed up to a bound, across all code
// blocks of the file; the rest are counted in one line at the end.
TEST_F(LoaderTest, UnidentifiedWordsAreListedUpToABound) {
    std::string sixteen;
    for (int n = 0; n < 16; ++n) sixteen += "ERROR IN DECODE: UNIDENTIFIED OPCODE: 0\nENCODING: 0x00000000\n";
    for (size_t second_block : {6u, 7u}) {
        testing::internal::CaptureStderr();
        auto mem = load(obj_builder()
                            .magic()
                            .code(0x10000000, std::vector<uint32_t>(10, 0))
                            .code(0x18000000, std::vector<uint32_t>(second_block, 0)));
        const std::string err = testing::internal::GetCapturedStderr();
        std::cerr << std::dec << std::setfill(' ');
        ASSERT_TRUE(mem);
        EXPECT_EQ(mem->text.size(), 10 + second_block);
        const std::string rest =
            "ERROR IN DECODE: 1 more words with unidentified opcodes (only the first 16 are listed)\n";
        EXPECT_EQ(err, sixteen + (second_block == 6 ? "" : rest));
    }
}

TEST_F(LoaderTest, DataBlocksInsideTheSegment) {
    auto mem = load(obj_builder()
                        .magic()
                        .data(0x20000010, {1, 2, 3})
                        .data(0x2fffffff, {0xab})
                        .data(0x20000010, {})  // count 0 changes nothing
                        .data(0x20000011, {9}));
    ASSERT_TRUE(mem) << mem.error();
    EXPECT_EQ(mem->data[0x10], 1);
    EXPECT_EQ(mem->data[0x11], 9);
    EXPECT_EQ(mem->data[0x12], 3);
    EXPECT_EQ(mem->data[SEGMENT_SIZE - 1], 0xab);
}

TEST_F(LoaderTest, DataBlocksOutsideTheSegmentAreRejected) {
    for (uint32_t address : {0x1fffffffu, 0x2ffffffeu, 0x30000000u, 0x00000000u, 0xffffffffu}) {
        auto mem = load(obj_builder().magic().data(address, {1, 2, 3, 4}));
        ASSERT_FALSE(mem) << std::hex << address;
        EXPECT_NE(mem.error().find("does not lie inside the data segment"), std::string::npos) << mem.error();
    }
    // A huge count is refused before anything is read.
    auto mem = load(obj_builder().magic().u16(0xdada).u32(0x20000000).u32(0xffffffff));
    ASSERT_FALSE(mem);
    EXPECT_NE(mem.error().find("does not lie inside"), std::string::npos);
}

TEST_F(LoaderTest, BlocksCutShortByTheEndOfTheFile) {
    struct row {
        obj_builder obj;
        std::string message_part;
    };
    const row rows[] = {
        {obj_builder().magic().u16(0xdada).u32(0x20000000).u32(8).u32(1), "FUCK ME IN THE ASS: ASK DORVIK TO INVESTIGATE"},
        {obj_builder().magic().u16(0xc0de).u32(0x10000000).u32(3).u32(0x13), "code block at 0x10000000 of 3 words runs past"},
        {obj_builder().magic().u16(0xc0de).u32(0x10000000).u32(0xffffffff), "runs past the end of the file"},
        {obj_builder().magic().u16(0xc3b7).u32(0x10000000).u32(0xfffffff0).text("ab"), "symbol block name"},
        {obj_builder().magic().u16(0xf17e).u32(100).text("abc"), "file block name"},
        {obj_builder().magic().u16(0xc3b7).u32(0x10000000), "symbol block header"},
        {obj_builder().magic().u16(0x715e).u32(1).u32(2), "line block"},
    };
    for (const row& r : rows) {
        auto mem = load(r.obj);
        ASSERT_FALSE(mem) << r.message_part;
        EXPECT_NE(mem.error().find(r.message_part), std::string::npos) << mem.error();
    }
}

TEST_F(LoaderTest, SymbolBlocks) {
    auto mem = load(obj_builder()
                        .magic()
                        .symbol(0x10000000, "a")
                        .symbol(0x10000008, "a")  // same name again: the later address wins
                        .symbol(0x10000008, "a")  // same name and address: listed twice
                        .symbol(0x10000008, "b")
                        .symbol(0, ""));
    ASSERT_TRUE(mem) << mem.error();
    EXPECT_EQ(mem->label_to_addr.at("a"), 0x10000008u);
    EXPECT_EQ(mem->label_to_addr.at("b"), 0x10000008u);
    EXPECT_EQ(mem->label_to_addr.at(""), 0u);
    EXPECT_EQ(mem->addr_to_labels.at(0x10000000), std::vector<std::string>{"a"});
    EXPECT_EQ(mem->addr_to_labels.at(0x10000008), (std::vector<std::string>{"a", "a", "b"}));
}

TEST_F(LoaderTest, FileAndLineBlocksAreSkippedExactly) {
    auto mem = load(obj_builder()
                        .magic()
                        .file("abc")
                        .code(0x10000000, {0x00000013})
                        .line(1, 2, 3)
                        .symbol(0x10000000, "main")
                        .u8(0xc0));  // one stray byte after the last block is ignored
    ASSERT_TRUE(mem) << mem.error();
    EXPECT_EQ(mem->text.size(), 1u);
    EXPECT_EQ(mem->label_to_addr.at("main"), 0x10000000u);
}

TEST_F(LoaderTest, UnknownIndicatorRejectsTheWholeFile) {
    testing::internal::CaptureStderr();
    auto mem = load(obj_builder().magic().code(0x10000000, {0x13}).symbol(0x10000000, "x").u16(0xbeef));
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_FALSE(mem);
    EXPECT_EQ(mem.error(), "UNKOWN INDICATOR FUCKKKKK");
    EXPECT_EQ(err, "UNKOWN INDICATOR FUUUUUUCKbeef\n");
}

TEST_F(LoaderTest, LargeProgramsLoadWhole) {
    std::vector<uint32_t> words(1'000'000, 0x00000013);
    words.back() = 0x0000006f;
    obj_builder big;
    big.magic().code(0x10000000, words);
    for (uint32_t i = 0; i < 100'000; ++i) big.symbol(0x10000000 + 4 * i, "label" + std::to_string(i));
    auto mem = load(big);
    ASSERT_TRUE(mem) << mem.error();
    EXPECT_EQ(mem->text.size(), 1'000'000u);
    EXPECT_EQ(mem->text.at(0x10000000 + 4 * 999'999).mnemonic, "jal");
    EXPECT_EQ(mem->label_to_addr.size(), 100'000u);
    EXPECT_EQ(mem->label_to_addr.at("label99999"), 0x10000000u + 4 * 99'999);

    // One data block filling the whole segment, from a sparse file: zeros but the last byte.
    obj_builder full;
    full.magic().u16(0xdada).u32(0x20000000).u32(SEGMENT_SIZE);
    full.write(dir / "full.o");
    std::filesystem::resize_file(dir / "full.o", full.bytes.size() + SEGMENT_SIZE - 1);
    std::ofstream(dir / "full.o", std::ios::binary | std::ios::app).put(static_cast<char>(0x5a));
    auto segment = load_riscv((dir / "full.o").string());
    ASSERT_TRUE(segment) << segment.error();
    EXPECT_EQ(segment->data[SEGMENT_SIZE - 1], 0x5a);
    EXPECT_EQ(segment->data[0], 0);
}

TEST_F(LoaderTest, AFileThatCannotBeOpenedIsNamed) {
    auto mem = load_riscv((dir / "missing.o").string());
    ASSERT_FALSE(mem);
    EXPECT_NE(mem.error().find("missing.o"), std::string::npos);
    EXPECT_NE(mem.error().find("No such file or directory"), std::string::npos);
}

}  // namespace
