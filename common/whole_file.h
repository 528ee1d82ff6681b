// Output files of both programs, written whole or not at all: the bytes go to
// a hidden temporary file in the same folder, renamed over the file only when
// all of them are written, so that no reader ever sees half a file and a
// failure (a full disk, a folder that cannot be written) leaves none behind.
// A name that exists and is no regular file (a device such as /dev/full or
// /dev/stdout, a FIFO) cannot be replaced and is written directly.
//
// What a shell redirect would refuse is refused: a file the user may not
// write, a loop of symbolic links. A replaced file keeps its mode. A file that
// belongs to someone else, or that sits in a folder where no new file can be
// made, is overwritten where it stands, as the shell would, so that it keeps
// its owner (and in a sticky folder, where it could not be renamed over).
#pragma once

#include <cstdio>
#include <functional>
#include <expected>
#include <string>

// `fill` writes the contents into the open file. Returns the system's reason
// when the file could not be written.
std::expected<void, std::string> write_whole_file(const std::string& path,
                                                  const std::function<void(std::FILE*)>& fill);
