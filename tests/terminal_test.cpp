// The console at a terminal: the built tamsel on a pseudo-terminal, typed at
// key by key. Each line is sent only once the prompt for it is on the screen,
// as a person would: keys typed while a command runs go to the terminal in its
// normal mode, where Ctrl-C is still an interrupt.
#include "encode.h"
#include "test_support.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr uint32_t CODE = 0x10000000;
constexpr auto PATIENCE = std::chrono::seconds(20);  // only against a hang; a prompt comes in milliseconds

// Keys as a terminal in its usual (xterm) mode sends them.
const std::string UP = "\x1b[A", LEFT = "\x1b[D", CTRL_A = "\x01", CTRL_C = "\x03", CTRL_D = "\x04", CTRL_R = "\x12";

// Which of the console's streams are the terminal; the others are files.
enum class attached { BOTH, STDIN_ONLY, STDOUT_ONLY };

struct terminal_session {
    int master = -1;
    pid_t pid = -1;
    std::string screen;  // everything written to the terminal so far
    int status = -1;

    ~terminal_session() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (master >= 0) close(master);
    }

    // Standard error always goes to a file, so that the screen holds standard output alone.
    void start(const test::scratch_dir& dir, attached streams = attached::BOTH) {
        winsize size{};
        size.ws_row = 24;
        size.ws_col = 80;
        pid = forkpty(&master, nullptr, nullptr, &size);
        if (pid != 0) return;
        if (chdir(dir.path.c_str()) != 0) _exit(127);
        setenv("TERM", "xterm", 1);
        const auto redirect = [](const char* path, int flags, int fd) {
            const int file = open(path, flags, 0644);
            if (file < 0 || dup2(file, fd) < 0) _exit(127);
            close(file);
        };
        redirect("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
        if (streams == attached::STDOUT_ONLY) redirect("stdin.txt", O_RDONLY, STDIN_FILENO);
        if (streams == attached::STDIN_ONLY) redirect("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
        execl(TAMSEL_PATH, TAMSEL_PATH, "prog.o", static_cast<char*>(nullptr));
        _exit(127);
    }

    // Reads what the program writes until `done` holds or it ends; false on a hang.
    template <typename Predicate>
    bool read_until(Predicate done) {
        const auto deadline = std::chrono::steady_clock::now() + PATIENCE;
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            pollfd p{master, POLLIN, 0};
            if (poll(&p, 1, 100) <= 0) continue;
            char buffer[4096];
            const ssize_t n = read(master, buffer, sizeof buffer);
            if (n <= 0) return ended();  // the program closed the terminal
            screen.append(buffer, static_cast<std::size_t>(n));
        }
        return true;
    }

    // A fresh prompt starts a line; libedit redraws a line it edits from "\r".
    int prompts() const {
        int count = screen.starts_with(">> ") ? 1 : 0;
        for (std::size_t at = 0; (at = screen.find("\n>> ", at)) != std::string::npos; ++at) ++count;
        return count;
    }

    // Types keys and waits for the next prompt; returns what appeared meanwhile.
    std::string type(const std::string& keys) {
        const std::size_t from = screen.size();
        const int before = prompts();
        EXPECT_EQ(write(master, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
        EXPECT_TRUE(read_until([&] { return prompts() > before; })) << "no prompt after " << keys << ":\n" << screen;
        return screen.substr(from);
    }

    bool ended() {
        if (waitpid(pid, &status, 0) != pid) return false;
        pid = -1;
        return true;
    }

    // Types keys after which the program ends, and collects its exit status.
    bool type_last(const std::string& keys) {
        if (write(master, keys.data(), keys.size()) != static_cast<ssize_t>(keys.size())) return false;
        return read_until([&] { return pid < 0; });
    }
};

struct Terminal : ::testing::Test {
    test::scratch_dir dir;
    terminal_session session;

    void SetUp() override {
        test::obj_builder()
            .magic()
            .code(CODE, {enc::addi(1, 0, 1), enc::addi(2, 0, 2), enc::addi(3, 0, 3), enc::jal(0, 0)})
            .symbol(CODE, "main")
            .symbol(CODE + 12, "done")
            .write(dir / "prog.o");
    }

    std::string errors() const { return test::read_file(dir / "stderr.txt"); }

    void start() {
        session.start(dir);
        ASSERT_TRUE(session.read_until([&] { return session.prompts() == 1; })) << session.screen;
    }
};

TEST_F(Terminal, UpArrowRecallsEarlierLinesAndEnterRepeats) {
    start();
    const auto count = [](int n) { return "Instructions Executed: " + std::to_string(n) + "\r\n"; };
    session.type("pc main\r");
    session.type("step\r");
    session.type("\r");  // repeats step, and is no line of the history
    EXPECT_NE(session.type("info steps\r").find(count(2)), std::string::npos);
    // The history holds each line once where it repeats the one before it.
    EXPECT_NE(session.type(UP + "\r").find(count(2)), std::string::npos);         // info steps
    session.type(UP + UP + "\r");                                                  // step
    EXPECT_NE(session.type(UP + UP + "\r").find(count(3)), std::string::npos);    // info steps
    session.type(UP + UP + UP + UP + UP + "\r");                                   // pc main
    EXPECT_NE(session.type("info registers\r").find("PC: 0x10000000\r\n"), std::string::npos);
    session.type("step\r");
    EXPECT_NE(session.type(CTRL_R + "steps\r").find(count(4)), std::string::npos);  // search back
    EXPECT_EQ(errors(), "");
    EXPECT_TRUE(session.type_last("quit\r"));
    EXPECT_EQ(session.status, 0);
}

TEST_F(Terminal, KeysEditTheLineAndNeverReachTheCommand) {
    start();
    struct row {
        std::string keys;
        std::string shown;  // on standard output after the keys
    };
    const std::string DELETE = "\x1b[3~", CTRL_LEFT = "\x1b[1;5D";
    const row rows[] = {
        {"info stps" + LEFT + LEFT + "e\r", "Instructions Executed: 0\r\n"},
        {"nfo steps" + CTRL_A + "i\r", "Instructions Executed: 0\r\n"},
        // Home, End, Page Up, Insert, F1, F5, Ctrl-Right and Ctrl-F5 as xterm sends them: an
        // error message would say that "pc main" did not arrive whole.
        {"pc ma\x1b[H\x1b[F\x1b[5~\x1b[2~\x1bOP\x1b[15~\x1b[1;5C\x1b[15;5~in\r", ""},
        {"step\r", ""},
        {"steps" + CTRL_LEFT + "info \r", "Instructions Executed: 1\r\n"},
        {"info sxteps" + LEFT + LEFT + LEFT + LEFT + LEFT + DELETE + "\r", "Instructions Executed: 1\r\n"},
    };
    for (const row& r : rows) {
        const std::string shown = session.type(r.keys);
        EXPECT_NE(shown.find(r.shown), std::string::npos) << shown;
    }
    EXPECT_EQ(errors(), "");
}

TEST_F(Terminal, CtrlCDiscardsTheLineAndCtrlDEnds) {
    start();
    // Shown once: keys typed the moment the prompt appears meet the editor, not
    // the terminal's own echo (nor its interrupt character).
    EXPECT_EQ(session.type("pc main\r"), "pc main\r\n>> ");
    const std::string shown = session.type("step garbage" + LEFT + LEFT + CTRL_C);
    EXPECT_NE(shown.find("^C\r\n>> "), std::string::npos) << shown;
    session.type("info steps" + CTRL_C);
    // Neither line ran, and Enter repeats the line before them.
    EXPECT_EQ(session.type("step\r"), "step\r\nstopped at main+4 (0x10000004), step: addi x2, x0, 2\r\n>> ");
    session.type("\r");
    EXPECT_NE(session.type("info steps\r").find("Instructions Executed: 2\r\n"), std::string::npos);
    EXPECT_EQ(errors(), "");
    EXPECT_TRUE(session.type_last(CTRL_D)) << session.screen;
    EXPECT_EQ(session.status, 0);
}

// At a terminal a check that holds says so; one that fails, and the count at
// the end, go to standard error as in a script.
TEST_F(Terminal, ExpectSaysOkAtATerminal) {
    test::write_file(dir / "checks.txt", "expect x1 1\nexpect x2 3\n");
    start();
    session.type("pc main\r");
    session.type("step\r");
    EXPECT_NE(session.type("expect x1 1\r").find("ok (stdin:3): x1 is 1 (0x00000001)\r\n"), std::string::npos);
    EXPECT_NE(session.type("script checks.txt\r").find("ok (checks.txt:1): x1 is 1 (0x00000001)\r\n"),
              std::string::npos);
    EXPECT_TRUE(session.type_last(CTRL_D));
    EXPECT_EQ(errors(), "expect failed (checks.txt:2): x2 is 0 (0x00000000), expected 3 (0x00000003)\n"
                        "1 of 3 expects failed\n");
    EXPECT_TRUE(WIFEXITED(session.status) && WEXITSTATUS(session.status) == 1) << session.status;
}

// At a terminal the machine says where it stopped and why, and a misspelt
// label gets a guess; a pipe sees neither (the console sessions' tests).
TEST_F(Terminal, SaysWhereTheMachineStoppedAndGuessesLabels) {
    start();
    struct row {
        std::string keys;
        std::string shown;  // on standard output after the keys
    };
    const row rows[] = {
        {"step\r", "stopped at 0x00000000, error: no instruction here\r\n"},
        {"pc main\r", "pc main\r\n>> "},
        {"step\r", "stopped at main+4 (0x10000004), step: addi x2, x0, 2\r\n"},
        {"break done\r", "break done\r\n>> "},
        {"run\r", "stopped at done (0x1000000c), breakpoint: jal x0, 0\r\n"},
        {"run\r", "stopped at done (0x1000000c), breakpoint: jal x0, 0\r\n"},
        {"continue\r", "stopped at done (0x1000000c), breakpoint: jal x0, 0\r\n"},
        {"back 2\r", "stopped at main+8 (0x10000008), back: addi x3, x0, 3\r\n"},
        {"back run\r", "stopped at main (0x10000000), start of the recording: addi x1, x0, 1\r\n"},
        {"back\r", "stopped at main (0x10000000), start of the recording: addi x1, x0, 1\r\n"},
    };
    for (const row& r : rows) {
        const std::string shown = session.type(r.keys);
        EXPECT_NE(shown.find(r.shown), std::string::npos) << r.keys << shown;
    }
    session.type("break dnoe\r");
    session.type("pc mian\r");
    session.type("mem mian+4\r");
    session.type("mem zz\r");  // spelt like no label
    EXPECT_EQ(errors(), "Program counter no longer pointing to a legal instruction\n"
                        "nothing to undo: no instruction has run\n"
                        "Unparseable hexadecimal value for address\nno label 'dnoe'; did you mean 'done'?\n"
                        "Error: Unable to resolve label: \"mian\"\nno label 'mian'; did you mean 'main'?\n"
                        "Unparseable hexadecimal value for address\nno label 'mian'; did you mean 'main'?\n"
                        "Unparseable hexadecimal value for address\n");
}

// Only when both are terminals does the editor read: otherwise the bytes are
// those of the piped console, prompts and all, with no terminal control codes.
TEST_F(Terminal, OneSideATerminalReadsAsAStream) {
    test::write_file(dir / "stdin.txt", "pc main\nstep\n\ninfo steps\n");
    session.start(dir, attached::STDOUT_ONLY);
    ASSERT_TRUE(session.read_until([&] { return session.pid < 0; })) << session.screen;
    EXPECT_EQ(session.screen, ">> >> >> >> Instructions Executed: 2\r\n>> ");
    EXPECT_EQ(session.status, 0);

    terminal_session typed;
    typed.start(dir, attached::STDIN_ONLY);
    const std::string keys = "pc main\nstep\n\ninfo steps\n";
    ASSERT_EQ(write(typed.master, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    ASSERT_TRUE(typed.read_until([&] { return test::read_file(dir / "stdout.txt").ends_with("Executed: 2\n>> "); }));
    EXPECT_TRUE(typed.type_last(CTRL_D));
    EXPECT_EQ(test::read_file(dir / "stdout.txt"), ">> >> >> >> Instructions Executed: 2\n>> ");
    EXPECT_EQ(typed.status, 0);
}

}  // namespace
