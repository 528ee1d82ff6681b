// Fuzz target: the obj loader on arbitrary file contents.
#include "loader.h"

#include <unistd.h>

#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/tamsel-fuzz-loader-" + std::to_string(getpid()) + ".o";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    auto mem = load_riscv(path);  // an error result is an expected outcome
    return 0;
}
