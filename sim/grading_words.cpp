// Words of a check script. A check's verdict goes to standard error when it
// fails, and at a terminal to standard output when it holds; the session's
// verdict is its last line and main's status (end_session).
#include "grading_words.h"

#include "debug_words.h"
#include "expect.h"
#include "hex_text.h"
#include "places.h"
#include "printable.h"
#include "register_names.h"

#include <iostream>

namespace {

// The first stop is named: the later ones usually follow from it.
void note_stop(expect_tally& tally, const std::string& message) {
    if (tally.machine_stop.empty()) tally.machine_stop = message;
}

// "sum", "main+8", or the address where no label comes before it.
std::string routine_place(const riscv_prog& prog, uint32_t address) {
    const std::string place = place_of(prog.mem, address);
    return place.empty() ? hex_word(address) : place;
}

std::string convention_message(const riscv_prog& prog) {
    const convention_break& b = prog.broken_convention();
    return "convention: " + routine_place(prog, b.routine) + " (called at " + routine_place(prog, b.call_site) +
           ") returned with " + std::string(register_name(b.reg)) + " changed: " +
           hex_word(static_cast<uint32_t>(b.before)) + " -> " + hex_word(static_cast<uint32_t>(b.after));
}

}  // namespace

bool expect_command(session& s) {
    const expect_outcome outcome = check_expect(s.prog, s.words);
    expect_tally& tally = s.console.tally;
    ++tally.checked;
    const std::string place = " (" + printable(s.from.name) + ":" + std::to_string(s.from.line) + "): ";
    if (!outcome.held) {
        ++tally.failed;
        std::cerr << "expect failed" << place << outcome.text << std::endl;
    } else if (s.console.at_terminal) {
        std::cout << "ok" << place << outcome.text << std::endl;
    }
    return true;
}

bool check_command(session& s) {
    const std::string word = next_word(s.words).value_or("");
    if (word == "calls" || word == "off") s.prog.check_calls(word == "calls");
    else std::cerr << "expected: check <calls|off>" << std::endl;
    return true;
}

void report_call_checks(const session& s) {
    for (const unwritten_read& read : s.prog.take_unwritten_reads())
        std::cerr << "unwritten register: " << register_name(read.reg) << " read at " << where(s.prog, read.pc)
                  << std::endl;
    if (s.prog.stopped.reason == stop_reason::CONVENTION) std::cerr << convention_message(s.prog) << std::endl;
}

void count_stop(const session& s, const std::expected<uint32_t, std::string>& result) {
    const riscv_prog& prog = s.prog;
    if (!result) note_stop(s.console.tally, result.error());
    else if (prog.stopped.reason == stop_reason::CONVENTION) note_stop(s.console.tally, convention_message(prog));
    // A run that used up the session's instructions stops without a message,
    // at whatever the program was doing: a program that loops never ends.
    else if (prog.stopped.reason == stop_reason::LIMIT && !prog.break_points().contains(prog.get_pc()))
        note_stop(s.console.tally, "Hit the instruction limit");
}

int end_session(const expect_tally& tally) {
    if (tally.checked == 0 || (tally.failed == 0 && tally.machine_stop.empty())) return 0;
    std::cerr << tally.failed << " of " << tally.checked << " expects failed";
    if (!tally.machine_stop.empty()) std::cerr << ", and the machine stopped: " << tally.machine_stop;
    std::cerr << std::endl;
    return 1;
}
