// orrik's private folder for the assembler's input and object: made afresh
// for each run (mkdtemp, readable by its owner alone) and removed with all it
// holds when its owner leaves scope. Only orrik's names are made in it, so no
// name a user chose ever reaches the assembler: its paths are absolute and
// start with '/', never with '-' or '@'.
#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <vector>

struct scratch_folder {
    std::string path;

    scratch_folder() = default;
    scratch_folder(const scratch_folder&) = delete;
    scratch_folder& operator=(const scratch_folder&) = delete;
    ~scratch_folder();

    std::string operator/(const std::string& name) const { return path + "/" + name; }
};

// Makes the folder in $TMPDIR when that is an absolute path, else in /tmp;
// returns the system's reason when it cannot.
std::expected<void, std::string> make_scratch_folder(scratch_folder& folder);

// Writes `text` to `path`; returns the system's reason when it cannot.
std::expected<void, std::string> write_text(const std::string& path, const std::string& text);

// The bytes of `path`, or the system's reason.
std::expected<std::vector<uint8_t>, std::string> read_bytes(const std::string& path);
