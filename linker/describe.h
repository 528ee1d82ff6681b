// Words for the linker's messages: where a place is in terms the learner wrote
// (a label and an offset), which defined label a misspelt one was probably
// meant to be, which lines of the source use a name, and the "FILE:LINE: "
// start that editors read to jump to the line.
#pragma once

#include "elf_loader.h"
#include "place.h"
#include "relocate.h"

#include <cstdint>
#include <functional>
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

// Whether a symbol is a label a learner wrote, rather than a section or file
// entry or one of the assembler's own local names (.L...).
bool is_user_label(const symbol& sym);

struct source_line {
    size_t number;  // from 1
    std::string text;
};

// The whole of a text file; empty when it cannot be read or is not a regular
// file (a FIFO would wait for a writer forever, and the assembler has read it).
std::string read_text_file(const std::string& path);

// What a line says to the assembler: without its comment and without the label
// definitions at its start, trimmed. "loop: addi t0, t0, -1 # next" -> "addi t0, t0, -1".
std::string statement_of(const std::string& line);

// The first word of a statement: its mnemonic or directive.
std::string first_word(const std::string& statement);

// Whether `word` is one of the blank-separated lower-case `words`, in any case
// (the assembler reads "ADDI" as "addi").
bool is_one_of(const std::string& word, std::string_view words);

// The lines of `text` whose statement names `name` as a whole word.
std::vector<source_line> lines_mentioning(const std::string& text, const std::string& name);

// Of those, the lines whose statement starts with one of `words` (a list
// separated by blanks); all of them when none does or `words` is empty.
std::vector<source_line> lines_using(const std::string& text, const std::string& name, std::string_view words);

// The first line whose statement starts with one of `words` (any word when
// `words` is empty) and for which `accept`, when given, holds of the statement.
std::optional<source_line> first_line_starting(const std::string& text, std::string_view words,
                                               const std::function<bool(const std::string&)>& accept = {});

// The words of the source that write a relocation of this type (blank-separated,
// lower case), for finding its line: "beq bne ..." for a branch, the data
// directives for a data field; empty when any word may.
std::string_view words_writing(uint32_t type);

// "prog.s:6: error: " where the line is known, "prog.s: error: " where not (the
// form clang's messages have, which editors read); "error: " without a file.
std::string diagnostic_start(const std::string& file, std::optional<size_t> line, std::string_view severity);

// orrik's refusals of one relocation, without the "FILE:LINE: error: " start.
// `place` is where it patches in describe_place's words, `target` what it names
// in describe_target's.
std::string unsupported(uint32_t type, const std::string& place);
// `line` quotes the source that uses the label, `guess` a defined one spelt alike.
std::string undefined_label(const std::string& name, const std::string& place, const std::optional<source_line>& line,
                            const std::optional<std::string>& guess);
std::string out_of_reach(field into, const std::string& place, const std::string& target, int64_t distance);
std::string outside_section(uint32_t offset, const std::string& section_name, field into);
std::string no_such_symbol(uint32_t offset, uint32_t symbol_index, size_t symbols);
std::string pcrel_lo_without_hi(const std::string& place);
std::string data_in_code(const std::string& place, const std::string& target);
std::string instruction_in_data(uint32_t type, const std::string& place, const std::string& section_name);
std::string jump_into_data(const std::string& label, const std::string& section_name);
std::string value_does_not_fit(int64_t value, field into, const std::string& place);

// The warning about a branch or jal whose distance, a number in the source, is
// not a multiple of 4.
std::string jump_not_in_words(const std::string& instruction, const std::string& place);
