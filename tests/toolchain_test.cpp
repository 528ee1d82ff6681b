// The whole toolchain: orrik on small sources, then tamsel on what it wrote.
#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <chrono>
#include <csignal>
#include <thread>

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
    EXPECT_EQ(r.out.find('$'), std::string::npos) << "a newer assembler's $x or $d among the labels";
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
    EXPECT_EQ(r.err,
              "orrik needs an assembler and found none: tried clang-15, then clang-N (N >= 15), then clang on the "
              "search path. Install one with 'sudo apt install clang-15', or on Debian 13 'sudo apt install clang'.\n"
              "Error: invalid risc-v assembly file ipnut\n");
    // Without clang-15, the newest clang-N runs, with the same arguments. It
    // reads orrik's copy of the source in orrik's own folder, which is gone
    // afterwards, and writes its object there.
    std::filesystem::create_directory(dir / "bin");
    for (const char* name : {"clang-17", "clang-19", "clang"}) {
        test::write_file(dir / "bin" / name,
                         std::string("#!/bin/sh\necho ") + name + " \"$@\" > args.txt\n"
                         "while IFS= read -r line; do echo \"$line\"; done < \"$6\" > copy.txt\nexit 3\n");
        std::filesystem::permissions(dir / "bin" / name, std::filesystem::perms::owner_all);
    }
    r = orrik({"other.s"}, (dir / "bin").string());
    EXPECT_EQ(r.err, "Error: invalid risc-v assembly file ipnut\n");
    const std::string args = test::read_file(dir / "args.txt");
    const size_t from = args.find(" -c ") + 4;
    const std::string folder = args.substr(from, args.find("/source.s") - from);
    EXPECT_TRUE(folder.starts_with("/") && folder.find("/orrik-") != std::string::npos) << args;
    EXPECT_EQ(args, "clang-19 --target=riscv32 -march=rv32im -nostdlib -Wnoincompatible-library-redeclaration -c " +
                        folder + "/source.s -o " + folder + "/source.o\n");
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_EQ(test::read_file(dir / "copy.txt"), "# 1 \"other.s\"\nnop\n");
    r = orrik({"missing.s"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.ends_with("Error: invalid risc-v assembly file ipnut\n"));
}

// A program for another simulator: after clang's lines, one note per habit
// orrik recognises, at the first line that shows it, before the last line.
TEST_F(Toolchain, AssemblerFailuresNameOtherSimulatorsHabits) {
    const std::string guide = " (see docs/from-other-simulators.md#";
    const std::pair<std::string, std::string> rows[] = {
        {"  .data\nmsg: .asciiz \"a, b # c\"\n",
         "prog.s:2: note: write '.asciz' (or '.string') instead of '.asciiz'" + guide + "asciz-not-asciiz)\n"},
        {"  .include \"macros.s\"\n",
         "prog.s:1: note: orrik links one file: paste the included file in instead of '.include'" + guide +
             "gnu-macros-and-no-include)\n"},
        {"  .macro inc(%r)\n  addi %r, %r, 1\n  .end_macro\n  .text\nmain: inc(t0)\n",
         "prog.s:1: note: write macros the GNU way: '.macro name a, b', '\\a' in the body, '.endm' at the end (not "
         "'%a' and '.end_macro')" + guide + "gnu-macros-and-no-include)\n"},
        {"  .eqv SIZE 8\n  .text\nmain: li t0, SIZE\n",
         "prog.s:1: note: write '.equ NAME, value' instead of '.eqv NAME value', and load it with 'li'" + guide +
             "li-for-constants)\n"},
        {"  .text\nmain:\n  li t0, 1\nloop: addi t0 t0 -1   # a comment, with a comma\n  sw ra 12(sp)\n",
         "prog.s:4: note: put a comma between every two operands ('add t2, t0, t1')" + guide +
             "put-commas-between-operands)\n"},
        {"  .data\nlist: .word 1, 2,\n    3\n",
         "prog.s:2: note: a list ends at the end of its line: write it on one line, or start the next with its own "
         "'.word'" + guide + "a-word-list-on-each-line)\n"},
        {"  .data\nmsg: .asciiz \"hi\"\n  .text\nmain: li a7, 4\n  ecall\n  ecall\n",
         "prog.s:2: note: write '.asciz' (or '.string') instead of '.asciiz'" + guide + "asciz-not-asciiz)\n"
         "prog.s:5: note: this machine has no system calls: the program stops at its 'ecall'; end it at a 'done:' "
         "label and read the results at the console" + guide + "seeing-results-without-ecall)\n"},
        {"  .text\n  addi x1, x2\n  j done\n", ""},  // an error of its own: nothing to add
    };
    for (const auto& [source, notes] : rows) {
        const run_result r = link(source);
        EXPECT_EQ(r.status, 1) << source;
        const std::string tail = notes + "Error: invalid risc-v assembly file ipnut\n";
        ASSERT_TRUE(r.err.ends_with(tail)) << source << "\n" << r.err;
        // clang's own lines come first, and orrik adds nothing among them.
        const std::string clang_lines = r.err.substr(0, r.err.size() - tail.size());
        EXPECT_NE(clang_lines.find("error:"), std::string::npos) << r.err;
        EXPECT_EQ(clang_lines.find("note:"), std::string::npos) << r.err;
    }
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

TEST_F(Toolchain, SystemCallsWarnButLink) {
    const run_result r = link("  .text\nmain: li a0, 1\n  li a7, 1\n  ecall\ndone: j done\n  ecall\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err,
              "ERROR IN DECODE: UNIDENTIFIED OPCODE: 73\nENCODING: 0x00000073\n"
              "ERROR IN DECODE: UNIDENTIFIED OPCODE: 73\nENCODING: 0x00000073\n"
              "prog.s:4: warning: this machine has no system calls: the program stops at its 'ecall'; end it at a "
              "'done:' label and read the results at the console (see "
              "docs/from-other-simulators.md#seeing-results-without-ecall)\n");
    EXPECT_EQ(reg(tamsel("pc main\nstep\ninfo registers\n").out, 10), "1");
}

TEST_F(Toolchain, AnRTypeRelocationStopsBeforeWriting) {
    const run_result r = link("  .text\n  .reloc ., R_RISCV_LO12_I, foo\n  add x1, x2, x3\nfoo: nop\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "POKE DORVIK: WHY ARE WE RELOCATING AN R TYPE?????????\n");
    EXPECT_EQ(test::read_file(dir / "prog.o").substr(0, 4), "\x7f" "ELF");  // the assembler's object stays
}

// A name that starts with '-' or '@' is a file name, never an option for the
// assembler nor a response file of options.
TEST_F(Toolchain, SourceNamesThatLookLikeOptions) {
    test::write_file(dir / "x.s", "real.s -o victim.txt\n");  // what clang would read from @x.s
    test::write_file(dir / "victim.txt", "keep me");
    for (const std::string name : {"@x", "-o", "-c"}) {
        const run_result r = link("main: li a0, 7\ndone: j done\n", name + ".s");
        ASSERT_EQ(r.status, 0) << name << ": " << r.err;
        EXPECT_EQ(r.err, "") << name;
        EXPECT_EQ(reg(tamsel("pc main\nstep\ninfo registers\n", name + ".o").out, 10), "7") << name;
    }
    EXPECT_EQ(test::read_file(dir / "victim.txt"), "keep me");
    // Nor does the driver's own step get '-o @x.o' or '-main-file-name @y.s' to read as options.
    test::write_file(dir / "x.o", "victim.txt\n");
    test::write_file(dir / "y.s", "y.s -o victim.txt\n");
    std::filesystem::create_directory(dir / "sub");
    test::write_file(dir / "sub" / "@y.s", "main: li a0, 9\n");
    EXPECT_EQ(link("main: li a0, 7\n", "@x.s").status, 0);
    const run_result sub = orrik({"sub/@y.s"});
    EXPECT_EQ(sub.status, 0) << sub.err;
    EXPECT_EQ(reg(tamsel("pc main\nstep\ninfo registers\n", "sub/@y.o").out, 10), "9");
    EXPECT_EQ(test::read_file(dir / "victim.txt"), "keep me");
    EXPECT_EQ(test::read_file(dir / "x.o"), "victim.txt\n");
    std::filesystem::create_directory(dir / "-d");
    test::write_file(dir / "-d" / "p.s", "main: li a0, 8\n");
    EXPECT_EQ(orrik({"-d/p.s"}).status, 0);
    EXPECT_EQ(reg(tamsel("pc main\nstep\ninfo registers\n", "-d/p.o").out, 10), "8");
}

// Runs of one source at once (make -j, a double click) each read the object
// their own assembler wrote: every one succeeds, and the image is the program.
TEST_F(Toolchain, ConcurrentLinksOfOneSource) {
    test::write_file(dir / "prog.s", PROGRAM);
    std::vector<std::thread> runs;
    std::vector<run_result> results(8);
    for (size_t i = 0; i < results.size(); ++i) {
        std::filesystem::create_directory(dir / std::to_string(i));
        // Each with its own folder for its standard streams, all on ../prog.s.
        runs.emplace_back(
            [&, i] { results[i] = test::run_program({ORRIK_PATH, "../prog.s"}, "", dir / std::to_string(i)); });
    }
    for (std::thread& t : runs) t.join();
    for (const run_result& r : results) {
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
    }
    const run_result r = tamsel("pc main\nbreak done\nrun\ninfo registers\n");
    EXPECT_EQ(reg(r.out, 12), "20");
    EXPECT_EQ(reg(r.out, 9), "-7");
    for (const auto& entry : std::filesystem::directory_iterator(dir.path))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".writing")) << entry.path();
}

// A stop signal to orrik reaches the assembler too: orrik waits for it, leaves
// nothing behind and ends with the signal, and the assembler writes nothing later.
TEST_F(Toolchain, StopSignalsReachTheAssembler) {
    std::filesystem::create_directory(dir / "bin");
    test::write_file(dir / "bin" / "clang-15", "#!/bin/sh\necho $$ > clang.pid\nexec sleep 30\n");
    std::filesystem::permissions(dir / "bin" / "clang-15", std::filesystem::perms::owner_all);
    test::write_file(dir / "prog.s", "nop\n");
    // orrik, started with the stand-in first on its search path, and the stand-in's pid once it runs.
    const auto start_orrik = [&]() -> std::pair<pid_t, pid_t> {
        std::filesystem::remove(dir / "clang.pid");
        const pid_t orrik = fork();
        if (orrik == 0) {
            if (chdir(dir.path.c_str()) != 0 || !freopen("/dev/null", "w", stderr)) _exit(127);
            setenv("PATH", ((dir / "bin").string() + ":" + getenv("PATH")).c_str(), 1);
            execl(ORRIK_PATH, ORRIK_PATH, "prog.s", static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int n = 0; n < 1000 && test::read_file(dir / "clang.pid").empty(); ++n)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return {orrik, std::stoi(test::read_file(dir / "clang.pid"))};
    };
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
        const auto [orrik, assembler] = start_orrik();
        kill(orrik, sig);
        int status = 0;
        waitpid(orrik, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig << ": status " << status;
        EXPECT_EQ(kill(assembler, 0), -1) << sig << ": the assembler still runs";
        EXPECT_EQ(errno, ESRCH);
        EXPECT_FALSE(std::filesystem::exists(dir / "prog.o"));
    }
    // SIGKILL cannot be passed on: the assembler is killed with orrik all the same.
    const auto [killed, orphan] = start_orrik();
    kill(killed, SIGKILL);
    waitpid(killed, nullptr, 0);
    // Gone, or a zombie for its new parent to collect.
    const auto running = [&] {
        const std::string stat = test::read_file("/proc/" + std::to_string(orphan) + "/stat");
        return !stat.empty() && stat.find(") Z ") == std::string::npos;
    };
    for (int n = 0; n < 500 && running(); ++n) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(running()) << "the assembler outlived orrik";
    EXPECT_FALSE(std::filesystem::exists(dir / "prog.o"));
    // Started with SIGCHLD ignored (it had ended with CRITICAL SYSTEM ERROR): the assembler is waited for.
    const pid_t orrik = fork();
    if (orrik == 0) {
        if (chdir(dir.path.c_str()) != 0) _exit(127);
        std::signal(SIGCHLD, SIG_IGN);
        execl(ORRIK_PATH, ORRIK_PATH, "prog.s", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(orrik, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "prog.o"));
}

// A FIFO as the source: assembled once, and never opened a second time to
// quote a line (which would wait for a writer forever).
TEST_F(Toolchain, AFifoAsTheSource) {
    ASSERT_EQ(mkfifo((dir / "prog.s").c_str(), 0600), 0);
    std::thread writer([&] { test::write_file(dir / "prog.s", "main: j nowhere\n"); });
    const run_result r = orrik({"prog.s"});
    writer.join();
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "prog.s: error: undefined label 'nowhere' at main in .text\n");
    // Read once, by orrik: compressed code in it is refused all the same.
    std::thread compressed([&] { test::write_file(dir / "prog.s", "main: li x10, 5\n.option rvc\nli x11, 6\n"); });
    const run_result c = orrik({"prog.s"});
    compressed.join();
    EXPECT_EQ(c.status, 1);
    EXPECT_TRUE(c.err.starts_with("prog.s:2: error: compressed (16-bit) instructions are not supported")) << c.err;
}

}  // namespace

namespace {

// Programs of the kinds learners write, each run to its `done` label; the
// registers hold what any RV32IM machine gives for them.
struct Program : Toolchain {
    // Links `source` (status 0, nothing printed) and returns "info registers" at done.
    std::string registers_at_done(const std::string& source) {
        const run_result linked = link(source);
        EXPECT_EQ(linked.status, 0) << linked.err;
        EXPECT_EQ(linked.err, "");
        const run_result r = tamsel("pc main\nbreak done\nrun\ninfo registers\n");
        EXPECT_EQ(r.err, "");
        return r.out;
    }
};

TEST_F(Program, TablesOfAddressesAndLinkedLists) {
    const std::string out = registers_at_done(R"(
    .text
main:
    la t0, head             # sum a linked list of {value, next}
    li a0, 0
walk:
    lw t1, 0(t0)
    add a0, a0, t1
    lw t0, 4(t0)
    bnez t0, walk
    la t2, jumps            # a jump table in .rodata
    lw t3, 8(t2)
    jalr ra, 0(t3)
    la t4, pointers
    lw a2, 0(t4)            # .word label+8
    lw a2, 0(a2)
    lw a3, 4(t4)            # the address of code
done:
    j done
case0: li a1, 10
    ret
case1: li a1, 11
    ret
case2: li a1, 12
    ret
    .data
head:  .word 1, second
third: .word 100, 0
second: .word 20, third
pointers: .word head+8, case1
    .section .rodata
jumps: .word case0, case1, case2
)");
    EXPECT_EQ(reg(out, 10), "121");
    EXPECT_EQ(reg(out, 11), "12");
    EXPECT_EQ(reg(out, 12), "100");
    EXPECT_EQ(reg(out, 13), "0x1000004c");
}

TEST_F(Program, LengthsAsLabelDifferences) {
    const std::string out = registers_at_done(R"(
    .text
main:
    la t0, lengths
    lw a0, 0(t0)
    lhu a1, 4(t0)
    lbu a2, 6(t0)
    lw a3, 8(t0)
    la t1, code_len
    lw a4, 0(t1)
done:
    j done
    .section .rodata
msg: .asciz "hello, world"
msg_end:
    .data
lengths:
    .word msg_end - msg
    .half msg_end - msg
    .byte msg_end - msg - 1
    .byte 0
    .word msg - msg_end
code_len: .word done - main
)");
    EXPECT_EQ(reg(out, 10), "13");
    EXPECT_EQ(reg(out, 11), "13");
    EXPECT_EQ(reg(out, 12), "12");
    EXPECT_EQ(reg(out, 13), "-13");
    EXPECT_EQ(reg(out, 14), "36");
}

TEST_F(Program, SmallDataCommonAndStartUpSections) {
    const run_result linked = link(R"(
    .section .text.init,"ax",@progbits
main:
    la sp, stack_top
    call start
done:
    j done
    .text
start:
    addi sp, sp, -16
    sw ra, 12(sp)
    la t0, small
    lw a0, 0(t0)
    la t0, konst
    lw a1, 0(t0)
    la t0, counter
    lw a2, 0(t0)
    la t0, table
    lw a3, 4(t0)
    la t0, word
    lw a4, 0(t0)
    la t0, buffer
    sw a0, 60(t0)
    lw a5, 60(t0)
    lw ra, 12(sp)
    addi sp, sp, 16
    ret
    .section .sdata,"aw"
small: .word 7
    .section .srodata,"a"
konst: .word 8
    .section .sbss,"aw",@nobits
counter: .space 4
    .section .data.table,"aw"
table: .word 9, 10
    .section .rodata.words,"a"
word: .word 11
    .comm buffer, 64, 4
    .bss
stack: .space 256
stack_top:
)");
    ASSERT_EQ(linked.status, 0) << linked.err;
    const run_result r = tamsel("pc main\nbreak done\nrun\ninfo registers\ninfo labels\n");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(reg(r.out, 10), "7");
    EXPECT_EQ(reg(r.out, 11), "8");
    EXPECT_EQ(reg(r.out, 12), "0");
    EXPECT_EQ(reg(r.out, 13), "10");
    EXPECT_EQ(reg(r.out, 14), "11");
    EXPECT_EQ(reg(r.out, 15), "7");
    EXPECT_EQ(reg(r.out, 2), "0x20000100");  // sp back at the top of the stack in .bss
    EXPECT_NE(r.out.find("\nstart: 10000000\n"), std::string::npos);  // .text first, then .text.init
    EXPECT_NE(r.out.find("\nmain: 10000060\n"), std::string::npos);
}

TEST_F(Program, NumericOffsetsMeanBytes) {
    const std::string out = registers_at_done(R"(
    .text
main:
    li a0, 1
    beq x0, x0, 8
    li a0, 2                # skipped
    jal x0, 8
    li a0, 3                # skipped
    li a1, 2
back:
    addi a1, a1, -1
    bne a1, x0, -4
done:
    j done
)");
    EXPECT_EQ(reg(out, 10), "1");
    EXPECT_EQ(reg(out, 11), "0");
}

TEST_F(Program, AStringAtTheEndOfTheCodeIsKeptWhole) {
    // The decoder says which words of the code are not instructions, and links all the same.
    const std::string diagnostics = "ERROR IN DECODE: UNIDENTIFIED OPCODE: 61\nENCODING: 0x64636261\n"
                                    "ERROR IN DECODE: UNIDENTIFIED OPCODE: 65\nENCODING: 0x00006665\n";
    const run_result linked = link("  .text\nmain: li a0, 5\ndone: j done\nname: .ascii \"abcdef\"\n");
    EXPECT_EQ(linked.status, 0);
    EXPECT_EQ(linked.err, diagnostics);
    const std::string obj = test::read_file(dir / "prog.o");
    EXPECT_EQ(obj.substr(10, 4), std::string("\0\0\0\4", 4));  // two words, and six bytes padded to eight
    EXPECT_EQ(obj.substr(22, 8), std::string("dcba\0\0fe", 8));
    const run_result r = tamsel("pc main\nbreak done\nrun\ninfo registers\n");
    EXPECT_EQ(reg(r.out, 10), "5");
}

// C compiled by clang-15, after a start-up stub that makes a stack in .bss:
// main returns what it returns on a RISC-V machine (qemu-riscv32 agrees on
// every value below), at -O0 and at -O2.
const char* const START = R"(    .text
    .globl _start
_start:
    la sp, stack_top
    call main
done:
    j done
    .bss
    .p2align 4
stack: .space 4096
stack_top:
)";

struct CompiledC : Toolchain {
    std::string compiled;  // the assembly of the last compile

    // main's result as "info registers" shows x10.
    std::string main_returns(const std::string& c_source, const std::string& level) {
        test::write_file(dir / "main.c", c_source);
        const run_result cc = test::run_program(
            {CLANG15_PATH, "--target=riscv32", "-march=rv32im", "-mabi=ilp32", "-S", level, "main.c"}, "", dir.path);
        EXPECT_EQ(cc.status, 0) << cc.err;
        compiled = test::read_file(dir / "main.s");
        const run_result linked = link(START + compiled);
        EXPECT_EQ(linked.status, 0) << linked.err;
        return reg(tamsel("pc _start\nbreak done\nrun\ninfo registers\n").out, 10);
    }
};

TEST_F(CompiledC, UnsignedLimitsAndAnAlignedFunction) {
    // x / 0xfffffffeu and x >= 0xfffff800u become sltiu with -2 and -2048; the
    // function aligned to 64 bytes is padded with nops the linker must trim.
    const char* const program = R"(
volatile unsigned in[] = {0xfffffffdu, 0xfffffffeu, 0xfffff7ffu, 0xfffff800u, 5u};
__attribute__((noinline)) unsigned quotient(unsigned x) { return x / 0xfffffffeu; }
__attribute__((noinline)) int high(unsigned x) { return x >= 0xfffff800u; }
__attribute__((noinline, aligned(64))) int twice(int x) { return 2 * x; }
int main(void) {
    int r = 0;
    for (int i = 0; i < 5; i++) r = r * 4 + quotient(in[i]) * 2 + high(in[i]);
    return twice(r) + (int)((unsigned)&twice & 63) * 100000;
}
)";
    for (const char* level : {"-O0", "-O2"}) {
        EXPECT_EQ(main_returns(program, level), "0x00000388") << level;  // 904: 1, 3, 0, 1, 0 in base 4, doubled
        EXPECT_NE(compiled.find(".p2align\t6"), std::string::npos) << level;
    }
    EXPECT_NE(compiled.find("sltiu\ta0, a0, -2\n"), std::string::npos);
    EXPECT_NE(compiled.find("sltiu\ta0, a0, -2048\n"), std::string::npos);
}

TEST_F(CompiledC, SortingRecursionSwitchAndSmallData) {
    const char* const program = R"(
int count;
int scale = 3;
int list[8] = {5, 2, 7, 1, 8, 3, 6, 4};
static int fib(int n) { return n < 2 ? n : fib(n - 1) + fib(n - 2); }
static int op(int k, int a, int b) {
    switch (k) {
    case 0: return a + b;
    case 1: return a - b;
    case 2: return a * b;
    case 3: return a / b;
    case 4: return a % b;
    default: return 0;
    }
}
int main(void) {
    for (int i = 1; i < 8; i++) {
        int x = list[i], j = i - 1;
        while (j >= 0 && list[j] > x) { list[j + 1] = list[j]; j--; count++; }
        list[j + 1] = x;
    }
    int s = 0;
    for (int i = 0; i < 8; i++) s = op(i % 5, s * scale, list[i] + 1);
    return s * 100 + count + fib(10) * 10000;
}
)";
    for (const char* level : {"-O0", "-O2"}) EXPECT_EQ(main_returns(program, level), "0x000a0a5d") << level;
}

// GCC's and clang-19's output as it stands, checked in from
// tests/compiled/scores.c: GCC's attribute line, clang-19's (which clang-15
// does not take), their -g. Each links and computes what qemu-riscv32 computes
// (580001); the debug information leaves nothing in the image.
TEST_F(CompiledC, GccAndDebugOutputAsItStands) {
    const std::filesystem::path compiled = std::filesystem::path(SOURCE_DIR) / "tests" / "compiled";
    for (const std::string name : {"gcc_O2", "gcc_O2_g", "clang19_O1_g"}) {
        const run_result linked = link(START + test::read_file(compiled / (name + ".s")), name + ".s");
        EXPECT_EQ(linked.status, 0) << name << ": " << linked.err;
        EXPECT_EQ(linked.err.find("error"), std::string::npos) << name << ": " << linked.err;
        const run_result r = tamsel("pc _start\nbreak done\nrun\ninfo registers\ninfo labels\n", name + ".o");
        EXPECT_EQ(reg(r.out, 10), "0x0008d9a1") << name;
        for (const char* debug : {".Ldebug", ".Linfo", ".Ltmp", ".LVL", ".Ltext", ".Lfunc_begin", ".Lline"})
            EXPECT_EQ(r.out.find(debug), std::string::npos) << name << " shows " << debug;
    }
    EXPECT_EQ(test::read_file(dir / "gcc_O2.o"), test::read_file(dir / "gcc_O2_g.o"));
}

TEST_F(Program, ZerosInTheCodeAreListedUpToABound) {
    // A megabyte of zeros: sixteen words listed in orrik and in tamsel, the rest counted.
    const run_result linked = link("  .text\nmain: li a0, 5\ndone: j done\n  .zero 0x100000\n");
    EXPECT_EQ(linked.status, 0);
    std::string expected;
    for (int n = 0; n < 16; ++n) expected += "ERROR IN DECODE: UNIDENTIFIED OPCODE: 0\nENCODING: 0x00000000\n";
    expected += "ERROR IN DECODE: 262128 more words with unidentified opcodes (only the first 16 are listed)\n";
    EXPECT_EQ(linked.err, expected);
    const run_result r = tamsel("pc main\nbreak done\nrun\ninfo registers\n");
    EXPECT_EQ(r.err, expected);
    EXPECT_EQ(reg(r.out, 10), "5");
}

// The mistakes learners make most (data in code, a forgotten '.text' or
// '.data', labels on data used as code, stray directives), one program each in
// tests/mistakes. Its first line says whether it links or where it is refused.
// None reaches a message meant for a state that cannot happen, and none lists
// the decoder's lines without a line of the source to go to.
TEST_F(Toolchain, MistakenProgramsGetMessagesWithTheirLines) {
    const std::string refused_at = "# refused at line ";
    int programs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(SOURCE_DIR) / "tests/mistakes")) {
        const std::string name = entry.path().filename().string();
        const std::string source = test::read_file(entry.path());
        const std::string first = source.substr(0, source.find('\n'));
        const run_result r = link(source);
        ++programs;
        for (const char* internal : {"POKE DORVIK", "GET DORVIK", "WHAT THE FUCK"})
            EXPECT_EQ(r.err.find(internal), std::string::npos) << name << ":\n" << r.err;
        if (first == "# links") {
            EXPECT_EQ(r.status, 0) << name << ":\n" << r.err;
            // The decoder's lines only with a line of the source that explains them.
            const bool decoded = r.err.find("ERROR IN DECODE") != std::string::npos;
            EXPECT_TRUE(!decoded || r.err.find("prog.s:") != std::string::npos) << name << ":\n" << r.err;
            continue;
        }
        ASSERT_TRUE(first.starts_with(refused_at)) << name;
        EXPECT_EQ(r.status, 1) << name;
        const std::string location = "prog.s:" + first.substr(refused_at.size()) + ": error: ";
        EXPECT_NE(r.err.find(location), std::string::npos) << name << ":\n" << r.err;
    }
    EXPECT_GE(programs, 12);
}

// What a learner gets wrong is refused with a message that says where and what
// to do, and leaves no obj image that tamsel would load.
struct Refused : Toolchain {
    void expect_refused(const std::string& source, const std::vector<std::string>& lines) {
        const run_result r = link(source);
        EXPECT_EQ(r.status, 1);
        std::string expected;
        for (const std::string& line : lines) expected += line + "\n";
        EXPECT_EQ(r.err, expected);
        const run_result sim = tamsel("");
        EXPECT_EQ(sim.status, 1) << "an image was left behind";
    }
};

TEST_F(Refused, MisspeltAndMissingLabelsAllAtOnce) {
    // The places are clang-15's: later ones write 'bnez' to an unknown label as a branch over a jal.
    if (!ASSEMBLER_IS_CLANG15) GTEST_SKIP() << "needs clang-15";
    expect_refused(R"(    .text
main:
    li t0, 3
loop:
    addi t0, t0, -1
    bnez t0, lopp
    la a0, valeu
    call helpr
    call printf   # there is no library
done: j done
helper: ret
    .data
value: .word 1
table: .word nowhere, value
)",
                   {"prog.s:6: error: undefined label 'lopp' at loop+4 in .text (line 6: bnez t0, lopp); did you mean 'loop'?",
                    "prog.s:7: error: undefined label 'valeu' at loop+8 in .text (line 7: la a0, valeu); did you mean 'value'?",
                    "prog.s:8: error: undefined label 'helpr' at loop+16 in .text (line 8: call helpr); did you mean 'helper'?",
                    "prog.s:9: error: undefined label 'printf' at loop+24 in .text (line 9: call printf   # there is no library)",
                    "prog.s:14: error: undefined label 'nowhere' at table in .data (line 14: table: .word nowhere, value)"});
}

TEST_F(Refused, ControlCharactersInNamesAreEscaped) {
    expect_refused("main: nop\n  j \"a\x1b[2J\nb\"\n",
                   {"prog.s: error: undefined label 'a\\x1b[2J\\x0ab' at main+4 in .text"});
}

TEST_F(Refused, BranchesBeyondTheirReach) {
    expect_refused("  .text\nmain: jal x0, far\n  .fill 530000, 4, 0x13\nfar: nop\n",
                   {"prog.s:2: error: jump at main in .text to 'far' is 2120004 bytes away, beyond its reach of -2097152..2097148 "
                    "bytes; use 'call far' or 'tail far' instead, which reach any address"});
    const std::string far_branch = "  .text\nmain: beq t0, t1, far\n  .fill 2100, 4, 0x13\nfar: j main\n";
    if (!ASSEMBLER_IS_CLANG15) {
        // clang 16 and later turn a branch that may be out of reach into one over a jal: it links and lands.
        if (ASSEMBLER_VERSION >= 16) {
            ASSERT_EQ(link(far_branch).status, 0);
            EXPECT_NE(tamsel("pc main\nbreak far\nrun\ninfo registers\n").out.find("PC: 0x100020d8"), std::string::npos);
        }
        GTEST_SKIP() << "the refusal of a branch beyond its reach needs clang-15";
    }
    expect_refused(far_branch, {"prog.s:2: error: branch at main in .text to 'far' is 8404 bytes away, beyond its reach of -8192..8188 "
                                "bytes; invert the condition and branch over a 'j far' instead"});
    // The second branch to 'far' is the one too far, and its line is named.
    expect_refused("  .text\nmain: beq t0, t1, far\n  .fill 1000, 4, 0x13\nfar: nop\n  .fill 2100, 4, 0x13\n"
                   "  bne t0, t1, far\n",
                   {"prog.s:6: error: branch at far+8404 in .text to 'far' is -8404 bytes away, beyond its reach of "
                    "-8192..8188 bytes; invert the condition and branch over a 'j far' instead"});
    // Just inside the reach: links and lands.
    const run_result r = link("  .text\nmain: beq x0, x0, done\n  .fill 2046, 4, 0x13\ndone: j done\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(tamsel("pc main\nstep\ninfo registers\n").out.find("PC: 0x10001ffc"), std::string::npos);
}

TEST_F(Refused, PositionIndependentCodeAndTablesInCode) {
    expect_refused("  .option pic\n  .text\nmain: la a0, v\n  .data\nv: .word 1\n",
                   {"prog.s:3: error: R_RISCV_GOT_HI20 at main in .text: position-independent code is not supported; "
                    "remove '.option pic' from the program, or compile it without -fPIC or -fpic"});
    // What a compiler writes under -fPIC, with no '.option pic' in it.
    expect_refused("  .text\nf:\n  nop\n.Lpcrel_hi0:\n  auipc a1, %got_pcrel_hi(x)\n  lw a1, %pcrel_lo(.Lpcrel_hi0)(a1)\n"
                   "  .data\nx: .word 1\n",
                   {"prog.s:5: error: R_RISCV_GOT_HI20 at f+4 in .text: position-independent code is not supported; "
                    "remove '.option pic' from the program, or compile it without -fPIC or -fpic"});
    const std::string zero_word = "ERROR IN DECODE: UNIDENTIFIED OPCODE: 0\nENCODING: 0x00000000";
    expect_refused("  .text\nmain: j main\njumps: .word main, main\n",
                   {zero_word, zero_word, "prog.s:3: error: data at jumps in .text refers to 'main': a program cannot load from the code segment, so tables "
                    "belong in .data (write '.data' before the table)",
                    "prog.s:3: error: data at jumps+4 in .text refers to 'main': a program cannot load from the code segment, so "
                    "tables belong in .data (write '.data' before the table)"});
}

TEST_F(Refused, BranchesAndJumpsIntoDataByTheirCause) {
    const std::string into_data = "' is a label in .data; code can only branch or jump to code";
    expect_refused(R"(    .text
main:
    la   a0, buffer
    beqz a0, buffer
    j    buffer
    call buffer
    lui  t0, %hi(buffer)
    jalr ra, %lo(buffer)(t0)
1:  auipc t1, %pcrel_hi(buffer)
    jalr ra, %pcrel_lo(1b)(t1)
    j    common
done: j done
    .data
buffer: .space 16
    .comm common, 16, 4
)",
                   {"prog.s:4: error: 'buffer" + into_data, "prog.s:5: error: 'buffer" + into_data,
                    "prog.s:6: error: 'buffer" + into_data, "prog.s:8: error: 'buffer" + into_data,
                    "prog.s:9: error: 'buffer" + into_data,
                    "prog.s:11: error: 'common' is a label in .comm; code can only branch or jump to code"});
}

TEST_F(Refused, CompressedCodeInOneMessage) {
    const std::string refusal =
        " error: compressed (16-bit) instructions are not supported: this machine runs 32-bit instructions only; "
        "compile with -march=rv32im, and remove '.option rvc' and '.option arch, +c' from the program";
    const std::string loop = "main:\n  li a0, 5\nloop:\n  addi a0, a0, -1\n  bnez a0, loop\ndone: j done\n";
    // Relocations of compressed branches and jumps, and none at all.
    expect_refused("  .text\n  .option rvc\n" + loop, {"prog.s:2:" + refusal});
    expect_refused("  .text\n  nop\n  .option rvc\n  li a0, 5\n  li a1, 6\n", {"prog.s:3:" + refusal});
    // What a compiler writes without -march=rv32im.
    expect_refused("  .attribute 4, 16\n  .attribute 5, \"rv32i2p0_m2p0_a2p0_c2p0\"\n  .text\n" + loop,
                   {"prog.s:2:" + refusal});
    expect_refused("  .attribute arch, \"rv32imac\"\n  .text\n" + loop, {"prog.s:1:" + refusal});
    // Turned off again before any instruction: nothing compressed, nothing refused.
    const run_result off = link("  .text\n  .option rvc\n  .option norvc\n" + loop);
    EXPECT_EQ(off.status, 0) << off.err;
    EXPECT_EQ(off.err, "");
    // Data in code that looks like 16-bit words is only data.
    const run_result text = link("  .text\nmain: j main\n  .ascii \"abcd\"\n");
    EXPECT_EQ(text.status, 0) << text.err;
    // Statements after ';' and a file it includes: orrik reads them all.
    expect_refused("main: li x10,5; .option rvc; li x11,6; li x12,7\n", {"prog.s:1:" + refusal});
    test::write_file(dir / "rvc.inc", "  nop\n  .option rvc\n");
    expect_refused("  .include \"rvc.inc\"\nmain: li x11, 6\n  li x12, 7\n", {"rvc.inc:2:" + refusal});
    expect_refused("  .option rvc\nmain: c.li a0, 5\n", {"prog.s:1:" + refusal});
    // Switched on and back, or under '.if 0': nothing is compressed, and a word of data is only data.
    for (const std::string source : {"  .option push\n  .option rvc\n  .option pop\n  .text\nmain: .word 0\n  nop\n",
                                     "  .if 0\n  .option rvc\n  .endif\n  .text\nmain: .word 0\n  nop\n"}) {
        const run_result r = link(source);
        EXPECT_EQ(r.status, 0) << source << r.err;
        EXPECT_EQ(r.err, "ERROR IN DECODE: UNIDENTIFIED OPCODE: 0\nENCODING: 0x00000000\n") << source;
    }
}

// orrik's messages start with the file as named and the line where it is known.
TEST_F(Refused, EveryMessageStartsWithItsFile) {
    expect_refused("  .text\nmain:\n  nop\n  .align 13\nx: j main\n",
                   {"prog.s:4: error: code section .text asks for an alignment of 8192 bytes; orrik aligns code to at "
                    "most 4096"});
    expect_refused("  .text\nmain: j main\n  .bss\nbig: .space 0x10000001\n",
                   {"prog.s: error: the data sections do not fit in the data segment (.bss would end past 0x2fffffff)"});
    std::filesystem::create_directory(dir / "sub");
    test::write_file(dir / "sub" / "prog.s", "  .text\nmain:\n  j nowhere\n");
    const run_result r = orrik({"sub/prog.s"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "sub/prog.s:3: error: undefined label 'nowhere' at main in .text (line 3: j nowhere)\n");
}

}  // namespace
