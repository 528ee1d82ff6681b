#include "scratch_folder.h"

#include "fcloser.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

scratch_folder::~scratch_folder() {
    if (path.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::expected<void, std::string> make_scratch_folder(scratch_folder& folder) {
    const char* tmpdir = std::getenv("TMPDIR");
    std::string name = tmpdir && tmpdir[0] == '/' ? tmpdir : "/tmp";
    if (!name.ends_with('/')) name += '/';
    name += "orrik-XXXXXX";
    if (!mkdtemp(name.data())) return std::unexpected(std::strerror(errno));
    folder.path = name;
    return {};
}

std::expected<void, std::string> write_text(const std::string& path, const std::string& text) {
    const file_ptr file(std::fopen(path.c_str(), "wb"));
    if (!file) return std::unexpected(std::strerror(errno));
    if (std::fwrite(text.data(), 1, text.size(), file.get()) != text.size() || std::fflush(file.get()) != 0)
        return std::unexpected(std::strerror(errno));
    return {};
}

std::expected<std::vector<uint8_t>, std::string> read_bytes(const std::string& path) {
    const file_ptr file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::unexpected(std::strerror(errno));
    std::vector<uint8_t> bytes;
    uint8_t buffer[1 << 16];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;)
        bytes.insert(bytes.end(), buffer, buffer + got);
    if (std::ferror(file.get())) return std::unexpected(std::strerror(errno));
    return bytes;
}
