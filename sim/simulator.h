// The simulated RV32IM machine: registers, program counter, breakpoints, the
// instruction limit, and the sets of data addresses the program touched.
//
// Each instruction's operation is selected once from its fields (select_op)
// instead of comparing the mnemonic text at every step. mem.text stays the
// source of truth: step selects from it afresh, and run snapshots it into a
// dense table of selected operations for the span of loaded code.
#pragma once

#include "address_filter.h"
#include "call_check.h"
#include "call_stack.h"
#include "instruction_list.h"
#include "loader.h"
#include "memory_map.h"
#include "riscv_constants.h"
#include "undo_log.h"
#include "watch_list.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <limits>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

const uint64_t ONE_MILLION = 1000000;
const std::size_t NUM_REGISTERS = 32;

// The operation an instruction performs, selected from its fields: after
// NONE, one per row of the instruction list in its order. The ILLEGAL_* values
// stand for a word its format's executor refuses.
enum class op : uint8_t {
    NONE,  // no instruction at this address
#define OPERATION(NAME, ...) NAME,
    RV32IM_INSTRUCTIONS(OPERATION)
#undef OPERATION
    ILLEGAL_R, ILLEGAL_I, ILLEGAL_S, ILLEGAL_B, ILLEGAL_U,
    ILLEGAL_TYPE,  // a record whose type is none of the six formats
};

// One instruction ready to execute.
struct exec_slot {
    op operation = op::NONE;
    uint8_t rd = 0, rs1 = 0, rs2 = 0;
    int32_t imm = 0;  // for branches and jal, the whole byte distance
};

exec_slot select_op(const Instruction& instr);

// Why the last step, run or back stopped, for the console to tell.
enum class stop_reason : uint8_t {
    NONE,
    STEP,              // step executed its instruction, back undid its one
    BREAKPOINT,        // run reached one, back run undid its way onto one
    WATCH,             // a store changed a watched byte, or back run undid one that had
    LIMIT,             // run reached the instruction limit
    ERROR,             // the instruction at the pc was refused
    RECORDING_START,   // back run undid all there was to undo
    CONVENTION,        // under check calls, a routine returned with a kept register changed
};

struct stop_info {
    stop_reason reason = stop_reason::NONE;
    // For WATCH, the store: where it was, what it wrote, the bytes before and after it.
    uint32_t store_pc = 0, address = 0, width = 0, old_value = 0, new_value = 0;
};

class riscv_prog {
public:
    riscv_mem mem;
    uint64_t instructions_run = 0;
    std::set<uint32_t> addresses_read;
    std::set<uint32_t> addresses_written;
    stop_info stopped;  // why the last step, run, back or back_run stopped

    riscv_prog() = default;
    // Takes the loaded memory over, so the machine never holds a second data segment.
    explicit riscv_prog(riscv_mem memory) : mem(std::move(memory)) {}
    riscv_prog(const riscv_prog&) = delete;
    riscv_prog& operator=(const riscv_prog&) = delete;
    riscv_prog(riscv_prog&&) = default;
    riscv_prog& operator=(riscv_prog&& other) noexcept;

    std::expected<uint32_t, std::string> run();
    std::expected<uint32_t, std::string> step();
    // Undoes the last executed instruction not yet undone: the pc, the register
    // or the bytes it wrote, the count and its additions to the address sets.
    std::expected<uint32_t, std::string> back();
    // Undoes instructions until the pc is on a breakpoint, an undone store had
    // changed a watched byte, or nothing is left to undo; `stopped` says which.
    // Fails, undoing nothing, when there is nothing to undo.
    std::expected<uint32_t, std::string> back_run();
    void set_instr_limit(uint64_t new_limit) { instruction_limit = new_limit; }
    void clear_addresses_read() {
        addresses_read.clear();
        read_filter.forget();
    }
    void clear_addresses_written() {
        addresses_written.clear();
        written_filter.forget();
    }
    void clear_instrs_run() {
        instructions_run = 0;
        undo.depth = 0;  // the count is the ring's position
        stack.returned.clear();
    }
    void set_register(uint32_t reg_num, int32_t value);
    void set_pc(uint32_t value) { program_counter = value; }
    std::optional<uint32_t> resolve_label(const std::string& label_name) const;
    bool set_memory(uint32_t address, std::span<const uint8_t> bytes);
    void register_break_point(uint32_t address) { breakpoints.insert(address); }
    void unregister_break_point(uint32_t address) { breakpoints.erase(address); }
    const std::set<uint32_t>& break_points() const { return breakpoints; }
    void add_watch(uint32_t address, uint32_t count) { watched.add(address, count); }
    bool remove_watch(uint32_t address) { return watched.remove(address); }
    const watch_list& watches() const { return watched; }
    const call_stack& calls() const { return stack; }
    // check calls: from now on step and run go instruction by instruction and
    // stop (CONVENTION) at a return that changed a register a call must keep.
    void check_calls(bool on);
    bool checking_calls() const { return checking.on; }
    // The reads of registers never written that step and run found since the last call.
    std::vector<unwritten_read> take_unwritten_reads() { return std::exchange(checking.reads, {}); }
    // What the last CONVENTION stop found.
    const convention_break& broken_convention() const { return checking.broken; }
    uint32_t get_pc() const { return program_counter; }
    int32_t get_register(uint32_t reg_num) const { return registers.at(reg_num); }
    const Instruction& get_instr(uint32_t addr) const { return mem.text.at(addr); }
    bool has_instr(uint32_t addr) const { return mem.text.contains(addr); }

private:
    using fault = const char*;  // nullptr on success, else the message

    std::array<int32_t, NUM_REGISTERS> registers{};
    uint32_t program_counter = 0;
    std::set<uint32_t> breakpoints;
    uint64_t instruction_limit = 0;

    address_filter read_filter;
    address_filter written_filter;
    undo_log undo;
    call_stack stack;
    watch_list watched;
    call_check checking;

    // Dense table of selected operations, rebuilt from mem.text by each run.
    // Breakpoint addresses hold op::NONE there, which sends run to its slow path.
    std::vector<exec_slot> table;
    uint32_t table_base = 0;

    void build_table();
    void begin_recording() {
        undo.begin();
        read_filter.begin();
        written_filter.begin();
    }
    // Fills the undo entry of the instruction at the pc with what every
    // instruction may change.
    [[gnu::always_inline]] undo_entry& begin_undo_entry(undo_entry& e, const exec_slot& s) {
        e.pc = program_counter;
        e.old = registers[s.rd];
        e.info = s.rd;
        return e;
    }
    // `count` instructions have run now; the ring holds the new ones.
    void counted(uint64_t count) {
        undo.grow(count - instructions_run);
        instructions_run = count;
    }
    template <bool WATCHING>
    std::expected<uint32_t, std::string> run_loop();
    std::expected<uint32_t, std::string> step_recording();
    std::expected<uint32_t, std::string> step_checked();
    std::expected<uint32_t, std::string> run_checked();
    bool note_event(fault event, undo_entry& e, uint64_t at);
    bool undid_jump(const undo_entry& e) const;
    bool note_store(const undo_entry& e);
    const char* check_pc(bool has_instruction) const;
    template <bool WATCHING>
    fault execute(const exec_slot& s, undo_entry& e);
    template <bool WATCHING>
    fault execute_format(InstructionType format, const exec_slot& s, undo_entry& e);
    fault execute_r_type(const exec_slot& s);
    fault execute_i_type(const exec_slot& s, undo_entry& e);
    template <bool WATCHING>
    fault execute_s_type(const exec_slot& s, undo_entry& e);
    fault execute_b_type(const exec_slot& s);
    fault execute_u_type(const exec_slot& s);
    fault execute_j_type(const exec_slot& s, undo_entry& e);
    template <bool MAY_RETURN>
    fault track_jump(const exec_slot& s, uint32_t from, undo_entry& e);
    fault load(const exec_slot& s, uint32_t address, undo_entry& e, uint32_t& value);
    void write(uint32_t rd, int32_t value) {
        registers[rd] = value;
        registers[0] = 0;
    }
};

std::expected<riscv_prog, std::string> load_riscv_prog(const std::string& fname);
