// orrik: assembles one .s file with clang-15 (a copy of it, in a folder of its
// own), places its code at 0x10000000 and its data at 0x20000000, patches the
// relocations of the code and writes the obj file under the source's name with
// 'o' for 's'.
#include "assembler.h"
#include "assembler_input.h"
#include "c_library.h"
#include "compressed.h"
#include "describe.h"
#include "hints.h"
#include "link.h"
#include "printable.h"
#include "runtime.h"
#include "scratch_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <new>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

namespace {

constexpr const char* USAGE = "Usage: ./orrik <risc-v asm file>";

// Two runs of orrik on one source (a double click, make -j) share its object
// file: one would read the object the other is writing. Each run holds an
// advisory lock on the source itself, from before it reads the source until
// its image is in place, so the second waits for the first and nothing is left
// on disk. Returns the locked descriptor, or -1 when the source is no regular
// file or cannot be locked.
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

// How orrik ends: with a status, or as a stop signal that came meanwhile would
// have ended it (once every owner has cleaned up).
struct ending {
    int status = 0;
    int signal = 0;
};

// SIGINT, SIGTERM and SIGHUP are blocked while orrik works, and taken when it
// can act on them: passed on to the assembler, which must not go on after
// orrik has gone, or after the image is written, so that no temporary file is
// left. SIGCHLD is blocked too, for the wait.
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

// The stop signal that came since the last look, or 0.
int pending_stop() {
    const sigset_t set = stop_signals(false);
    const timespec no_wait{};
    const int sig = sigtimedwait(&set, nullptr, &no_wait);
    return sig > 0 ? sig : 0;
}

struct assembler_run {
    int status = -1;  // the wait status; -1 when it could not be started or waited for
    int stop = 0;     // a stop signal that came meanwhile, passed on to the assembler
};

// Waits for the assembler; a stop signal meanwhile is passed on to it.
assembler_run wait_for_assembler(pid_t pid) {
    const sigset_t set = stop_signals(true);
    int stop = 0;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) return {status, stop};
        if (done == -1 && errno != EINTR) return {-1, stop};
        const int sig = sigwaitinfo(&set, nullptr);  // SIGCHLD is pending once the child ends
        if (sig > 0 && sig != SIGCHLD) {
            kill(pid, sig);
            stop = sig;
        }
    }
}

// Runs the assembler on `source`, writing `object`; its standard error goes to
// `messages`, or stays orrik's when that is -1.
assembler_run run_assembler(const std::string& assembler, const std::string& source, const std::string& object,
                            int messages) {
    const std::vector<std::string> args = assembler_arguments(assembler, source, object);
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    argv.push_back(nullptr);

    std::cout.flush();
    std::cerr.flush();
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == -1) return {};
    if (pid == 0) {
        // Killed with orrik, however orrik ends, SIGKILL included; an orrik
        // that ended before that was set leaves a new parent to look for.
        if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent) _exit(1);
        const sigset_t blocked = stop_signals(true);
        sigprocmask(SIG_UNBLOCK, &blocked, nullptr);
        if (messages != -1 && dup2(messages, STDERR_FILENO) == -1) _exit(1);
        execvp(argv[0], const_cast<char* const*>(argv.data()));
        _exit(1);  // not exit: the parent's buffers must not be flushed twice
    }
    return wait_for_assembler(pid);
}

// How assembling stopped: with a message (after the idiom hints when the
// assembler refused the source), or with a stop signal.
struct stopped {
    std::string message;
    bool hints = false;
    int signal = 0;
    std::vector<uint8_t> object;  // the assembler's, to leave under the object's name
};

std::unexpected<stopped> failed(std::string message, bool hints = false) {
    return std::unexpected(stopped{std::move(message), hints, 0, {}});
}

constexpr const char* INVALID = "Error: invalid risc-v assembly file ipnut";
constexpr const char* CRITICAL = "CRITICAL SYSTEM ERROR";

bool exited_with(const assembler_run& run, int status) {
    return run.status != -1 && (run.status & 0x7f) == 0 && ((run.status >> 8) & 0xff) == status;
}

// Compression was asked for somewhere. The copy that keeps it is assembled
// too, its messages unseen: when it assembles and its code differs from the
// plain copy's (or the plain copy could not be assembled, as 'c.li' cannot),
// the program holds compressed code.
std::expected<bool, stopped> compressed(const std::string& assembler, const scratch_folder& folder,
                                        const assembler_input& input, bool plain_assembled) {
    if (auto written = write_text(folder / "compressed.s", *input.with_compression); !written)
        return failed("orrik cannot write its copy of the source: " + written.error());
    const fd_closer quiet{open("/dev/null", O_WRONLY | O_CLOEXEC)};
    const assembler_run run = run_assembler(assembler, folder / "compressed.s", folder / "compressed.o", quiet.fd);
    if (run.stop) return std::unexpected(stopped{"", false, run.stop, {}});
    if (!exited_with(run, 0)) return false;
    if (!plain_assembled) return true;
    const auto plain = read_bytes(folder / "source.o"), kept = read_bytes(folder / "compressed.o");
    if (!plain || !kept) return false;
    const auto a = parse_riscv32i_elf(*plain), b = parse_riscv32i_elf(*kept);
    return a && b && !same_code(*a, *b);
}

// The object the assembler makes of the source's copy.
std::expected<std::vector<uint8_t>, stopped> assemble(const std::string& assembler, const assembler_input& input,
                                             const std::string& fname) {
    scratch_folder folder;
    if (auto made = make_scratch_folder(folder); !made)
        return failed("orrik cannot make a folder for the assembler: " + made.error());
    if (auto written = write_text(folder / "source.s", input.text); !written)
        return failed("orrik cannot write its copy of the source: " + written.error());
    // With a second run to come, the first one's messages wait until it is known whether to show them.
    const bool check = input.with_compression.has_value();
    const fd_closer messages{check ? open((folder / "messages").c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600)
                                   : -1};
    const assembler_run run = run_assembler(assembler, folder / "source.s", folder / "source.o", messages.fd);
    if (run.stop) return std::unexpected(stopped{"", false, run.stop, {}});
    if (run.status == -1 || (run.status & 0x7f) != 0) return failed(CRITICAL);
    const bool assembled = exited_with(run, 0);
    if (check) {
        const auto is_compressed = compressed(assembler, folder, input, assembled);
        if (!is_compressed) return std::unexpected(is_compressed.error());
        if (*is_compressed) {
            const auto& place = input.compression_on;
            auto refusal = failed(diagnostic_start(place ? place->file : fname,
                                                   place ? std::optional(place->line) : std::nullopt, "error") +
                                  std::string(COMPRESSED_REFUSAL));
            refusal.error().object = read_bytes(folder / (assembled ? "source.o" : "compressed.o")).value_or(std::vector<uint8_t>{});
            return refusal;
        }
        if (auto said = read_bytes(folder / "messages"))
            std::cerr << std::string_view(reinterpret_cast<const char*>(said->data()), said->size()) << std::flush;
    }
    if (!assembled) return failed(INVALID, true);
    auto object = read_bytes(folder / "source.o");
    if (!object) return failed("orrik cannot read the assembler's object: " + object.error());
    return std::move(*object);
}

ending link(const std::string& fname) {
    std::string obj_name = fname;
    obj_name.back() = 'o';

    const fd_closer lock{lock_source(fname)};
    const std::optional<std::string> assembler = find_assembler(assembler_search_path());
    if (!assembler) {
        std::cerr << NO_ASSEMBLER << "\n" << INVALID << std::endl;
        return {1};
    }
    // Read once, here: a FIFO gives its text only once, and a file changed
    // meanwhile must not make the assembler and the messages disagree.
    const fd_closer source{lock.fd != -1 ? -1 : open(fname.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY)};
    const int fd = lock.fd != -1 ? lock.fd : source.fd;
    auto text = fd != -1 ? read_source(fd, fname)
                         : std::unexpected("cannot read '" + fname + "': " + std::string(std::strerror(errno)));
    if (!text) {
        std::cerr << diagnostic_start(fname, std::nullopt, "error") << printable(text.error()) << "\n" << INVALID
                  << std::endl;
        return {1};
    }
    const assembler_input input = prepare_assembler_input(*text, fname);

    std::signal(SIGCHLD, SIG_DFL);  // ignored, it would take the assembler's status away
    const sigset_t blocked = stop_signals(true);
    sigprocmask(SIG_BLOCK, &blocked, nullptr);
    auto object = assemble(*assembler, input, fname);
    if (!object && object.error().signal) return {1, object.error().signal};
    if (!object) {
        // As after any refusal, the assembler's object, which tamsel does not load, replaces an older image.
        if (!object.error().object.empty())
            (void)write_obj_file(obj_name, object.error().object);
        if (object.error().hints) write_idiom_hints(fname, std::cerr);
        std::cerr << object.error().message << std::endl;
        return {1};
    }
    // The assembler's object stays under the object's name until the image
    // replaces it, where a refusal leaves it to be looked at.
    if (auto kept = write_obj_file(obj_name, *object); !kept) {
        std::cerr << kept.error() << std::endl;
        return {1};
    }
    auto elf = parse_riscv32i_elf(*object);
    if (!elf) {
        std::cerr << elf.error() << std::endl;
        return {1};
    }
    if (auto refused = c_library_refusals(*elf, fname); !refused.empty()) {
        for (const std::string& line : refused) std::cerr << line << std::endl;
        return {1};
    }
    // The runtime's units go through the same assembler, in a folder of their own.
    int runtime_stop = 0;
    const auto assemble_runtime = [&](const std::string& text) -> std::expected<std::vector<uint8_t>, std::string> {
        auto runtime = assemble(*assembler, assembler_input{text, std::nullopt, std::nullopt}, "orrik's runtime");
        if (runtime) return std::move(*runtime);
        runtime_stop = runtime.error().signal;
        return std::unexpected(runtime.error().message);
    };
    if (auto added = add_runtime(*elf, assemble_runtime); !added) {
        if (runtime_stop) return {1, runtime_stop};
        std::cerr << added.error() << std::endl;
        return {1};
    }
    auto image = link_object(*elf, std::cerr, fname);
    if (!image) {
        std::cerr << image.error() << std::endl;
        return {1};
    }
    if (const int sig = pending_stop()) return {1, sig};
    if (auto written = write_obj_file(obj_name, *image); !written) {
        std::cerr << written.error() << std::endl;
        return {1};
    }
    return {0, pending_stop()};
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
    ending end;
    try {
        end = link(fname);
    } catch (const std::bad_alloc&) {
        std::cerr << "not enough memory to link " << fname << std::endl;
        return 1;
    }
    if (end.signal) end_with_signal(end.signal);
    return end.status;
}
