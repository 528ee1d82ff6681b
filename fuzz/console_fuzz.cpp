// Fuzz target: console command lines and script text against a small loaded
// program. Every '/' of the input becomes '_', so the files that info and dump
// write stay in the folder it runs in (make fuzz gives it a scratch folder).
#include "console.h"
#include "riscv_constants.h"

#include <sstream>

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
    riscv_prog prog;
    for (uint32_t i = 0; i < std::size(words); ++i)
        prog.mem.text[INITIAL_CODE_OFFSET + 4 * i] = decode_instruction(words[i]);
    const std::pair<const char*, uint32_t> labels[] = {
        {"", 0}, {"main", INITIAL_CODE_OFFSET}, {"done", INITIAL_CODE_OFFSET + 24}, {"buf", INITIAL_DATA_OFFSET}, {"10", INITIAL_CODE_OFFSET + 8}};
    for (const auto& [name, address] : labels) {
        prog.mem.label_to_addr[name] = address;
        prog.mem.addr_to_labels[address].push_back(name);
    }
    prog.mem.data[0] = 42;
    prog.set_instr_limit(10000);
    return prog;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    for (char& c : text)
        if (c == '/') c = '_';
    riscv_prog prog = small_program();
    std::istringstream script(text);
    run(script, prog);
    return 0;
}
