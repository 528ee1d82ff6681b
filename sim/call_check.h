// What `check calls` holds a running program to: a routine gives back sp, gp,
// tp and s0-s11 as its caller left them, and no instruction reads a register
// that nothing has written yet. The machine runs instruction by instruction
// while the check is on, so that a program run without it pays nothing.
//
// A register counts as written once an instruction or the console's `set` has
// written it. x0, ra and sp count as written from the start: elsewhere the
// program's start gives them their values. A store's value register is no
// read: a routine saves the s registers it uses whatever they hold. The set
// of written registers only grows; `back` does not take a write out of it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct exec_slot;

// The registers a call must give back, in the order a difference is reported.
constexpr std::array<uint8_t, 15> KEPT_REGISTERS = {2, 3, 4, 8, 9, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27};

// Their values at a call.
using kept_values = std::array<int32_t, KEPT_REGISTERS.size()>;

// A register an instruction read before anything had written it.
struct unwritten_read {
    uint32_t pc;
    uint8_t reg;
};

// A routine that returned with a kept register changed.
struct convention_break {
    uint32_t call_site = 0, routine = 0;
    uint8_t reg = 0;
    int32_t before = 0, after = 0;
};

// A call made under the check: where, to what, and the kept registers then.
struct checked_call {
    uint32_t call_site = 0, routine = 0;
    kept_values kept{};
};

struct call_check {
    static constexpr uint32_t WRITTEN_AT_START = 1u << 0 | 1u << 1 | 1u << 2;  // x0, ra, sp

    bool on = false;
    uint32_t written = WRITTEN_AT_START;  // a bit a register
    uint32_t reported = 0;                // registers reported as read before written
    std::vector<unwritten_read> reads;    // reported and not yet shown; the console empties it
    convention_break broken;              // the last break, when a run stopped at one
    // One for each frame of the machine's call stack, the oldest first; empty
    // for a frame made while the check was off.
    std::vector<std::optional<checked_call>> at_call;

    // Notes, once each, the registers that the instruction `s` at `pc` reads
    // before anything wrote them.
    void note_reads(const exec_slot& s, uint32_t pc);
    // Counts the destination of the instruction `s`, which executed, as written.
    void note_write(const exec_slot& s);
};

kept_values kept(const std::array<int32_t, 32>& registers);

// The first kept register whose value differs from its value at the call.
std::optional<std::size_t> first_change(const kept_values& at_call, const std::array<int32_t, 32>& registers);
