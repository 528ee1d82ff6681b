// The lines of the learner's source that the linker's messages name: the
// line a relocation came from, and the first line of a given kind. The source
// is read once, when a message first needs it.
#pragma once

#include "elf_loader.h"
#include "source_scan.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct source_lines {
    std::string path;  // empty: no source, and no line in any message
    std::optional<std::string> text;
    std::optional<std::vector<size_t>> nth_use;  // by relocation: earlier ones of its symbol and words
    std::map<std::pair<std::string, std::string_view>, std::vector<source_line>> using_name;  // (name, words)
};

const std::string& text_of(source_lines& source);

// The source line of `relo`, one of elf.relocations; none when it names no
// label the source uses.
std::optional<source_line> line_of(source_lines& source, const riscv_elf& elf, const relocation& relo);

// The line that defines label `name` ("name:"), or the first statement after
// it when the label stands alone on its line.
std::optional<source_line> line_defining(source_lines& source, const std::string& name);

// The first line whose statement starts with one of `words` and, when given,
// that `accept` holds of.
std::optional<source_line> first_line(source_lines& source, std::string_view words,
                                      const std::function<bool(const std::string&)>& accept = {});
