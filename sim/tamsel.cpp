// tamsel: loads one obj file and hands the machine to the console. A failed
// allocation anywhere ends the program here, with a message and status 1.
#include "console.h"
#include "terminal.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <new>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Usage: ./tamsel <obj file>" << std::endl;
        return 1;
    }
    bool loading = true;
    try {
        auto loaded = load_riscv_prog(std::string(argv[1]));
        if (!loaded) {
            std::cerr << loaded.error() << std::endl;
            return 1;
        }
        loading = false;
        riscv_prog prog = std::move(*loaded);
        prog.set_instr_limit(ONE_MILLION);
        console_state console{prog, false, {}};
        if (!run_at_terminal(console)) run(std::cin, console, {"stdin"});
        const int status = end_session(console.tally);
        if (!std::cout) {
            // A full device or a closed stream: the results are lost, which status 0 would hide.
            const int error = errno;
            std::cerr << "cannot write standard output" << (error ? std::string(": ") + std::strerror(error) : "")
                      << std::endl;
            return 1;
        }
        return status;
    } catch (const std::bad_alloc&) {
        // Written piece by piece: the message itself must not need memory.
        if (loading)
            std::cerr << "not enough memory to load " << argv[1] << std::endl;
        else
            std::cerr << "not enough memory to go on with the console session" << std::endl;
        return 1;
    }
    return 0;
}
