// The data segment's 256 MiB come as untouched zero pages. The special members
// live here, in a file built without sanitizers: their checks would keep the
// compiler from dropping the empty per-byte construction and destruction
// loops, which then cost seconds per machine.
#include "loader.h"

#include "riscv_constants.h"

riscv_mem::riscv_mem() : data(SEGMENT_SIZE) {}
riscv_mem::riscv_mem(const riscv_mem&) = default;
riscv_mem::riscv_mem(riscv_mem&&) noexcept = default;
riscv_mem& riscv_mem::operator=(const riscv_mem&) = default;
riscv_mem& riscv_mem::operator=(riscv_mem&&) noexcept = default;
riscv_mem::~riscv_mem() = default;
