// The console's words for finding a bug: watched bytes, the call stack, going
// back further, registers by name, and what the machine says at a terminal.
#pragma once

#include "console_words.h"

#include <expected>
#include <optional>
#include <string>

// "fill+8 (0x10000024)", or the address alone where no label comes before it.
std::string where(const riscv_prog& prog, uint32_t address);

// After step, run, continue and back: the machine's message, then what a watch
// saw, then at a terminal the line that says where the machine stopped and why.
void report_stop(const session& s, const std::expected<uint32_t, std::string>& result);

void print_watches(const riscv_prog& prog);
void print_breakpoints(const riscv_prog& prog);

// help WORD: what a command does, or with "all", every command. False, having
// printed nothing, for another word: help then prints its summary as ever.
bool explain_command(const std::string& word);

bool back_command(session& s);
bool continue_command(session& s);
bool watch_command(session& s);
bool unwatch_command(session& s);
bool bt_command(session& s);
bool print_command(session& s);
