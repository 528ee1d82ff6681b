// Fuzz target: the ELF reader, then the linker's placing, relocation and
// writing steps, in process and without the assembler.
#include "elf_loader.h"
#include "link.h"

#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto elf = parse_riscv32i_elf(std::span(data, size));
    if (!elf) return 0;
    std::ostringstream warnings;
    auto image = link_object(*elf, warnings);  // R-type relocations come back as errors
    return 0;
}
