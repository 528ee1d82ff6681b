#include "misaligned.h"


std::optional<misaligned_code> find_misaligned_code(const riscv_elf& elf, const placement& placed) {
    const auto in_code = [&](int64_t index) {
        return index > 0 && static_cast<size_t>(index) < elf.sections.size() && index < SHN_LORESERVE &&
               is_code_section(elf.sections[static_cast<size_t>(index)]);
    };
    // Code relocations come with instructions; the assembler cannot even align
    // code again after data of an odd size.
    for (const relocation& relo : elf.relocations)
        if (relo.addr % 4 != 0 && in_code(relo.section_index)) return misaligned_code{relo.section_index, true};
    for (const symbol& sym : elf.symtab) {
        if (!in_code(sym.sh_index) || sym.kind == STT_SECTION) continue;
        const auto index = static_cast<size_t>(sym.sh_index);
        const uint32_t offset = sym.value - placed.address[index];
        if (offset % 4 != 0 && offset < elf.sections[index].header.sh_size) return misaligned_code{index, false};
    }
    for (size_t index = 0; index < elf.sections.size(); ++index)
        if (is_code_section(elf.sections[index]) && elf.sections[index].header.sh_size % 4 != 0)
            return misaligned_code{index, false};
    return std::nullopt;
}
