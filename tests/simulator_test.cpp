#include "encode.h"
#include "places.h"
#include "register_names.h"
#include "riscv_constants.h"
#include "simulator.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <iomanip>
#include <iostream>

namespace {

__extension__ typedef __int128 wide;
__extension__ typedef unsigned __int128 uwide;

constexpr uint32_t CODE = 0x10000000;
constexpr uint32_t DATA = 0x20000000;

// A machine with the words at `at`, the pc on the first.
riscv_prog machine(std::initializer_list<uint32_t> words, uint32_t at = CODE) {
    riscv_prog prog;
    uint32_t address = at;
    for (uint32_t w : words) {
        prog.mem.text[address] = decode_instruction(w);
        address += 4;
    }
    prog.set_pc(at);
    return prog;
}

std::string error_of(const std::expected<uint32_t, std::string>& result) { return result ? "" : result.error(); }

// Runs one R-type operation on a and b and returns rd, or the message.
std::expected<int32_t, std::string> r_op(uint32_t f7, uint32_t f3, int32_t a, int32_t b) {
    static riscv_prog prog;  // one machine for every call: a data segment is 256 MiB
    prog.mem.text[CODE] = decode_instruction(enc::r(f7, 2, 1, f3, 3));
    prog.set_pc(CODE);
    prog.set_register(3, 0);
    prog.set_register(1, a);
    prog.set_register(2, b);
    auto result = prog.step();
    if (!result) return std::unexpected(result.error());
    return prog.get_register(3);
}

TEST(Execute, RFormatArithmetic) {
    struct row {
        uint32_t f7, f3;
        int32_t a, b, expected;
    };
    const row rows[] = {
        {0x00, 0, INT32_MAX, 1, INT32_MIN},       // add wraps
        {0x20, 0, INT32_MIN, 1, INT32_MAX},       // sub wraps
        {0x00, 1, 1, 33, 2},                      // sll by 33 shifts by 1
        {0x00, 2, -1, 0, 1},                      // slt signed
        {0x00, 3, -1, 0, 0},                      // sltu unsigned
        {0x00, 4, 0x0ff0, 0x00ff, 0x0f0f},        // xor
        {0x00, 5, -8, 1, 0x7ffffffc},             // srl
        {0x20, 5, -8, 1, -4},                     // sra
        {0x00, 6, 0x0f00, 0x00f0, 0x0ff0},        // or
        {0x00, 7, 0x0ff0, 0x00ff, 0x00f0},        // and
    };
    for (const row& r : rows) {
        auto result = r_op(r.f7, r.f3, r.a, r.b);
        ASSERT_TRUE(result) << result.error();
        EXPECT_EQ(*result, r.expected) << "funct7 " << r.f7 << " funct3 " << r.f3;
    }
}

// The M extension, checked against 64-bit products computed here.
TEST(Execute, MultiplyHighHalvesAgainstWideProducts) {
    const int32_t values[] = {0, 1, -1, 2, -2, INT32_MAX, INT32_MIN, 0x12345678, static_cast<int32_t>(0x9abcdef0), 0x40000000, 4, 12345, -98765};
    for (int32_t a : values) {
        for (int32_t b : values) {
            const auto ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
            const int64_t ss = int64_t{a} * int64_t{b};
            const uint64_t uu = uint64_t{ua} * uint64_t{ub};
            const wide su = static_cast<wide>(a) * static_cast<wide>(ub);
            EXPECT_EQ(*r_op(1, 0, a, b), static_cast<int32_t>(static_cast<uint32_t>(uu)));
            EXPECT_EQ(*r_op(1, 1, a, b), static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(ss) >> 32)));
            EXPECT_EQ(*r_op(1, 2, a, b), static_cast<int32_t>(static_cast<uint32_t>(static_cast<uwide>(su) >> 32)));
            EXPECT_EQ(*r_op(1, 3, a, b), static_cast<int32_t>(static_cast<uint32_t>(uu >> 32)));
        }
    }
    EXPECT_EQ(*r_op(1, 1, -1, -1), 0);
    EXPECT_EQ(*r_op(1, 1, 0x40000000, 4), 1);
    EXPECT_EQ(static_cast<uint32_t>(*r_op(1, 3, -1, -1)), 0xfffffffeu);
    EXPECT_EQ(*r_op(1, 2, -1, -1), -1);
    EXPECT_EQ(static_cast<uint32_t>(*r_op(1, 0, 0x12345678, static_cast<int32_t>(0x9abcdef0))), 0x242d2080u);
    EXPECT_EQ(static_cast<uint32_t>(*r_op(1, 1, 0x12345678, static_cast<int32_t>(0x9abcdef0))), 0xf8cc93d6u);
    EXPECT_EQ(static_cast<uint32_t>(*r_op(1, 3, 0x12345678, static_cast<int32_t>(0x9abcdef0))), 0x0b00ea4eu);
    EXPECT_EQ(static_cast<uint32_t>(*r_op(1, 2, 0x12345678, static_cast<int32_t>(0x9abcdef0))), 0x0b00ea4eu);
}

TEST(Execute, DivisionAndRemainder) {
    EXPECT_EQ(*r_op(1, 4, -7, 2), -3);
    EXPECT_EQ(*r_op(1, 6, -7, 2), -1);
    EXPECT_EQ(*r_op(1, 4, INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(*r_op(1, 6, INT32_MIN, -1), 0);
    EXPECT_EQ(*r_op(1, 5, -1, 2), 0x7fffffff);
    EXPECT_EQ(*r_op(1, 7, -1, 16), 15);
    EXPECT_EQ(r_op(1, 4, 5, 0).error(), "Divide by Zero");
    EXPECT_EQ(r_op(1, 5, 5, 0).error(), "Divide Unsigned by Zero");
    EXPECT_EQ(r_op(1, 6, 5, 0).error(), "Modulo by Zero");
    EXPECT_EQ(r_op(1, 7, 5, 0).error(), "Modulo Unsigned by Zero");

    // The failed step changes nothing and is not counted; repeating it repeats the error.
    riscv_prog prog = machine({enc::divu(3, 1, 2)});
    prog.set_register(1, 9);
    prog.set_register(3, 77);
    EXPECT_EQ(error_of(prog.step()), "Divide Unsigned by Zero");
    EXPECT_EQ(error_of(prog.step()), "Divide Unsigned by Zero");
    EXPECT_EQ(prog.get_pc(), CODE);
    EXPECT_EQ(prog.get_register(3), 77);
    EXPECT_EQ(prog.instructions_run, 0u);
}

TEST(Execute, IllegalMnemonicsAndTheNextWordCheck) {
    EXPECT_EQ(r_op(0x20, 1, 1, 1).error(), "ILLEGAL R TYPE INSTRUCTION");
    EXPECT_EQ(r_op(0x02, 0, 1, 1).error(), "ILLEGAL R TYPE INSTRUCTION");
    testing::internal::CaptureStderr();
    riscv_prog unknown = machine({0x00000073});  // unidentified opcode: an R_TYPE record
    testing::internal::GetCapturedStderr();
    std::cerr << std::dec << std::setfill(' ');
    EXPECT_EQ(error_of(unknown.step()), "ILLEGAL R TYPE INSTRUCTION");
    EXPECT_EQ(error_of(machine({0x00003003}).step()), "ILLEGAL I TYPE INSTRUCTION");
    EXPECT_EQ(error_of(machine({enc::s(0, 1, 0, 3)}).step()), "ILLEGAL S TYPE INSTRUCTION");
    EXPECT_EQ(error_of(machine({enc::b(4, 0, 0, 2)}).step()), "ILLEGAL B TYPE INSTRUCTION");

    // At the segment's last word the next-word check comes first, whatever the mnemonic.
    for (uint32_t w : {enc::r(0x02, 0, 0, 0, 1), enc::add(1, 0, 0), enc::addi(1, 0, 1), enc::sw(0, 0, 0), enc::lui(1, 1)}) {
        riscv_prog prog = machine({w}, 0x1ffffffc);
        EXPECT_EQ(error_of(prog.step()), "Program counter would be set to be out of bounds") << std::hex << w;
    }
    riscv_prog before_last = machine({enc::addi(1, 0, 1)}, 0x1ffffff8);
    EXPECT_TRUE(before_last.step());
}

TEST(Execute, IFormatImmediates) {
    riscv_prog prog = machine({enc::addi(0, 0, 5), enc::sltiu(2, 1, -1), enc::sltiu(4, 3, -1), enc::slli(6, 5, 3),
                               enc::srai(7, 5, 1), enc::srli(8, 5, 1), enc::xori(9, 5, -1), enc::slti(10, 5, -2048)});
    prog.set_register(1, 5);
    prog.set_register(3, static_cast<int32_t>(0xffffff00));
    prog.set_register(5, -8);
    for (int n = 0; n < 8; ++n) ASSERT_TRUE(prog.step());
    EXPECT_EQ(prog.get_register(0), 0);
    EXPECT_EQ(prog.get_register(2), 1);   // sltiu 5 < 0xffffffff
    EXPECT_EQ(prog.get_register(4), 1);   // sltiu 0xffffff00 < 0xffffffff
    EXPECT_EQ(prog.get_register(6), -64); // slli by 3
    EXPECT_EQ(prog.get_register(7), -4);  // srai by 1
    EXPECT_EQ(prog.get_register(8), 0x7ffffffc);  // srli by 1
    EXPECT_EQ(prog.get_register(9), 7);   // xori -1
    EXPECT_EQ(prog.get_register(10), 0);  // slti -8 < -2048 is false
    EXPECT_EQ(prog.get_pc(), CODE + 32);
    EXPECT_EQ(prog.instructions_run, 8u);
}

// sltiu sign-extends its immediate and then compares unsigned, as compilers
// expect of x >= 0xfffff800u or x / 0xfffffffeu.
TEST(Execute, SltiuComparesWithTheSignExtendedImmediate) {
    struct row {
        uint32_t x;
        int32_t imm;
        int32_t expected;
    };
    const row rows[] = {
        {0xfffffffd, -2, 1},    {0xfffffffe, -2, 0},    {0xffffffff, -1, 0},    {0xfffff7ff, -2048, 1},
        {0xfffff800, -2048, 0}, {0x00000fff, -2048, 1}, {0x000007fe, 2047, 1},  {0x000007ff, 2047, 0},
        {0, 1, 1},              {1, 1, 0},              {0, 0, 0},              {0x80000000, -2048, 1},
        {0x7fffffff, -2048, 1}, {0x80000000, 2047, 0},  {0xffffffff, 1, 0},
    };
    riscv_prog prog;
    for (const row& r : rows) {
        prog.mem.text[CODE] = decode_instruction(enc::sltiu(2, 1, r.imm));
        prog.set_pc(CODE);
        prog.set_register(1, static_cast<int32_t>(r.x));
        ASSERT_TRUE(prog.step());
        EXPECT_EQ(prog.get_register(2), r.expected) << std::hex << "sltiu 0x" << r.x << ", " << std::dec << r.imm;
    }
}

TEST(Execute, LittleEndianLoadsAndStores) {
    riscv_prog prog = machine({enc::sw(2, 1, 0), enc::lbu(3, 1, 0), enc::lh(4, 1, 2),
                               enc::lb(5, 1, 3), enc::lw(6, 1, 1), enc::lhu(7, 1, 3),
                               enc::sh(2, 1, 6), enc::sb(2, 1, 9)});
    prog.set_register(1, static_cast<int32_t>(DATA));
    prog.set_register(2, static_cast<int32_t>(0x11223344));
    for (int n = 0; n < 8; ++n) ASSERT_TRUE(prog.step()) << n;
    EXPECT_EQ(prog.mem.data[0], 0x44);
    EXPECT_EQ(prog.mem.data[3], 0x11);
    EXPECT_EQ(prog.get_register(3), 0x44);
    EXPECT_EQ(prog.get_register(4), 0x1122);
    EXPECT_EQ(prog.get_register(5), 0x11);
    EXPECT_EQ(prog.get_register(6), 0x00112233);
    EXPECT_EQ(prog.get_register(7), 0x0011);  // lhu at 3: 0x11 then 0x00
    EXPECT_EQ(prog.mem.data[6], 0x44);  // sh
    EXPECT_EQ(prog.mem.data[7], 0x33);
    EXPECT_EQ(prog.mem.data[9], 0x44);  // sb
    EXPECT_EQ(prog.addresses_written, (std::set<uint32_t>{DATA, DATA + 1, DATA + 2, DATA + 3, DATA + 6, DATA + 7, DATA + 9}));
    EXPECT_EQ(prog.addresses_read, (std::set<uint32_t>{DATA, DATA + 1, DATA + 2, DATA + 3, DATA + 4}));

    riscv_prog signs = machine({enc::lb(3, 1, 0), enc::lh(4, 1, 0)});
    signs.mem.data[0] = 0x80;
    signs.mem.data[1] = 0xff;
    signs.set_register(1, static_cast<int32_t>(DATA));
    ASSERT_TRUE(signs.step());
    ASSERT_TRUE(signs.step());
    EXPECT_EQ(signs.get_register(3), -128);
    EXPECT_EQ(signs.get_register(4), -128);  // 0xff80
}

TEST(Execute, DataSegmentEdges) {
    struct row {
        uint32_t word;
        uint32_t address;
        bool ok;
    };
    const row stores[] = {{enc::sb(2, 1, 0), 0x2fffffff, true},  {enc::sh(2, 1, 0), 0x2ffffffe, true},
                          {enc::sw(2, 1, 0), 0x2ffffffc, true},  {enc::sb(2, 1, 0), 0x30000000, false},
                          {enc::sh(2, 1, 0), 0x2fffffff, false}, {enc::sw(2, 1, 0), 0x2ffffffd, false},
                          {enc::sw(2, 1, 0), 0x1ffffffc, false}};
    for (const row& r : stores) {
        riscv_prog prog = machine({r.word});
        prog.set_register(1, static_cast<int32_t>(r.address));
        prog.set_register(2, -1);
        auto result = prog.step();
        EXPECT_EQ(result.has_value(), r.ok) << std::hex << r.address;
        if (!r.ok) {
            EXPECT_EQ(result.error(), "Tries to store bytes to non-data memory");
            EXPECT_TRUE(prog.addresses_written.empty());
            EXPECT_EQ(prog.get_pc(), CODE);
        }
    }
    // lw records before it checks; lb checks first.
    riscv_prog lw = machine({enc::lw(3, 1, 0)});
    lw.set_register(1, 0x2ffffffd);
    EXPECT_EQ(error_of(lw.step()), "Tries to load bytes from non-data memory");
    EXPECT_EQ(lw.addresses_read, (std::set<uint32_t>{0x2ffffffd, 0x2ffffffe, 0x2fffffff, 0x30000000}));
    riscv_prog lb = machine({enc::lb(3, 1, 0)});
    lb.set_register(1, 0x1fffffff);
    EXPECT_EQ(error_of(lb.step()), "Tries to load bytes from non-data memory");
    EXPECT_TRUE(lb.addresses_read.empty());
    riscv_prog lhu = machine({enc::lhu(3, 1, 0)});
    lhu.set_register(1, -1);  // the recorded addresses wrap around
    EXPECT_EQ(error_of(lhu.step()), "Tries to load bytes from non-data memory");
    EXPECT_EQ(lhu.addresses_read, (std::set<uint32_t>{0, 0xffffffff}));
    riscv_prog last = machine({enc::lbu(3, 1, 0), enc::lh(4, 1, -1)});
    last.set_register(1, 0x2fffffff);
    EXPECT_TRUE(last.step());
    EXPECT_TRUE(last.step());
}

TEST(Execute, BranchesDoubleTheirImmediate) {
    riscv_prog taken = machine({enc::beq(1, 2, 4)});
    ASSERT_TRUE(taken.step());
    EXPECT_EQ(taken.get_pc(), CODE + 8);
    riscv_prog back = machine({enc::NOP, enc::NOP, enc::bne(1, 0, -4)});
    back.set_register(1, 1);
    back.set_pc(CODE + 8);
    ASSERT_TRUE(back.step());
    EXPECT_EQ(back.get_pc(), CODE);
    riscv_prog not_taken = machine({enc::bne(1, 2, 4)});
    ASSERT_TRUE(not_taken.step());
    EXPECT_EQ(not_taken.get_pc(), CODE + 4);
    // blt, bge, bltu, bgeu on -1 and 1.
    const std::pair<uint32_t, uint32_t> conditions[] = {{4, CODE + 8}, {5, CODE + 4}, {6, CODE + 4}, {7, CODE + 8}};
    for (const auto& [f3, target] : conditions) {
        riscv_prog prog = machine({enc::b(4, 2, 1, f3)});
        prog.set_register(1, -1);
        prog.set_register(2, 1);
        ASSERT_TRUE(prog.step());
        EXPECT_EQ(prog.get_pc(), target) << f3;
    }
    riscv_prog end = machine({enc::bne(1, 1, 4)}, 0x1ffffff8);  // not taken, but pc + 4 is the last word
    EXPECT_EQ(error_of(end.step()), "Would Branch to a non code segment");
    riscv_prog below = machine({enc::beq(0, 0, -2)});
    EXPECT_EQ(error_of(below.step()), "Would Branch to a non code segment");
    EXPECT_EQ(below.get_pc(), CODE);
}

TEST(Execute, JumpsAndUpperImmediates) {
    riscv_prog prog = machine({enc::jal(0, 4), enc::NOP, enc::jal(1, -2)});
    ASSERT_TRUE(prog.step());
    EXPECT_EQ(prog.get_pc(), CODE + 8);
    EXPECT_EQ(prog.get_register(0), 0);
    ASSERT_TRUE(prog.step());
    EXPECT_EQ(prog.get_pc(), CODE + 4);
    EXPECT_EQ(prog.get_register(1), static_cast<int32_t>(CODE + 12));

    riscv_prog jalr = machine({enc::jalr(1, 1, 5)});
    jalr.set_register(1, static_cast<int32_t>(CODE + 16));
    ASSERT_TRUE(jalr.step());
    EXPECT_EQ(jalr.get_pc(), CODE + 20);  // 0x10000015 with bit 0 cleared
    EXPECT_EQ(jalr.get_register(1), static_cast<int32_t>(CODE + 4));
    riscv_prog odd = machine({enc::jalr(0, 1, 2)});
    odd.set_register(1, static_cast<int32_t>(CODE));
    ASSERT_TRUE(odd.step());
    EXPECT_EQ(error_of(odd.step()), "Program counter is not aligned!");
    riscv_prog out = machine({enc::jalr(1, 0, 0)});
    EXPECT_EQ(error_of(out.step()), "Program Counter will be set to not pointing to program data after JALR!");
    EXPECT_EQ(out.get_register(1), 0);
    riscv_prog far = machine({enc::jal(1, -2)});
    EXPECT_EQ(error_of(far.step()), "Program Counter will be set to not pointing to program data after JAL!");
    riscv_prog last = machine({enc::jal(0, 0)}, 0x1ffffffc);  // jal may sit on the last word
    EXPECT_TRUE(last.step());

    riscv_prog upper = machine({enc::lui(1, 0x12345), enc::NOP, enc::NOP, enc::NOP, enc::auipc(2, 1)});
    ASSERT_TRUE(upper.step());
    upper.set_pc(CODE + 16);
    ASSERT_TRUE(upper.step());
    EXPECT_EQ(upper.get_register(1), 0x12345000);
    EXPECT_EQ(static_cast<uint32_t>(upper.get_register(2)), 0x10001010u);
}

TEST(RunControl, StepChecksThePcInOrder) {
    riscv_prog fresh = machine({enc::NOP, enc::NOP});
    fresh.set_pc(0);
    EXPECT_EQ(error_of(fresh.step()), "Program counter no longer pointing to a legal instruction");
    EXPECT_EQ(error_of(fresh.run()), "Program counter no longer pointing to a legal instruction");
    fresh.set_pc(CODE + 2);
    EXPECT_EQ(error_of(fresh.step()), "Program counter is not aligned!");
    EXPECT_EQ(error_of(fresh.run()), "Program counter is not aligned!");
    EXPECT_EQ(fresh.get_pc(), CODE + 2);  // nothing ran
    fresh.set_pc(CODE);
    EXPECT_EQ(fresh.step().value(), CODE + 4);
    riscv_prog outside = machine({enc::NOP}, 0x20000000);  // a word loaded outside the code segment
    EXPECT_EQ(error_of(outside.step()), "Program counter is not pointing to program data!");
    EXPECT_EQ(error_of(outside.run()), "Program counter is not pointing to program data!");
}

TEST(RunControl, Registers) {
    riscv_prog prog;
    prog.set_register(0, 5);
    prog.set_register(31, -1);
    EXPECT_EQ(prog.get_register(0), 0);
    EXPECT_EQ(prog.get_register(31), -1);
    EXPECT_THROW(prog.set_register(32, 1), std::out_of_range);
    EXPECT_THROW((void)prog.get_register(32), std::out_of_range);
}

TEST(RunControl, LimitAndBreakpoints) {
    riscv_prog prog = machine({enc::NOP, enc::NOP, enc::NOP, enc::NOP, enc::NOP});
    prog.set_instr_limit(3);
    EXPECT_EQ(prog.run().value(), CODE + 12);
    EXPECT_EQ(prog.instructions_run, 3u);
    EXPECT_EQ(error_of(prog.run()), "Hit the instruction limit");
    EXPECT_EQ(prog.step().value(), CODE + 16);
    EXPECT_EQ(prog.instructions_run, 4u);
    prog.set_instr_limit(0);
    EXPECT_EQ(error_of(prog.run()), "Program counter no longer pointing to a legal instruction");  // past the last word
}

TEST(RunControl, RunStopsOnBreakpointsBeforeExecuting) {
    riscv_prog prog = machine({enc::addi(1, 1, 1), enc::addi(1, 1, 1), enc::jal(0, -2)});
    prog.register_break_point(CODE + 4);
    prog.register_break_point(CODE + 4);
    EXPECT_EQ(prog.run().value(), CODE + 4);
    EXPECT_EQ(prog.run().value(), CODE + 4);  // already on it: nothing runs
    EXPECT_EQ(prog.instructions_run, 1u);
    ASSERT_TRUE(prog.step());
    prog.register_break_point(0x12345);  // anywhere, even where no instruction is
    EXPECT_EQ(prog.run().value(), CODE + 4);
    EXPECT_EQ(prog.get_register(1), 2);
    prog.unregister_break_point(CODE + 4);
    prog.set_instr_limit(100);
    EXPECT_EQ(prog.run().value(), CODE + 8);  // the limit ends the loop
    EXPECT_EQ(prog.instructions_run, 100u);
}

TEST(RunControl, RunAndStepAgreeOnEveryFailure) {
    riscv_prog prog = machine({enc::addi(1, 0, 7), enc::div(2, 1, 0)});
    EXPECT_EQ(error_of(prog.run()), "Divide by Zero");
    EXPECT_EQ(prog.get_pc(), CODE + 4);
    EXPECT_EQ(prog.instructions_run, 1u);
}

TEST(RunControl, AddressSetsRecordAgainAfterTheyAreEmptied) {
    riscv_prog prog = machine({enc::lw(3, 1, 0), enc::sw(3, 1, 8), enc::jal(0, -2)});
    prog.set_register(1, static_cast<int32_t>(DATA));
    prog.set_instr_limit(30);
    ASSERT_TRUE(prog.run());
    EXPECT_EQ(prog.addresses_read.size(), 4u);
    EXPECT_EQ(prog.addresses_written.size(), 4u);
    prog.clear_addresses_read();
    prog.addresses_written.clear();  // emptied directly, not through the machine
    EXPECT_TRUE(prog.addresses_read.empty());
    prog.set_pc(CODE);
    ASSERT_TRUE(prog.step());
    ASSERT_TRUE(prog.step());
    EXPECT_EQ(prog.addresses_read, (std::set<uint32_t>{DATA, DATA + 1, DATA + 2, DATA + 3}));
    EXPECT_EQ(prog.addresses_written, (std::set<uint32_t>{DATA + 8, DATA + 9, DATA + 10, DATA + 11}));
}

// The sets are public: whatever is done to them between calls, a load or store
// of an address that is not in its set any more records it again.
TEST(RunControl, AddressSetsChangedFromOutsideRecordAgain) {
    using change = void (*)(riscv_prog&);
    const std::pair<const char*, change> changes[] = {
        {"an erase and an insert, sizes unchanged",
         [](riscv_prog& p) {
             p.addresses_read.erase(DATA);
             p.addresses_read.insert(DATA + 100);
             p.addresses_written.erase(DATA + 8);
             p.addresses_written.insert(0x1234);
         }},
        {"the clear operations",
         [](riscv_prog& p) {
             p.clear_addresses_read();
             p.clear_addresses_written();
             p.addresses_read.insert(DATA + 100);
             p.addresses_written.insert(0x1234);
         }},
        {"assignment of a whole set",
         [](riscv_prog& p) {
             p.addresses_read = {DATA + 100};
             p.addresses_written = {0x1234};
         }},
    };
    using execute = bool (*)(riscv_prog&);
    const std::pair<const char*, execute> ways[] = {
        {"run", [](riscv_prog& p) { return p.run().has_value(); }},
        {"step", [](riscv_prog& p) { return p.step() && p.step(); }},
    };
    for (const auto& [what, apply] : changes) {
        for (const auto& [how, go] : ways) {
            SCOPED_TRACE(std::string(what) + ", then " + how);
            riscv_prog prog = machine({enc::lw(3, 1, 0), enc::sw(3, 1, 8), enc::jal(0, -2)});
            prog.set_register(1, static_cast<int32_t>(DATA));
            prog.set_instr_limit(2);
            ASSERT_TRUE(go(prog));
            apply(prog);
            prog.set_pc(CODE);
            prog.set_instr_limit(4);
            ASSERT_TRUE(go(prog));
            EXPECT_TRUE(prog.addresses_read.contains(DATA));
            EXPECT_TRUE(prog.addresses_read.contains(DATA + 100));
            EXPECT_TRUE(prog.addresses_written.contains(DATA + 8));
            EXPECT_TRUE(prog.addresses_written.contains(0x1234));
        }
    }
}

// Everything back must put back: registers, pc, the first data bytes, the sets, the count.
struct machine_state {
    std::array<int32_t, NUM_REGISTERS> registers;
    uint32_t pc;
    std::array<uint8_t, 16> data;
    std::set<uint32_t> read, written;
    uint64_t count;
    bool operator==(const machine_state&) const = default;
};

machine_state state_of(const riscv_prog& prog) {
    machine_state state{{}, prog.get_pc(), {}, prog.addresses_read, prog.addresses_written, prog.instructions_run};
    for (uint32_t n = 0; n < NUM_REGISTERS; ++n) state.registers[n] = prog.get_register(n);
    std::copy_n(prog.mem.data.begin(), state.data.size(), state.data.begin());
    return state;
}

// Each kind of instruction, stepped, undone and stepped again: back gives the
// state before it, and the step after back the state after it once more.
// x1 holds the data segment's address, x2 -2, x3 7, x4 the code address 8.
TEST(Back, UndoesEachKindOfInstruction) {
    struct row {
        const char* name;
        uint32_t word;
        uint32_t set_after = 0;  // a register the console sets between the step and back
    };
    const row rows[] = {
        {"sb", enc::sb(2, 1, 1)},             {"sh", enc::sh(2, 1, 3)},
        {"sw", enc::sw(2, 1, 2)},             {"lb", enc::lb(5, 1, 0)},
        {"lh", enc::lh(5, 1, 1)},             {"lw", enc::lw(5, 1, 4)},
        {"lbu", enc::lbu(5, 1, 3)},           {"lhu", enc::lhu(5, 1, 6)},
        {"beq taken", enc::beq(3, 3, 4)},     {"beq not taken", enc::beq(2, 3, 4)},
        {"bne taken", enc::bne(2, 3, -2)},    {"jal", enc::jal(1, 4)},
        {"jal x0", enc::jal(0, 2)},           {"jalr rd = rs1", enc::jalr(4, 4, 4)},
        {"mul", enc::mul(6, 2, 3)},           {"mulh", enc::mulh(6, 2, 3)},
        {"div", enc::div(2, 2, 3)},           {"remu", enc::remu(6, 2, 3)},
        {"addi to x0", enc::addi(0, 3, 1)},   {"lui", enc::lui(3, 0x12345)},
        {"auipc", enc::auipc(5, 1)},          {"add rd = rs1", enc::add(3, 3, 3)},
        // Bits 11:7 of these words read 4 and 5: no register of theirs to put back.
        {"beq after set", enc::beq(0, 0, 4), 4},
        {"sw after set", enc::sw(3, 1, 5), 5},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.name);
        riscv_prog prog = machine({enc::NOP, enc::NOP, r.word, enc::NOP, enc::NOP, enc::NOP}, CODE);
        for (uint8_t i = 0; i < 16; ++i) prog.mem.data[i] = static_cast<uint8_t>(0x11 * i + 1);
        prog.set_register(1, static_cast<int32_t>(DATA));
        prog.set_register(2, -2);
        prog.set_register(3, 7);
        prog.set_register(4, static_cast<int32_t>(CODE + 8));
        ASSERT_TRUE(prog.step());
        ASSERT_TRUE(prog.step());
        machine_state before = state_of(prog);
        ASSERT_TRUE(prog.step());
        machine_state after = state_of(prog);
        EXPECT_NE(after, before);
        if (r.set_after != 0) {
            prog.set_register(r.set_after, 77);
            before.registers[r.set_after] = after.registers[r.set_after] = 77;
        }
        EXPECT_EQ(prog.back().value(), CODE + 8);
        EXPECT_EQ(state_of(prog), before);
        ASSERT_TRUE(prog.step());
        EXPECT_EQ(state_of(prog), after);
        for (uint32_t pc : {CODE + 8, CODE + 4, CODE}) EXPECT_EQ(prog.back().value(), pc);
        EXPECT_EQ(error_of(prog.back()), "nothing to undo: no instruction has run");
        EXPECT_EQ(prog.instructions_run, 0u);
        EXPECT_EQ(prog.get_register(1), static_cast<int32_t>(DATA));
    }
}

// A store at the segment's last word, and the bytes of a run undone one by one.
TEST(Back, UndoesStoresAtTheEdgeAndWholeRuns) {
    riscv_prog edge = machine({enc::sw(2, 1, 0)});
    edge.set_register(1, 0x2ffffffc);
    edge.set_register(2, -1);
    edge.mem.data[SEGMENT_SIZE - 1] = 0x5a;
    ASSERT_TRUE(edge.step());
    EXPECT_EQ(edge.mem.data[SEGMENT_SIZE - 1], 0xff);
    ASSERT_TRUE(edge.back());
    EXPECT_EQ(edge.mem.data[SEGMENT_SIZE - 1], 0x5a);
    EXPECT_EQ(edge.mem.data[SEGMENT_SIZE - 4], 0);
    EXPECT_TRUE(edge.addresses_written.empty());

    // loop: lw x3, 0(x1); addi x3, x3, 1; sw x3, 0(x1); addi x1, x1, 4; bne x1, x2, loop; done
    riscv_prog prog = machine({enc::lw(3, 1, 0), enc::addi(3, 3, 1), enc::sw(3, 1, 0), enc::addi(1, 1, 4),
                               enc::bne(1, 2, -8), enc::jal(0, 0)});
    prog.set_register(1, static_cast<int32_t>(DATA));
    prog.set_register(2, static_cast<int32_t>(DATA + 12));
    prog.register_break_point(CODE + 20);
    const machine_state start = state_of(prog);
    EXPECT_EQ(prog.run().value(), CODE + 20);
    EXPECT_EQ(prog.instructions_run, 15u);
    EXPECT_EQ(prog.back().value(), CODE + 16);  // the bne that left the loop
    EXPECT_EQ(prog.run().value(), CODE + 20);
    for (int n = 0; n < 15; ++n) ASSERT_TRUE(prog.back());
    EXPECT_EQ(state_of(prog), start);
}

// The ring holds the last UNDO_DEPTH instructions; back says when it has
// reached the oldest, and then the machine runs on as before.
TEST(Back, ReachesTheRingsDepth) {
    riscv_prog prog = machine({enc::addi(5, 5, 1), enc::jal(0, -2)});
    prog.set_instr_limit(UNDO_DEPTH + 10);
    EXPECT_TRUE(prog.run());
    for (std::size_t n = 0; n < UNDO_DEPTH; ++n) ASSERT_TRUE(prog.back()) << n;
    EXPECT_EQ(error_of(prog.back()),
              "nothing more to undo: back reaches " + std::to_string(UNDO_DEPTH) + " instructions at most");
    EXPECT_EQ(prog.instructions_run, 10u);
    EXPECT_EQ(prog.get_register(5), 5);
    EXPECT_TRUE(prog.step());
    EXPECT_TRUE(prog.back());
    EXPECT_FALSE(prog.back());
}

// A refused load is no instruction: back undoes the one before it, and the
// addresses the refused load recorded stay in the read set. An address back
// takes out of a set is recorded again by the next load of it.
TEST(Back, RefusedLoadsAndTheAddressFilter) {
    riscv_prog prog = machine({enc::lw(3, 1, 0), enc::lw(4, 2, 0), enc::lw(5, 1, 0)});
    prog.set_register(1, static_cast<int32_t>(DATA));
    prog.set_register(2, 0x2ffffffe);
    ASSERT_TRUE(prog.step());
    for (auto go : {&riscv_prog::step, &riscv_prog::run})
        EXPECT_EQ(error_of((prog.*go)()), "Tries to load bytes from non-data memory");
    const std::set<uint32_t> refused = {0x2ffffffe, 0x2fffffff, 0x30000000, 0x30000001};
    EXPECT_EQ(prog.back().value(), CODE);
    EXPECT_EQ(prog.addresses_read, refused);
    EXPECT_EQ(prog.instructions_run, 0u);
    prog.set_register(2, static_cast<int32_t>(DATA + 8));
    prog.register_break_point(CODE + 8);
    EXPECT_EQ(prog.run().value(), CODE + 8);
    EXPECT_TRUE(prog.back());
    EXPECT_TRUE(prog.back());
    EXPECT_EQ(prog.addresses_read, refused);
    prog.set_instr_limit(2);
    EXPECT_EQ(prog.run().value(), CODE + 8);  // no stale filter bit hides DATA or DATA + 8
    EXPECT_TRUE(prog.addresses_read.contains(DATA));
    EXPECT_TRUE(prog.addresses_read.contains(DATA + 11));
}

// The call sites of the frames, the oldest first.
std::vector<uint32_t> call_sites(const riscv_prog& prog) {
    std::vector<uint32_t> sites;
    for (const call_frame& f : prog.calls().frames) sites.push_back(f.call_site - CODE);
    return sites;
}

// Calls, a return, a tail call through a register, and a jump that returns
// from two frames at once; the stack after each instruction, then the same
// stacks again as back undoes them one by one.
TEST(CallStack, FollowsCallsAndReturnsAndBack) {
    riscv_prog prog = machine({
        enc::jal(1, 8),       //  0 main: call f
        enc::jal(1, 16),      //  4       call k
        enc::jal(0, 0),       //  8 done
        enc::NOP,             // 12
        enc::addi(5, 1, 0),   // 16 f: keep ra in t0
        enc::jal(1, 6),       // 20    call g
        enc::addi(1, 5, 0),   // 24    ra back
        enc::jalr(0, 6, 0),   // 28    tail call h through x6
        enc::jalr(0, 1, 0),   // 32 g: ret
        enc::jal(1, 6),       // 36 k: call m
        enc::jalr(0, 1, 0),   // 40 h: ret, for f
        enc::NOP,             // 44
        enc::jalr(0, 7, 0),   // 48 m: to done, past k's frame and main's
    });
    prog.set_register(6, static_cast<int32_t>(CODE + 40));
    prog.set_register(7, static_cast<int32_t>(CODE + 8));
    const std::vector<std::vector<uint32_t>> expected = {
        {0}, {0}, {0, 20}, {0}, {0}, {0}, {}, {4}, {4, 36}, {}, {},
    };
    std::vector<std::vector<uint32_t>> seen;
    for (std::size_t n = 0; n < expected.size(); ++n) {
        ASSERT_TRUE(prog.step());
        seen.push_back(call_sites(prog));
    }
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(prog.get_pc(), CODE + 8);
    for (std::size_t n = expected.size(); n-- > 1;) {
        ASSERT_TRUE(prog.back());
        EXPECT_EQ(call_sites(prog), expected[n - 1]) << "back to instruction " << n;
    }
    ASSERT_TRUE(prog.back());
    EXPECT_TRUE(prog.calls().frames.empty());
    // run keeps the same stack as step, and the frames know their routines.
    prog.set_instr_limit(9);
    EXPECT_EQ(prog.run().value(), CODE + 48);
    EXPECT_EQ(prog.stopped.reason, stop_reason::LIMIT);
    EXPECT_EQ(call_sites(prog), expected[8]);
    EXPECT_EQ(prog.calls().frames.back().routine, CODE + 48);
}

// Recursive factorial of 5 with its stack in the data segment:
// main: sp = DATA + 256; a0 = 5; call fact; done: j done
// fact: push ra and a0; if 1 >= a0 goto base; a0 -= 1; call fact; a0 *= the saved a0; j leave
// base: a0 = 1; leave: pop ra; ret
const std::initializer_list<uint32_t> FACTORIAL = {
    enc::lui(2, 0x20000),  enc::addi(2, 2, 256),   enc::addi(10, 0, 5),  enc::jal(1, 4),      enc::jal(0, 0),
    enc::addi(2, 2, -8),   enc::sw(1, 2, 4),       enc::sw(10, 2, 0),    enc::addi(5, 0, 1),  enc::bge(5, 10, 12),
    enc::addi(10, 10, -1), enc::jal(1, -12),       enc::lw(6, 2, 0),     enc::mul(10, 10, 6), enc::jal(0, 4),
    enc::addi(10, 0, 1),   enc::lw(1, 2, 4),       enc::addi(2, 2, 8),   enc::jalr(0, 1, 0),
};

// What back must restore beside machine_state: the frames and the stack's bytes.
struct traced_state {
    machine_state machine;
    std::vector<uint32_t> frames;
    std::vector<uint8_t> stack;
    bool operator==(const traced_state&) const = default;
};

traced_state traced(const riscv_prog& prog) {
    return {state_of(prog), call_sites(prog), {prog.mem.data.begin() + 192, prog.mem.data.begin() + 256}};
}

// Each state on the way forward comes back as back and back run undo the
// recursion, with the frames and the watched stack word as they were.
TEST(CallStack, BackAndBackRunRestoreWhatAForwardRunSaw) {
    riscv_prog prog = machine(FACTORIAL);
    std::vector<traced_state> forward = {traced(prog)};
    while (prog.get_pc() != CODE + 16) {
        ASSERT_TRUE(prog.step());
        forward.push_back(traced(prog));
    }
    EXPECT_EQ(prog.get_register(10), 120);
    EXPECT_EQ(std::ranges::max(forward, {}, [](const traced_state& t) { return t.frames.size(); }).frames.size(), 5u);
    // The deepest call saved a0 = 1 at DATA + 216: back run stops where that store is undone.
    prog.add_watch(DATA + 216, 4);
    prog.register_break_point(CODE + 60);  // base, reached once
    EXPECT_EQ(prog.back_run().value(), CODE + 60);
    EXPECT_EQ(prog.stopped.reason, stop_reason::BREAKPOINT);
    EXPECT_EQ(traced(prog), forward[prog.instructions_run]);
    EXPECT_EQ(prog.back_run().value(), CODE + 28);
    EXPECT_EQ(prog.stopped.reason, stop_reason::WATCH);
    EXPECT_EQ(prog.stopped.old_value, 0u);
    EXPECT_EQ(prog.stopped.new_value, 1u);
    EXPECT_EQ(traced(prog), forward[prog.instructions_run]);
    EXPECT_EQ(call_sites(prog).size(), 5u);
    while (prog.instructions_run > 0) {
        ASSERT_TRUE(prog.back());
        ASSERT_EQ(traced(prog), forward[prog.instructions_run]) << "at instruction " << prog.instructions_run;
    }
    EXPECT_EQ(prog.back_run().error(), "nothing to undo: no instruction has run");
    // Forward again with the watch: run stops right after the store, which a step shows the same way.
    EXPECT_EQ(prog.run().value(), CODE + 32);
    EXPECT_EQ(prog.stopped.reason, stop_reason::WATCH);
    EXPECT_EQ(prog.stopped.store_pc, CODE + 28);
    EXPECT_EQ(traced(prog), forward[prog.instructions_run]);
    ASSERT_TRUE(prog.back());
    EXPECT_EQ(prog.step().value(), CODE + 32);
    EXPECT_EQ(prog.stopped.reason, stop_reason::WATCH);
    // Unwatched, the run goes on to the breakpoint; and back to start, back run says so.
    EXPECT_TRUE(prog.remove_watch(DATA + 216));
    EXPECT_FALSE(prog.remove_watch(DATA + 216));
    EXPECT_EQ(prog.run().value(), CODE + 60);
    prog.unregister_break_point(CODE + 60);
    EXPECT_EQ(prog.back_run().value(), CODE);
    EXPECT_EQ(prog.stopped.reason, stop_reason::RECORDING_START);
    EXPECT_EQ(traced(prog), forward[0]);
}

// A program that calls without returning keeps its newest frames up to the bound.
TEST(CallStack, CallsWithoutReturnsAreBounded) {
    riscv_prog prog = machine({enc::jal(1, 0)});
    prog.set_instr_limit(call_stack::MAX_FRAMES + 100);
    EXPECT_TRUE(prog.run());
    EXPECT_EQ(prog.calls().frames.size(), call_stack::MAX_FRAMES);
    for (int n = 0; n < 200; ++n) ASSERT_TRUE(prog.back());
    EXPECT_EQ(prog.calls().frames.size(), call_stack::MAX_FRAMES - 100);
}

// Addresses by the label before them, guesses for misspelt labels, register names.
TEST(Places, LabelsRegistersAndGuesses) {
    riscv_mem mem;
    for (const auto& [name, at] : std::initializer_list<std::pair<const char*, uint32_t>>{
             {"", 0}, {"main", CODE}, {"_start", CODE}, {".Lloop", CODE + 8}, {"buf", DATA}, {"COUNT", 3}})
        mem.label_to_addr[name] = at;
    const std::pair<uint32_t, const char*> places[] = {
        {CODE, "_start"},          {CODE + 4, "_start+4"}, {CODE + 8, "_start+8"},  // a plain label over .L, ties by name
        {DATA + 5, "buf+5"},       {3, ""},                {CODE - 1, ""},
        {0x1fffffff, "_start+268435455"}, {0x30000000, ""},
    };
    for (const auto& [address, place] : places) EXPECT_EQ(place_of(mem, address), place) << std::hex << address;
    riscv_mem local;
    local.label_to_addr[".Lx"] = CODE;
    EXPECT_EQ(place_of(local, CODE + 4), ".Lx+4");
    const std::pair<const char*, std::optional<std::string>> guesses[] = {
        {"mian", "main"}, {"bfu", "buf"}, {"zz", std::nullopt}, {".Lloo", ".Lloop"}, {"COUNTERS", std::nullopt}, {"COUNTER", "COUNT"}};
    for (const auto& [word, guess] : guesses) EXPECT_EQ(closest_label(mem, word), guess) << word;
    const std::pair<const char*, std::optional<uint32_t>> registers[] = {
        {"zero", 0}, {"ra", 1}, {"fp", 8}, {"s0", 8}, {"s11", 27}, {"t6", 31}, {"a7", 17}, {"x05", 5}, {"x31", 31},
        {"a8", std::nullopt}, {"X5", std::nullopt}, {"x32", std::nullopt}, {"sp ", std::nullopt}};
    for (const auto& [word, n] : registers) EXPECT_EQ(register_by_name(word), n) << word;
}

// A machine built around a memory takes it over as it is.
TEST(RunControl, AMachineTakesItsMemory) {
    riscv_mem mem;
    mem.text[CODE] = decode_instruction(enc::lui(1, 0x20000));
    mem.text[CODE + 4] = decode_instruction(enc::lw(3, 1, 0));
    mem.data[0] = 0x2a;
    mem.label_to_addr["main"] = CODE;
    riscv_prog prog(std::move(mem));
    prog.set_pc(prog.resolve_label("main").value());
    ASSERT_TRUE(prog.step());
    ASSERT_TRUE(prog.step());
    EXPECT_EQ(prog.get_register(3), 0x2a);
    EXPECT_EQ(prog.addresses_read, (std::set<uint32_t>{DATA, DATA + 1, DATA + 2, DATA + 3}));
}

TEST(RunControl, SetMemoryBounds) {
    riscv_prog prog;
    const uint8_t two[] = {1, 2};
    EXPECT_TRUE(prog.set_memory(0x2ffffffe, two));
    EXPECT_EQ(prog.mem.data[SEGMENT_SIZE - 1], 2);
    EXPECT_FALSE(prog.set_memory(0x2fffffff, two));
    EXPECT_FALSE(prog.set_memory(0x1fffffff, std::span(two, 1)));
    EXPECT_TRUE(prog.set_memory(0x20000000, {}));
    EXPECT_TRUE(prog.addresses_written.empty());
}

TEST(RunControl, MovesKeepTheMachine) {
    riscv_prog prog = machine({enc::NOP});
    prog.set_register(5, 9);
    prog.register_break_point(CODE);
    riscv_prog moved = std::move(prog);
    riscv_prog& alias = moved;
    moved = std::move(alias);  // a self-move changes nothing
    EXPECT_EQ(moved.get_register(5), 9);
    EXPECT_EQ(moved.run().value(), CODE);
    EXPECT_TRUE(moved.has_instr(CODE));
    EXPECT_EQ(moved.resolve_label("x"), std::nullopt);
}

TEST(RunControl, LoadedProgramLoopsCallsAndStops) {
    // main: x1 = 0; x2 = 5; loop: jal x3, inc; bne x1, x2, loop; done: jal x0, done
    // inc: addi x1, x1, 1; jalr x0, 0(x3)
    test::scratch_dir dir;
    test::obj_builder()
        .magic()
        .code(CODE, {enc::addi(1, 0, 0), enc::addi(2, 0, 5), enc::jal(3, 6), enc::bne(1, 2, -2), enc::jal(0, 0),
                     enc::addi(1, 1, 1), enc::jalr(0, 3, 0)})
        .symbol(0, "")
        .symbol(CODE, "main")
        .symbol(CODE + 16, "done")
        .write(dir / "loop.o");
    auto loaded = load_riscv_prog((dir / "loop.o").string());
    ASSERT_TRUE(loaded) << loaded.error();
    riscv_prog prog = std::move(*loaded);
    EXPECT_EQ(prog.get_pc(), 0u);
    prog.set_instr_limit(ONE_MILLION);
    prog.set_pc(*prog.resolve_label("main"));
    prog.register_break_point(*prog.resolve_label("done"));
    EXPECT_EQ(prog.run().value(), CODE + 16);
    EXPECT_EQ(prog.get_register(1), 5);
    EXPECT_EQ(prog.instructions_run, 2u + 5 * 4);
}

}  // namespace
