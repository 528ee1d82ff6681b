// Scoped owner of a standard I/O file, the one both programs use: the obj
// loader, the obj writer and the ELF reader.
#pragma once

#include <cstdio>
#include <memory>

struct fcloser {
    void operator()(std::FILE* file) const {
        if (file) std::fclose(file);
    }
};

using file_ptr = std::unique_ptr<std::FILE, fcloser>;
