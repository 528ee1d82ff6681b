// The routines compiled C calls without defining them (memcpy, __divdi3,
// __addsf3 ...), added to a program that calls them. They are kept as assembly
// units (runtime/*.s, built into orrik as text); the units a program needs
// are chosen by its undefined labels and by what those units call in turn,
// assembled together in one more run of the assembler, and merged into the
// program's object before it is placed: their code after the program's code,
// their data after its data. A program that calls none of them is not touched,
// and one that defines a routine itself keeps its own.
#pragma once

#include "elf_loader.h"

#include <cstdint>
#include <expected>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// One unit of the runtime: its name (the file's, without .s) and its text.
struct runtime_unit {
    std::string_view name;
    std::string_view text;
};

// Every unit built into orrik.
std::vector<runtime_unit> runtime_units();

// Runs the assembler on `text`; returns the object it makes, or why it made none.
using assemble_text = std::function<std::expected<std::vector<uint8_t>, std::string>(const std::string& text)>;

// The units `elf` needs, in the order of `units`: those defining a label the
// program uses without defining, and those these call.
std::vector<runtime_unit> units_needed(const riscv_elf& elf, const std::vector<runtime_unit>& units);

// The text the assembler reads for `units`: one after the other, each unit's
// own labels (those it does not make global) renamed after the unit, so that
// two units' .LBB0_1 or static helpers neither clash with each other nor look
// like the program's labels.
std::string runtime_source(const std::vector<runtime_unit>& units);

// Adds `runtime` (an object of runtime units) to `program`: its sections
// after the program's, its labels after the program's, the program's uses of
// a label that `runtime` defines made uses of that definition. Labels the
// program defines win over the runtime's of the same name.
void merge_runtime(riscv_elf& program, const riscv_elf& runtime);

// Adds the runtime units the program needs, assembling them with `assemble`.
// Nothing happens, and nothing is run, when the program calls none of them.
std::expected<void, std::string> add_runtime(riscv_elf& program, const assemble_text& assemble);
