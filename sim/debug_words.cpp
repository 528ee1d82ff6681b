// watch, unwatch, bt, print, back N, back run, continue, help WORD, and what
// step, run and back say. Results go to standard output, messages to standard
// error, as for every command; the stop line only at a terminal.
#include "debug_words.h"

#include "console.h"
#include "grading_words.h"
#include "memory_map.h"
#include "places.h"
#include "printable.h"
#include "register_names.h"
#include "stack_overflow.h"

#include <iostream>
#include <string_view>

namespace {

// x, a, s or t and digits: what a register's name looks like, so that print
// reads a9 or x40 as a misspelt register, not as a hexadecimal address.
bool looks_like_register(std::string_view word) {
    return word.size() >= 2 && std::string_view("xast").contains(word[0]) &&
           word.find_first_not_of("0123456789", 1) == std::string_view::npos;
}

// "fill+8 (0x10000024)", or the address alone where no label comes before it.
std::string where(const label_index& labels, uint32_t address) {
    std::ostringstream text;
    const std::string place = labels.place(address);
    if (!place.empty()) text << place << " (";
    hex(text << "0x", address, 8);
    if (!place.empty()) text << ')';
    return text.str();
}

// "0x20000010 <count>", or the address alone.
std::string address_and_place(const riscv_prog& prog, uint32_t address) {
    std::ostringstream text;
    hex(text << "0x", address, 8);
    if (const std::string place = place_of(prog.mem, address); !place.empty()) text << " <" << place << '>';
    return text.str();
}

// The instruction at the address as one line of text, blanks for the list's tabs.
std::string instruction_at(const riscv_prog& prog, uint32_t address) {
    if (!prog.has_instr(address)) return "no instruction here";
    std::ostringstream text;
    text << prog.get_instr(address);
    std::string line = text.str();
    for (char& c : line)
        if (c == '\t') c = ' ';
    return line;
}

std::string mnemonic_at(const riscv_prog& prog, uint32_t address) {
    return prog.has_instr(address) ? prog.get_instr(address).mnemonic : "store";
}

// The store a watch saw, as it went forward or as back undid it.
void print_watch_hit(const riscv_prog& prog, bool undone) {
    const stop_info& hit = prog.stopped;
    const int digits = static_cast<int>(2 * hit.width);
    std::cout << "watch: " << (undone ? "undid " : "") << mnemonic_at(prog, hit.store_pc) << " at "
              << address_and_place(prog, hit.store_pc) << (undone ? ", which wrote " : " wrote ")
              << address_and_place(prog, hit.address) << ": ";
    hex(std::cout << "0x", hit.old_value, digits) << " -> ";
    hex(std::cout << "0x", hit.new_value, digits) << std::endl;
}

const char* reason_text(stop_reason reason, const char* plain) {
    switch (reason) {
        case stop_reason::BREAKPOINT: return "breakpoint";
        case stop_reason::WATCH: return "watch";
        case stop_reason::LIMIT: return "instruction limit";
        case stop_reason::ERROR: return "error";
        case stop_reason::RECORDING_START: return "start of the recording";
        case stop_reason::CONVENTION: return "calling convention";
        default: return plain;
    }
}

void print_stop_line(const riscv_prog& prog, const char* plain) {
    const uint32_t pc = prog.get_pc();
    std::cout << "stopped at " << where(prog, pc) << ", " << reason_text(prog.stopped.reason, plain) << ": "
              << instruction_at(prog, pc) << std::endl;
}

void report_moves(const session& s, const std::expected<uint32_t, std::string>& result, const char* plain,
                  bool undone) {
    if (!result) std::cerr << result.error() << std::endl;
    if (!result && !undone)
        if (auto note = stack_overflow_note(s.prog)) std::cerr << *note << std::endl;
    if (s.prog.stopped.reason == stop_reason::WATCH) print_watch_hit(s.prog, undone);
    if (s.console.at_terminal) print_stop_line(s.prog, plain);
}

// "a0 = 0x00000262 (unsigned 610, signed 610)"
void print_value(const std::string& name, uint32_t value) {
    hex(std::cout << printable(name) << " = 0x", value, 8)
        << " (unsigned " << value << ", signed " << static_cast<int32_t>(value) << ')' << std::endl;
}

bool back_run(session& s) {
    auto result = s.prog.back_run();
    if (!result || s.console.at_terminal) {
        report_moves(s, result, "back", true);
        return true;
    }
    const uint32_t pc = s.prog.get_pc();
    switch (s.prog.stopped.reason) {
        case stop_reason::WATCH: print_watch_hit(s.prog, true); break;
        case stop_reason::BREAKPOINT: std::cout << "back run: breakpoint at " << where(s.prog, pc) << std::endl; break;
        default: std::cout << "back run: start of the recording, at " << where(s.prog, pc) << std::endl; break;
    }
    return true;
}

struct command_help {
    std::string_view word, usage, text;
};

// Every command, in the order help all shows them.
constexpr command_help COMMAND_HELP[] = {
    {"pc", "pc <label>", "sets the pc to the label"},
    {"set", "set <pc|register> <value>", "sets the pc or a register (x0..x31, a0, sp ...) to a label, a decimal or a hexadecimal value"},
    {"step", "step", "executes one instruction, also on a breakpoint and past the instruction limit"},
    {"run", "run", "runs until a breakpoint, a watch, the instruction limit or an error; on a breakpoint, does nothing"},
    {"continue", "continue", "leaves the breakpoint the pc is on, then runs as run does"},
    {"back", "back [count|run]", "undoes the last instruction, or count of them, or runs backwards until a breakpoint, a watched byte's change or the start of the recording"},
    {"break", "break <address>", "sets a breakpoint"},
    {"del", "del <address>", "removes a breakpoint"},
    {"watch", "watch <address> [count]", "stops step, run and back run at a store that changes one of the count data bytes (4 by default)"},
    {"unwatch", "unwatch <address>", "removes the watch set at the address"},
    {"bt", "bt", "shows the calls the program is in, the newest first, with where each was called from"},
    {"print", "print <register|label|address>", "shows a register's value in hex, unsigned and signed decimal; for a label or address, the word or instruction there too"},
    {"list", "list", "shows the instructions around the pc, on standard error"},
    {"mem", "mem <address> [count]", "shows count data bytes (64 by default) as words and characters"},
    {"dump", "dump <file> <address> <len>", "writes len data bytes (hexadecimal, else decimal) to the file, one a line"},
    {"info", "info [registers|labels|steps|written|read|watch|breaks]", "shows the registers, the labels, the instruction count, the watches or the breakpoints, or writes the addresses written or read to written.txt or read.txt"},
    {"expect", "expect <register|pc|steps|mem address> <value>", "checks a value, words from an address or a quoted string; one that fails is reported, and the session ends with status 1"},
    {"check", "check <calls|off>", "stops at a return that changed sp, gp, tp or s0-s11, and reports registers read before anything wrote them"},
    {"script", "script <file>", "runs the commands of the file"},
    {"exit", "exit, quit, q", "ends the console, or the script"},
    {"help", "help [all|command]", "prints the short summary, every command, or one"},
};

void print_help(const command_help& h) { std::cout << h.usage << "\t- " << h.text << std::endl; }

}  // namespace

std::string where(const riscv_prog& prog, uint32_t address) { return where(label_index(prog.mem), address); }

void report_stop(const session& s, const std::expected<uint32_t, std::string>& result) {
    report_call_checks(s);
    report_moves(s, result, "step", false);
    count_stop(s, result);
}

void print_watches(const riscv_prog& prog) {
    if (prog.watches().empty()) std::cout << "no watch set" << std::endl;
    for (const watch& w : prog.watches().watches) {
        std::cout << "watch " << address_and_place(prog, w.address) << ", " << w.count
                  << (w.count == 1 ? " byte" : " bytes");
        if (w.count <= 4) hex(std::cout << ": 0x", load_le(&prog.mem.data[data_index(w.address)], w.count), 2 * static_cast<int>(w.count));
        std::cout << std::endl;
    }
}

void print_breakpoints(const riscv_prog& prog) {
    if (prog.break_points().empty()) std::cout << "no breakpoint set" << std::endl;
    for (uint32_t address : prog.break_points()) std::cout << "break " << address_and_place(prog, address) << std::endl;
}

bool explain_command(const std::string& word) {
    const auto names = [&](const command_help& h) {
        return word == "all" || h.word == word || (h.word == "exit" && (word == "quit" || word == "q"));
    };
    bool known = false;
    for (const command_help& h : COMMAND_HELP) {
        if (!names(h)) continue;
        print_help(h);
        known = true;
    }
    return known;
}

bool back_command(session& s) {
    const auto word = next_word(s.words);
    if (word == "run") return back_run(s);
    // Any other word after back is ignored, as words past a command's arguments are.
    const uint32_t count = word ? digits_value(*word, 10).value_or(1) : 1;
    if (count == 0) return true;
    std::expected<uint32_t, std::string> result;
    for (uint32_t n = 0; n < count && (result = s.prog.back()); ++n) {}
    report_moves(s, result, "back", true);
    return true;
}

bool continue_command(session& s) {
    if (s.prog.break_points().contains(s.prog.get_pc())) {
        auto result = s.prog.step();
        if (!result || s.prog.stopped.reason == stop_reason::WATCH) {
            report_stop(s, result);
            return true;
        }
    }
    report_stop(s, s.prog.run());
    return true;
}

bool watch_command(session& s) {
    const auto asked = read_address_and_count(s, "expected: watch <label|address> [count]", 4);
    if (!asked) return true;
    const auto [address, count] = *asked;
    if (count <= 0) {
        std::cerr << "watch not set: the count must be 1 or more" << std::endl;
        return true;
    }
    if (!in_data_segment(address, static_cast<uint32_t>(count))) {
        outside_data("watch not set", address, static_cast<uint32_t>(count));
        return true;
    }
    s.prog.add_watch(address, static_cast<uint32_t>(count));
    return true;
}

bool unwatch_command(session& s) {
    const auto word = next_word(s.words);
    if (!word) {
        std::cerr << "expected: unwatch <label|address>" << std::endl;
        return true;
    }
    const auto address = address_of(s, *word);
    if (address && !s.prog.remove_watch(*address)) std::cerr << "no watch at " << address_and_place(s.prog, *address) << std::endl;
    return true;
}

bool bt_command(session& s) {
    if (s.prog.instructions_run == 0) {
        std::cerr << "bt: no instruction has run" << std::endl;
        return true;
    }
    const auto& frames = s.prog.calls().frames;
    const std::size_t k = frames.size();
    const label_index labels(s.prog.mem);
    for (std::size_t i = 0; i <= k; ++i) {
        std::cout << '#' << i << ' ' << where(labels, i == 0 ? s.prog.get_pc() : frames[k - i].call_site);
        if (i < k) std::cout << ", called from " << where(labels, frames[k - 1 - i].call_site);
        std::cout << '\n';
    }
    std::cout << std::flush;
    return true;
}

bool print_command(session& s) {
    const auto word = next_word(s.words);
    if (!word) {
        std::cerr << "expected: print <register|label|address>" << std::endl;
        return true;
    }
    if (*word == "pc") {
        print_value(*word, s.prog.get_pc());
        return true;
    }
    if (auto n = register_by_name(*word)) {
        print_value(*word, static_cast<uint32_t>(s.prog.get_register(*n)));
        return true;
    }
    auto address = s.prog.resolve_label(*word);
    if (!address && looks_like_register(*word)) {
        std::cerr << "print: no register " << printable(*word) << " (x0 to x31, zero ra sp gp tp t0-t6 s0-s11 fp a0-a7)"
                  << std::endl;
        return true;
    }
    if (!address) address = address_expression(s.prog, *word);
    if (!address) address = base_value(s.prog, *word);
    if (!address) {
        std::cerr << "print: no register, label or address: " << printable(*word) << std::endl;
        suggest_label(s, *word);
        return true;
    }
    print_value(*word, *address);
    if (in_data_segment(*address, 4)) {
        const uint32_t value = load_le(&s.prog.mem.data[data_index(*address)], 4);
        hex(std::cout << "word at " << address_and_place(s.prog, *address) << " = 0x", value, 8)
            << " (unsigned " << value << ", signed " << static_cast<int32_t>(value) << ')' << std::endl;
    } else if (s.prog.has_instr(*address)) {
        std::cout << "instruction at " << address_and_place(s.prog, *address) << ": " << instruction_at(s.prog, *address)
                  << std::endl;
    }
    return true;
}
