#include "call_check.h"

#include "simulator.h"

#include <utility>

namespace {

// The format of an operation of the instruction list; a refused word reads and writes nothing.
std::optional<InstructionType> format_of(op operation) {
    const auto row = static_cast<std::size_t>(operation) - 1;  // after op::NONE
    if (operation == op::NONE || row >= std::size(INSTRUCTIONS)) return std::nullopt;
    return INSTRUCTIONS[row].format;
}

uint32_t bit(uint8_t reg) { return uint32_t{1} << reg; }

// The registers an instruction's value depends on: a store's value register is
// only copied to memory, so it is left out.
uint32_t registers_read(const exec_slot& s) {
    switch (format_of(s.operation).value_or(J_TYPE)) {
        case R_TYPE:
        case B_TYPE: return bit(s.rs1) | bit(s.rs2);
        case I_TYPE:
        case S_TYPE: return bit(s.rs1);
        case U_TYPE:
        case J_TYPE: return 0;
    }
    return 0;
}

}  // namespace

void call_check::note_reads(const exec_slot& s, uint32_t pc) {
    const uint32_t unwritten = registers_read(s) & ~written & ~reported;
    for (uint8_t reg = 0; reg < 32; ++reg)
        if (unwritten & bit(reg)) reads.push_back({pc, reg});
    reported |= unwritten;
}

void call_check::note_write(const exec_slot& s) {
    const auto format = format_of(s.operation);
    if (format && *format != S_TYPE && *format != B_TYPE) written |= bit(s.rd);
}

kept_values kept(const std::array<int32_t, 32>& registers) {
    kept_values values{};
    for (std::size_t i = 0; i < KEPT_REGISTERS.size(); ++i) values[i] = registers[KEPT_REGISTERS[i]];
    return values;
}

std::optional<std::size_t> first_change(const kept_values& at_call, const std::array<int32_t, 32>& registers) {
    for (std::size_t i = 0; i < KEPT_REGISTERS.size(); ++i)
        if (registers[KEPT_REGISTERS[i]] != at_call[i]) return i;
    return std::nullopt;
}

// What ran before counts as written: every register that is not 0, and the
// destination of every instruction back could still undo.
void riscv_prog::check_calls(bool on) {
    checking.on = on;
    checking.at_call.clear();
    if (!on) return;
    for (uint32_t n = 0; n < NUM_REGISTERS; ++n)
        if (registers[n] != 0) checking.written |= uint32_t{1} << n;
    for (uint64_t back = 1; back <= undo.depth; ++back) {
        const auto it = mem.text.find(undo.entries[(instructions_run - back) & undo.mask].pc);
        if (it != mem.text.end()) checking.note_write(select_op(it->second));
    }
}

// step_recording, with the reads looked at before and the calls and returns after.
std::expected<uint32_t, std::string> riscv_prog::step_checked() {
    const auto it = mem.text.find(program_counter);
    if (check_pc(it != mem.text.end())) return step_recording();  // refused, with its message
    const exec_slot s = select_op(it->second);
    checking.note_reads(s, program_counter);
    std::vector<std::optional<checked_call>>& at_call = checking.at_call;
    const std::size_t depth = stack.frames.size();
    at_call.resize(depth);  // frames made and taken off while the check looked away, or by back
    auto result = step_recording();
    if (!result) return result;
    checking.note_write(s);
    if (stack.frames.size() > depth) {
        const call_frame& frame = stack.frames.back();
        at_call.push_back(checked_call{frame.call_site, frame.routine, kept(registers)});
    } else if (const std::size_t left = stack.frames.size(); left < depth) {
        if (const auto& call = at_call[left]; call && program_counter == call->call_site + 4) {
            if (const auto changed = first_change(call->kept, registers)) {
                const uint8_t reg = KEPT_REGISTERS[*changed];
                checking.broken = {call->call_site, call->routine, reg, call->kept[*changed], registers[reg]};
                stopped.reason = stop_reason::CONVENTION;
            }
        }
        at_call.resize(left);
    }
    return result;
}

// run, one checked step at a time: slower, and only while the check is on.
std::expected<uint32_t, std::string> riscv_prog::run_checked() {
    begin_recording();
    while (instruction_limit == 0 || instructions_run < instruction_limit) {
        if (breakpoints.contains(program_counter)) {
            stopped.reason = stop_reason::BREAKPOINT;
            return program_counter;
        }
        auto result = step_checked();
        if (!result || stopped.reason == stop_reason::WATCH || stopped.reason == stop_reason::CONVENTION) return result;
    }
    stopped.reason = stop_reason::LIMIT;
    return program_counter;
}
