// The assembler orrik chooses, on search paths of stand-in programs: clang-15
// wherever it is, else the newest clang-N from 15 on, else clang.
#include "assembler.h"
#include "assembler_input.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

struct row {
    std::vector<std::string> first;   // the programs in the path's first folder
    std::vector<std::string> second;  // and in its second
    std::optional<std::string> chosen;
};

void make_programs(const std::filesystem::path& folder, const std::vector<std::string>& names) {
    std::filesystem::create_directory(folder);
    for (const std::string& name : names) {
        test::write_file(folder / name, "#!/bin/sh\n");
        chmod((folder / name).c_str(), 0755);
    }
}

TEST(Assembler, ClangFifteenFirstThenTheNewestThenClang) {
    const row rows[] = {
        {{"clang-19", "clang"}, {"clang-15"}, "clang-15"},  // wherever it is on the path
        {{"clang-17", "clang-19", "clang-18"}, {"clang-20"}, "clang-20"},
        {{"clang-14", "clang-9", "clang-19x", "clang-", "clang-+19"}, {"clang"}, "clang"},
        {{"clang"}, {}, "clang"},  // whatever version: nothing else is there
        {{"clang-14", "clang-15.1", "gcc"}, {}, std::nullopt},
        {{}, {}, std::nullopt},
    };
    for (const row& r : rows) {
        const test::scratch_dir dir;
        make_programs(dir / "a", r.first);
        make_programs(dir / "b", r.second);
        test::write_file(dir / "a" / "clang-21", "");  // not executable: not a candidate
        const std::string path = (dir / "a").string() + ":" + (dir / "b").string() + ":" + (dir / "none").string();
        EXPECT_EQ(find_assembler(path), r.chosen) << r.first.size() << " " << r.second.size();
    }
}

}  // namespace

namespace {

// What the assembler reads of a source: compilers' lines for other tools
// normalised, compression off, every line where it was.
TEST(AssemblerInput, CopiesTheSourceLineForLine) {
    struct copy_row {
        std::string source;
        std::string copy;          // after the marker line
        bool compression_asked;
        size_t compression_line;   // 0: none named
    };
    const copy_row rows[] = {
        {"  .attribute arch, \"rv32i2p1_m2p0\"\n  .attribute unaligned_access, 0\nmain: mul a0, a0, a0\n",
         "  .attribute arch, \"rv32im\"\n  \nmain: mul a0, a0, a0\n", false, 0},
        // GCC's -g: numbered .file, .loc, .cfi_*, and what goes to .debug sections.
        {"  .file \"f.c\"\n  .file 0 \"/tmp\" \"f.c\"\nf:\n  .loc 1 3 30\n  .cfi_startproc\n  ret\n"
         "  .section .debug_info,\"\",@progbits\n.Ldebug_info0:\n  .4byte 0x50\n  .previous\n  nop\n"
         "  .section .debug_str,\"MS\",@progbits,1\n  .string \"x\"; .text; li a0, 1\n",
         "  .file \"f.c\"\n  \nf:\n  \n  \n  ret\n  .section .debug_info,\"\",@progbits\n\n\n  .previous\n  nop\n"
         "  .section .debug_str,\"MS\",@progbits,1\n; .text; li a0, 1\n",
         false, 0},
        // Statements after ';', labels kept; ';' and '#' in quotes and comments are no separators.
        {"main: li x10,5; .option rvc; li x11,6 # .option norvc\n  .ascii \";.option rvc\" /* ; .option rvc\n"
         ".option rvc */ nop\n",
         "main: li x10,5; .option norvc; li x11,6 # .option norvc\n  .ascii \";.option rvc\" /* ; .option rvc\n"
         ".option rvc */ nop\n",
         true, 1},
        {"  .option push\n  .option rvc\n  .option pop\n  .word 0\n",
         "  .option push\n  .option norvc\n  .option pop\n  .word 0\n", true, 2},
        {"  .option rvc\n  .option norvc\n  nop\n  .option arch, +m, +c\n  nop\n",
         "  .option norvc\n  .option norvc\n  nop\n  .option arch, +m\n  nop\n", true, 4},
        {"  nop // .section .debug_info\n  nop\n", "  nop // .section .debug_info\n  nop\n", false, 0},
        // A switch that may not be assembled switches nothing; an instruction is never left out.
        {"  .if 0\n  .section .debug_info\n  .endif\n  .word 1\n  .section .debug_str\n  .word 2\n  addi a0, a0, 1\n",
         "  .if 0\n  .section .debug_info\n  .endif\n  .word 1\n  .section .debug_str\n\n  addi a0, a0, 1\n", false, 0},
    };
    for (const copy_row& r : rows) {
        const assembler_input input = prepare_assembler_input(r.source, "sub/p.s");
        EXPECT_EQ(input.text, "# 1 \"sub/p.s\"\n" + r.copy) << r.source;
        EXPECT_EQ(input.with_compression.has_value(), r.compression_asked) << r.source;
        EXPECT_EQ(input.compression_on ? input.compression_on->line : 0, r.compression_line) << r.source;
    }
}

// Included files are read by orrik and put in place, with markers that keep
// the assembler's lines right in both files; the first statement that asks
// for compression is named in its own file.
TEST(AssemblerInput, IncludedFilesAreReadOnce) {
    const test::scratch_dir dir;
    std::filesystem::create_directory(dir / "sub");
    test::write_file(dir / "sub" / "inc.s", "  nop\n  .option rvc\n");
    const std::string source = "  .include \"inc.s\"; li a0, 1\n  li a1, 2\n  .include \"missing.s\"\n";
    const std::string path = (dir / "sub" / "p.s").string(), inc = (dir / "sub" / "inc.s").string();
    const assembler_input input = prepare_assembler_input(source, path);
    EXPECT_EQ(input.text, "# 1 \"" + path + "\"\n\n# 1 \"" + inc + "\"\n  nop\n  .option norvc\n# 1 \"" + path +
                              "\"\n; li a0, 1\n  li a1, 2\n  .include \"missing.s\"\n");
    ASSERT_TRUE(input.compression_on);
    EXPECT_EQ(input.compression_on->file, inc);
    EXPECT_EQ(input.compression_on->line, 2u);
    ASSERT_TRUE(input.with_compression);
    EXPECT_NE(input.with_compression->find("  .option rvc\n"), std::string::npos);
}

TEST(AssemblerInput, ArchStringsCutToThisMachine) {
    const std::tuple<const char*, bool, const char*> rows[] = {
        {"rv32i2p1_m2p0", false, "rv32im"},
        {"rv32i2p1_m2p0_zmmul1p0", false, "rv32im"},
        {"rv32i2p1_zicsr2p0_zifencei2p0_zmmul1p0", false, "rv32im"},
        {"rv32i2p0_m2p0_a2p0_c2p0", true, "rv32imc"},
        {"rv32i2p0_m2p0_a2p0_c2p0", false, "rv32im"},
        {"rv32imafdc", true, "rv32imc"},
        {"rv32gc", true, "rv32imc"},
        {"rv32i", false, "rv32i"},
        {"rv32e2p0_m2p0", false, "rv32em"},
        {"rv32i2p1_zca1p0", true, "rv32ic"},
        {"x86", false, "x86"},  // nonsense is the assembler's to refuse
    };
    for (const auto& [arch, keep, cut] : rows) EXPECT_EQ(normalised_arch(arch, keep), cut) << arch;
}

}  // namespace
