// The whole toolchain: orrik on small sources, then tamsel on what it wrote.
#include "test_support.h"

#include <gtest/gtest.h>


namespace {

using test::run_result;

struct Toolchain : ::testing::Test {
    test::scratch_dir dir;

    void SetUp() override {
        if (std::string(CLANG15_PATH).empty()) GTEST_SKIP() << "clang-15 is not installed";
    }

    run_result orrik(const std::vector<std::string>& args, const std::string& path_env = "") {
        std::vector<std::string> argv = {ORRIK_PATH};
        argv.insert(argv.end(), args.begin(), args.end());
        return test::run_program(argv, "", dir.path, path_env);
    }
    run_result link(const std::string& source, const std::string& name = "prog.s") {
        test::write_file(dir / name, source);
        return orrik({name});
    }
    run_result tamsel(const std::string& input, const std::string& obj = "prog.o") {
        return test::run_program({TAMSEL_PATH, obj}, input, dir.path);
    }
};

// The value that "info registers" printed for register n.
std::string reg(const std::string& out, int n) {
    const std::string start = "\nx" + std::to_string(n) + ": ";
    const size_t at = out.find(start);
    if (at == std::string::npos) return "<missing>";
    const size_t value = at + start.size();
    return out.substr(value, out.find('\n', value) - value);
}

const char* const PROGRAM = R"(
    .text
    .globl main
main:
    la x10, arr
    li x11, 4
    li x12, 0
sum_loop:
    lw x13, 0(x10)
    add x12, x12, x13
    addi x10, x10, 4
    addi x11, x11, -1
    bne x11, x0, sum_loop
    beq x12, x0, skip
    call double
skip:
    lui x14, %hi(result)
    sw x12, %lo(result)(x14)
    lui x15, %hi(msg)
    lbu x16, %lo(msg)(x15)
    jal x1, helper
    lui x5, %hi(far)
    lw x18, %lo(far)(x5)
    la x7, far
    la x8, result
    tail finish
done:
    j done
double:
    add x12, x12, x12
    ret
helper:
    addi x17, x0, 42
    jalr x0, 0(x1)
finish:
    li x9, -7
    j done
    .data
arr: .word 1, 2, 3, 4
pad: .space 0x7f0
far: .word 99
    .bss
result: .space 4
    .section .rodata
msg: .asciz "A"
)";

TEST_F(Toolchain, AProgramRunsAsWritten) {
    const run_result linked = link(PROGRAM);
    ASSERT_EQ(linked.status, 0) << linked.err;
    EXPECT_EQ(linked.out, "");
    EXPECT_EQ(linked.err, "");
    const run_result r = tamsel("pc main\nbreak done\nrun\ninfo registers\ndump res.txt result 4\ninfo labels\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(reg(r.out, 12), "20");          // loop backwards, then call and ret
    EXPECT_EQ(reg(r.out, 16), "65");          // a byte of .rodata
    EXPECT_EQ(reg(r.out, 17), "42");          // jal and jalr
    EXPECT_EQ(reg(r.out, 18), "99");          // %hi/%lo of an address with bit 11 set
    EXPECT_EQ(reg(r.out, 7), "0x20000800");   // la of the same
    EXPECT_EQ(reg(r.out, 9), "-7");           // tail
    EXPECT_EQ(reg(r.out, 10), "0x20000010");  // la of arr, then four words on
    EXPECT_EQ(test::read_file(dir / "res.txt"), "14\n00\n00\n00\n");
    // .data, then .bss and .rodata after it
    EXPECT_NE(r.out.find("\narr: 20000000\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nfar: 20000800\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nresult: 20000804\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nmsg: 20000808\n"), std::string::npos);
    EXPECT_EQ(reg(r.out, 8), "0x20000804");
}

TEST_F(Toolchain, ObjFileLayout) {
    ASSERT_EQ(link("  .text\nstart: nop\n  nop\nloop: j loop\n  .data\n  .word 1\nbuf: .word 2\n").status, 0);
    const std::string obj = test::read_file(dir / "prog.o");
    const std::string head("\xca\xfe\xf0\x0d\xc0\xde\x10\x00\x00\x00\x00\x00\x00\x03", 14);
    ASSERT_EQ(obj.substr(0, 14), head);
    EXPECT_NE(obj.find(std::string("\xc3\xb7\x10\x00\x00\x08\x00\x00\x00\x04loop", 14)), std::string::npos);
    EXPECT_NE(obj.find(std::string("\xc3\xb7\x20\x00\x00\x04\x00\x00\x00\x03" "buf", 13)), std::string::npos);
    EXPECT_NE(obj.find(std::string("\xda\xda\x20\x00\x00\x00\x00\x00\x00\x08\x01\x00\x00\x00\x02\x00\x00\x00", 18)),
              std::string::npos);
    EXPECT_NE(obj.find(std::string("\xc3\xb7\0\0\0\0\0\0\0\0", 10)), std::string::npos);  // the null symbol

    ASSERT_EQ(link("  .text\nstart: nop\n").status, 0);
    EXPECT_EQ(test::read_file(dir / "prog.o").find("\xda\xda"), std::string::npos);  // no data, no data block
    ASSERT_EQ(link("  .data\nv: .word 5\n").status, 0);
    EXPECT_EQ(test::read_file(dir / "prog.o").substr(0, 14),
              std::string("\xca\xfe\xf0\x0d\xc0\xde\x10\x00\x00\x00\x00\x00\x00\x00", 14));
}

TEST_F(Toolchain, CommandLineErrors) {
    for (const auto& args : {std::vector<std::string>{}, {"a.s", "b.s"}}) {
        const run_result r = orrik(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "Usage: ./orrik <risc-v asm file>\n");
    }
    for (const char* name : {"prog.S", "prog.asm", "prog", ".s", "s"}) {
        const run_result r = orrik({name});
        EXPECT_EQ(r.status, 1) << name;
        EXPECT_EQ(r.err,
                  "Error: Expected a `.s` file for the asm file and it was not provided\n"
                  "Usage: ./orrik <risc-v asm file>\n") << name;
    }
    test::write_file(dir / "a.s", "nop\n");
    EXPECT_EQ(orrik({"a.s"}).status, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "a.o"));
}

TEST_F(Toolchain, AssemblerFailures) {
    run_result r = link("  .text\n  addi x1, x2\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("error:"), std::string::npos);  // clang's own diagnostic
    EXPECT_TRUE(r.err.ends_with("Error: invalid risc-v assembly file ipnut\n")) << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "prog.o"));
    r = link("nop\n", "other.s");
    r = orrik({"other.s"}, (dir / "no-such-folder").string());
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error: invalid risc-v assembly file ipnut\n");
    r = orrik({"missing.s"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.ends_with("Error: invalid risc-v assembly file ipnut\n"));
}

TEST_F(Toolchain, ASourceInAnotherFolder) {
    std::filesystem::create_directory(dir / "sub");
    test::write_file(dir / "prog.o", "keep me");
    test::write_file(dir / "sub" / "prog.s", "main: li x5, 3\nhere: j here\n");
    const run_result r = orrik({"sub/prog.s"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::read_file(dir / "prog.o"), "keep me");
    const run_result sim = tamsel("pc main\nstep\ninfo registers\n", "sub/prog.o");
    EXPECT_EQ(reg(sim.out, 5), "3");
}

TEST_F(Toolchain, AddendsWarnButLink) {
    const run_result r = link("  .text\nmain: lui x5, %hi(buf+4)\n  addi x5, x5, %lo(buf+4)\n  .data\nbuf: .word 1, 2\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Report to dorvik: addend is not 0\nReport to dorvik: addend is not 0\n");
    const run_result sim = tamsel("pc main\nstep\nstep\ninfo registers\n");
    EXPECT_EQ(reg(sim.out, 5), "0x20000004");
    // la with an addend: the %pcrel_hi carries it, the %pcrel_lo (whose own addend counts) does not.
    const run_result la = link("  .text\nmain: la x6, buf+8\n  .data\nbuf: .word 1, 2, 3\n");
    EXPECT_EQ(la.status, 0);
    EXPECT_EQ(la.err, "Report to dorvik: addend is not 0\n");
    EXPECT_EQ(reg(tamsel("pc main\nstep\nstep\ninfo registers\n").out, 6), "0x20000008");
}

TEST_F(Toolchain, AnRTypeRelocationStopsBeforeWriting) {
    const run_result r = link("  .text\n  .reloc ., R_RISCV_LO12_I, foo\n  add x1, x2, x3\nfoo: nop\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "POKE DORVIK: WHY ARE WE RELOCATING AN R TYPE?????????\n");
    EXPECT_EQ(test::read_file(dir / "prog.o").substr(0, 4), "\x7f" "ELF");  // the assembler's object stays
}

}  // namespace
