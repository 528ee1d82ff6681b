#include "assembler.h"

#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

constexpr int OLDEST_FALLBACK = 15;

bool is_executable_file(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

// N for a name "clang-N" (digits only after the dash), or 0.
int version_of(std::string_view name) {
    constexpr std::string_view PREFIX = "clang-";
    if (!name.starts_with(PREFIX) || name.size() == PREFIX.size() || name.size() > PREFIX.size() + 4) return 0;
    int version = 0;
    const auto [end, error] = std::from_chars(name.data() + PREFIX.size(), name.data() + name.size(), version);
    return error == std::errc{} && end == name.data() + name.size() ? version : 0;
}

template <class Visit>
void for_each_folder(std::string_view search_path, Visit visit) {
    for (size_t start = 0;;) {
        const size_t end = std::min(search_path.find(':', start), search_path.size());
        const std::string_view folder = search_path.substr(start, end - start);
        visit(std::filesystem::path(folder.empty() ? "." : folder));
        if (end == search_path.size()) return;
        start = end + 1;
    }
}

bool on_path(std::string_view search_path, const std::string& name) {
    bool found = false;
    for_each_folder(search_path, [&](const std::filesystem::path& folder) {
        found = found || is_executable_file(folder / name);
    });
    return found;
}

// The highest N >= 15 of the executable clang-N files on the path, or 0.
int newest_versioned_clang(std::string_view search_path) {
    int newest = 0;
    for_each_folder(search_path, [&](const std::filesystem::path& folder) {
        std::error_code error;
        for (auto it = std::filesystem::directory_iterator(folder, error); !error && it != std::filesystem::end(it);
             it.increment(error)) {
            const int version = version_of(it->path().filename().native());
            if (version >= OLDEST_FALLBACK && version > newest && is_executable_file(it->path())) newest = version;
        }
    });
    return newest;
}

}  // namespace

const char* const NO_ASSEMBLER =
    "orrik needs an assembler and found none: tried clang-15, then clang-N (N >= 15), then clang on the search "
    "path. Install one with 'sudo apt install clang-15', or on Debian 13 'sudo apt install clang'.";

std::optional<std::string> find_assembler(std::string_view search_path) {
    if (on_path(search_path, "clang-15")) return "clang-15";
    if (const int newest = newest_versioned_clang(search_path)) return "clang-" + std::to_string(newest);
    if (on_path(search_path, "clang")) return "clang";
    return std::nullopt;
}

std::string assembler_search_path() {
    if (const char* path = std::getenv("PATH")) return path;
    return "/bin:/usr/bin";
}

std::vector<std::string> assembler_arguments(const std::string& assembler, const std::string& source,
                                             const std::string& object) {
    return {assembler, "--target=riscv32", "-march=rv32im", "-nostdlib", "-Wnoincompatible-library-redeclaration",
            "-c", source, "-o", object};
}
