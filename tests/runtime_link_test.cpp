// orrik and tamsel on programs that call routines they do not define: the
// runtime's, added by name, and the C library's, refused by name.
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using test::run_result;

struct RuntimeLink : ::testing::Test {
    test::scratch_dir dir;

    void SetUp() override {
        if (std::string(CLANG15_PATH).empty()) GTEST_SKIP() << "clang-15 is not installed";
    }
    run_result link(const std::string& source) {
        test::write_file(dir / "prog.s", source);
        return test::run_program({ORRIK_PATH, "prog.s"}, "", dir.path);
    }
    run_result tamsel(const std::string& input) { return test::run_program({TAMSEL_PATH, "prog.o"}, input, dir.path); }
};

const char* const ROUTINES[] = {
    "memcpy",    "memmove",   "memset",    "memcmp",   "strlen",    "strcpy",    "strncpy",       "strcmp",
    "strncmp",   "strchr",    "__divdi3",  "__moddi3", "__udivdi3", "__umoddi3", "__muldi3",      "__ashldi3",
    "__lshrdi3", "__ashrdi3", "__mulsi3",  "__divsi3", "__udivsi3", "__modsi3",  "__umodsi3",     "__clzsi2",
    "__ctzsi2",  "__popcountsi2", "__clzdi2", "__ctzdi2", "__popcountdi2", "__bswapsi2", "__bswapdi2",
};

// Every unit at once: they assemble together, under whichever assembler the
// suite runs, and each routine is one label of the image.
TEST_F(RuntimeLink, EveryRoutineLinksAndIsShownByName) {
    std::string source = "  .text\n  .globl main\nmain:\n";
    for (const char* routine : ROUTINES) source += std::string("  call ") + routine + "\n";
    source += "done: j done\n";
    const run_result r = link(source);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const run_result labels = tamsel("info labels\n");
    for (const char* routine : ROUTINES) {
        const std::string line = std::string("\n") + routine + ": 1";
        const size_t first = labels.out.find(line);
        EXPECT_NE(first, std::string::npos) << routine;
        EXPECT_EQ(labels.out.find(line, first + 1), std::string::npos) << routine << " twice";
    }
}

// A __divdi3 call from a program compiled by clang-15 -O2: 5000000000 / 7,
// then the routine's instructions at the console as any of the program's.
TEST_F(RuntimeLink, ARuntimeRoutineRunsAndIsListedAfterTheProgram) {
    const run_result r = link(R"(    .text
    .globl main
main:
    addi sp, sp, -16
    sw ra, 12(sp)
    li a0, 0x2a05f200   # 5000000000 in a1:a0
    li a1, 1
    li a2, 7
    li a3, 0
    call __divdi3@plt
    lw ra, 12(sp)
    addi sp, sp, 16
done: j done
)");
    ASSERT_EQ(r.status, 0) << r.err;
    const run_result run =
        tamsel("set x2 0x20001000\npc main\nbreak done\nrun\ninfo registers\ninfo labels\npc __divdi3\nstep\nlist\n");
    EXPECT_NE(run.out.find("\nx10: 0x2a932292\n"), std::string::npos) << run.out;  // 714285714
    EXPECT_NE(run.out.find("\nx11: 0\n"), std::string::npos) << run.out;
    // Its unit comes right after the program's code, with __udivdi3 first.
    EXPECT_NE(run.out.find("\n__udivdi3: 10000030\n"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("\t<-------\n"), std::string::npos) << run.err;
}

// A program's own routine is the one it runs, and no runtime is assembled for it.
TEST_F(RuntimeLink, AProgramKeepsItsOwnRoutine) {
    const run_result r = link(R"(    .text
    .globl main, memset
main:
    call memset
done: j done
memset:
    li a0, 99
    ret
)");
    ASSERT_EQ(r.status, 0) << r.err;
    const run_result run = tamsel("pc main\nbreak done\nrun\ninfo registers\ninfo labels\n");
    EXPECT_NE(run.out.find("\nx10: 99\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nmemset: 1000000c\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("memset:", run.out.find("\nmemset: 1000000c\n") + 2), std::string::npos) << run.out;
}

// Compiled C calling printf and malloc: one message per routine, the line of
// its first call, and no image; the "addend" note of the same program is not said.
TEST_F(RuntimeLink, CLibraryRoutinesAreRefusedByName) {
    const run_result r = link(R"(    .text
    .file "hello.c"
    .globl main
main:
    lui a0, %hi(text+4)
    addi a0, a0, %lo(text+4)
    call printf@plt
    call malloc@plt
    call printf@plt
    call memcpy@plt
done: j done
    .data
text: .asciz "hello, world"
)");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "prog.s:7: error: 'printf' is a C library routine; this machine has no C library (no output, no system "
              "calls): see docs/compiled-c.md#no-c-library\n"
              "prog.s:8: error: 'malloc' is a C library routine; this machine has no C library (no output, no system "
              "calls): see docs/compiled-c.md#no-c-library\n");
    EXPECT_EQ(tamsel("").status, 1) << "an image was left behind";
}

}  // namespace

namespace {

const std::string STACK_LINE =
    "The stack overflowed: x2 (sp) went below the data segment's start at 0x20000000. Give the program a larger "
    "stack: more bytes in the .space before stack_top in its start-up code (docs/compiled-c.md#the-stack)\n";

// A recursion that never ends, under a stack at the start of the data
// segment: the run and the step stop below it with the stack line; stores
// far below it, or through another register while sp is sound, are no
// overflow of the stack.
TEST_F(RuntimeLink, AStackThatLeavesTheDataSegmentIsNamed) {
    const run_result r = link(R"(    .text
main:
    la sp, stack_top
again:
    addi sp, sp, -16
    sw ra, 12(sp)
    jal again
wild:
    li t0, 0x1ffffff0
    sw t0, 0(t0)
far:
    li sp, 0x1f000000
    sw t0, 0(sp)
    .data
stack: .space 64
stack_top:
)");
    ASSERT_EQ(r.status, 0) << r.err;
    run_result run = tamsel("pc main\nrun\nstep\n");
    EXPECT_EQ(run.err, "Tries to store bytes to non-data memory\n" + STACK_LINE +
                           "Tries to store bytes to non-data memory\n" + STACK_LINE);
    run = tamsel("pc wild\nrun\npc far\nrun\n");
    EXPECT_EQ(run.err, "Tries to store bytes to non-data memory\nTries to store bytes to non-data memory\n");
}

}  // namespace
