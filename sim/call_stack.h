// The routines the running program is in, as its calls and returns show them:
// one frame for each call not yet returned from, the newest last.
//
// A jal or jalr that writes ra calls. A jalr that writes x0 and lands on the
// return address of a frame returns from it, and from every frame above it
// (routines left without a return of their own, as a longjmp leaves them).
// Every other jump changes no frame: a tail call (`tail f`, or `j f` into
// another routine) runs the routine it reaches in the frame of the one that
// jumped, and that routine's `ret` returns for both, as on real hardware.
//
// The machine follows calls and returns as it executes them (riscv_prog's
// track_jump, inlined into the jump executors; returns past the newest frame
// in note_event). `back` undoes them like any other change: the undo entry of a
// jump says what it did to the stack (stack_mark), and a return from one frame
// keeps that frame in the entry itself. Only a return from several frames at
// once keeps them here, in `returned`, for as long as back could reach it.
//
// Per-frame data: a field added to call_frame is filled where track_jump
// pushes the frame and seen again where it pops it (the frame is on top then);
// back restores a frame from its call site and routine, or from `returned`.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct call_frame {
    uint32_t call_site = 0;  // the jal or jalr that called
    uint32_t routine = 0;    // where it jumped: the called routine's first instruction

    uint32_t return_address() const { return call_site + 4; }
};

// What a jal or jalr did to the stack, in the low two bits of its undo entry's
// address (call sites are word addresses, so RETURN keeps the site above them).
namespace stack_mark {
constexpr uint32_t NONE = 0, CALL = 1, RETURN = 2, RETURN_SEVERAL = 3, BITS = 3;
}

struct returned_frame {
    uint64_t returned_at;  // the instruction count of the return
    call_frame frame;
};

struct call_stack {
    // Deeper calls are not kept: a program that calls without ever returning
    // would otherwise grow the stack for as long as it runs.
    static constexpr std::size_t MAX_FRAMES = std::size_t{1} << 16;

    std::vector<call_frame> frames;        // the oldest first
    std::vector<returned_frame> returned;  // from returns of several frames, the oldest first

    // How many of the newest frames a jump to `target` returns from: down to
    // the newest frame whose return address it is; 0 when it is none's.
    std::size_t returns_from(uint32_t target) const;

    // Takes `count` frames off for the return that instruction `at` made.
    // Returns older than `oldest` can no longer be undone and are forgotten.
    void return_from(std::size_t count, uint64_t at, uint64_t oldest);

    // Undoes what instruction `at`, a jal or jalr, did to the stack: `mark` and
    // `routine` are its undo entry's address and old value.
    void undo(uint32_t mark, uint32_t routine, uint64_t at);

    void clear() {
        frames.clear();
        returned.clear();
    }
};
