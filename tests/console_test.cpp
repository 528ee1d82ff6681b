// End to end: the built tamsel on obj files written here, its standard input
// fed, both output streams, the status and the output files compared exactly.
#include "encode.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <span>
#include <thread>

namespace {

using test::run_result;

constexpr uint32_t CODE = 0x10000000;

// What the console shows for a session: standard input, then the exact
// standard output (prompts included) and standard error.
struct session_row {
    const char* input;
    std::string out, err;
    int status = 0;
};

struct Console : ::testing::Test {
    test::scratch_dir dir;

    void SetUp() override {
        test::obj_builder()
            .magic()
            .code(CODE, {enc::addi(1, 0, 1), enc::addi(2, 0, -1), enc::lui(5, 0x20000), enc::lw(6, 5, 0),
                         enc::sw(1, 5, 4), enc::jal(0, 0), enc::div(7, 1, 0)})
            .data(0x20000000, {0x2a, 0, 0, 0, 0xff, 0xee})
            .symbol(0, "")
            .symbol(CODE, "main")
            .symbol(CODE + 20, "done")
            .symbol(CODE + 24, "divide")
            .symbol(CODE + 8, "10")
            .symbol(0x20000000, "buf")
            .write(dir / "prog.o");
    }

    run_result tamsel(const std::string& input) { return test::run_program({TAMSEL_PATH, "prog.o"}, input, dir.path); }

    void expect_sessions(std::span<const session_row> rows) {
        for (const session_row& row : rows) {
            SCOPED_TRACE(row.input);
            const run_result r = tamsel(row.input);
            EXPECT_EQ(r.out, row.out);
            EXPECT_EQ(r.err, row.err);
            EXPECT_EQ(r.status, row.status);
        }
    }

    // Standard output of a session whose commands print nothing: one prompt per line read.
    static std::string prompts(int lines) {
        std::string out;
        for (int n = 0; n < lines; ++n) out += ">> ";
        return out;
    }
};

TEST_F(Console, CommandLineAndLoadErrors) {
    for (const auto& argv : {std::vector<std::string>{TAMSEL_PATH}, {TAMSEL_PATH, "a", "b"}}) {
        const run_result r = test::run_program(argv, "", dir.path);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "Usage: ./tamsel <obj file>\n");
    }
    test::write_file(dir / "bad.o", "nope");
    run_result r = test::run_program({TAMSEL_PATH, "bad.o"}, "help\n", dir.path);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "MAGIC WORD IS INCORRECT\n");
    test::obj_builder().magic().u16(0xdada).u32(0x20000000).u32(10).u8(1).write(dir / "short.o");
    r = test::run_program({TAMSEL_PATH, "short.o"}, "", dir.path);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "FUCK ME IN THE ASS: ASK DORVIK TO INVESTIGATE\n");
    r = test::run_program({TAMSEL_PATH, "missing.o"}, "", dir.path);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "cannot open obj file 'missing.o': No such file or directory\n");
}

TEST_F(Console, PromptsEndOfInputAndRepetition) {
    run_result r = tamsel("");
    EXPECT_EQ(r.out, ">> ");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.status, 0);
    // An empty line repeats the previous one; before any command it does nothing.
    r = tamsel("\npc main\nstep\n\n\n\ninfo steps");  // the last line has no line feed
    EXPECT_EQ(r.out, prompts(7) + "Instructions Executed: 4\n" + ">> ");
    EXPECT_EQ(r.err, "");
    r = tamsel("   \n\nexit\nhelp\n");  // blanks only: unrecognized, and repeated
    EXPECT_EQ(r.out, prompts(3));
    EXPECT_EQ(r.err, "unrecognized command!\nType: \"help\" to see a list of commands\n"
                         "unrecognized command!\nType: \"help\" to see a list of commands\n");
    EXPECT_EQ(r.status, 0);
}

TEST_F(Console, PcRunStepAndTheirMessages) {
    run_result r = tamsel("step\nrun\npc\npc nowhere\npc 10000000\npc main\nstep 5\nbreak done\nrun\nrun\ninfo steps\n");
    EXPECT_EQ(r.err,
              "Program counter no longer pointing to a legal instruction\n"
              "Program counter no longer pointing to a legal instruction\n"
              "Expected: pc <label>\n"
              "Error: Unable to resolve label: \"nowhere\"\n"
              "Error: Unable to resolve label: \"10000000\"\n");
    EXPECT_EQ(r.out, prompts(11) + "Instructions Executed: 5\n>> ");
    r = tamsel("pc divide\nstep\nstep\ninfo steps\n");
    EXPECT_EQ(r.err, "Divide by Zero\nDivide by Zero\n");
    EXPECT_EQ(r.out, prompts(4) + "Instructions Executed: 0\n>> ");
    // The instruction limit: a run into the endless loop stops at a million, the next reports it.
    r = tamsel("pc done\nrun\ninfo steps\nrun\nstep\ninfo steps\n");
    EXPECT_EQ(r.err, "Hit the instruction limit\n");
    EXPECT_EQ(r.out, prompts(3) + "Instructions Executed: 1000000\n" + prompts(3) + "Instructions Executed: 1000001\n>> ");
}

TEST_F(Console, InfoRegistersAndLabels) {
    const run_result r = tamsel("set x5 -1\nset x6 129\nset x7 -128\nset x8 128\nset x9 -129\nset pc main\ninfo registers now\ninfo labels\ninfo\ninfo foo\ninfo steps\n");
    std::string registers = "PC: 0x10000000\n";
    for (int n = 0; n < 32; ++n) {
        const char* values[] = {"0", "0", "0", "0", "0", "-1", "0x00000081", "-128", "128", "0xffffff7f"};
        registers += "x" + std::to_string(n) + ": " + (n < 10 ? values[n] : "0") + "\n";
    }
    const std::string labels =
        ": 00000000\nmain: 10000000\n10: 10000008\ndone: 10000014\ndivide: 10000018\nbuf: 20000000\n";
    EXPECT_EQ(r.out, prompts(7) + registers + ">> " + labels + ">> " + registers + prompts(2) +
                         "Instructions Executed: 0\n>> ");
    EXPECT_EQ(r.err, "unrecognized info target: foo (registers, labels, written, read or steps)\n");
}

TEST_F(Console, ControlCharactersInLabelsAreEscaped) {
    test::obj_builder().magic().symbol(CODE, "a\x1b[2J\nx: 0\r\x7f\xc2\x9b\xc3\xa9").write(dir / "odd.o");
    const run_result r = test::run_program({TAMSEL_PATH, "odd.o"}, "info labels\n", dir.path);
    EXPECT_EQ(r.out, ">> a\\x1b[2J\\x0ax: 0\\x0d\\x7f\\xc2\\x9b\xc3\xa9: 10000000\n>> ");
}

TEST_F(Console, SetParsesValuesThenTargets) {
    const run_result r = tamsel(
        "set x1 10\nset x2 0x10\nset x3 ff\nset x4 zz\nset x05 buf\nset x0 5\nset X5 1\nset sp 1\nset x100 1\n"
        "set x32 1\nset x99 1\nset foo zz\nset\nset x1\nset pc 10000000\ninfo registers\n");
    EXPECT_EQ(r.err,
              "Unparseable value\n"
              "unrecognized target\nunrecognized target\nunrecognized target\nunrecognized target\n"
              "Unparseable value\n"
              "expected: set <target> <value>\nexpected: set <target> <value>\n");
    std::string expected = ">> >> >> fuck\n>> fuck\nfuck\n>> >> >> >> >> >> >> >> fuck\nfuck\n>> >> >> >> ";
    // "10" is a label, and labels come before numbers; sp is x2.
    expected += "PC: 0x00989680\nx0: 0\nx1: 0x10000008\nx2: 1\nx3: 0x000000ff\nx4: 0\nx5: 0x20000000\n";
    for (int n = 6; n < 32; ++n) expected += "x" + std::to_string(n) + ": 0\n";
    EXPECT_EQ(r.out, expected + ">> ");
}

TEST_F(Console, BreakAndDel) {
    const run_result r = tamsel(
        "break\ndel\nbreak zz\nbreak 10\npc main\nrun\ninfo steps\ndel 10\nbreak 0x10000014\nrun\ninfo steps\ndel nothing_here\n");
    EXPECT_EQ(r.err,
              "expected: break <label or address in hex>\nexpected: del <label or address in hex>\n"
              "Unparseable hexadecimal value for address\nUnparseable hexadecimal value for address\n");
    EXPECT_EQ(r.out, ">> >> >> fuck\n>> >> >> >> Instructions Executed: 2\n>> >> >> >> Instructions Executed: 5\n>> fuck\n>> ");
}

TEST_F(Console, ListAroundThePc) {
    const std::string code =
        "0x10000008:\tlui\tx5, 131072\n0x1000000c:\tlw\tx6, 0(x5)\n0x10000010:\tsw\tx1, 4(x5)\n"
        "0x10000014:\tjal\tx0, 0\n0x10000018:\tdiv\tx7, x1, x0\n";
    const run_result r = tamsel("list\npc main\nlist\nset pc 0x1000001c\nlist\nset pc 0x10000002\nlist\n");
    EXPECT_EQ(r.out, ">> pc not set to program memory\n" + prompts(7));
    EXPECT_EQ(r.err, "0x10000000:\taddi\tx1, x0, 1\t<-------\n0x10000004:\taddi\tx2, x0, -1\n" + code +
                         code + "0x1000001c:\t<no instruction here>\t<-------\n" +
                         "0x10000000:\taddi\tx1, x0, 1\n0x10000004:\taddi\tx2, x0, -1\n" + code);
}

TEST_F(Console, DumpWritesDataBytes) {
    const run_result r = tamsel(
        "dump out.txt buf 6\ndump ten.txt buf 10\ndump zero.txt buf 0\ndump neg.txt main -1\ndump bad.txt buf zz\n"
        "dump code.txt main 4\ndump end.txt 2ffffffe 4\ndump x.txt nowhere 4\ndump\ndump a.txt buf\n");
    EXPECT_EQ(test::read_file(dir / "out.txt"), "2a\n00\n00\n00\nff\nee\n");
    EXPECT_EQ(test::read_file(dir / "ten.txt"), "2a\n00\n00\n00\nff\nee\n00\n00\n00\n00\n00\n00\n00\n00\n00\n00\n");
    EXPECT_TRUE(std::filesystem::exists(dir / "zero.txt"));
    EXPECT_EQ(test::read_file(dir / "zero.txt"), "");
    EXPECT_EQ(test::read_file(dir / "neg.txt"), "");
    for (const char* absent : {"bad.txt", "code.txt", "end.txt", "x.txt", "a.txt"})
        EXPECT_FALSE(std::filesystem::exists(dir / absent)) << absent;
    EXPECT_EQ(r.err,
              "Unparseable hexadecimal value for len\n"
              "dump not written: bytes 0x10000000 to 0x10000003 are not all inside the data segment\n"
              "dump not written: bytes 0x2ffffffe to 0x30000001 are not all inside the data segment\n"
              "Unparseable hexadecimal value for address\n"
              "expected: dump <fname> <label|address> <len>\nexpected: dump <fname> <label|address> <len>\n");
    EXPECT_EQ(r.out, prompts(5) + "fuck\nfuck\n" + prompts(3) + "fuck\n" + prompts(3));
}

// Dump files are whole once their command ends: the next command (here a
// script of the dumped lines) sees every byte, and a megabyte is all there.
TEST_F(Console, DumpFilesAreWholeWhenTheCommandEnds) {
    const run_result r = tamsel("dump big.txt buf 100000\ndump two.txt buf 2\nscript two.txt\n");
    const std::string big = test::read_file(dir / "big.txt");
    ASSERT_EQ(big.size(), 3u * 0x100000);
    EXPECT_EQ(big.substr(0, 18), "2a\n00\n00\n00\nff\nee\n");
    EXPECT_EQ(big.find_first_not_of("0\n", 18), std::string::npos);
    const std::string unknown = "unrecognized command!\nType: \"help\" to see a list of commands\n";
    EXPECT_EQ(r.err, unknown + unknown);
    EXPECT_EQ(r.out, prompts(4));
}

TEST_F(Console, ReadAndWrittenFiles) {
    const run_result r = tamsel("info written\npc main\nbreak done\nrun\ninfo written\ninfo read\n");
    EXPECT_EQ(r.out, prompts(7));
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(test::read_file(dir / "written.txt"), "20000004\n20000005\n20000006\n20000007\n");
    EXPECT_EQ(test::read_file(dir / "read.txt"), "20000000\n20000001\n20000002\n20000003\n");
}

// Files of info and dump are whole or absent: a failure at any step is named
// with its reason, nothing partial is left, and the console goes on.
TEST_F(Console, OutputFilesThatCannotBeWritten) {
    std::filesystem::create_directory(dir / "sub");
    std::filesystem::create_directory_symlink(dir / "sub", dir / "written.txt");
    std::filesystem::create_symlink("/dev/full", dir / "read.txt");
    std::filesystem::create_symlink("sub/target.txt", dir / "link.txt");
    run_result r = tamsel("pc main\nbreak done\nrun\ndump /dev/full buf 4\ndump no/such/d.txt buf 4\ndump sub buf 4\n"
                          "info written\ninfo read\ndump link.txt buf 2\nscript sub\ninfo steps\n");
    EXPECT_EQ(r.err,
              "cannot write /dev/full: No space left on device\n"
              "cannot write no/such/d.txt: No such file or directory\n"
              "cannot write sub: Is a directory\n"
              "cannot write written.txt: Is a directory\n"
              "cannot write read.txt: No space left on device\n"
              "cannot open script sub: Is a directory\n");
    EXPECT_EQ(r.out, prompts(11) + "Instructions Executed: 5\n>> ");
    EXPECT_EQ(test::read_file(dir / "sub" / "target.txt"), "2a\n00\n");  // through the link, which stays
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.txt"));
    // A full disk, as a file size limit: the 3 MiB dump fails and leaves nothing, the small one is written.
    const std::string limited = std::string("ulimit -f 2048; trap '' XFSZ; exec ") + TAMSEL_PATH + " prog.o";
    r = test::run_program({"/bin/sh", "-c", limited}, "dump big.txt buf 100000\ndump small.txt buf 1\n", dir.path);
    EXPECT_EQ(r.err, "cannot write big.txt: File too large\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "big.txt"));
    EXPECT_EQ(test::read_file(dir / "small.txt"), "2a\n");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".writing")) << entry.path();
}

// What a shell redirect would not overwrite, info and dump do not replace
// either: a read-only file (root may write any, as the shell may) and a loop
// of symbolic links. A replaced file keeps its mode, and a file in a folder
// that takes no new file is written where it stands.
TEST_F(Console, OutputFilesTheShellWouldNotOverwrite) {
    namespace fs = std::filesystem;
    const bool root = geteuid() == 0;
    fs::create_symlink("loop.txt", dir / "loop.txt");
    test::write_file(dir / "written.txt", "old\n");
    fs::permissions(dir / "written.txt", fs::perms(0444));
    test::write_file(dir / "private.txt", "old\n");
    fs::permissions(dir / "private.txt", fs::perms(0600));
    fs::create_directory(dir / "closed");
    test::write_file(dir / "closed" / "d.txt", "old\n");
    fs::permissions(dir / "closed", fs::perms(0555));
    const run_result r = tamsel("pc main\nbreak done\nrun\ndump loop.txt buf 1\ninfo written\n"
                                "dump private.txt buf 1\ndump closed/d.txt buf 2\n");
    fs::permissions(dir / "closed", fs::perms(0755));
    EXPECT_EQ(r.err, "cannot write loop.txt: Too many levels of symbolic links\n" +
                         std::string(root ? "" : "cannot write written.txt: Permission denied\n"));
    EXPECT_TRUE(fs::is_symlink(dir / "loop.txt"));
    EXPECT_EQ(test::read_file(dir / "written.txt"), root ? "20000004\n20000005\n20000006\n20000007\n" : "old\n");
    EXPECT_EQ(fs::status(dir / "written.txt").permissions(), fs::perms(0444));
    EXPECT_EQ(test::read_file(dir / "private.txt"), "2a\n");
    EXPECT_EQ(fs::status(dir / "private.txt").permissions(), fs::perms(0600));
    EXPECT_EQ(test::read_file(dir / "closed" / "d.txt"), "2a\n00\n");
}

// In a sticky folder (1777) someone else's writable file cannot be renamed
// over; it is written where it stands and keeps its owner. Making a file of
// another user's takes root, so as another user this is skipped.
TEST_F(Console, SomeoneElsesFileInAStickyFolder) {
    namespace fs = std::filesystem;
    if (geteuid() != 0) GTEST_SKIP() << "making a file that belongs to another user takes root";
    fs::permissions(dir.path, fs::perms(0755));
    fs::create_directory(dir / "sticky");
    fs::permissions(dir / "sticky", fs::perms(01777));
    test::write_file(dir / "sticky" / "d.txt", "old\n");
    fs::permissions(dir / "sticky" / "d.txt", fs::perms(0666));
    const run_result r = test::run_program(
        {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", TAMSEL_PATH, "../prog.o"},
        "dump d.txt buf 2\n", dir / "sticky");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(test::read_file(dir / "sticky" / "d.txt"), "2a\n00\n");
    struct stat info {};
    ASSERT_EQ(stat((dir / "sticky" / "d.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 0u);
    EXPECT_EQ(info.st_mode & 07777, 0666u);
}

// Two sessions writing one file at once: it holds one session's whole output,
// never lines of both.
TEST_F(Console, TwoSessionsWritingOneFile) {
    test::obj_builder().magic().data(0x20000000, {0x11}).symbol(0x20000000, "buf").write(dir / "other.o");
    std::vector<std::thread> sessions;
    for (const char* obj : {"prog.o", "other.o"}) {
        const std::filesystem::path cwd = dir / (std::string(obj) + ".session");
        std::filesystem::create_directory(cwd);
        std::string input;
        for (int n = 0; n < 20; ++n) input += "dump " + (dir / "d.txt").string() + " buf 20000\n";
        sessions.emplace_back(
            [&, obj, input, cwd] { test::run_program({TAMSEL_PATH, (dir / obj).string()}, input, cwd); });
    }
    for (std::thread& t : sessions) t.join();
    const std::string d = test::read_file(dir / "d.txt");
    ASSERT_EQ(d.size(), 3u * 0x20000);
    EXPECT_TRUE(d.starts_with("2a\n00\n00\n00\nff\nee\n00\n") || d.starts_with("11\n00\n"));
    EXPECT_EQ(d.find_first_not_of("0\n", d.starts_with("11") ? 3 : 18), std::string::npos);
}

// Results that cannot reach standard output end tamsel with status 1.
TEST_F(Console, StandardOutputThatCannotBeWritten) {
    for (const char* input : {"", "info registers\n", "step\nstep\n"}) {
        const run_result r = test::run_program(
            {"/bin/sh", "-c", std::string("exec ") + TAMSEL_PATH + " prog.o > /dev/full"}, input, dir.path);
        EXPECT_EQ(r.status, 1) << input;
        EXPECT_EQ(r.err, "cannot write standard output: No space left on device\n") << input;
    }
}

// Lines are bounded at 1 MiB: a longer one is reported and not run, at the
// console and in scripts (which stop there: /dev/zero has no line end).
TEST_F(Console, LongLinesAreReportedAndTheConsoleGoesOn) {
    const std::string unknown = "unrecognized command!\nType: \"help\" to see a list of commands\n";
    test::write_file(dir / "long.txt", "step\n" + std::string(2 << 20, 'x') + "\nstep\n");
    const run_result r = tamsel("pc main\n" + std::string(1 << 20, 'a') + "\n" + std::string((1 << 20) + 1, 'b') +
                                "\n\nscript long.txt\nscript /dev/zero\ninfo steps\n" + std::string(3 << 20, 'c'));
    EXPECT_EQ(r.err, unknown + "line longer than 1048576 bytes ignored\n" + unknown +
                         "script line longer than 1048576 bytes: the rest of the script is not run\n"
                         "script line longer than 1048576 bytes: the rest of the script is not run\n"
                         "line longer than 1048576 bytes ignored\n");
    EXPECT_EQ(r.out, prompts(7) + "Instructions Executed: 1\n>> >> ");
    EXPECT_EQ(r.status, 0);
}

TEST_F(Console, ScriptsNestOnTheSameMachine) {
    test::write_file(dir / "s.txt", "pc main\nstep\n\ninfo steps\nexit\nstep\n");
    test::write_file(dir / "crlf.txt", "pc main\r\nstep\r\n\r\ninfo steps\r\n");
    test::write_file(dir / "outer.txt", "script s.txt\nstep\ninfo steps");
    run_result r = tamsel("script s.txt\ninfo steps\nscript\nscript nofile.txt\n");
    EXPECT_EQ(r.out, ">> Instructions Executed: 2\n>> Instructions Executed: 2\n" + prompts(3));
    EXPECT_EQ(r.err, "expected: script <file name>\ncannot open script nofile.txt: No such file or directory\n");
    r = tamsel("script crlf.txt\nscript outer.txt\n");
    // The count runs on across scripts: 1 from crlf.txt, then 2 more in s.txt and 1 in outer.txt.
    EXPECT_EQ(r.out, ">> Instructions Executed: 1\n>> Instructions Executed: 3\nInstructions Executed: 4\n>> ");
    EXPECT_EQ(r.err, "unrecognized command!\nType: \"help\" to see a list of commands\n");
}

TEST_F(Console, AScriptThatRunsItselfStopsAtTheDepthBound) {
    test::write_file(dir / "self.txt", "step\nscript self.txt\n");
    const run_result r = tamsel("pc main\nset pc done\nscript self.txt\ninfo steps\n");
    EXPECT_EQ(r.err, "script not run, scripts are nested more than 64 deep: self.txt\n");
    EXPECT_EQ(r.out, prompts(4) + "Instructions Executed: 64\n>> ");
}


TEST_F(Console, MemShowsWordsAndCharacters) {
    const std::string zeros = " 00000000 00000000 00000000 00000000  |................|\n";
    const std::string blank = "         ";  // a word of no byte
    const std::string outside = " are not all inside the data segment\n";
    const session_row rows[] = {
        {"mem buf\n",
         ">> 0x20000000: 0000002a 0000eeff 00000000 00000000  |*...............|\n0x20000010:" + zeros +
             "0x20000020:" + zeros + "0x20000030:" + zeros + ">> ",
         ""},
        {"mem buf 6\n", ">> 0x20000000: 0000002a     eeff" + blank + blank + "  |*.....|\n>> ", ""},
        {"mem 20000003 17 more\n",
         ">> 0x20000003: 00eeff00 00000000 00000000 00000000  |................|\n"
         "0x20000013:       00" + blank + blank + blank + "  |.|\n>> ",
         ""},
        // The segment's last bytes: a count past its end shows what there is.
        {"mem 2ffffff8 100\nmem 2fffffff\n",
         ">> 0x2ffffff8: 00000000 00000000" + blank + blank + "  |........|\n>> 0x2fffffff:       00" + blank + blank +
             blank + "  |.|\n>> ",
         ""},
        {"mem 1fffffff 2\nmem 30000000\nmem main 4\n", prompts(4),
         "mem not shown: bytes 0x1fffffff to 0x20000000" + outside + "mem not shown: bytes 0x30000000 to 0x3000003f" +
             outside + "mem not shown: bytes 0x10000000 to 0x10000003" + outside},
        {"mem\nmem zz\nmem buf zz\nmem buf 0x10\nmem buf 0\nmem buf -3\n", ">> >> fuck\n>> fuck\n>> >> >> >> ",
         "expected: mem <label|address> [count]\nUnparseable hexadecimal value for address\n"
         "Unparseable decimal value for count\nUnparseable decimal value for count\n"},
        // mem reads nothing on the program's behalf and counts nothing; it shows what a run stored.
        {"pc main\nbreak done\nrun\nmem buf 8\ninfo steps\n",
         ">> >> >> >> 0x20000000: 0000002a 00000001" + blank + blank + "  |*.......|\n>> Instructions Executed: 5\n>> ",
         ""},
    };
    expect_sessions(rows);
    tamsel("pc main\nbreak done\nrun\nmem buf 16\ninfo read\n");
    EXPECT_EQ(test::read_file(dir / "read.txt"), "20000000\n20000001\n20000002\n20000003\n");
}

// info registers with the pc and x1, x2, x5, x6 as given, every other register 0.
std::string registers(const char* pc, const char* x1, const char* x2, const char* x5, const char* x6) {
    std::string out = std::string("PC: ") + pc + "\n";
    for (int n = 0; n < 32; ++n) {
        const char* value = n == 1 ? x1 : n == 2 ? x2 : n == 5 ? x5 : n == 6 ? x6 : "0";
        out += "x" + std::to_string(n) + ": " + value + "\n";
    }
    return out;
}

TEST_F(Console, BackUndoesWhatStepAndRunDid) {
    const std::string nothing = "nothing to undo: no instruction has run\n";
    const std::string blanks = std::string(18, ' ') + "  |*.......|\n";  // two words of no byte, the characters
    const std::string after_sw = "0x20000000: 0000002a 00000001" + blanks;
    const std::string before_sw = "0x20000000: 0000002a 0000eeff" + blanks;
    const session_row rows[] = {
        {"back\n", ">> >> ", nothing},
        // An empty line repeats back, as it repeats step.
        {"pc main\nstep\n\nback\n\n\ninfo steps\n", prompts(7) + "Instructions Executed: 0\n>> ", nothing},
        // A run that stopped at a breakpoint: back undoes its last instruction, the sw.
        {"pc main\nbreak done\nrun\nmem buf 8\nback\nmem buf 8\ninfo steps\nstep\nmem buf 8\ninfo steps\n",
         prompts(4) + after_sw + ">> >> " + before_sw + ">> Instructions Executed: 4\n>> >> " + after_sw +
             ">> Instructions Executed: 5\n>> ",
         ""},
        // Back over the sw and the lw: x6 and the bytes as they were; the lui's x5 stays.
        {"pc main\nbreak done\nrun\nback\nback\ninfo registers\n",
         prompts(6) + registers("0x1000000c", "1", "-1", "0x20000000", "0") + ">> ", ""},
        // A set after the instruction: back puts back the register the instruction
        // wrote and the pc; the register it did not write keeps the value set.
        {"pc main\nstep\nset x1 5\nset x2 9\nset pc done\nback\ninfo registers\n",
         prompts(7) + registers("0x10000000", "0", "9", "0", "0") + ">> ", ""},
        // A refused instruction is not executed, so there is nothing of it to undo.
        {"pc divide\nstep\nback\n", prompts(4), "Divide by Zero\n" + nothing},
        // The count goes back too, so after the session's limit one run runs one more.
        {"pc done\nrun\nrun\nback\nrun\ninfo steps\n", prompts(6) + "Instructions Executed: 1000000\n>> ",
         "Hit the instruction limit\n"},
    };
    expect_sessions(rows);
    // The address sets lose what the undone instructions added.
    tamsel("pc main\nbreak done\nrun\nback\nback\ninfo read\ninfo written\n");
    EXPECT_EQ(test::read_file(dir / "read.txt"), "");
    EXPECT_EQ(test::read_file(dir / "written.txt"), "");
}

// watch, unwatch, print, back N, back run, continue, info watch and breaks,
// and registers in addresses: every output and message, in a pipe.
TEST_F(Console, DebuggingWords) {
    const std::string sw_hit = "sw at 0x10000010 <10+8> wrote 0x20000004 <buf+4>: 0x0000eeff -> 0x00000001\n";
    const session_row rows[] = {
        {"pc main\nwatch buf+4\ninfo watch\nrun\ninfo steps\n",
         ">> >> >> watch 0x20000004 <buf+4>, 4 bytes: 0x0000eeff\n>> watch: " + sw_hit +
             ">> Instructions Executed: 5\n>> ",
         ""},
        // A watched byte stored with the value it holds does not stop; a step stops like run.
        {"pc main\nwatch buf+6 2\ninfo watch\nbreak done\nrun\ninfo steps\nback 2\nwatch buf+5 1\nstep\nstep\n",
         ">> >> >> watch 0x20000006 <buf+6>, 2 bytes: 0x0000\n>> >> >> Instructions Executed: 5\n" + prompts(4) +
             "watch: " + sw_hit + ">> ",
         ""},
        {"watch\nwatch main\nwatch buf 0\nwatch 2ffffffe\nwatch zz\nwatch buf zz\nunwatch\nunwatch buf\ninfo watch\n",
         prompts(5) + "fuck\n>> fuck\n>> >> >> no watch set\n>> ",
         "expected: watch <label|address> [count]\n"
         "watch not set: bytes 0x10000000 to 0x10000003 are not all inside the data segment\n"
         "watch not set: the count must be 1 or more\n"
         "watch not set: bytes 0x2ffffffe to 0x30000001 are not all inside the data segment\n"
         "Unparseable hexadecimal value for address\nUnparseable decimal value for count\n"
         "expected: unwatch <label|address>\nno watch at 0x20000000 <buf>\n"},
        // back run undoes the watched store, then runs back to the start.
        {"back run\npc main\nwatch buf+4\nbreak done\nrun\nback run\ninfo steps\nback run\ninfo steps\nback 3\n",
         prompts(5) + "watch: " + sw_hit + ">> watch: undid sw at 0x10000010 <10+8>, which wrote 0x20000004 <buf+4>: "
             "0x0000eeff -> 0x00000001\n>> Instructions Executed: 4\n>> back run: start of the recording, at main "
             "(0x10000000)\n>> Instructions Executed: 0\n>> >> ",
         "nothing to undo: no instruction has run\nnothing to undo: no instruction has run\n"},
        // back N; back run stops on a breakpoint; words back does not know are ignored as ever.
        {"pc main\nbreak done\nbreak 10\nrun\ndel 10\nrun\nbreak 10\nback 2\ninfo steps\nback run\ninfo steps\nback 0\n"
         "back x\ninfo steps\nback 9\n",
         prompts(9) + "Instructions Executed: 3\n>> back run: breakpoint at 10 (0x10000008)\n>> Instructions Executed: 2\n"
             ">> >> >> Instructions Executed: 1\n>> >> ",
         "nothing to undo: no instruction has run\n"},
        {"set x5 -1\nprint x5\nprint t0\nprint buf\nprint main\nprint 20000004\nprint sp\nprint pc\nprint a9\nprint x32\n"
         "print nowhere\nprint\n",
         ">> >> x5 = 0xffffffff (unsigned 4294967295, signed -1)\n>> t0 = 0xffffffff (unsigned 4294967295, signed -1)\n"
         ">> buf = 0x20000000 (unsigned 536870912, signed 536870912)\n"
         "word at 0x20000000 <buf> = 0x0000002a (unsigned 42, signed 42)\n"
         ">> main = 0x10000000 (unsigned 268435456, signed 268435456)\ninstruction at 0x10000000 <main>: addi x1, x0, 1\n"
         ">> 20000004 = 0x20000004 (unsigned 536870916, signed 536870916)\n"
         "word at 0x20000004 <buf+4> = 0x0000eeff (unsigned 61183, signed 61183)\n"
         ">> sp = 0x00000000 (unsigned 0, signed 0)\n>> pc = 0x00000000 (unsigned 0, signed 0)\n>> >> >> >> >> ",
         "print: no register a9 (x0 to x31, zero ra sp gp tp t0-t6 s0-s11 fp a0-a7)\n"
         "print: no register x32 (x0 to x31, zero ra sp gp tp t0-t6 s0-s11 fp a0-a7)\n"
         "print: no register, label or address: nowhere\nexpected: print <register|label|address>\n"},
        // Registers, and registers or labels with an offset, wherever an address is read.
        {"set x5 buf\nmem t0 4\nmem t0+4 2\nmem x5-0 1\nmem buf+0x4 2\nset x8 0x20000008\nwatch fp-4 2\ninfo watch\n"
         "mem sp\nbreak ra+10\ninfo breaks\n",
         ">> >> 0x20000000: 0000002a                             |*...|\n"
         ">> 0x20000004:     eeff                             |..|\n"
         ">> 0x20000000:       2a                             |*|\n"
         ">> 0x20000004:     eeff                             |..|\n"
         ">> >> >> watch 0x20000004 <buf+4>, 2 bytes: 0xeeff\n>> >> >> break 0x0000000a\n>> ",
         "mem not shown: bytes 0x00000000 to 0x0000003f are not all inside the data segment\n"},
        {"info breaks\nbreak done\nbreak 10\ninfo breaks\n",
         ">> no breakpoint set\n>> >> >> break 0x10000008 <10>\nbreak 0x10000014 <done>\n>> ", ""},
        // continue leaves the breakpoint it is on; run would stay.
        {"pc main\nbreak main\nbreak done\nrun\ninfo steps\ncontinue\ninfo steps\ncontinue\ninfo steps\n",
         prompts(5) + "Instructions Executed: 0\n>> >> Instructions Executed: 5\n>> >> Instructions Executed: 6\n>> ", ""},
        {"help bt\nhelp quit\nhelp foo\n",
         ">> bt\t- shows the calls the program is in, the newest first, with where each was called from\n"
         ">> exit, quit, q\t- ends the console, or the script\n>> " + tamsel("help\n").out.substr(3),
         ""},
    };
    expect_sessions(rows);
    const run_result all = tamsel("help all\n");
    for (const char* word : {"\nwatch <address> [count]\t", "\nunwatch <address>\t", "\nbt\t", "\nprint <register",
                             "\nback [count|run]\t", "\ncontinue\t", "\nmem <address>", "\ndump <file>", "\nstep\t"})
        EXPECT_NE(all.out.find(word), std::string::npos) << word;
}

// bt follows calls and returns, and back puts the frames back as they were.
TEST_F(Console, BacktraceOfCallsAndReturns) {
    // main: call f; done: j done; f: t0 = ra; call g; ra = t0; ret; g: a0 += 1; ret
    test::obj_builder()
        .magic()
        .code(CODE, {enc::jal(1, 6), enc::jal(0, 0), enc::NOP, enc::addi(5, 1, 0), enc::jal(1, 6), enc::addi(1, 5, 0),
                     enc::jalr(0, 1, 0), enc::addi(10, 10, 1), enc::jalr(0, 1, 0)})
        .symbol(CODE, "main")
        .symbol(CODE + 4, "done")
        .symbol(CODE + 12, "f")
        .symbol(CODE + 28, "g")
        .write(dir / "calls.o");
    const std::string in_g = "#0 g (0x1000001c), called from f+4 (0x10000010)\n"
                             "#1 f+4 (0x10000010), called from main (0x10000000)\n#2 main (0x10000000)\n";
    const std::string in_g4 = "#0 g+4 (0x10000020), called from f+4 (0x10000010)\n"
                              "#1 f+4 (0x10000010), called from main (0x10000000)\n#2 main (0x10000000)\n";
    const run_result r = test::run_program(
        {TAMSEL_PATH, "calls.o"},
        "bt\npc main\nstep\nstep\nstep\nbt\nstep\nbt\nback\nbt\nbreak done\nrun\nbt\nback 3\nbt\nback run\nbt\n", dir.path);
    EXPECT_EQ(r.out, prompts(6) + in_g + ">> >> " + in_g4 + ">> >> " + in_g + prompts(3) + "#0 done (0x10000004)\n>> >> " +
                         in_g4 + ">> back run: start of the recording, at main (0x10000000)\n>> >> ");
    EXPECT_EQ(r.err, "bt: no instruction has run\nbt: no instruction has run\n");
}

TEST_F(Console, HelpExitAndUnknownCommands) {
    run_result r = tamsel("help\nfoo\nHELP\nquit\nhelp\n");
    EXPECT_EQ(r.out,
              ">> set <register> <value>\t- sets the specified register (including pc) to the specified value. The value can be hexadecimal, decimal or a label\n"
              "pc <label>\t\t- sets the pc to the specified label\n"
              "run\t\t\t- runs until we hit a break point\n"
              "list\t\t\t- displays the instructions surronding the current pc\n"
              "info <labels|registers>\t- gets information on either what the values of labels are or the value of registers. Register values are in decimal if -128 <= value <= 128, hex otherwise. \n"
              "break <label|address>\t- sets a break point at the specified label or address\n"
              "del   <label|address>\t- sets a break point at the specified label or address\n"
              "script <script_name>\t- runs the specified script which is just a squence of commands\n"
              "exit/quit/q\t\t- exits the program\n"
              "help\t\t\t- prints this help command\n"
              ">> >> >> ");
    EXPECT_EQ(r.err, "unrecognized command!\nType: \"help\" to see a list of commands\n"
                     "unrecognized command!\nType: \"help\" to see a list of commands\n");
    EXPECT_EQ(r.status, 0);
    for (const char* exit_word : {"exit", "q"}) {
        r = tamsel(std::string(exit_word) + "\nhelp\n");
        EXPECT_EQ(r.out, ">> ");
        EXPECT_EQ(r.status, 0);
    }
}

TEST_F(Console, GarbageNeverEndsTheConsole) {
    std::string garbage;
    for (int n = 0; n < 4096; ++n) garbage += static_cast<char>((n * 7919) % 256);
    const std::string input = garbage + "\nset x31 1\nset x99 0x\ndump d.txt 0 7fffffff\n" + std::string(100000, 'a') +
                              "\nlist\nbreak -1\ndel ffffffffffffffffffff\nset pc -4\nlist\nstep\nrun\ninfo steps\n";
    const run_result r = tamsel(input);
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.ends_with("Instructions Executed: 0\n>> ")) << r.out.substr(r.out.size() > 200 ? r.out.size() - 200 : 0);
}

// The program stops at done with x1 1, x2 -1, x5 buf, x6 42, and the word 1 stored at buf+4.
TEST_F(Console, ExpectChecksAndTheSessionsStatus) {
    test::write_file(dir / "checks.txt", "pc main\nexpect x1 2\n\n");
    const std::string summary = " expects failed\n";
    const session_row rows[] = {
        // Every form, holding: nothing is printed and the status stays 0.
        {"pc main\nbreak done\nrun\nexpect x1 1\nexpect x02 -1\nexpect x2 0xffffffff\nexpect x5 buf\nexpect pc done\n"
         "expect steps 5\nexpect mem buf 42\nexpect mem buf 0x2a 1 0\nexpect mem 20000004 \"\\x01\\0\" more\n"
         "expect mem buf \"*\"\nexpect mem buf \"\"\n",
         prompts(15), ""},
        // Every form, failing: where and what, then how many of how many.
        {"pc main\nbreak done\nrun\nexpect x1 2\nexpect x2 4294967294\nexpect pc main\nexpect steps 4\n"
         "expect mem buf 43\nexpect mem buf 42 2\nexpect mem buf \"*\\0\\0\\0\\x02\"\nexpect mem buf \"a\\\"\\\\\\n\"\n"
         "expect x1 1\n",
         prompts(13),
         "expect failed (stdin:4): x1 is 1 (0x00000001), expected 2 (0x00000002)\n"
         "expect failed (stdin:5): x2 is -1 (0xffffffff), expected -2 (0xfffffffe)\n"
         "expect failed (stdin:6): pc is 0x10000014, expected 0x10000000\n"
         "expect failed (stdin:7): steps is 5, expected 4\n"
         "expect failed (stdin:8): mem buf is 42 (0x0000002a), expected 43 (0x0000002b)\n"
         "expect failed (stdin:9): mem buf+4 is 1 (0x00000001), expected 2 (0x00000002)\n"
         "expect failed (stdin:10): mem buf is \"*\\0\\0\\0\\x01\", expected \"*\\0\\0\\0\\x02\"\n"
         "expect failed (stdin:11): mem buf is \"*\\0\\0\\0\", expected \"a\\\"\\\\\\n\"\n"
         "8 of 9" + summary,
         1},
        // A check that cannot be made fails; no "fuck" from expect's number reading.
        {"expect\nexpect x1\nexpect a9 1\nexpect x32 1\nexpect x1 zz\nexpect x1 4294967296\nexpect steps -1\n"
         "expect mem\nexpect mem zz 1\nexpect mem main 1\nexpect mem 2ffffffe 1\nexpect mem buf\n"
         "expect mem buf \"open\nexpect mem buf \"\\q\"\nexpect mem 2fffffff \"ab\"\nexpect x0 0\n",
         prompts(17),
         "expect failed (stdin:1): no target (expect <register|pc|steps|mem ADDRESS> <value>)\n"
         "expect failed (stdin:2): no value (expect <register|pc|steps|mem ADDRESS> <value>)\n"
         "expect failed (stdin:3): no register a9 (x0 to x31, zero ra sp gp tp t0-t6 s0-s11 fp a0-a7; or pc, steps, mem ADDRESS)\n"
         "expect failed (stdin:4): no register x32 (x0 to x31, zero ra sp gp tp t0-t6 s0-s11 fp a0-a7; or pc, steps, mem ADDRESS)\n"
         "expect failed (stdin:5): unparseable value 'zz' (a label, label+offset, a decimal number, or 0x and hexadecimal digits)\n"
         "expect failed (stdin:6): unparseable value '4294967296' (a label, label+offset, a decimal number, or 0x and hexadecimal digits)\n"
         "expect failed (stdin:7): unparseable count '-1' (a decimal number)\n"
         "expect failed (stdin:8): no address (expect <register|pc|steps|mem ADDRESS> <value>)\n"
         "expect failed (stdin:9): unparseable address 'zz' (a label, a register or a hexadecimal number)\n"
         "expect failed (stdin:10): mem main: bytes 0x10000000 to 0x10000003 are not all inside the data segment\n"
         "expect failed (stdin:11): mem 2ffffffe: bytes 0x2ffffffe to 0x30000001 are not all inside the data segment\n"
         "expect failed (stdin:12): no value (expect <register|pc|steps|mem ADDRESS> <value>)\n"
         "expect failed (stdin:13): unparseable string \"open (one pair of double quotes; escapes \\\" \\\\ \\n \\t \\r \\0 \\xHH)\n"
         "expect failed (stdin:14): unparseable string \"\\q\" (one pair of double quotes; escapes \\\" \\\\ \\n \\t \\r \\0 \\xHH)\n"
         "expect failed (stdin:15): mem 2fffffff: bytes 0x2fffffff to 0x30000000 are not all inside the data segment\n"
         "15 of 16" + summary,
         1},
        // In a script the place is the script's name and line; an empty line repeats the check.
        {"\nscript checks.txt\nexpect x1 0\n", prompts(4),
         "expect failed (checks.txt:2): x1 is 0 (0x00000000), expected 2 (0x00000002)\n"
         "expect failed (checks.txt:3): x1 is 0 (0x00000000), expected 2 (0x00000002)\n"
         "2 of 3" + summary,
         1},
        // A graded session fails when the machine stopped it, even with every check holding.
        {"pc divide\nstep\nexpect pc divide\nstep\n", prompts(5),
         "Divide by Zero\nDivide by Zero\n0 of 1 expects failed, and the machine stopped: Divide by Zero\n",
         1},
        {"pc done\nrun\nexpect pc done\n", prompts(4),
         "0 of 1 expects failed, and the machine stopped: Hit the instruction limit\n", 1},
        // A breakpoint reached on the limit's last instruction is no stop by the machine.
        {"pc main\nbreak done\nrun\nexpect pc done\n", prompts(5), ""},
        // Without expect, a session ends as it always has, whatever the machine did.
        {"pc divide\nstep\npc done\nrun\nrun\n", prompts(6), "Divide by Zero\nHit the instruction limit\n"},
        // The count is in decimal, whatever base a command left the stream in.
        {"pc main\nexpect x1 1\nexpect x1 1\nexpect x1 1\nexpect x1 1\nexpect x1 1\nexpect x1 1\nexpect x1 1\nexpect x1 1\n"
         "expect x1 1\nexpect x1 1\nlist\n",
         prompts(13),
         "expect failed (stdin:2): x1 is 0 (0x00000000), expected 1 (0x00000001)\n"
         "expect failed (stdin:3): x1 is 0 (0x00000000), expected 1 (0x00000001)\n"
         "expect failed (stdin:4): x1 is 0 (0x00000000), expected 1 (0x00000001)\n"
         "expect failed (stdin:5): x1 is 0 (0x00000000), expected 1 (0x00000001)\n"
         "expect failed (stdin:6): x1 is 0 (0x00000000), expected 1 (0x00000001)\n"
         "expect failed (stdin:7): x1 is 0 (0x00000000), expected 1 (0x00000001)\n"
         "expect failed (stdin:8): x1 is 0 (0x00000000), expected 1 (0x00000001)\n"
         "expect failed (stdin:9): x1 is 0 (0x00000000), expected 1 (0x00000001)\n"
         "expect failed (stdin:10): x1 is 0 (0x00000000), expected 1 (0x00000001)\n"
         "expect failed (stdin:11): x1 is 0 (0x00000000), expected 1 (0x00000001)\n"
         "0x10000000:\taddi\tx1, x0, 1\t<-------\n0x10000004:\taddi\tx2, x0, -1\n0x10000008:\tlui\tx5, 131072\n"
         "0x1000000c:\tlw\tx6, 0(x5)\n0x10000010:\tsw\tx1, 4(x5)\n0x10000014:\tjal\tx0, 0\n0x10000018:\tdiv\tx7, x1, x0\n"
         "10 of 10" + summary,
         1},
    };
    expect_sessions(rows);
}

// Four routines, each called from main in turn: keeps saves s0 without having
// written it and keeps the convention; clobbers adds 4 to s1; moves_sp returns
// with sp 16 lower; reads_t3 reads t3, which nothing wrote.
TEST_F(Console, CheckCallsFindsBrokenConventionsAndUnwrittenRegisters) {
    test::obj_builder()
        .magic()
        .code(CODE, {enc::lui(2, 0x20001), enc::addi(9, 0, 5), enc::jal(1, 10), enc::jal(1, 14), enc::jal(1, 16),
                     enc::jal(1, 18), enc::jal(0, 0),
                     enc::sw(8, 2, 0), enc::addi(5, 0, 1), enc::jalr(0, 1, 0),  // keeps
                     enc::addi(9, 9, 4), enc::jalr(0, 1, 0),                     // clobbers
                     enc::addi(2, 2, -16), enc::jalr(0, 1, 0),                   // moves_sp
                     enc::add(10, 28, 5), enc::jalr(0, 1, 0)})                   // reads_t3
        .symbol(CODE, "main")
        .symbol(CODE + 24, "done")
        .symbol(CODE + 28, "keeps")
        .symbol(CODE + 40, "clobbers")
        .symbol(CODE + 48, "moves_sp")
        .symbol(CODE + 56, "reads_t3")
        .write(dir / "prog.o");
    const std::string s1 = "convention: clobbers (called at main+12) returned with s1 changed: 0x00000005 -> 0x00000009\n";
    const std::string sp = "convention: moves_sp (called at main+16) returned with sp changed: 0x20001000 -> 0x20000ff0\n";
    const std::string t3 = "unwritten register: t3 read at reads_t3 (0x10000038)\n";
    const session_row rows[] = {
        // Each break stops the run at the return, as a breakpoint would; run goes on from there.
        {"pc main\ncheck calls\nbreak done\nrun\nexpect pc main+16\nrun\nrun\nexpect pc done\nexpect s1 9\n", prompts(10),
         s1 + sp + t3 + "0 of 3 expects failed, and the machine stopped: " + s1, 1},
        // step stops the same way: the ninth instruction is clobbers' return.
        {"pc main\ncheck calls\nstep\n\n\n\n\n\n\n\n\ninfo steps\n", prompts(12) + "Instructions Executed: 9\n>> ", s1},
        // Without the check, or after check off, the same program runs to done without a word.
        {"pc main\nbreak done\nrun\nexpect pc done\nexpect sp 0x20000ff0\n", prompts(6), ""},
        {"pc main\ncheck calls\ncheck off\nbreak done\nrun\n", prompts(6), ""},
        // A return that back undid is not checked again; moves_sp's is.
        {"pc main\ncheck calls\nbreak done\nrun\nback\nrun\n", prompts(7), s1 + sp},
        // set writes a register as an instruction does.
        {"set x28 1\npc main\ncheck calls\nbreak done\nrun\nrun\nrun\n", prompts(8), s1 + sp},
        // The limit under the check: run stops at it as ever.
        {"pc done\ncheck calls\nrun\ninfo steps\nrun\n", prompts(4) + "Instructions Executed: 1000000\n>> >> ",
         "Hit the instruction limit\n"},
        {"check\ncheck call\n", prompts(3), "expected: check <calls|off>\nexpected: check <calls|off>\n"},
    };
    expect_sessions(rows);
}

}  // namespace
