// Reading an assembly source as the assembler reads it, for the linker's
// messages: the statement of a line without its comment and labels, its first
// word, and the lines that name a label or start with a given word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// The number of bytes an alignment directive asks for: ".align 13" and
// ".p2align 13" ask for 8192, ".balign 8192" too; 0 when it says no number.
uint64_t alignment_asked(const std::string& statement);

// The first data directive (".string", ".word" ...) that stands among the
// instructions of code: one that an instruction in code follows. The assembler starts in .text; `.section` names a code
// section by a name starting ".text" or an "x" among its flags.
std::optional<source_line> data_among_instructions(const std::string& text);

// The line where label `name` is defined, or the first statement after it
// when the label stands alone.
std::optional<source_line> labelled_line(const std::string& text, const std::string& name);
