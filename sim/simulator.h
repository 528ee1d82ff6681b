// The simulated RV32IM machine: registers, program counter, breakpoints, the
// instruction limit, and the sets of data addresses the program touched.
//
// Each instruction's operation is selected once from its fields (select_op)
// instead of comparing the mnemonic text at every step. mem.text stays the
// source of truth: step selects from it afresh, and run snapshots it into a
// dense table of selected operations for the span of loaded code.
#pragma once

#include "address_filter.h"
#include "instruction_list.h"
#include "loader.h"
#include "riscv_constants.h"
#include "undo_log.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

const uint64_t ONE_MILLION = 1000000;
const std::size_t NUM_REGISTERS = 32;

// The last address of the code segment.
const uint32_t CODE_LAST = INITIAL_CODE_OFFSET + SEGMENT_SIZE - 1;  // 0x1fffffff

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

class riscv_prog {
public:
    riscv_mem mem;
    uint64_t instructions_run = 0;
    std::set<uint32_t> addresses_read;
    std::set<uint32_t> addresses_written;

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
    void set_instr_limit(uint64_t new_limit) { instruction_limit = new_limit; }
    // Whether run has no instruction left to run before the limit.
    bool at_instr_limit() const { return instruction_limit != 0 && instructions_run >= instruction_limit; }
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
    }
    void set_register(uint32_t reg_num, int32_t value);
    void set_pc(uint32_t value) { program_counter = value; }
    std::optional<uint32_t> resolve_label(const std::string& label_name) const;
    bool set_memory(uint32_t address, std::span<const uint8_t> bytes);
    void register_break_point(uint32_t address) { breakpoints.insert(address); }
    void unregister_break_point(uint32_t address) { breakpoints.erase(address); }
    bool has_break_point(uint32_t address) const { return breakpoints.contains(address); }
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
    std::expected<uint32_t, std::string> step_recording();
    const char* check_pc(bool has_instruction) const;
    fault execute(const exec_slot& s, undo_entry& e);
    fault execute_format(InstructionType format, const exec_slot& s, undo_entry& e);
    fault execute_r_type(const exec_slot& s);
    fault execute_i_type(const exec_slot& s, undo_entry& e);
    fault execute_s_type(const exec_slot& s, undo_entry& e);
    fault execute_b_type(const exec_slot& s);
    fault execute_u_type(const exec_slot& s);
    fault execute_j_type(const exec_slot& s);
    fault load(const exec_slot& s, uint32_t address, undo_entry& e, uint32_t& value);
    void write(uint32_t rd, int32_t value) {
        registers[rd] = value;
        registers[0] = 0;
    }
};

std::expected<riscv_prog, std::string> load_riscv_prog(const std::string& fname);
