// Program memory of the simulator and the obj file loader that fills it.
#pragma once

#include "decoder.h"
#include "riscv_constants.h"
#include "zeroed_allocator.h"

#include <cstdint>
#include <expected>
#include <string>
#include <unordered_map>
#include <vector>

using data_bytes = std::vector<uint8_t, zeroed_allocator<uint8_t>>;

// Whether `length` bytes from `address` on all lie in the data segment (no
// 32-bit wrap-around). A length of 0 is inside anywhere at or above its start.
constexpr bool in_data_segment(uint32_t address, uint64_t length) {
    return address >= INITIAL_DATA_OFFSET && address + length <= uint64_t{INITIAL_DATA_OFFSET} + SEGMENT_SIZE;
}

struct riscv_mem {
    std::unordered_map<uint32_t, Instruction> text;
    data_bytes data;  // always SEGMENT_SIZE bytes; index i is address INITIAL_DATA_OFFSET + i
    std::unordered_map<std::string, uint32_t> label_to_addr;
    std::unordered_map<uint32_t, std::vector<std::string>> addr_to_labels;

    // Member-wise defaults, defined out of line (see riscv_mem.cpp).
    riscv_mem();
    riscv_mem(const riscv_mem&);
    riscv_mem(riscv_mem&&) noexcept;
    riscv_mem& operator=(const riscv_mem&);
    riscv_mem& operator=(riscv_mem&&) noexcept;
    ~riscv_mem();
};

std::expected<riscv_mem, std::string> load_riscv(const std::string& fname);
