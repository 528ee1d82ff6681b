#include "decoder.h"
#include "instruction_list.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <random>
#include <set>
#include <sstream>

namespace {

struct decode_row {
    uint32_t word;
    InstructionType type;
    const char* mnemonic;
    uint32_t rd, rs1, rs2;
    int32_t imm;
    uint32_t uimm;
};

void check_rows(const std::vector<decode_row>& rows) {
    for (const decode_row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "word 0x" << std::hex << row.word);
        const Instruction instr = decode_instruction(row.word);
        EXPECT_EQ(instr.type, row.type);
        EXPECT_EQ(instr.mnemonic, row.mnemonic);
        EXPECT_EQ(instr.rd, row.rd);
        EXPECT_EQ(instr.rs1, row.rs1);
        EXPECT_EQ(instr.rs2, row.rs2);
        EXPECT_EQ(instr.imm, row.imm);
        EXPECT_EQ(instr.uimm, row.uimm);
        EXPECT_EQ(instr.encoding, row.word);
        EXPECT_EQ(instr.opcode, row.word & 0x7f);
        EXPECT_EQ(instr.funct3, (row.word >> 12) & 7);
        EXPECT_EQ(instr.funct7, row.word >> 25);
    }
}

TEST(Decoder, RFormat) {
    check_rows({
        {0x003100b3, R_TYPE, "add", 1, 2, 3, 0, 0},
        {0x403100b3, R_TYPE, "sub", 1, 2, 3, 0, 0},
        {0x003110b3, R_TYPE, "sll", 1, 2, 3, 0, 0},
        {0x003120b3, R_TYPE, "slt", 1, 2, 3, 0, 0},
        {0x003130b3, R_TYPE, "sltu", 1, 2, 3, 0, 0},
        {0x003140b3, R_TYPE, "xor", 1, 2, 3, 0, 0},
        {0x003150b3, R_TYPE, "srl", 1, 2, 3, 0, 0},
        {0x403150b3, R_TYPE, "sra", 1, 2, 3, 0, 0},
        {0x003160b3, R_TYPE, "or", 1, 2, 3, 0, 0},
        {0x003170b3, R_TYPE, "and", 1, 2, 3, 0, 0},
        {0x023100b3, R_TYPE, "mul", 1, 2, 3, 0, 0},
        {0x023110b3, R_TYPE, "mulh", 1, 2, 3, 0, 0},
        {0x023120b3, R_TYPE, "mulhsu", 1, 2, 3, 0, 0},
        {0x023130b3, R_TYPE, "mulhu", 1, 2, 3, 0, 0},
        {0x023140b3, R_TYPE, "div", 1, 2, 3, 0, 0},
        {0x023150b3, R_TYPE, "divu", 1, 2, 3, 0, 0},
        {0x023160b3, R_TYPE, "rem", 1, 2, 3, 0, 0},
        {0x023170b3, R_TYPE, "remu", 1, 2, 3, 0, 0},
        {0x403110b3, R_TYPE, "error_r20", 1, 2, 3, 0, 0},
        {0x403170b3, R_TYPE, "error_r20", 1, 2, 3, 0, 0},
        {0x043100b3, R_TYPE, "", 1, 2, 3, 0, 0},  // funct7 0x02: no name
        {0xfe3100b3, R_TYPE, "", 1, 2, 3, 0, 0},
    });
}

TEST(Decoder, IFormat) {
    check_rows({
        {0x00000013, I_TYPE, "addi", 0, 0, 0, 0, 0},
        {0xfff00093, I_TYPE, "addi", 1, 0, 31, -1, 4095},
        {0x7ff00093, I_TYPE, "addi", 1, 0, 31, 2047, 2047},
        {0x80002093, I_TYPE, "slti", 1, 0, 0, -2048, 2048},
        {0xfff03093, I_TYPE, "sltiu", 1, 0, 31, -1, 4095},
        {0x00f04093, I_TYPE, "xori", 1, 0, 15, 15, 15},
        {0x00f06093, I_TYPE, "ori", 1, 0, 15, 15, 15},
        {0x00f07093, I_TYPE, "andi", 1, 0, 15, 15, 15},
        {0x40105093, I_TYPE, "srai", 1, 0, 1, 1, 1},
        {0x02105093, I_TYPE, "srai", 1, 0, 1, 1, 1},   // any non-zero funct7
        {0x00105093, I_TYPE, "srli", 1, 0, 1, 1, 1},
        {0x40101093, I_TYPE, "slli", 1, 0, 1, 1, 1},   // slli ignores funct7
        {0xfff31313, I_TYPE, "slli", 6, 6, 31, 31, 31},
        {0xffc12283, I_TYPE, "lw", 5, 2, 28, -4, 4092},
        {0x00010283, I_TYPE, "lb", 5, 2, 0, 0, 0},
        {0x00011283, I_TYPE, "lh", 5, 2, 0, 0, 0},
        {0x00014283, I_TYPE, "lbu", 5, 2, 0, 0, 0},
        {0x00015283, I_TYPE, "lhu", 5, 2, 0, 0, 0},
        {0x00003003, I_TYPE, "FUCKKKKKKKKKKKKKKKKKKKK", 0, 0, 0, 0, 0},
        {0x00006003, I_TYPE, "FUCKKKKKKKKKKKKKKKKKKKK", 0, 0, 0, 0, 0},
        {0x00007003, I_TYPE, "FUCKKKKKKKKKKKKKKKKKKKK", 0, 0, 0, 0, 0},
        {0x00008067, I_TYPE, "jalr", 0, 1, 0, 0, 0},
        {0x00009067, I_TYPE, "FUCKKKKKKKKKKKKKKKKKKKK", 0, 1, 0, 0, 0},
    });
}

TEST(Decoder, SBUJFormats) {
    check_rows({
        {0x04512023, S_TYPE, "sw", 0, 2, 5, 64, 0},
        {0xfe512e23, S_TYPE, "sw", 28, 2, 5, -4, 0},
        {0x00510023, S_TYPE, "sb", 0, 2, 5, 0, 0},
        {0x00511023, S_TYPE, "sh", 0, 2, 5, 0, 0},
        {0x00513023, S_TYPE, "unknown_s", 0, 2, 5, 0, 0},
        {0xfe000fe3, B_TYPE, "beq", 31, 0, 0, -2, 0},
        {0x00209463, B_TYPE, "bne", 8, 1, 2, 8, 0},
        {0x0020c463, B_TYPE, "blt", 8, 1, 2, 8, 0},
        {0x0020d463, B_TYPE, "bge", 8, 1, 2, 8, 0},
        {0x0020e463, B_TYPE, "bltu", 8, 1, 2, 8, 0},
        {0x0020f463, B_TYPE, "bgeu", 8, 1, 2, 8, 0},
        {0x0020a463, B_TYPE, "unknown_b", 8, 1, 2, 8, 0},
        {0x0020b463, B_TYPE, "unknown_b", 8, 1, 2, 8, 0},
        {0x80000063, B_TYPE, "beq", 0, 0, 0, -4096, 0},
        {0x7e000fe3, B_TYPE, "beq", 31, 0, 0, 4094, 0},
        {0x123452b7, U_TYPE, "lui", 5, 8, 3, 74565, 0},
        {0xfffff2b7, U_TYPE, "lui", 5, 31, 31, -1, 0},
        {0x00001297, U_TYPE, "auipc", 5, 0, 0, 1, 0},
        {0x800000ef, J_TYPE, "jal", 1, 0, 0, -1048576, 0},
        {0x7ffff06f, J_TYPE, "jal", 0, 31, 31, 1048574, 0},
        {0x0100006f, J_TYPE, "jal", 0, 0, 16, 16, 0},
    });
}

TEST(Decoder, UnidentifiedOpcodePrintsTwoLinesAndLeavesTheStreamAsItWas) {
    const std::ios_base::fmtflags flags = std::cerr.flags();
    const char fill = std::cerr.fill();
    testing::internal::CaptureStderr();
    const Instruction ecall = decode_instruction(0x00000073);
    const Instruction zero = decode_instruction(0);
    std::cerr << 255 << ' ' << std::setw(4) << 1 << '\n';  // base and fill as they were: decimal and ' '
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::cerr.flags(), flags);
    EXPECT_EQ(std::cerr.fill(), fill);
    EXPECT_EQ(err,
              "ERROR IN DECODE: UNIDENTIFIED OPCODE: 73\nENCODING: 0x00000073\n"
              "ERROR IN DECODE: UNIDENTIFIED OPCODE: 0\nENCODING: 0x00000000\n"
              "255    1\n");
    EXPECT_EQ(ecall.mnemonic, UNIDENTIFIED_MNEMONIC);
    EXPECT_EQ(ecall.type, R_TYPE);  // zero-initialised record
    EXPECT_EQ(ecall.imm, 0);
    EXPECT_EQ(ecall.uimm, 0u);
    EXPECT_EQ(zero.mnemonic, UNIDENTIFIED_MNEMONIC);
}

TEST(Decoder, RandomWordsAlwaysGetANameFromTheTables) {
    // The list's mnemonics and the fallback names.
    std::set<std::string> names = {"error_r20", "", "FUCKKKKKKKKKKKKKKKKKKKK", "unknown_s", "unknown_b",
                                   UNIDENTIFIED_MNEMONIC};
    for (const instruction_row& row : INSTRUCTIONS) names.emplace(row.mnemonic);
    std::mt19937 random(12345);
    testing::internal::CaptureStderr();
    for (int i = 0; i < 200000; ++i) {
        const Instruction instr = decode_instruction(static_cast<uint32_t>(random()));
        ASSERT_TRUE(names.contains(instr.mnemonic)) << instr.mnemonic;
        ASSERT_LE(static_cast<int>(instr.type), 5);
    }
    testing::internal::GetCapturedStderr();
    std::cerr << std::dec << std::setfill(' ');
}

TEST(InstructionText, OperandsByFormat) {
    const std::pair<uint32_t, const char*> rows[] = {
        {0x00000013, "addi\tx0, x0, 0"},   {0xfff00093, "addi\tx1, x0, -1"},
        {0x00331313, "slli\tx6, x6, 3"},   {0xffc12283, "lw\tx5, -4(x2)"},
        {0x00008067, "jalr\tx0, 0(x1)"},   {0x00512423, "sw\tx5, 8(x2)"},
        {0xfe208ce3, "beq\tx1, x2, -8"},   {0x123452b7, "lui\tx5, 74565"},
        {0x010000ef, "jal\tx1, 16"},       {0x003100b3, "add\tx1, x2, x3"},
        {0x043100b3, "\tx1, x2, x3"},      // an undefined funct7 has no mnemonic
    };
    for (const auto& [word, text] : rows) EXPECT_EQ(instr_to_string(decode_instruction(word)), text) << std::hex << word;
}

TEST(InstructionText, StreamsKeepTheirOwnFormatting) {
    std::ostringstream out;
    out << std::hex << std::setfill('*');
    out << decode_instruction(0xfff00093) << ' ' << std::setw(3) << 10;
    EXPECT_EQ(out.str(), "addi\tx1, x0, -1 **a");

    Instruction instr;
    std::istringstream in("19 -1 junk");
    in >> instr;
    EXPECT_EQ(instr.mnemonic, "addi");
    EXPECT_EQ(instr.encoding, 0x13u);
    testing::internal::CaptureStderr();
    in >> instr;
    const std::string err = testing::internal::GetCapturedStderr();
    std::cerr << std::dec << std::setfill(' ');
    EXPECT_EQ(instr.encoding, 0xffffffffu);
    EXPECT_EQ(err, "ERROR IN DECODE: UNIDENTIFIED OPCODE: 7f\nENCODING: 0xffffffff\n");
    EXPECT_EQ(instr_to_string(instr), std::string(UNIDENTIFIED_MNEMONIC) + "\tx31, x31, x31");

    testing::internal::CaptureStderr();
    in >> instr;  // no digits: the extraction yields 0, which is decoded
    testing::internal::GetCapturedStderr();
    std::cerr << std::dec << std::setfill(' ');
    EXPECT_EQ(instr.encoding, 0u);
    instr = decode_instruction(0x13);
    in >> instr;  // the stream has failed already: the record is left as it is
    EXPECT_EQ(instr.mnemonic, "addi");
}

}  // namespace

namespace {

const char* op_name(op operation) {
    switch (operation) {
#define NAME(x, ...) \
    case op::x: return #x;
        RV32IM_INSTRUCTIONS(NAME)
        NAME(NONE) NAME(ILLEGAL_R) NAME(ILLEGAL_I) NAME(ILLEGAL_S) NAME(ILLEGAL_B) NAME(ILLEGAL_U) NAME(ILLEGAL_TYPE)
#undef NAME
    }
    return "?";
}

// Every opcode x funct3 x funct7 (rd 3, rs1 1, rs2 2), as runs of words that
// decode alike: the first word's fields, the run's length, then type,
// mnemonic and the operation the simulator selects.
std::string decoding_table() {
    std::ostringstream table;
    std::string run_key;
    uint32_t run_start = 0, run_length = 0;
    auto close_run = [&] {
        if (run_length == 0) return;
        table << "opcode 0x" << std::hex << std::setw(2) << std::setfill('0') << (run_start & 0x7f) << " funct3 "
              << ((run_start >> 12) & 7) << " funct7 0x" << std::setw(2) << (run_start >> 25) << std::dec << " x"
              << run_length << ": " << run_key << '\n';
    };
    for (uint32_t opcode = 0; opcode < 128; ++opcode)
        for (uint32_t funct3 = 0; funct3 < 8; ++funct3)
            for (uint32_t funct7 = 0; funct7 < 128; ++funct7) {
                const uint32_t word = funct7 << 25 | 2 << 20 | 1 << 15 | funct3 << 12 | 3 << 7 | opcode;
                const Instruction instr = decode_instruction(word);
                const std::string key = std::to_string(instr.type) + " '" + instr.mnemonic + "' " +
                                        op_name(select_op(instr).operation);
                if (key == run_key) {
                    ++run_length;
                    continue;
                }
                close_run();
                run_key = key;
                run_start = word;
                run_length = 1;
            }
    close_run();
    return table.str();
}

// Guards any reshaping of the instruction tables: all 2^17 combinations of the
// fields that choose an instruction decode and select as they always have.
TEST(Decoder, EveryCombinationOfOpcodeAndFunctionCodesIsUnchanged) {
    std::ostringstream diagnostics;
    std::streambuf* const saved = std::cerr.rdbuf(diagnostics.rdbuf());
    const std::string actual = decoding_table();
    std::cerr.rdbuf(saved);
    std::cerr << std::dec << std::setfill(' ');
    const std::filesystem::path golden = std::filesystem::path(SOURCE_DIR) / "tests" / "data" / "decoding_table.txt";
    std::ifstream in(golden);
    std::ostringstream expected;
    expected << in.rdbuf();
    if (actual != expected.str()) std::ofstream("decoding_table.actual") << actual;
    EXPECT_EQ(actual, expected.str()) << "the table this build gives is in decoding_table.actual";
}

}  // namespace
