// Generated sessions that check `back` against a fresh forward run, outside
// the test suite (it takes a while): `back_check [sessions] [seed]`.
//
// Each session is a random program of every instruction kind and a random
// mix of step, run with a small limit, set and back. A second machine replays
// what should remain after each command: the steps not undone, and the sets,
// except a set of a register that an undone instruction wrote after it
// (back puts that register back as the instruction found it). Both machines
// must agree on registers, pc, count, both address sets and every data byte
// the session touched. Prints the counts, and each disagreement.
#include "encode.h"
#include "simulator.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr uint32_t CODE = 0x10000000;
constexpr uint32_t DATA = 0x20000000;
constexpr int WORDS = 24;

struct command {
    enum { STEP, SET, READ } kind;
    uint32_t reg = 0;                // SET: the register
    int32_t value = 0;               // SET: its value
    std::set<uint32_t> addresses{};  // READ: what a refused load left in the read set
};

uint32_t random_word(std::mt19937& rng, int at) {
    auto reg = [&] { return static_cast<uint32_t>(rng() % 8); };
    auto small = [&] { return static_cast<int32_t>(rng() % 16) - 4; };
    // A target inside the program, as half the byte distance.
    auto target = [&] { return (static_cast<int32_t>(rng() % WORDS) - at) * 2; };
    switch (rng() % 16) {
        case 0: return enc::add(reg(), reg(), reg());
        case 1: return enc::sub(reg(), reg(), reg());
        case 2: return enc::mul(reg(), reg(), reg());
        case 3: return enc::div(reg(), reg(), reg());
        case 4: return enc::addi(reg(), reg(), small());
        case 5: return enc::sltiu(reg(), reg(), small());
        case 6: return enc::lw(reg(), 1, small());
        case 7: return enc::lb(reg(), 1, small());
        case 8: return enc::lhu(reg(), 1, small());
        case 9: return enc::sw(reg(), 1, small());
        case 10: return enc::sb(reg(), 1, small());
        case 11: return enc::sh(reg(), 1, small());
        case 12: return enc::beq(reg(), reg(), target());
        case 13: return enc::bne(reg(), reg(), target());
        case 14: return rng() % 2 ? enc::jal(reg(), target()) : enc::jalr(reg(), 4, static_cast<int32_t>(rng() % WORDS) * 4);
        default: return rng() % 2 ? enc::lui(reg(), rng() % 0x100000) : enc::auipc(reg(), rng() % 4);
    }
}

void load_program(riscv_prog& prog, const std::vector<uint32_t>& words) {
    for (std::size_t i = 0; i < words.size(); ++i)
        prog.mem.text[CODE + 4 * static_cast<uint32_t>(i)] = decode_instruction(words[i]);
    prog.set_pc(CODE);
}

// The register the instruction at the pc writes when it runs, 0 for none.
uint32_t register_written(const riscv_prog& prog) {
    if (!prog.has_instr(prog.get_pc())) return 0;
    const Instruction& instr = prog.get_instr(prog.get_pc());
    return instr.type == S_TYPE || instr.type == B_TYPE ? 0 : instr.rd & 31;
}

// back undid the last step, which wrote `written` (0 for none): the step goes,
// and so do later sets of that register.
void forget_last_step(std::vector<command>& kept, uint32_t written) {
    for (std::size_t i = kept.size(); i-- > 0;) {
        if (kept[i].kind != command::STEP) continue;
        std::vector<command> after(kept.begin() + static_cast<std::ptrdiff_t>(i) + 1, kept.end());
        kept.resize(i);
        for (command& c : after)
            if (!(c.kind == command::SET && written != 0 && c.reg == written)) kept.push_back(std::move(c));
        return;
    }
}

void replay_into(riscv_prog& replay, const std::vector<uint32_t>& words, const std::vector<command>& kept) {
    replay = riscv_prog();
    load_program(replay, words);
    for (const command& c : kept) {
        if (c.kind == command::SET) replay.set_register(c.reg, c.value);
        else if (c.kind == command::STEP) (void)replay.step();
        else replay.addresses_read.insert(c.addresses.begin(), c.addresses.end());
    }
}

// A refused instruction changes nothing but the read set; what it adds there
// stays. Found by refusing it again on a replay.
command refusal(const std::vector<uint32_t>& words, const std::vector<command>& kept) {
    static riscv_prog replay;
    replay_into(replay, words, kept);
    const std::set<uint32_t> before = replay.addresses_read;
    (void)replay.step();
    command c{command::READ};
    for (uint32_t a : replay.addresses_read)
        if (!before.contains(a)) c.addresses.insert(a);
    return c;
}

std::string difference(const riscv_prog& a, const riscv_prog& b, const std::set<uint32_t>& touched) {
    if (a.get_pc() != b.get_pc()) return "pc";
    if (a.instructions_run != b.instructions_run) return "count";
    for (uint32_t n = 0; n < NUM_REGISTERS; ++n)
        if (a.get_register(n) != b.get_register(n)) return "x" + std::to_string(n);
    if (a.addresses_read != b.addresses_read) return "read set";
    if (a.addresses_written != b.addresses_written) return "written set";
    for (uint32_t address : touched)
        if (in_data_segment(address, 1) && a.mem.data[data_index(address)] != b.mem.data[data_index(address)])
            return "data byte " + std::to_string(address);
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    const int sessions = argc > 1 ? std::atoi(argv[1]) : 300;
    std::mt19937 rng(argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1u);
    long commands = 0, backs = 0, comparisons = 0, mismatches = 0;
    riscv_prog prog, replay;  // reused: a machine's data segment is 256 MiB of address space
    for (int session = 0; session < sessions; ++session) {
        std::vector<uint32_t> words;
        for (int i = 0; i < WORDS; ++i) words.push_back(random_word(rng, i));
        prog = riscv_prog();
        load_program(prog, words);
        std::vector<command> kept = {{command::SET, 1, static_cast<int32_t>(DATA + 8)},
                                     {command::SET, 4, static_cast<int32_t>(CODE)}};
        for (const command& c : kept) prog.set_register(c.reg, c.value);
        std::set<uint32_t> touched;
        for (int n = 0; n < 60; ++n, ++commands) {
            const unsigned choice = rng() % 10;
            if (choice < 4 || choice == 9) {  // step, or run of up to 5
                const uint64_t count = prog.instructions_run;
                prog.set_instr_limit(count + 1 + rng() % 5);
                const bool ok = choice == 9 ? prog.run().has_value() : prog.step().has_value();
                kept.insert(kept.end(), prog.instructions_run - count, command{command::STEP});
                if (!ok) kept.push_back(refusal(words, kept));
                touched.insert(prog.addresses_written.begin(), prog.addresses_written.end());
            } else if (choice < 7) {
                const uint32_t reg = 1 + rng() % 7;
                const int32_t value = choice == 6 ? static_cast<int32_t>(DATA + rng() % 32) : static_cast<int32_t>(rng());
                prog.set_register(reg, value);
                kept.push_back({command::SET, reg, value});
            } else {
                ++backs;
                if (prog.back()) forget_last_step(kept, register_written(prog));
            }
            replay_into(replay, words, kept);
            ++comparisons;
            if (const std::string what = difference(prog, replay, touched); !what.empty()) {
                ++mismatches;
                std::printf("session %d, command %d: %s differs\n", session, n, what.c_str());
                break;
            }
        }
    }
    std::printf("%d sessions, %ld commands, %ld backs, %ld comparisons, %ld mismatches\n", sessions, commands, backs,
                comparisons, mismatches);
    return mismatches == 0 ? 0 : 1;
}
