#include "c_library.h"

#include "describe.h"
#include "printable.h"

#include <algorithm>
#include <string_view>

namespace {

// Input and output, memory allocation, the end of the program, time, the
// environment: what needs an operating system or a device.
constexpr std::string_view C_LIBRARY_ROUTINES[] = {
    "printf", "fprintf", "sprintf", "snprintf", "vprintf", "vfprintf", "vsprintf", "vsnprintf", "puts", "fputs",
    "putchar", "fputc", "putc", "getchar", "getc", "fgetc", "gets", "fgets", "scanf", "fscanf", "sscanf",
    "fopen", "fclose", "fread", "fwrite", "fflush", "perror", "malloc", "calloc", "realloc", "free", "exit",
    "_exit", "abort", "atexit", "__assert_fail", "__assert_func", "time", "clock", "rand", "srand", "system",
    "getenv", "atoi", "atol", "strtol", "strtoul", "qsort", "bsearch", "__stack_chk_fail",
};

constexpr std::string_view DOCS_SECTION = "docs/compiled-c.md#no-c-library";

bool is_c_library_routine(const std::string& name) {
    return std::find(std::begin(C_LIBRARY_ROUTINES), std::end(C_LIBRARY_ROUTINES), name) !=
           std::end(C_LIBRARY_ROUTINES);
}

// The compilers name the C source in a file symbol (.file "prog.c"), and
// clang-15 writes calls of routines it does not define as "call NAME@plt".
bool is_compiled_c(const riscv_elf& elf, const std::string& source_text) {
    const bool c_file = std::any_of(elf.symtab.begin(), elf.symtab.end(), [](const symbol& sym) {
        return sym.kind == STT_FILE && (sym.name.ends_with(".c") || sym.name.ends_with(".i"));
    });
    return c_file || source_text.find("@plt") != std::string::npos;
}

}  // namespace

std::vector<std::string> c_library_refusals(const riscv_elf& elf, const std::string& source_path) {
    std::vector<std::string> refusals;
    std::vector<const symbol*> called;
    for (size_t i = 1; i < elf.symtab.size(); ++i)
        if (elf.symtab[i].sh_index == SHN_UNDEF && is_c_library_routine(elf.symtab[i].name)) called.push_back(&elf.symtab[i]);
    if (called.empty()) return refusals;
    const std::string source_text = read_text_file(source_path);
    if (!is_compiled_c(elf, source_text)) return refusals;
    for (const symbol* routine : called) {
        const symbol& sym = *routine;
        const std::vector<source_line> lines = lines_mentioning(source_text, sym.name);
        const auto line = lines.empty() ? std::nullopt : std::optional(lines.front().number);
        refusals.push_back(printable(diagnostic_start(source_path, line, "error") + "'" + sym.name +
                           "' is a C library routine; this machine has no C library (no output, no system calls): see " +
                           std::string(DOCS_SECTION)));
    }
    return refusals;
}
