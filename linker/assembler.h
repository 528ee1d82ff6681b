// Which command orrik runs as its assembler. clang-15 whenever the search path
// has it: the toolchain is made for that one, and its arguments stay the same.
// Distributions that ship no clang-15 (Debian 13 has clang-17 to clang-19)
// get the newest clang-N with N >= 15 on the path instead, and then plain
// `clang`, whatever its version: it is reached only when nothing else is
// there, and a clang older than 15 still assembles RV32IM programs, so a
// learner is better served by trying it than by being refused outright.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The command to start, looked up in `search_path` (a PATH value: folders
// separated by ':', an empty one meaning the current folder); none when no
// candidate is there as an executable file.
std::optional<std::string> find_assembler(std::string_view search_path);

// The PATH that execvp searches: the environment's, or its default when unset.
std::string assembler_search_path();

// What orrik says when no assembler can be found, before the line it stops with.
extern const char* const NO_ASSEMBLER;

// The assembler's command line. `source` and `object` are paths in orrik's own
// folder: always an explicit output, and nothing that starts with '-' or '@'
// for the driver to read as an option or a file of options.
std::vector<std::string> assembler_arguments(const std::string& assembler, const std::string& source,
                                             const std::string& object);
