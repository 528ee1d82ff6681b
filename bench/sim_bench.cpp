// Throughput of the decoder, the loader and the machine. Figures are in
// simulated instructions (or words) per second; see docs/performance.md.
#include "../tests/encode.h"
#include "../tests/test_support.h"
#include "riscv_constants.h"
#include "simulator.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr uint32_t CODE = INITIAL_CODE_OFFSET;

riscv_prog machine(const std::vector<uint32_t>& words) {
    riscv_prog prog;
    for (size_t i = 0; i < words.size(); ++i) prog.mem.text[CODE + 4 * static_cast<uint32_t>(i)] = decode_instruction(words[i]);
    return prog;
}

// Both programs count x13 down from a value set by lui, then reach done, where
// a breakpoint ends run (the limit is 0). One word of the loop is 4 bytes;
// branch and jal immediates are half the distance.

// lui x13, 0x80; loop: addi x13, x13, -1; bne x13, x0, loop; done: jal x0, done
const std::vector<uint32_t> TIGHT_LOOP = {enc::lui(13, 0x80), enc::addi(13, 13, -1), enc::bne(13, 0, -2), enc::jal(0, 0)};
constexpr uint32_t TIGHT_DONE = CODE + 12;

// A mix of what programs do: loads and stores, arithmetic, a multiply and a
// divide, a call and a return, and a backward branch; 12 instructions a turn.
const std::vector<uint32_t> MIXED = {
    enc::lui(5, 0x20000),     // x5 = the data segment
    enc::addi(6, 0, 7),       // x6 = 7
    enc::lui(13, 0x14),       // x13 = 81920 turns
    enc::lw(7, 5, 0),         // loop: x7 = [x5]
    enc::add(7, 7, 6),        //   x7 += x6
    enc::sw(7, 5, 0),         //   [x5] = x7
    enc::mul(8, 7, 6),        //   x8 = x7 * x6
    enc::div(9, 8, 6),        //   x9 = x8 / x6
    enc::slli(10, 9, 3),      //   x10 = x9 << 3
    enc::xor_(11, 9, 10),     //   x11 = x9 ^ x10
    enc::jal(1, 8),           //   call f
    enc::addi(13, 13, -1),    //   one turn less
    enc::bne(13, 0, -18),     //   back to loop
    enc::jal(0, 0),           // done: stays here
    enc::addi(12, 12, 1),     // f: x12 += 1
    enc::jalr(0, 1, 0),       //   return
};
constexpr uint32_t MIXED_DONE = CODE + 4 * 13;

void run_to_breakpoint(benchmark::State& state, const std::vector<uint32_t>& words, uint32_t done,
                       bool watching = false) {
    riscv_prog prog = machine(words);
    prog.register_break_point(done);
    // A watched word next to the one the loop stores to: every store is compared, none stops.
    if (watching) prog.add_watch(INITIAL_DATA_OFFSET + 4, 4);
    uint64_t executed = 0;
    for (auto _ : state) {
        prog.set_pc(CODE);
        const uint64_t before = prog.instructions_run;
        auto result = prog.run();
        if (!result || *result != done) state.SkipWithError("the program did not reach done");
        executed += prog.instructions_run - before;
    }
    state.counters["MIPS"] = benchmark::Counter(static_cast<double>(executed) / 1e6, benchmark::Counter::kIsRate);
}

void BM_RunTightLoop(benchmark::State& state) { run_to_breakpoint(state, TIGHT_LOOP, TIGHT_DONE); }
void BM_RunMixed(benchmark::State& state) { run_to_breakpoint(state, MIXED, MIXED_DONE); }
void BM_RunMixedWatching(benchmark::State& state) { run_to_breakpoint(state, MIXED, MIXED_DONE, true); }

void BM_StepTightLoop(benchmark::State& state) {
    riscv_prog prog = machine(TIGHT_LOOP);
    prog.set_pc(CODE + 4);
    prog.set_register(13, -1);  // never reaches 0 again
    for (auto _ : state) benchmark::DoNotOptimize(prog.step());
    state.counters["MIPS"] = benchmark::Counter(static_cast<double>(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

void BM_Decode(benchmark::State& state) {
    std::mt19937 random(1);
    std::vector<uint32_t> words;
    for (uint32_t w : MIXED) words.push_back(w);
    for (int i = 0; i < 1000; ++i) words.push_back(MIXED[random() % MIXED.size()]);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(decode_instruction(words[i]));
        if (++i == words.size()) i = 0;
    }
    state.counters["Mwords/s"] = benchmark::Counter(static_cast<double>(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

void BM_LoadMillionWords(benchmark::State& state) {
    test::scratch_dir dir;
    std::vector<uint32_t> words;
    for (int i = 0; i < 1'000'000; ++i) words.push_back(MIXED[static_cast<size_t>(i) % MIXED.size()]);
    test::obj_builder().magic().code(CODE, words).symbol(CODE, "main").write(dir / "big.o");
    const std::string path = (dir / "big.o").string();
    for (auto _ : state) {
        auto prog = load_riscv_prog(path);
        benchmark::DoNotOptimize(prog);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 1'000'000);
}

}  // namespace

BENCHMARK(BM_Decode);
BENCHMARK(BM_StepTightLoop);
BENCHMARK(BM_RunTightLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunMixed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunMixedWatching)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMillionWords)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
