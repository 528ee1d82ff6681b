#include "whole_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace {

// Fills and closes the file; the number of the first error, or 0.
int fill_and_close(std::FILE* file, const std::function<void(std::FILE*)>& fill) {
    fill(file);
    int error = std::ferror(file) ? (errno ? errno : EIO) : 0;
    if (std::fclose(file) != 0 && error == 0) error = errno ? errno : EIO;
    return error;
}

// A symbolic link is followed, also to a file yet to be made, so that the link
// stays and its file is written.
std::string file_named(const std::string& path, int links_followed = 0) {
    struct stat info {};
    if (links_followed == 40 || lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char target[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<size_t>(length) == sizeof target) return path;
    std::string next(target, static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    if (next[0] != '/' && slash != std::string::npos) next = path.substr(0, slash + 1) + next;
    return file_named(next, links_followed + 1);
}

}  // namespace

std::expected<void, std::string> write_whole_file(const std::string& path,
                                                  const std::function<void(std::FILE*)>& fill) {
    const std::string target = file_named(path);
    struct stat info {};
    if (stat(target.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        std::FILE* file = std::fopen(target.c_str(), "w");
        if (!file) return std::unexpected(std::strerror(errno));
        if (const int error = fill_and_close(file, fill)) return std::unexpected(std::strerror(error));
        return {};
    }
    const size_t slash = target.rfind('/');
    std::string temp = (slash == std::string::npos ? "" : target.substr(0, slash + 1)) + ".writing-XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd == -1) return std::unexpected(std::strerror(errno));
    // The mode a plain create would have given, rather than mkstemp's owner-only one.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    std::FILE* file = fdopen(fd, "w");
    int error = 0;
    if (!file) {
        error = errno;
        close(fd);
    } else {
        error = fill_and_close(file, fill);
    }
    if (error == 0 && std::rename(temp.c_str(), target.c_str()) != 0) error = errno;
    if (error == 0) return {};
    std::remove(temp.c_str());
    return std::unexpected(std::strerror(error));
}
