// Program memory of the simulator and the obj file loader that fills it.
#pragma once

#include "decoder.h"
#include "memory_map.h"
#include "riscv_constants.h"
#include "zeroed_allocator.h"

#include <cstdint>
#include <expected>
#include <string>
#include <unordered_map>
#include <vector>

using data_bytes = std::vector<uint8_t, zeroed_allocator<uint8_t>>;

struct riscv_mem {
    std::unordered_map<uint32_t, Instruction> text;
    data_bytes data;  // always SEGMENT_SIZE bytes; index data_index(address) holds address
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
