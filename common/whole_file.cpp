#include "whole_file.h"

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <optional>

namespace {

// Fills and closes the file; the number of the first error, or 0.
int fill_and_close(std::FILE* file, const std::function<void(std::FILE*)>& fill) {
    fill(file);
    int error = std::ferror(file) ? (errno ? errno : EIO) : 0;
    if (std::fclose(file) != 0 && error == 0) error = errno ? errno : EIO;
    return error;
}

// A symbolic link is followed, also to a file yet to be made, so that the link
// stays and its file is written. Too many links in a row (a loop) give nothing.
std::optional<std::string> file_named(const std::string& path, int links_followed = 0) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    if (links_followed == 40) return std::nullopt;
    char target[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), target, sizeof target);
    if (length <= 0 || static_cast<size_t>(length) == sizeof target) return path;
    std::string next(target, static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    if (next[0] != '/' && slash != std::string::npos) next = path.substr(0, slash + 1) + next;
    return file_named(next, links_followed + 1);
}

// Overwrites the file where it stands, as a shell redirect would.
int write_in_place(const std::string& target, const std::function<void(std::FILE*)>& fill) {
    std::FILE* file = std::fopen(target.c_str(), "w");
    if (!file) return errno;
    return fill_and_close(file, fill);
}

// Through a temporary file renamed over the target, which then has `mode`.
int write_and_rename(const std::string& target, mode_t mode, const std::function<void(std::FILE*)>& fill) {
    const size_t slash = target.rfind('/');
    std::string temp = (slash == std::string::npos ? "" : target.substr(0, slash + 1)) + ".writing-XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd == -1) return errno;
    fchmod(fd, mode);
    std::FILE* file = fdopen(fd, "w");
    int error = 0;
    if (!file) {
        error = errno;
        close(fd);
    } else {
        error = fill_and_close(file, fill);
    }
    if (error == 0 && std::rename(temp.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) std::remove(temp.c_str());
    return error;
}

}  // namespace

std::expected<void, std::string> write_whole_file(const std::string& path,
                                                  const std::function<void(std::FILE*)>& fill) {
    const std::optional<std::string> named = file_named(path);
    if (!named) return std::unexpected(std::strerror(ELOOP));
    const std::string& target = *named;
    struct stat info {};
    int error = 0;
    if (stat(target.c_str(), &info) != 0) {
        // A new file: the mode a plain create would have given, not mkstemp's owner-only one.
        const mode_t mask = umask(0);
        umask(mask);
        error = write_and_rename(target, 0666 & ~mask, fill);
    } else if (!S_ISREG(info.st_mode)) {
        error = write_in_place(target, fill);  // a device or a FIFO cannot be replaced
    } else if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        error = errno;  // the shell would not overwrite it either
    } else if (info.st_uid != geteuid()) {
        // Someone else's file keeps its owner, and in a sticky folder it could not be renamed over.
        error = write_in_place(target, fill);
    } else {
        error = write_and_rename(target, info.st_mode & 07777, fill);
        // A folder that takes no new file, with a file that may be written.
        if (error == EACCES || error == EPERM) error = write_in_place(target, fill);
    }
    if (error == 0) return {};
    return std::unexpected(std::strerror(error));
}
