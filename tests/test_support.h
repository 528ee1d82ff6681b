// Helpers of the tests: obj files written block by block, scratch folders, and
// running the built programs with a given standard input.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace test {

// Builds the bytes of an obj file; every field big-endian, as orrik writes them.
struct obj_builder {
    std::vector<uint8_t> bytes;

    obj_builder& u8(uint8_t v) { bytes.push_back(v); return *this; }
    obj_builder& u16(uint16_t v) { return u8(static_cast<uint8_t>(v >> 8)).u8(static_cast<uint8_t>(v)); }
    obj_builder& u32(uint32_t v) { return u16(static_cast<uint16_t>(v >> 16)).u16(static_cast<uint16_t>(v)); }
    obj_builder& text(const std::string& s) { bytes.insert(bytes.end(), s.begin(), s.end()); return *this; }

    obj_builder& magic() { return u32(0xcafef00d); }
    obj_builder& code(uint32_t address, std::initializer_list<uint32_t> words) {
        return code(address, std::vector<uint32_t>(words));
    }
    obj_builder& code(uint32_t address, const std::vector<uint32_t>& words) {
        u16(0xc0de).u32(address).u32(static_cast<uint32_t>(words.size()));
        for (uint32_t w : words) u32(w);
        return *this;
    }
    obj_builder& data(uint32_t address, std::initializer_list<uint8_t> data) {
        u16(0xdada).u32(address).u32(static_cast<uint32_t>(data.size()));
        bytes.insert(bytes.end(), data);
        return *this;
    }
    obj_builder& symbol(uint32_t address, const std::string& name) {
        return u16(0xc3b7).u32(address).u32(static_cast<uint32_t>(name.size())).text(name);
    }
    obj_builder& file(const std::string& name) { return u16(0xf17e).u32(static_cast<uint32_t>(name.size())).text(name); }
    obj_builder& line(uint32_t addr, uint32_t line, uint32_t index) { return u16(0x715e).u32(addr).u32(line).u32(index); }

    void write(const std::filesystem::path& path) const {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
};

// A fresh folder under the system's temporary folder, removed afterwards.
struct scratch_dir {
    std::filesystem::path path;
    scratch_dir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "orrik-tamsel-XXXXXX").string();
        path = mkdtemp(tmpl.data());
    }
    ~scratch_dir() { std::filesystem::remove_all(path); }
    std::filesystem::path operator/(const std::string& name) const { return path / name; }
};

inline std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void write_file(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct run_result {
    std::string out;
    std::string err;
    int status = -1;
};

// Runs argv[0] with the arguments in `cwd`, standard input from `input`.
inline run_result run_program(const std::vector<std::string>& argv, const std::string& input,
                              const std::filesystem::path& cwd, const std::string& path_env = "") {
    const auto in = cwd / ".stdin", out = cwd / ".stdout", err = cwd / ".stderr";
    write_file(in, input);
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(cwd.c_str()) != 0) _exit(127);
        if (!freopen(in.c_str(), "r", stdin) || !freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr))
            _exit(127);
        if (!path_env.empty()) setenv("PATH", path_env.c_str(), 1);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run_result result{read_file(out), read_file(err), WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)};
    std::filesystem::remove(in);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
}

}  // namespace test
