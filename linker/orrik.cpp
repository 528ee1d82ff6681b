// orrik: assembles one .s file with clang-15, places its code at 0x10000000 and
// its data at 0x20000000, patches the relocations of the code and writes the
// obj file over the assembler's object.
#include "assembler.h"
#include "hints.h"
#include "link.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* USAGE = "Usage: ./orrik <risc-v asm file>";

// Runs the assembler on the source and waits for it; returns the message to stop with, if any.
std::optional<std::string> assemble(const std::string& fname, const std::string& obj_name) {
    const std::optional<std::string> assembler = find_assembler(assembler_search_path());
    if (!assembler) return std::string(NO_ASSEMBLER) + "\nError: invalid risc-v assembly file ipnut";
    std::vector<const char*> args = {assembler->c_str(), "--target=riscv32", "-march=rv32im", "-nostdlib",
                                     "-Wnoincompatible-library-redeclaration", "-c", fname.c_str()};
    // clang writes its object to the current directory unless told otherwise.
    if (fname.find('/') != std::string::npos) {
        args.push_back("-o");
        args.push_back(obj_name.c_str());
    }
    args.push_back(nullptr);

    std::cout.flush();
    std::cerr.flush();
    const pid_t pid = fork();
    if (pid == -1) return "CRITICAL SYSTEM ERROR";
    if (pid == 0) {
        execvp(args[0], const_cast<char* const*>(args.data()));
        _exit(1);  // not exit: the parent's buffers must not be flushed twice
    }
    int status = 0;
    pid_t waited = 0;
    while ((waited = waitpid(pid, &status, 0)) == -1 && errno == EINTR) {
    }
    if (waited == -1 || (status & 0x7f) != 0) return "CRITICAL SYSTEM ERROR";
    if (((status >> 8) & 0xff) != 0) return "Error: invalid risc-v assembly file ipnut";
    return std::nullopt;
}

int link(const std::string& fname) {
    std::string obj_name = fname;
    obj_name.back() = 'o';

    if (auto error = assemble(fname, obj_name)) {
        write_idiom_hints(fname, std::cerr);
        std::cerr << *error << std::endl;
        return 1;
    }
    auto elf = load_riscv32i_elf(obj_name);
    if (!elf) {
        std::cerr << elf.error() << std::endl;
        return 1;
    }
    auto image = link_object(*elf, std::cerr, fname);
    if (!image) {
        std::cerr << image.error() << std::endl;
        return 1;
    }
    if (auto error = write_obj_file(obj_name, *image)) {
        std::cerr << *error << std::endl;
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << USAGE << std::endl;
        return 1;
    }
    const std::string fname = argv[1];
    const size_t len = fname.size();
    if (len <= 2 || fname[len - 2] != '.' || fname[len - 1] != 's') {
        std::cerr << "Error: Expected a `.s` file for the asm file and it was not provided" << std::endl;
        std::cerr << USAGE << std::endl;
        return 1;
    }
    try {
        return link(fname);
    } catch (const std::bad_alloc&) {
        std::cerr << "not enough memory to link " << fname << std::endl;
        return 1;
    }
}
