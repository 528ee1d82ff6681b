// The six executors: one RV32IM instruction each, at the program counter.
//
// Arithmetic is done on uint32_t so that overflow wraps instead of being
// undefined. Data memory is little-endian whatever the host. Branch and jal
// immediates hold half the byte distance (the linker halves it); select_op
// doubles them. A failing instruction changes nothing, except that lh, lw, lbu
// and lhu record the addresses they tried before refusing.
//
// The executors read the pc once, before they write: a register may alias it
// (int32_t and uint32_t may), so reading it after a write would cost a load
// for every instruction run.
//
// step and run are here too, so the executors inline into them. Before each
// instruction they fill its undo entry with the pc and rd's value; a store adds
// the bytes it overwrites.
#include "simulator.h"

#include "riscv_format.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace {

constexpr const char* OUT_OF_BOUNDS = "Program counter would be set to be out of bounds";

// Not faults: an instruction that executed and has news for the loop takes the
// way out that faults take, so that the others pay nothing for the news.
constexpr char JUMPED[] = "a jump that may return";
constexpr char STORED_NEAR_WATCH[] = "a store near a watched byte";

constexpr uint8_t RA = 1;

bool is_event(const char* message) {
    return message == JUMPED || message == STORED_NEAR_WATCH;
}

}  // namespace

[[gnu::always_inline]] inline riscv_prog::fault riscv_prog::execute_r_type(const exec_slot& s) {
    const uint32_t pc = program_counter;
    if (!has_next_word(pc)) return OUT_OF_BOUNDS;
    const int32_t a = registers[s.rs1], b = registers[s.rs2];
    const uint32_t ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
    uint32_t r = 0;
    switch (s.operation) {
        case op::ADD: r = ua + ub; break;
        case op::SUB: r = ua - ub; break;
        case op::SLL: r = ua << (ub & 31); break;
        case op::SLT: r = a < b; break;
        case op::SLTU: r = ua < ub; break;
        case op::XOR: r = ua ^ ub; break;
        case op::SRL: r = ua >> (ub & 31); break;
        case op::SRA: r = static_cast<uint32_t>(a >> (ub & 31)); break;
        case op::OR: r = ua | ub; break;
        case op::AND: r = ua & ub; break;
        case op::MUL: r = ua * ub; break;
        case op::MULH: r = static_cast<uint32_t>((int64_t{a} * int64_t{b}) >> 32); break;
        case op::MULHSU: r = static_cast<uint32_t>((int64_t{a} * int64_t{ub}) >> 32); break;
        case op::MULHU: r = static_cast<uint32_t>((uint64_t{ua} * uint64_t{ub}) >> 32); break;
        case op::DIV:
            if (b == 0) return "Divide by Zero";
            r = (a == INT32_MIN && b == -1) ? ua : static_cast<uint32_t>(a / b);
            break;
        case op::DIVU:
            if (b == 0) return "Divide Unsigned by Zero";
            r = ua / ub;
            break;
        case op::REM:
            if (b == 0) return "Modulo by Zero";
            r = (a == INT32_MIN && b == -1) ? 0 : static_cast<uint32_t>(a % b);
            break;
        case op::REMU:
            if (b == 0) return "Modulo Unsigned by Zero";
            r = ua % ub;
            break;
        default: return "ILLEGAL R TYPE INSTRUCTION";
    }
    write(s.rd, static_cast<int32_t>(r));
    program_counter = pc + 4;
    return nullptr;
}

// The value at a, into value; rd and the pc are the caller's to write.
[[gnu::always_inline]] inline riscv_prog::fault riscv_prog::load(const exec_slot& s, uint32_t a, undo_entry& e,
                                                               uint32_t& value) {
    switch (s.operation) {
        case op::LB:
            if (!in_data_segment(a, 1)) return "Tries to load bytes from non-data memory";
            read_filter.record(addresses_read, a, e);
            value = static_cast<uint32_t>(int32_t{static_cast<int8_t>(mem.data[data_index(a)])});
            break;
        case op::LBU:
            read_filter.record(addresses_read, a, e);
            if (!in_data_segment(a, 1)) return "Tries to load bytes from non-data memory";
            value = mem.data[data_index(a)];
            break;
        case op::LH:
        case op::LHU: {
            read_filter.record(addresses_read, a, e);
            read_filter.record(addresses_read, a + 1, e);
            if (!in_data_segment(a, 2)) return "Tries to load bytes from non-data memory";
            const uint16_t half = static_cast<uint16_t>(load_le(&mem.data[data_index(a)], 2));
            value = s.operation == op::LH ? static_cast<uint32_t>(int32_t{static_cast<int16_t>(half)}) : half;
            break;
        }
        default: {  // LW
            for (uint32_t i = 0; i < 4; ++i) read_filter.record(addresses_read, a + i, e);
            if (!in_data_segment(a, 4)) return "Tries to load bytes from non-data memory";
            value = load_le(&mem.data[data_index(a)], 4);
            break;
        }
    }
    return nullptr;
}

// The call stack after a jal or jalr from `from`: one that writes ra calls; a
// jalr that writes x0 to the newest frame's return address returns. The
// entry's address, which only stores use otherwise, tells back what changed.
// A jalr to x0 that may return from older frames goes out of line, to the loop.
template <bool MAY_RETURN>
[[gnu::always_inline]] inline riscv_prog::fault riscv_prog::track_jump(const exec_slot& s, uint32_t from, undo_entry& e) {
    e.address = stack_mark::NONE;
    if (s.rd == RA) {
        if (stack.frames.size() < call_stack::MAX_FRAMES) {
            stack.frames.push_back({from, program_counter});
            e.address = stack_mark::CALL;
        }
    } else if (MAY_RETURN && s.rd == 0 && !stack.frames.empty()) {
        const call_frame& top = stack.frames.back();
        if (top.return_address() != program_counter) return JUMPED;
        e.address = top.call_site | stack_mark::RETURN;
        e.old = static_cast<int32_t>(top.routine);  // rd is x0: back writes this to x0, which stays 0
        stack.frames.pop_back();
    }
    return nullptr;
}

[[gnu::always_inline]] inline riscv_prog::fault riscv_prog::execute_i_type(const exec_slot& s, undo_entry& e) {
    const int32_t a = registers[s.rs1];
    const uint32_t ua = static_cast<uint32_t>(a), uimm = static_cast<uint32_t>(s.imm);
    if (s.operation == op::JALR) {
        const uint32_t new_pc = (ua + uimm) & ~1u;
        if (!in_code_segment(new_pc))
            return "Program Counter will be set to not pointing to program data after JALR!";
        const uint32_t from = program_counter;
        write(s.rd, static_cast<int32_t>(from + 4));
        program_counter = new_pc;
        return track_jump<true>(s, from, e);
    }
    const uint32_t pc = program_counter;
    if (!has_next_word(pc)) return OUT_OF_BOUNDS;
    uint32_t r = 0;
    switch (s.operation) {
        case op::ADDI: r = ua + uimm; break;
        case op::SLTI: r = a < s.imm; break;
        case op::SLTIU: r = ua < uimm; break;  // -1 compares as 0xffffffff, as on RISC-V
        case op::XORI: r = ua ^ uimm; break;
        case op::ORI: r = ua | uimm; break;
        case op::ANDI: r = ua & uimm; break;
        case op::SLLI: r = ua << (uimm & 31); break;
        case op::SRLI: r = ua >> (uimm & 31); break;
        case op::SRAI: r = static_cast<uint32_t>(a >> (uimm & 31)); break;
        case op::LB:
        case op::LH:
        case op::LW:
        case op::LBU:
        case op::LHU:
            if (fault message = load(s, ua + uimm, e, r)) return message;
            break;
        default: return "ILLEGAL I TYPE INSTRUCTION";
    }
    write(s.rd, static_cast<int32_t>(r));
    program_counter = pc + 4;
    return nullptr;
}

template <bool WATCHING>
[[gnu::always_inline]] inline riscv_prog::fault riscv_prog::execute_s_type(const exec_slot& s, undo_entry& e) {
    const uint32_t a = static_cast<uint32_t>(registers[s.rs1]) + static_cast<uint32_t>(s.imm);
    const uint32_t pc = program_counter;
    if (!has_next_word(pc)) return OUT_OF_BOUNDS;
    uint32_t width = 0;
    switch (s.operation) {
        case op::SB: width = 1; break;
        case op::SH: width = 2; break;
        case op::SW: width = 4; break;
        default: return "ILLEGAL S TYPE INSTRUCTION";
    }
    if (!in_data_segment(a, width)) return "Tries to store bytes to non-data memory";
    const uint32_t value = static_cast<uint32_t>(registers[s.rs2]);
    e.old = static_cast<int32_t>(load_le(&mem.data[data_index(a)], width));
    e.address = a;
    e.info = width << undo_entry::WIDTH_SHIFT;
    for (uint32_t i = 0; i < width; ++i) written_filter.record(addresses_written, a + i, e);
    store_le(&mem.data[data_index(a)], value, width);
    program_counter = pc + 4;
    if constexpr (WATCHING)
        if (watched.near(a, width)) return STORED_NEAR_WATCH;
    return nullptr;
}

[[gnu::always_inline]] inline riscv_prog::fault riscv_prog::execute_b_type(const exec_slot& s) {
    const int32_t a = registers[s.rs1], b = registers[s.rs2];
    const uint32_t ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
    bool branch = false;
    switch (s.operation) {
        case op::BEQ: branch = a == b; break;
        case op::BNE: branch = a != b; break;
        case op::BLT: branch = a < b; break;
        case op::BGE: branch = a >= b; break;
        case op::BLTU: branch = ua < ub; break;
        case op::BGEU: branch = ua >= ub; break;
        default: return "ILLEGAL B TYPE INSTRUCTION";
    }
    const uint32_t offset = branch ? static_cast<uint32_t>(s.imm) : 4;
    const uint32_t new_pc = program_counter + offset;
    if (!branch_target_ok(new_pc)) return "Would Branch to a non code segment";
    program_counter = new_pc;
    return nullptr;
}

[[gnu::always_inline]] inline riscv_prog::fault riscv_prog::execute_u_type(const exec_slot& s) {
    const uint32_t pc = program_counter;
    if (!has_next_word(pc)) return OUT_OF_BOUNDS;
    const uint32_t upper = static_cast<uint32_t>(s.imm) << 12;
    switch (s.operation) {
        case op::LUI: write(s.rd, static_cast<int32_t>(upper)); break;
        case op::AUIPC: write(s.rd, static_cast<int32_t>(pc + upper)); break;
        default: return "ILLEGAL U TYPE INSTRUCTION";
    }
    program_counter = pc + 4;
    return nullptr;
}

[[gnu::always_inline]] inline riscv_prog::fault riscv_prog::execute_j_type(const exec_slot& s, undo_entry& e) {
    const uint32_t from = program_counter;
    const uint32_t new_pc = from + static_cast<uint32_t>(s.imm);
    if (!in_code_segment(new_pc))
        return "Program Counter will be set to not pointing to program data after JAL!";
    write(s.rd, static_cast<int32_t>(from + 4));
    program_counter = new_pc;
    return track_jump<false>(s, from, e);
}

// The executor of a format. Called with a constant format, it folds to a
// direct call.
template <bool WATCHING>
[[gnu::always_inline]] inline riscv_prog::fault riscv_prog::execute_format(InstructionType format,
                                                                         const exec_slot& s, undo_entry& e) {
    switch (format) {
        case R_TYPE: return execute_r_type(s);
        case I_TYPE: return execute_i_type(s, e);
        case S_TYPE: return execute_s_type<WATCHING>(s, e);
        case B_TYPE: return execute_b_type(s);
        case U_TYPE: return execute_u_type(s);
        case J_TYPE: return execute_j_type(s, e);
    }
    return "ILLEGAL INSTRUCTION TYPE";
}

// One case per operation, each with its own copy of its format's executor:
// the operation is known inside each copy, so its switch folds away and an
// instruction costs one indirect jump.
template <bool WATCHING>
[[gnu::always_inline]] inline riscv_prog::fault riscv_prog::execute(const exec_slot& s, undo_entry& e) {
    switch (s.operation) {
        case op::ILLEGAL_R: return execute_r_type(s);
        case op::ILLEGAL_I: return execute_i_type(s, e);
        case op::ILLEGAL_S: return execute_s_type<WATCHING>(s, e);
        case op::ILLEGAL_B: return execute_b_type(s);
        case op::ILLEGAL_U: return execute_u_type(s);
#define DISPATCH(OPERATION, MNEMONIC, FORMAT, ...) \
    case op::OPERATION: return execute_format<WATCHING>(FORMAT, s, e);
        RV32IM_INSTRUCTIONS(DISPATCH)
#undef DISPATCH
        default: return "ILLEGAL INSTRUCTION TYPE";
    }
}

std::expected<uint32_t, std::string> riscv_prog::step() {
    begin_recording();
    stopped = {stop_reason::STEP};
    auto result = checking.on ? step_checked() : step_recording();
    if (!result) stopped.reason = stop_reason::ERROR;
    return result;
}

// What the loop hears of an executed instruction, the `at`th of the session,
// whose entry is `e`. True when it stops the machine.
[[gnu::noinline, gnu::cold]] bool riscv_prog::note_event(fault event, undo_entry& e, uint64_t at) {
    if (event == STORED_NEAR_WATCH) return note_store(e);
    // A jalr to x0 that is no return from the newest frame: perhaps from an older one.
    if (const std::size_t count = stack.returns_from(program_counter)) {
        stack.return_from(count, at, at >= undo.size() ? at - undo.size() : 0);
        e.address = stack_mark::RETURN_SEVERAL;
    }
    return false;
}

bool riscv_prog::note_store(const undo_entry& e) {
    const uint32_t now = load_le(&mem.data[data_index(e.address)], e.width());
    const uint32_t old = static_cast<uint32_t>(e.old);
    if (!watched.changed(e.address, e.width(), old, now)) return false;
    stopped = {stop_reason::WATCH, e.pc, e.address, e.width(), old, now};
    return true;
}

// step without forgetting what the filters hold: run's slow path.
std::expected<uint32_t, std::string> riscv_prog::step_recording() {
    const auto it = mem.text.find(program_counter);
    if (const char* message = check_pc(it != mem.text.end())) return std::unexpected(message);
    const exec_slot s = select_op(it->second);
    undo_entry& e = begin_undo_entry(undo.entries[instructions_run & undo.mask], s);
    if (fault message = execute<true>(s, e)) {
        if (!is_event(message)) {
            read_filter.keep(e.added());  // a refused load executed nothing to undo
            return std::unexpected(message);
        }
        note_event(message, e, instructions_run);
    }
    counted(instructions_run + 1);
    return program_counter;
}

std::expected<uint32_t, std::string> riscv_prog::run() {
    stopped = {stop_reason::LIMIT};
    if (instruction_limit != 0 && instructions_run >= instruction_limit)
        return std::unexpected("Hit the instruction limit");
    stopped.reason = stop_reason::ERROR;  // unless the loop says otherwise
    if (checking.on) return run_checked();
    build_table();
    begin_recording();
    // Without a watch, stores are not even compared with one.
    return watched.empty() ? run_loop<false>() : run_loop<true>();
}

template <bool WATCHING>
std::expected<uint32_t, std::string> riscv_prog::run_loop() {
    const uint64_t end = instruction_limit == 0 ? std::numeric_limits<uint64_t>::max() : instruction_limit;
    // Locals, not members: the executors' byte stores could alias the members,
    // so the compiler would otherwise load and store them for every instruction.
    const exec_slot* const slots = table.data();
    const size_t table_size = table.size();
    const uint32_t base = table_base;
    undo_entry* const ring = undo.entries.get();
    undo_entry* const ring_end = ring + undo.size();
    uint64_t count = instructions_run;
    undo_entry* e = ring + (count & undo.mask);  // the next instruction's entry
    while (count < end) {
        // Up to the ring's end at most, so that the entry only moves forward.
        const uint64_t bound = std::min<uint64_t>(end, count + static_cast<uint64_t>(ring_end - e));
        while (count < bound) {
            // One comparison for alignment and range: rotated, a misaligned offset
            // has bit 30 or 31 set, and the table never has 2^30 slots.
            const uint32_t index = std::rotr(program_counter - base, 2);
            if (index < table_size && slots[index].operation != op::NONE) {
                const exec_slot& s = slots[index];
                if (fault message = execute<WATCHING>(s, begin_undo_entry(*e, s))) [[unlikely]] {
                    if (!is_event(message)) {
                        read_filter.keep(e->added());
                        counted(count);
                        return std::unexpected(message);
                    }
                    if (note_event(message, *e, count)) {
                        counted(count + 1);
                        return program_counter;
                    }
                }
                ++count;
                ++e;
            } else {
                counted(count);
                if (breakpoints.contains(program_counter)) {
                    stopped.reason = stop_reason::BREAKPOINT;
                    return program_counter;
                }
                if (auto result = step_recording(); !result || stopped.reason == stop_reason::WATCH) return result;
                count = instructions_run;
                e = ring + (count & undo.mask);
                break;
            }
        }
        if (e == ring_end) e = ring;
    }
    counted(count);
    stopped.reason = stop_reason::LIMIT;
    return program_counter;
}
