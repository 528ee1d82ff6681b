// orrik: assembles one .s file with clang-15, places its code at 0x10000000 and
// its data at 0x20000000, patches the relocations of the code and writes the
// obj file over the assembler's object.
#include "assembler.h"
#include "c_library.h"
#include "hints.h"
#include "link.h"
#include "runtime.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* USAGE = "Usage: ./orrik <risc-v asm file>";

// A name that starts with '-' or '@' would reach clang as an option or as a
// response file to read options from; "./" in front keeps it a file name.
std::string as_operand(const std::string& name) {
    return name.starts_with('-') || name.starts_with('@') ? "./" + name : name;
}

// Two runs of orrik on one source (a double click, make -j) share its object
// file: one would read the object the other's assembler is writing. Each run
// holds an advisory lock on the source itself, from before its assembler
// starts until its image is in place, so the second waits for the first and
// nothing is left on disk. Returns the locked descriptor, or -1 when the source
// is no regular file or cannot be locked (the assembler then says what is wrong).
int lock_source(const std::string& fname) {
    struct stat info {};
    if (stat(fname.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    const int fd = open(fname.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd == -1) return -1;
    int locked = 0;
    while ((locked = flock(fd, LOCK_EX)) == -1 && errno == EINTR) {
    }
    if (locked == -1) {
        close(fd);
        return -1;
    }
    return fd;
}

struct fd_closer {
    int fd;
    ~fd_closer() {
        if (fd != -1) close(fd);
    }
};

// SIGINT, SIGTERM and SIGHUP are blocked while orrik works, and taken when it
// can act on them: passed on to the assembler, which must not go on to write
// its object after orrik has gone, or after the image is written, so that no
// temporary file is left. SIGCHLD is blocked too, for the wait.
sigset_t stop_signals(bool with_child) {
    sigset_t set;
    sigemptyset(&set);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set, sig);
    if (with_child) sigaddset(&set, SIGCHLD);
    return set;
}

// Ends orrik as the signal would have ended it.
[[noreturn]] void end_with_signal(int sig) {
    std::signal(sig, SIG_DFL);
    std::raise(sig);  // pending, as it is blocked
    sigset_t set = stop_signals(false);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    _exit(128 + sig);  // not reached
}

void end_if_stopped() {
    const sigset_t set = stop_signals(false);
    const timespec no_wait{};
    const int sig = sigtimedwait(&set, nullptr, &no_wait);
    if (sig > 0) end_with_signal(sig);
}

// Waits for the assembler; a stop signal meanwhile is passed on to it, and
// once it has ended orrik ends with that signal. Returns the wait status, or -1.
int wait_for_assembler(pid_t pid) {
    const sigset_t set = stop_signals(true);
    int stop = 0;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid && stop) end_with_signal(stop);
        if (done == pid) return status;
        if (done == -1 && errno != EINTR) return -1;
        const int sig = sigwaitinfo(&set, nullptr);  // SIGCHLD is pending once the child ends
        if (sig > 0 && sig != SIGCHLD) {
            kill(pid, sig);
            stop = sig;
        }
    }
}

// Runs the assembler on the source and waits for it; returns the message to stop with, if any.
std::expected<void, std::string> assemble(const std::string& fname, const std::string& obj_name) {
    const std::optional<std::string> assembler = find_assembler(assembler_search_path());
    if (!assembler) return std::unexpected(std::string(NO_ASSEMBLER) + "\nError: invalid risc-v assembly file ipnut");
    const std::string source = as_operand(fname), object = as_operand(obj_name);
    std::vector<const char*> args = {assembler->c_str(), "--target=riscv32", "-march=rv32im", "-nostdlib",
                                     "-Wnoincompatible-library-redeclaration", "-c", source.c_str()};
    // clang writes its object to the current directory unless told otherwise.
    if (fname.find('/') != std::string::npos) {
        args.push_back("-o");
        args.push_back(object.c_str());
    }
    args.push_back(nullptr);

    std::cout.flush();
    std::cerr.flush();
    const pid_t pid = fork();
    if (pid == -1) return std::unexpected("CRITICAL SYSTEM ERROR");
    if (pid == 0) {
        const sigset_t blocked = stop_signals(true);
        sigprocmask(SIG_UNBLOCK, &blocked, nullptr);
        execvp(args[0], const_cast<char* const*>(args.data()));
        _exit(1);  // not exit: the parent's buffers must not be flushed twice
    }
    const int status = wait_for_assembler(pid);
    if (status == -1 || (status & 0x7f) != 0) return std::unexpected("CRITICAL SYSTEM ERROR");
    if (((status >> 8) & 0xff) != 0) return std::unexpected("Error: invalid risc-v assembly file ipnut");
    return {};
}

int link(const std::string& fname) {
    std::string obj_name = fname;
    obj_name.back() = 'o';

    const fd_closer lock{lock_source(fname)};
    std::signal(SIGCHLD, SIG_DFL);  // ignored, it would take the assembler's status away
    const sigset_t blocked = stop_signals(true);
    sigprocmask(SIG_BLOCK, &blocked, nullptr);
    if (auto assembled = assemble(fname, obj_name); !assembled) {
        write_idiom_hints(fname, std::cerr);
        std::cerr << assembled.error() << std::endl;
        return 1;
    }
    auto elf = load_riscv32i_elf(obj_name);
    if (!elf) {
        std::cerr << elf.error() << std::endl;
        return 1;
    }
    if (auto refused = c_library_refusals(*elf, fname); !refused.empty()) {
        for (const std::string& line : refused) std::cerr << line << std::endl;
        return 1;
    }
    if (auto added = add_runtime(*elf, assemble); !added) {
        std::cerr << added.error() << std::endl;
        return 1;
    }
    auto image = link_object(*elf, std::cerr, fname);
    if (!image) {
        std::cerr << image.error() << std::endl;
        return 1;
    }
    end_if_stopped();
    if (auto written = write_obj_file(obj_name, *image); !written) {
        std::cerr << written.error() << std::endl;
        return 1;
    }
    end_if_stopped();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << USAGE << std::endl;
        return 1;
    }
    const std::string fname = argv[1];
    const size_t len = fname.size();
    if (len <= 2 || fname[len - 2] != '.' || fname[len - 1] != 's') {
        std::cerr << "Error: Expected a `.s` file for the asm file and it was not provided" << std::endl;
        std::cerr << USAGE << std::endl;
        return 1;
    }
    try {
        return link(fname);
    } catch (const std::bad_alloc&) {
        std::cerr << "not enough memory to link " << fname << std::endl;
        return 1;
    }
}
