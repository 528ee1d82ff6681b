// Scoped owner of a standard I/O file, shared by the obj loader and the obj writer.
#pragma once

#include <cstdio>
#include <memory>

struct fcloser {
    void operator()(std::FILE* file) const {
        if (file) std::fclose(file);
    }
};

using file_ptr = std::unique_ptr<std::FILE, fcloser>;
