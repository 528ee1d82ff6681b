// Run control of the machine: step's checks, the dense table of selected
// operations that lets run skip the hash lookup, and back. step and run
// themselves live beside the executors (execute.cpp), so that those inline
// into them.
#include "simulator.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <type_traits>

// Built on the defaulted move constructor, so a new member moves without being
// listed here. A defaulted assignment would not do: moving a container into
// itself empties it, and a self-move must keep the machine.
static_assert(std::is_nothrow_move_constructible_v<riscv_prog>);
riscv_prog& riscv_prog::operator=(riscv_prog&& other) noexcept {
    if (this == &other) return *this;
    std::destroy_at(this);
    std::construct_at(this, std::move(other));
    return *this;
}

void riscv_prog::set_register(uint32_t reg_num, int32_t value) {
    if (reg_num == 0) return;
    registers.at(reg_num) = value;
    checking.written |= uint32_t{1} << reg_num;
}

std::optional<uint32_t> riscv_prog::resolve_label(const std::string& label_name) const {
    const auto it = mem.label_to_addr.find(label_name);
    if (it == mem.label_to_addr.end()) return std::nullopt;
    return it->second;
}

bool riscv_prog::set_memory(uint32_t address, std::span<const uint8_t> bytes) {
    // An address past the segment is refused even with no bytes to write.
    if (!in_data_segment(address, std::max<uint64_t>(bytes.size(), 1))) return false;
    std::copy(bytes.begin(), bytes.end(), mem.data.begin() + data_index(address));
    return true;
}

// The checks of step that come before any executor, in their order.
const char* riscv_prog::check_pc(bool has_instruction) const {
    if (program_counter & 3) return "Program counter is not aligned!";
    if (!has_instruction) return "Program counter no longer pointing to a legal instruction";
    if (!in_code_segment(program_counter))
        return "Program counter is not pointing to program data!";
    return nullptr;
}

// Snapshot of mem.text for one run: a slot per word from the lowest to the
// highest loaded code address, as long as the code is not spread so thinly
// that the table would outgrow the program. Addresses outside it take the
// ordinary step path.
void riscv_prog::build_table() {
    table.clear();
    uint32_t low = std::numeric_limits<uint32_t>::max(), high = 0;
    for (const auto& [address, instr] : mem.text) {
        if ((address & 3) || !in_code_segment(address)) continue;
        low = std::min(low, address);
        high = std::max(high, address);
    }
    if (low > high) return;
    const uint64_t slots = (uint64_t{high} - low) / 4 + 1;
    if (slots > 4 * mem.text.size() + 4096) return;
    table_base = low;
    table.resize(slots);
    for (const auto& [address, instr] : mem.text) {
        if ((address & 3) || address < low || address > high) continue;
        table[(address - low) / 4] = select_op(instr);
    }
    for (auto it = breakpoints.lower_bound(low); it != breakpoints.end() && *it <= high; ++it)
        if ((*it & 3) == 0) table[(*it - low) / 4].operation = op::NONE;
}

// Each instruction's entry holds what it changed (see undo_log.h); a register
// it did not write is put back to the value it still has.
std::expected<uint32_t, std::string> riscv_prog::back() {
    if (undo.depth == 0 || !undo.entries) {
        stopped = {stop_reason::RECORDING_START};
        if (instructions_run == 0) return std::unexpected("nothing to undo: no instruction has run");
        return std::unexpected("nothing more to undo: back reaches " + std::to_string(undo.size()) +
                               " instructions at most");
    }
    --undo.depth;
    --instructions_run;
    const undo_entry& e = undo.entries[instructions_run & undo.mask];
    stopped = {stop_reason::STEP};
    if (e.width() == 0) {
        read_filter.unrecord(addresses_read, e.added());
        write(e.rd(), e.old);
    } else {
        written_filter.unrecord(addresses_written, e.added());
        const uint32_t old = static_cast<uint32_t>(e.old);
        uint8_t* bytes = &mem.data[data_index(e.address)];
        const uint32_t stored = load_le(bytes, e.width());  // with every later instruction undone, the store's bytes
        store_le(bytes, old, e.width());
        if (watched.changed(e.address, e.width(), old, stored))
            stopped = {stop_reason::WATCH, e.pc, e.address, e.width(), old, stored};
    }
    if (undid_jump(e)) stack.undo(e.address, static_cast<uint32_t>(e.old), instructions_run);
    program_counter = e.pc;
    return program_counter;
}

// Whether the entry is a jal's or jalr's, whose address field holds a stack_mark.
bool riscv_prog::undid_jump(const undo_entry& e) const {
    if (e.width() != 0) return false;
    const auto it = mem.text.find(e.pc);
    if (it == mem.text.end()) return false;
    const op operation = select_op(it->second).operation;
    return operation == op::JAL || operation == op::JALR;
}

std::expected<uint32_t, std::string> riscv_prog::back_run() {
    if (auto first = back(); !first) return first;
    while (stopped.reason != stop_reason::WATCH) {
        if (breakpoints.contains(program_counter)) {
            stopped.reason = stop_reason::BREAKPOINT;
            break;
        }
        if (undo.depth == 0) {
            stopped.reason = stop_reason::RECORDING_START;
            break;
        }
        back();
    }
    return program_counter;
}

std::expected<riscv_prog, std::string> load_riscv_prog(const std::string& fname) {
    auto mem = load_riscv(fname);
    if (!mem) return std::unexpected(std::move(mem.error()));
    return riscv_prog(std::move(*mem));
}
