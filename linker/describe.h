// Words for the linker's messages: where a place is in terms the learner wrote
// (a label and an offset), which defined label a misspelt one was probably
// meant to be, the "FILE:LINE: " start that editors read to jump to the line,
// and each refusal of a relocation.
#pragma once

#include "elf_loader.h"
#include "place.h"
#include "relocate.h"
#include "source_lines.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// "loop+4 in .text": the nearest label at or before the place, in its section.
std::string describe_place(const riscv_elf& elf, const placement& placed, uint32_t section_index, uint32_t offset);

// The symbol a relocation names, as the learner wrote it: "far", "buf+8".
std::string describe_target(const riscv_elf& elf, uint32_t symbol_index, int32_t addend);

// The defined label closest to `name` by spelling, when one is close enough.
std::optional<std::string> closest_label(const riscv_elf& elf, const std::string& name);

// "prog.s:6: error: " where the line is known, "prog.s: error: " where not (the
// form clang's messages have, which editors read); "error: " without a file.
std::string diagnostic_start(const std::string& file, std::optional<size_t> line, std::string_view severity);

// Why orrik refuses a relocation; the words come later, from `worded_refusals`.
enum class refusal_kind : uint8_t {
    UNSUPPORTED,          // a type orrik does not apply
    UNDEFINED_LABEL,
    NO_SUCH_SYMBOL,       // past the symbol table
    OUTSIDE_SECTION,      // `into` does not fit in the section
    PCREL_LO_WITHOUT_HI,
    DATA_IN_CODE,         // a data field in a code section
    INSTRUCTION_IN_DATA,  // an instruction field in a data section
    JUMP_INTO_DATA,       // `text` names the data section
    DATA_LABEL_IN_CODE,   // the label names data among the instructions
    OUT_OF_REACH,         // `number` is the distance
    DOES_NOT_FIT,         // `number` is the value
    WRONG_FORMAT,         // `text` is the patcher's reason
    UNPATCHABLE,          // `text` is the patcher's reason, which stands alone
};

struct refusal {
    refusal_kind kind;
    const relocation* relo;  // one of elf.relocations, whose line the message names
    field into = field::NONE;
    int64_t number = 0;
    std::string text;
};

// Refusals, or warnings of one kind, listed before one more line counts the
// rest, as the decoder's lines are: a program that uses thousands of labels it
// never defines gets a page, not thousands of lines.
constexpr size_t LISTED_LINES = 16;

// One line per refusal (the first LISTED_LINES, then a count), each starting
// "FILE:LINE: error: ", in their order, with control characters made visible.
std::string refusals_text(const std::vector<refusal>& refusals, const riscv_elf& elf,
                                         const placement& placed, source_lines& source);

// Why the surplus nops of an R_RISCV_ALIGN cannot be deleted; the words come
// later, from `alignment_refusal_text`. `at` is the nops' offset in their section.
enum class alignment_fault : uint8_t {
    PAST_THE_END,         // the nops reach past the end of the section
    ODD_COUNT,            // `count` bytes, which no nops fill
    INSIDE_EARLIER_NOPS,  // the nops of the alignment before it hold this one
    TOO_FEW_NOPS,         // `keep` bytes reach a multiple of `boundary`, more than `count`
};

struct alignment_refusal {
    alignment_fault fault;
    uint32_t section_index;
    uint32_t at;
    uint64_t count = 0;
    uint64_t keep = 0;
    uint64_t boundary = 0;
};

// An alignment refusal, worded while the labels still hold offsets in their sections.
std::string alignment_refusal_text(const riscv_elf& elf, const std::string& source_path,
                                   const alignment_refusal& refused);

// A placement refusal, with the line of the alignment directive when that is its cause.
std::string placement_refusal(const riscv_elf& elf, source_lines& source, const std::string& error);

// Data among the instructions that leaves the ones after it off their 4-byte
// boundary would reach the user as a flood of decoder and relocation messages.
// It is refused before, in one message with the directive that put it there.
std::optional<std::string> undecodable_code_refusal(const riscv_elf& elf, const placement& placed,
                                                    source_lines& source);

// The warning about a branch or jal whose distance, a number in the source, is
// not a multiple of 4.
std::string jump_not_in_words(const std::string& instruction, const std::string& place);
// The line that counts those past the listed ones.
std::string jumps_not_in_words_unlisted(uint64_t count);
