// Fuzz target: console command lines and script text against a small loaded
// program, a fresh machine for every input (building one costs next to nothing:
// its memory is untouched zero pages until used). Every '/' of the input
// becomes '_', so the files that info and dump write stay in the folder it runs
// in (make fuzz gives it a scratch folder).
#include "console.h"
#include "riscv_constants.h"

#include <iostream>
#include <sstream>
#include <utility>

namespace {

riscv_prog small_program() {
    const uint32_t words[] = {
        0x00100093,  // addi x1, x0, 1
        0x200002b7,  // lui x5, 0x20000
        0x0002a303,  // lw x6, 0(x5)
        0x0012a223,  // sw x1, 4(x5)
        0x0210c3b3,  // div x7, x1, x1
        0xfe209ae3,  // bne x1, x2, -6 (back to the start)
        0x0000006f,  // jal x0, 0
        0x00000073,  // ecall: an unidentified opcode
    };
    riscv_mem mem;
    for (uint32_t i = 0; i < std::size(words); ++i) mem.text[INITIAL_CODE_OFFSET + 4 * i] = decode_instruction(words[i]);
    const std::pair<const char*, uint32_t> labels[] = {
        {"", 0}, {"main", INITIAL_CODE_OFFSET}, {"done", INITIAL_CODE_OFFSET + 24}, {"buf", INITIAL_DATA_OFFSET}, {"10", INITIAL_CODE_OFFSET + 8}};
    for (const auto& [name, address] : labels) {
        mem.label_to_addr[name] = address;
        mem.addr_to_labels[address].push_back(name);
    }
    mem.data[0] = 42;
    riscv_prog prog(std::move(mem));
    prog.set_instr_limit(10000);
    return prog;
}

// A dump may write the whole 256 MiB segment, three characters a byte, and a
// mem show it, nearly five: fine for a user, minutes for one fuzz input. An
// input with a dump or mem of more than 4096 bytes is skipped; its length is
// read the way the console reads it.
bool dumps_too_much(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string command, fname, address, length;
        std::optional<int> bytes;
        if (!(words >> command)) continue;
        if (command == "dump" && words >> fname >> address >> length) {
            bytes = str_to_int(length, 16);
            if (!bytes) bytes = str_to_int(length, 10);
        } else if (command == "mem" && words >> address >> length) {
            bytes = str_to_int(length, 10);
        }
        if (bytes && *bytes > 4096) return true;
    }
    return false;
}

// Standard output and error go to memory for one input: no system call for
// every flushed line, and the format flags that the console leaves set on the
// streams (the decoder's hex on std::cerr) start afresh with each input.
struct captured_output {
    std::ostringstream out, err;
    std::streambuf* const old_out = std::cout.rdbuf(out.rdbuf());
    std::streambuf* const old_err = std::cerr.rdbuf(err.rdbuf());
    ~captured_output() {
        const std::ios fresh(nullptr);
        for (auto [stream, old] : {std::pair<std::ostream*, std::streambuf*>{&std::cout, old_out}, {&std::cerr, old_err}}) {
            stream->rdbuf(old);
            stream->copyfmt(fresh);
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    for (char& c : text)
        if (c == '/') c = '_';
    if (dumps_too_much(text)) return 0;
    const captured_output output;
    riscv_prog prog = small_program();
    std::istringstream script(text);
    console_state console{prog, false, {}};
    run(script, console, {"stdin"});
    return 0;
}
