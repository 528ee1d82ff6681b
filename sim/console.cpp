// The command interpreter: a table from command word to handler. Results go to
// standard output; messages and the code listing to standard error. Every line
// there ends with std::endl, so each is flushed as it is written, except the
// lines of mem, flushed together at the end of the command (it writes nothing
// on standard error in between). The files of info and dump are written in
// blocks (a flush per line cost a system call per byte of a dump), whole or
// not at all, by the end of the command.
#include "console.h"

#include "console_words.h"
#include "debug_words.h"
#include "grading_words.h"
#include "memory_map.h"
#include "printable.h"
#include "register_names.h"
#include "riscv_constants.h"
#include "whole_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// mem shows this many bytes a line, and this many when no count is given.
constexpr uint32_t MEM_LINE = 16;
constexpr int MEM_DEFAULT_COUNT = 64;

// A handler returns false when the invocation is to end (the exit commands).
using handler = bool (*)(session&);

bool pc_command(session& s) {
    const auto word = next_word(s.words);
    if (!word) {
        std::cerr << "Expected: pc <label>" << std::endl;
    } else if (auto address = s.prog.resolve_label(*word)) {
        s.prog.set_pc(*address);
    } else {
        std::cerr << "Error: Unable to resolve label: \"" << *word << '"' << std::endl;
        suggest_label(s, *word);
    }
    return true;
}

bool run_command(session& s) {
    report_stop(s, s.prog.run());
    return true;
}

bool step_command(session& s) {
    report_stop(s, s.prog.step());
    return true;
}

bool list_command(session& s) {
    const uint32_t pc = s.prog.get_pc();
    if (!in_code_segment(pc)) {
        std::cout << "pc not set to program memory" << std::endl;
        return true;
    }
    const uint32_t start = code_index(pc) < 20 ? INITIAL_CODE_OFFSET : pc - 20;
    for (uint32_t offset = 0; offset < 60; offset += 4) {
        const uint32_t a = start + offset;
        if (s.prog.has_instr(a)) {
            hex(std::cerr << "0x", a, 8) << ":\t" << s.prog.get_instr(a);
            if (a == pc) std::cerr << "\t<-------";
            std::cerr << std::endl;
        } else if (a == pc) {
            hex(std::cerr << "0x", a, 8) << ":\t<no instruction here>\t<-------" << std::endl;
        }
    }
    return true;
}

void print_registers(const riscv_prog& prog) {
    hex(std::cout << "PC: 0x", prog.get_pc(), 8) << std::endl;
    for (uint32_t n = 0; n < NUM_REGISTERS; ++n) {
        const int32_t v = prog.get_register(n);
        std::cout << 'x' << n << ": ";
        if (v > 128 || v < -128)
            hex(std::cout << "0x", static_cast<uint32_t>(v), 8);
        else
            std::cout << v;
        std::cout << std::endl;
    }
}

// Sorted by address, then name, so the listing is the same on every run.
void print_labels(const riscv_prog& prog) {
    std::vector<std::pair<uint32_t, std::string_view>> labels;
    labels.reserve(prog.mem.label_to_addr.size());
    for (const auto& [name, address] : prog.mem.label_to_addr) labels.emplace_back(address, name);
    std::sort(labels.begin(), labels.end());
    for (const auto& [address, name] : labels) hex(std::cout << printable(name) << ": ", address, 8) << std::endl;
}

// One number a line in lower-case hexadecimal of `width` digits (at most 8).
void put_hex_line(std::FILE* file, uint32_t value, int width) {
    char line[9];
    char* end = put_hex(line, value, width);
    *end++ = '\n';
    std::fwrite(line, 1, static_cast<size_t>(end - line), file);
}

// The files of info and dump are whole or absent; a failure is reported and the console goes on.
void write_output_file(const std::string& fname, const std::function<void(std::FILE*)>& fill) {
    if (auto written = write_whole_file(fname, fill); !written)
        std::cerr << "cannot write " << printable(fname) << ": " << written.error() << std::endl;
}

void write_addresses(const char* fname, const std::set<uint32_t>& addresses) {
    write_output_file(fname, [&](std::FILE* file) {
        for (auto it = addresses.begin(); it != addresses.end() && !std::ferror(file); ++it) put_hex_line(file, *it, 8);
    });
}

bool info_command(session& s) {
    const std::string target = next_word(s.words).value_or("");
    if (target.empty() || target == "registers") print_registers(s.prog);
    else if (target == "labels") print_labels(s.prog);
    else if (target == "written") write_addresses("written.txt", s.prog.addresses_written);
    else if (target == "read") write_addresses("read.txt", s.prog.addresses_read);
    else if (target == "steps")
        std::cout << "Instructions Executed: " << s.prog.instructions_run << std::endl;
    else if (target == "watch") print_watches(s.prog);
    else if (target == "breaks") print_breakpoints(s.prog);
    else
        std::cerr << "unrecognized info target: " << printable(target) << " (registers, labels, written, read or steps)"
                  << std::endl;
    return true;
}

bool set_command(session& s) {
    const auto target = next_word(s.words);
    const auto word = target ? next_word(s.words) : std::nullopt;
    if (!word) {
        std::cerr << "expected: set <target> <value>" << std::endl;
        return true;
    }
    std::optional<int> value;
    if (auto address = s.prog.resolve_label(*word)) value = static_cast<int>(*address);
    else if (!(value = str_to_int(*word, 10))) value = str_to_int(*word, 16);
    if (!value) {
        std::cerr << "Unparseable value" << std::endl;
        suggest_label(s, *word);
        return true;
    }
    if (*target == "pc") {
        s.prog.set_pc(static_cast<uint32_t>(*value));
    } else if (auto n = register_by_name(*target)) {
        s.prog.set_register(*n, *value);
    } else {
        std::cerr << "unrecognized target" << std::endl;
    }
    return true;
}

template <void (riscv_prog::*apply)(uint32_t)>
bool breakpoint_command(session& s, const char* usage) {
    const auto word = next_word(s.words);
    if (!word) {
        std::cerr << usage << std::endl;
        return true;
    }
    if (auto address = address_of(s, *word)) (s.prog.*apply)(*address);
    return true;
}

bool break_command(session& s) {
    return breakpoint_command<&riscv_prog::register_break_point>(s, "expected: break <label or address in hex>");
}

bool del_command(session& s) {
    return breakpoint_command<&riscv_prog::unregister_break_point>(s, "expected: del <label or address in hex>");
}

bool script_command(session& s) {
    const auto fname = next_word(s.words);
    if (!fname) {
        std::cerr << "expected: script <file name>" << std::endl;
        return true;
    }
    if (s.from.depth >= MAX_SCRIPT_DEPTH) {
        std::cerr << "script not run, scripts are nested more than " << MAX_SCRIPT_DEPTH
                  << " deep: " << *fname << std::endl;
        return true;
    }
    std::ifstream file(*fname);
    std::error_code no_error;
    if (!file || std::filesystem::is_directory(*fname, no_error)) {
        const int error = file ? EISDIR : errno;
        std::cerr << "cannot open script " << printable(*fname) << ": " << std::strerror(error) << std::endl;
        return true;
    }
    run(file, s.console, {*fname, 0, s.from.depth + 1});
    return true;
}

bool dump_command(session& s) {
    const auto fname = next_word(s.words);
    const auto address_word = fname ? next_word(s.words) : std::nullopt;
    const auto length_word = address_word ? next_word(s.words) : std::nullopt;
    if (!length_word) {
        std::cerr << "expected: dump <fname> <label|address> <len>" << std::endl;
        return true;
    }
    const auto address = address_of(s, *address_word);
    if (!address) return true;
    auto length = str_to_int(*length_word, 16);
    if (!length) length = str_to_int(*length_word, 10);
    if (!length) {
        std::cerr << "Unparseable hexadecimal value for len" << std::endl;
        return true;
    }
    const int32_t count = std::max(*length, 0);
    if (count > 0 && !in_data_segment(*address, static_cast<uint32_t>(count))) {
        outside_data("dump not written", *address, static_cast<uint32_t>(count));
        return true;
    }
    const uint32_t first = data_index(*address);
    write_output_file(*fname, [&](std::FILE* file) {
        for (uint32_t i = 0; i < static_cast<uint32_t>(count) && !std::ferror(file); ++i)
            put_hex_line(file, s.prog.mem.data[first + i], 2);
    });
    return true;
}

// One line of mem: the address, four little-endian words (blanks for the bytes
// past `count`), and the bytes as characters.
void print_memory_line(const riscv_prog& prog, uint32_t address, uint32_t count) {
    const uint8_t* bytes = &prog.mem.data[data_index(address)];
    char digits[8];
    std::string line = "0x";
    line.append(digits, put_hex(digits, address, 8));
    line += ':';
    for (uint32_t word = 0; word < MEM_LINE; word += 4) {
        line += ' ';
        for (uint32_t i = word + 4; i-- > word;) {
            if (i < count) line.append(digits, put_hex(digits, bytes[i], 2));
            else line += "  ";
        }
    }
    line += "  |";
    for (uint32_t i = 0; i < count; ++i) line += bytes[i] >= 0x20 && bytes[i] < 0x7f ? static_cast<char>(bytes[i]) : '.';
    std::cout << line << "|\n";
}

bool mem_command(session& s) {
    const auto asked = read_address_and_count(s, "expected: mem <label|address> [count]", MEM_DEFAULT_COUNT);
    if (!asked) return true;
    const auto [address, count] = *asked;
    if (count <= 0) return true;
    uint32_t left = static_cast<uint32_t>(count);
    if (!in_data_segment(address, 1)) {
        outside_data("mem not shown", address, left);
        return true;
    }
    left = std::min(left, SEGMENT_SIZE - data_index(address));  // the segment's rest at most
    for (uint32_t at = address; left > 0; at += MEM_LINE) {
        const uint32_t n = std::min(left, MEM_LINE);
        print_memory_line(s.prog, at, n);
        left -= n;
    }
    std::cout << std::flush;
    return true;
}

bool exit_command(session&) { return false; }

bool help_command(session& s) {
    if (auto word = next_word(s.words); word && explain_command(*word)) return true;
    static const char* const lines[] = {
        "set <register> <value>\t- sets the specified register (including pc) to the specified value. The value can be hexadecimal, decimal or a label",
        "pc <label>\t\t- sets the pc to the specified label",
        "run\t\t\t- runs until we hit a break point",
        "list\t\t\t- displays the instructions surronding the current pc",
        "info <labels|registers>\t- gets information on either what the values of labels are or the value of registers. Register values are in decimal if -128 <= value <= 128, hex otherwise. ",
        "break <label|address>\t- sets a break point at the specified label or address",
        "del   <label|address>\t- sets a break point at the specified label or address",
        "script <script_name>\t- runs the specified script which is just a squence of commands",
        "exit/quit/q\t\t- exits the program",
        "help\t\t\t- prints this help command",
    };
    for (const char* line : lines) std::cout << line << std::endl;
    return true;
}

constexpr std::pair<std::string_view, handler> COMMANDS[] = {
    {"pc", pc_command},     {"run", run_command},       {"step", step_command},   {"list", list_command},
    {"info", info_command}, {"set", set_command},       {"break", break_command}, {"del", del_command},
    {"script", script_command}, {"dump", dump_command}, {"exit", exit_command},   {"quit", exit_command},
    {"q", exit_command},    {"help", help_command},     {"mem", mem_command},     {"back", back_command},
    {"continue", continue_command}, {"watch", watch_command}, {"unwatch", unwatch_command}, {"bt", bt_command},
    {"print", print_command}, {"expect", expect_command}, {"check", check_command},
};

// Returns false when the command ends this invocation.
bool execute_line(const std::string& line, console_state& console, const line_source& from) {
    std::istringstream words(line);
    std::string cmd;
    words >> cmd;
    for (const auto& [name, command] : COMMANDS) {
        if (name == cmd) {
            session s{console, console.prog, words, from};
            return command(s);
        }
    }
    std::cerr << "unrecognized command!" << std::endl;
    std::cerr << "Type: \"help\" to see a list of commands" << std::endl;
    return true;
}

enum class line_read { LINE, TOO_LONG, NONE };

// Reads one line without its line feed; a last line without one counts too.
// At most MAX_LINE bytes are kept: past them the rest of the line is read and
// dropped when `finish_long_lines`, and left unread otherwise. A read error (a
// folder as a script, say) ends the stream like its end; a failed allocation
// goes on up to main rather than passing for the end of the input.
line_read read_command_line(std::istream& is, std::string& line, bool finish_long_lines) {
    const std::istream::sentry ready(is, true);
    if (!ready) return line_read::NONE;
    std::streambuf& in = *is.rdbuf();
    bool too_long = false;
    try {
        for (int c = in.sbumpc(); c != '\n'; c = in.sbumpc()) {
            if (c == std::char_traits<char>::eof()) {
                is.setstate(line.empty() && !too_long ? std::ios::eofbit | std::ios::failbit : std::ios::eofbit);
                break;
            }
            if (line.size() < MAX_LINE) {
                line.push_back(static_cast<char>(c));
                continue;
            }
            too_long = true;
            if (!finish_long_lines) break;
        }
    } catch (const std::bad_alloc&) {
        throw;
    } catch (...) {
        is.setstate(std::ios::badbit);
        return line_read::NONE;
    }
    if (too_long) return line_read::TOO_LONG;
    return is.fail() ? line_read::NONE : line_read::LINE;
}

}  // namespace

bool take_line(const std::string& line, std::string& prev_command, console_state& console, const line_source& from) {
    if (!line.empty()) prev_command = line;
    const std::string& command = line.empty() ? prev_command : line;  // an empty line repeats the last one
    return command.empty() || execute_line(command, console, from);
}

void run(std::istream& is, console_state& console, line_source from) {
    std::string prev_command;
    while (!is.fail()) {  // fail() covers the bad flag too; end-of-file alone goes on
        if (&is == &std::cin) std::cout << PROMPT << std::flush;
        if (!std::cout) return;  // results would be lost: main ends with a message
        std::string line;
        // A script's line is never finished past the bound: `script /dev/zero` has no end.
        const line_read got = read_command_line(is, line, from.depth == 0);
        if (got == line_read::NONE) return;  // nothing was read: the repeated line does not run either
        ++from.line;
        if (got == line_read::TOO_LONG) {
            std::cerr << (from.depth == 0 ? LONG_LINE_MESSAGE : LONG_SCRIPT_LINE_MESSAGE) << std::endl;
            if (from.depth == 0) continue;
            return;
        }
        if (!take_line(line, prev_command, console, from)) return;
    }
}
