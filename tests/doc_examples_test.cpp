// The documentation's examples, run as a reader would run them: each source a
// page shows is linked with the built orrik, each console session is typed into
// the built tamsel, and what the programs print must be what the page shows.
//
// A page marks the blocks to check with HTML comments, which readers do not see:
//   <!-- file: NAME -->  the next fenced block is the file NAME;
//   <!-- session -->     the next fenced block is a transcript of commands
//   (<!-- session clang-N --> for one that shows what clang-N alone does, skipped
//   under any other assembler):
//     "$ build/orrik F"  and then what orrik prints (standard output and error in order),
//     "$ build/tamsel F" and then the console: ">> COMMAND" lines are typed, the others printed,
//     "$ cat F"          and then the lines of the file F,
//     "$ cat F G > H"    writes F and then G into H,
//     "$ clang-15 ARGS"  and then what clang-15 prints (pages on compiled C).
// The commands run in a scratch folder holding a copy of examples/.
// Words after a "#" on a "$" line are a comment. A line "..." stands for any lines.
#include "test_support.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const std::string ANY_LINES = "...";

struct block {
    std::string marker;  // "file: NAME" or "session"
    std::vector<std::string> lines;
};

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The fenced block after each marker comment, in page order.
std::vector<block> marked_blocks(const std::string& page) {
    std::vector<block> blocks;
    std::string marker;
    bool inside = false;
    for (const std::string& line : split_lines(page)) {
        if (inside) {
            if (line.starts_with("```")) inside = false;
            else blocks.back().lines.push_back(line);
        } else if (line.starts_with("<!-- ") && line.ends_with(" -->")) {
            marker = line.substr(5, line.size() - 9);
        } else if (line.starts_with("```") && !marker.empty()) {
            blocks.push_back({marker, {}});
            marker.clear();
            inside = true;
        }
    }
    return blocks;
}

bool starts_line(const std::string& text, std::size_t at) {
    return at == 0 || text[at - 1] == '\n' || (at >= 3 && text.compare(at - 3, 3, ">> ") == 0);
}

// Whether `text` is the pieces in order with any lines between them: each piece
// after a gap starts a line or follows a prompt.
bool matches(const std::string& text, const std::vector<std::string>& pieces) {
    if (pieces.size() == 1) return text == pieces.front();
    if (!text.starts_with(pieces.front())) return false;
    std::size_t at = pieces.front().size();
    for (std::size_t i = 1; i + 1 < pieces.size(); ++i) {
        while ((at = text.find(pieces[i], at)) != std::string::npos && !starts_line(text, at)) ++at;
        if (at == std::string::npos) return false;
        at += pieces[i].size();
    }
    const std::string& last = pieces.back();
    if (text.size() < at + last.size() || !text.ends_with(last)) return false;
    return last.empty() || starts_line(text, text.size() - last.size());
}

// What a transcript shows a program printing: the pieces between "..." lines,
// and the console lines it types.
struct expectation {
    std::vector<std::string> pieces{""};
    std::string typed;

    void add(const std::string& line, bool console) {
        if (line == ANY_LINES) pieces.emplace_back();
        else if (console && (line == ">>" || line.starts_with(">> "))) {
            typed += (line.size() > 3 ? line.substr(3) : "") + "\n";
            pieces.back() += ">> ";
        } else pieces.back() += line + "\n";
    }
};

std::string shown(const expectation& e) {
    std::string text;
    for (const std::string& piece : e.pieces) text += (&piece == &e.pieces.front() ? "" : ANY_LINES + "\n") + piece;
    return text;
}

// Runs a program with standard error joined to standard output, as on a screen.
std::string run_joined(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& input, const std::filesystem::path& dir) {
    std::vector<std::string> argv = {"/bin/sh", "-c", "exec \"$0\" \"$@\" 2>&1", program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return test::run_program(argv, input, dir).out;
}

// "cat F G > H": H gets the files before the ">" one after another.
bool concatenate(const std::vector<std::string>& arguments, const std::filesystem::path& dir) {
    if (arguments.size() < 3 || arguments[arguments.size() - 2] != ">") return false;
    std::string text;
    for (size_t i = 0; i + 2 < arguments.size(); ++i) text += test::read_file(dir / arguments[i]);
    test::write_file(dir / arguments.back(), text);
    return true;
}

// Carries out one session block; returns what differs from the page.
std::vector<std::string> run_session(const block& session, const std::filesystem::path& dir) {
    std::vector<std::string> problems;
    std::string command, command_line;
    std::vector<std::string> arguments;
    expectation expected;
    const auto finish = [&] {
        if (command.empty()) return;
        std::string actual;
        const std::string argument = arguments.empty() ? "" : arguments.front();
        if (command == "build/orrik") actual = run_joined(ORRIK_PATH, {argument}, "", dir);
        else if (command == "build/tamsel") actual = run_joined(TAMSEL_PATH, {argument}, expected.typed, dir);
        else if (command == "clang-15") actual = run_joined(CLANG15_PATH, arguments, "", dir);
        else if (command == "cat") actual = concatenate(arguments, dir) ? "" : test::read_file(dir / argument);
        else problems.push_back("no such command in a session: " + command);
        if (!matches(actual, expected.pieces))
            problems.push_back("$ " + command_line + "\n--- the page shows:\n" + shown(expected) +
                               "--- the program printed:\n" + actual);
    };
    for (const std::string& line : session.lines) {
        if (line.starts_with("$ ")) {
            finish();
            command_line = line.substr(2);
            std::istringstream words(command_line.substr(0, command_line.find('#')));
            words >> command;
            arguments.clear();
            for (std::string word; words >> word;) arguments.push_back(word);
            expected = {};
        } else {
            expected.add(line, command == "build/tamsel");
        }
    }
    finish();
    return problems;
}

// Writes the page's files and runs its sessions in `dir`, in page order.
std::vector<std::string> check_page(const std::string& page, const std::filesystem::path& dir) {
    std::vector<std::string> problems;
    for (const block& b : marked_blocks(page)) {
        if (b.marker.starts_with("file: ")) {
            std::string text;
            for (const std::string& line : b.lines) text += line + "\n";
            test::write_file(dir / b.marker.substr(6), text);
        } else if (b.marker == "session" || b.marker.starts_with("session clang-")) {
            if (b.marker != "session" && b.marker != "session clang-" + std::to_string(ASSEMBLER_VERSION)) continue;
            for (std::string& problem : run_session(b, dir)) problems.push_back(std::move(problem));
        } else {
            problems.push_back("unknown marker: " + b.marker);
        }
    }
    return problems;
}

struct DocExamples : ::testing::Test {
    void SetUp() override {
        if (std::string(CLANG15_PATH).empty()) GTEST_SKIP() << "clang-15 is not installed";
    }
};

TEST_F(DocExamples, EveryMarkedExampleRunsAsShown) {
    for (const char* name : {"README.md", "docs/console.md", "docs/programming.md", "docs/from-other-simulators.md",
                             "docs/compiled-c.md"}) {
        SCOPED_TRACE(name);
        const std::string page = test::read_file(std::filesystem::path(SOURCE_DIR) / name);
        EXPECT_FALSE(marked_blocks(page).empty()) << "no marked example";
        test::scratch_dir dir;  // with a copy of examples/, which pages may use
        std::filesystem::copy(std::filesystem::path(SOURCE_DIR) / "examples", dir / "examples",
                              std::filesystem::copy_options::recursive);
        for (const std::string& problem : check_page(page, dir.path)) ADD_FAILURE() << problem;
    }
}

// Compiled code keeps the calling convention and reads no register before it
// writes one: under check calls, every program of the compiled-C guide that
// links runs to its end without a word, at -O0 and at -O2.
TEST_F(DocExamples, CheckCallsIsQuietOnCompiledC) {
    test::scratch_dir dir;
    const std::string page = test::read_file(std::filesystem::path(SOURCE_DIR) / "docs/compiled-c.md");
    std::string start;
    std::vector<std::string> programs;
    for (const block& b : marked_blocks(page)) {
        std::string text;
        for (const std::string& line : b.lines) text += line + "\n";
        if (b.marker == "file: start.s") start = text;
        if (!b.marker.starts_with("file: ") || !b.marker.ends_with(".c")) continue;
        if (b.marker == "file: deep.c") continue;  // the guide's stack overflow, which stops on purpose
        programs.push_back(b.marker.substr(6));
        test::write_file(dir / programs.back(), text);
    }
    ASSERT_FALSE(start.empty());
    int linked = 0;
    for (const std::string& program : programs) {
        for (const char* level : {"-O0", "-O2"}) {
            SCOPED_TRACE(program + " " + level);
            const std::vector<std::string> compile = {CLANG15_PATH, "--target=riscv32", "-march=rv32im", "-mabi=ilp32",
                                                      "-S", level, program, "-o", "compiled.s"};
            ASSERT_EQ(test::run_program(compile, "", dir.path).status, 0);
            test::write_file(dir / "prog.s", start + test::read_file(dir / "compiled.s"));
            if (test::run_program({ORRIK_PATH, "prog.s"}, "", dir.path).status != 0) continue;  // calls a library routine
            ++linked;
            const test::run_result r =
                test::run_program({TAMSEL_PATH, "prog.o"}, "pc _start\ncheck calls\nbreak done\nrun\nexpect pc done\n", dir.path);
            EXPECT_EQ(r.err, "");
            EXPECT_EQ(r.status, 0);
        }
    }
    EXPECT_GE(linked, 7);
}

// The checker itself finds a wrong line, a missing line, and a wrong file.
TEST_F(DocExamples, AWrongTranscriptIsFound) {
    const std::string program = "<!-- file: p.s -->\n```\nmain:\n    li x5, 7\ndone:\n    j done\n```\n";
    const std::string right =
        "<!-- session -->\n```\n$ build/orrik p.s\n$ build/tamsel p.o\n>> pc main\n>> step\n>> info registers\n"
        "PC: 0x10000004\n...\nx5: 7\n...\n>> dump d.txt 20000000 1\n>> quit\n$ cat d.txt\n00\n"
        "$ cat d.txt d.txt > two.txt\n$ cat two.txt\n00\n00\n```\n";
    const std::pair<std::string, std::string> wrongs[] = {{"x5: 7", "x5: 8"},
                                                          {"PC: 0x10000004\n...\n", "PC: 0x10000004\n"},
                                                          {"d.txt\n00", "d.txt\n01"},
                                                          {"two.txt\n00\n00", "two.txt\n00"}};
    test::scratch_dir dir;
    EXPECT_EQ(check_page(program + right, dir.path), std::vector<std::string>{});
    for (const auto& [from, to] : wrongs) {
        std::string wrong = right;
        wrong.replace(wrong.find(from), from.size(), to);
        EXPECT_EQ(check_page(program + wrong, dir.path).size(), 1u) << to;
    }
}

}  // namespace
