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
    code.unidentified.assign(code.words.size(), false);
    for (size_t i = 0; i < code.words.size(); ++i) {
        if (has_known_opcode(bits(code.words[i], 6, 0))) continue;
        code.unidentified[i] = true;
        note_unidentified(decode_quietly(code.words[i]), seen);
    }
    report_unlisted(seen);
    return code;
}
