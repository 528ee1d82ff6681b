// tamsel: loads one obj file and hands the machine to the console.
#include "console.h"
#include "terminal.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Usage: ./tamsel <obj file>" << std::endl;
        return 1;
    }
    auto loaded = load_riscv_prog(std::string(argv[1]));
    if (!loaded) {
        std::cerr << loaded.error() << std::endl;
        return 1;
    }
    riscv_prog prog = std::move(*loaded);
    prog.set_instr_limit(ONE_MILLION);
    if (!run_at_terminal(prog)) run(std::cin, prog);
    return 0;
}
