#include "code_words.h"

#include "bits.h"
#include "decoder.h"
#include "little_endian.h"
#include "opcodes.h"
#include "riscv_constants.h"
#include "word_report.h"

#include <algorithm>

code_words build_code(const riscv_elf& elf, const placement& placed) {
    code_words code{std::vector<uint32_t>((placed.code_end - INITIAL_CODE_OFFSET) / 4, NOP), {}};
    for (size_t index : placed.code_order) {
        const std::vector<uint8_t>& bytes = elf.sections[index].contents;
        const size_t first = (placed.address[index] - INITIAL_CODE_OFFSET) / 4;
        for (size_t at = 0; at < bytes.size(); at += 4) {
            const auto count = static_cast<unsigned>(std::min<size_t>(4, bytes.size() - at));
            code.words[first + at / 4] = read_le(bytes, at, count);
        }
    }
    unidentified_words seen;
    code.data.assign(code.words.size(), false);
    for (size_t i = 0; i < code.words.size(); ++i) {
        const uint32_t opcode = bits(code.words[i], 6, 0);
        if (has_known_opcode(opcode)) continue;
        code.data[i] = opcode != OPCODE_SYSTEM;
        note_unidentified(decode_quietly(code.words[i]), seen);
    }
    report_unlisted(seen);
    return code;
}

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
