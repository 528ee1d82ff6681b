#include "hints.h"

#include "describe.h"

#include <sstream>

const std::string_view NO_SYSTEM_CALLS =
    "this machine has no system calls: the program stops at its 'ecall'; end it at a 'done:' label and read "
    "the results at the console (see docs/from-other-simulators.md#seeing-results-without-ecall)";

namespace {

constexpr std::string_view GUIDE = "docs/from-other-simulators.md";

// The instructions that take two operands or more, which other simulators let
// a program write without commas between them.
constexpr std::string_view WITH_OPERANDS =
    "add addi sub and andi or ori xor xori sll slli srl srli sra srai slt slti sltu sltiu lui auipc "
    "mul mulh mulhsu mulhu div divu rem remu lb lh lw lbu lhu sb sh sw "
    "beq bne blt bge bltu bgeu beqz bnez blez bgez bltz bgtz bgt ble bgtu bleu jalr jal "
    "la lla li mv not neg seqz snez sltz sgtz .word .half .byte";

bool starts_with_word(const std::string& statement, std::string_view words) {
    return is_one_of(first_word(statement), words);
}

bool operands_without_commas(const std::string& statement) {
    if (!starts_with_word(statement, WITH_OPERANDS)) return false;
    const std::string operands = statement.substr(first_word(statement).size());
    if (operands.find_first_of(",\"") != std::string::npos) return false;
    std::istringstream words(operands);
    std::string first, second;
    return static_cast<bool>(words >> first >> second);
}

bool rars_macro(const std::string& statement) {
    if (starts_with_word(statement, ".end_macro")) return true;
    return starts_with_word(statement, ".macro") && statement.find_first_of("%(") != std::string::npos;
}

// A list that goes on on the next line: the line ends with a comma.
bool list_goes_on(const std::string& statement) {
    return starts_with_word(statement, ".word .half .byte .2byte .4byte .ascii .asciz .asciiz .string") &&
           statement.ends_with(",");
}

struct idiom {
    bool (*found)(const std::string& statement);
    std::string_view change;
    std::string_view section;
};

const idiom IDIOMS[] = {
    {operands_without_commas, "put a comma between every two operands ('add t2, t0, t1')",
     "put-commas-between-operands"},
    {[](const std::string& s) { return starts_with_word(s, ".asciiz"); },
     "write '.asciz' (or '.string') instead of '.asciiz'", "asciz-not-asciiz"},
    {[](const std::string& s) { return starts_with_word(s, ".include"); },
     "orrik links one file: paste the included file in instead of '.include'", "gnu-macros-and-no-include"},
    {rars_macro,
     "write macros the GNU way: '.macro name a, b', '\\a' in the body, '.endm' at the end (not '%a' and "
     "'.end_macro')",
     "gnu-macros-and-no-include"},
    {list_goes_on, "a list ends at the end of its line: write it on one line, or start the next with its own '.word'",
     "a-word-list-on-each-line"},
    {[](const std::string& s) { return starts_with_word(s, ".eqv"); },
     "write '.equ NAME, value' instead of '.eqv NAME value', and load it with 'li'", "li-for-constants"},
};

}  // namespace

void write_idiom_hints(const std::string& source_path, std::ostream& out) {
    const std::string text = read_text_file(source_path);
    if (text.empty()) return;
    for (const idiom& i : IDIOMS) {
        auto line = first_line_starting(text, "", i.found);
        if (line)
            out << diagnostic_start(source_path, line->number, "note") << i.change << " (see " << GUIDE << "#"
                << i.section << ")" << std::endl;
    }
    if (auto line = first_line_starting(text, "ecall"))
        out << diagnostic_start(source_path, line->number, "note") << NO_SYSTEM_CALLS << std::endl;
}

std::string system_calls_warning(source_lines& source) {
    const auto line = first_line(source, "ecall");
    return diagnostic_start(source.path, line ? std::optional(line->number) : std::nullopt, "warning") +
           std::string(NO_SYSTEM_CALLS);
}
