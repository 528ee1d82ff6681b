// Compiled C keeps its stack below its stack pointer x2 (sp). With the stack
// at the start of the data segment, as docs/compiled-c.md's start-up code puts
// it, a stack that grows too deep reaches below 0x20000000, and the load or
// store that gets there stops the run. The message it stops with names the
// memory; this adds the cause a learner would not guess.
#pragma once

#include "simulator.h"

#include <optional>
#include <string>

// How far below the data segment a stack access still counts as an overflow
// rather than a wild pointer.
constexpr uint32_t STACK_OVERFLOW_REACH = 0x10000;

// The line to add after a run's or step's error, when the instruction it
// stopped on is a load or store to just below the data segment, through x2
// or while x2 itself lies there.
std::optional<std::string> stack_overflow_note(const riscv_prog& prog);
