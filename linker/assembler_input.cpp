#include "assembler_input.h"

#include "compressed.h"
#include "describe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

namespace {

// Deeper nesting is left to the assembler, which then reads the file itself.
constexpr int MAX_INCLUDE_DEPTH = 16;

// What compilers write in .debug sections, which orrik leaves out. Anything
// else there stays, so that a misjudged section can lose no instruction.
constexpr std::string_view DEBUG_DATA =
    ".byte .2byte .4byte .8byte .half .short .word .long .quad .dword .uleb128 .sleb128 .string .asciz .ascii "
    ".p2align .align .balign .set";

struct piece {
    size_t begin, end;  // a statement's characters within its line, labels included
};

// The statements of a line: separated by ';', ended by a '#' or '//' comment, around
// /* */ comments, which may go on over lines (`in_comment` carries that on).
// Quotes and character constants ('#', ';') hold no separator.
std::vector<piece> statements_in(const std::string& line, bool& in_comment) {
    std::vector<piece> found;
    size_t start = 0;
    const auto close = [&](size_t at) {
        if (line.find_first_not_of(" \t\r", start) < at) found.push_back({start, at});
    };
    for (size_t i = 0; i < line.size(); ++i) {
        if (in_comment) {
            if (line.compare(i, 2, "*/") == 0) {
                in_comment = false;
                start = ++i + 1;
            }
            continue;
        }
        const char c = line[i];
        if (c == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i)
                if (line[i] == '\\') ++i;
        } else if (c == '\'') {
            i += i + 1 < line.size() && line[i + 1] == '\\' ? 2 : 1;
            if (i + 1 < line.size() && line[i + 1] == '\'') ++i;
        } else if (c == '#' || line.compare(i, 2, "//") == 0) {
            close(i);
            return found;
        } else if (c == ';' || line.compare(i, 2, "/*") == 0) {
            close(i);
            in_comment = c != ';';
            start = i + 1;
        }
    }
    if (!in_comment) close(line.size());
    return found;
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trimmed(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r");
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// The text of a statement after its first word.
std::string operands(const std::string& statement) { return trimmed(statement.substr(first_word(statement).size())); }

// The string between the first pair of quotes, or none.
std::optional<std::string> quoted(const std::string& text) {
    const size_t open = text.find('"');
    const size_t close = text.find('"', open + 1);
    if (open == std::string::npos || close == std::string::npos) return std::nullopt;
    return text.substr(open + 1, close - open - 1);
}

// A line marker's file name: the assembler reads it without escapes, so
// quotes, backslashes and control characters cannot be written in it.
std::string marker(const std::string& file, size_t line) {
    std::string name = file;
    for (char& c : name)
        if (c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20) c = '?';
    return "# " + std::to_string(line) + " \"" + name + "\"\n";
}

// The section the assembler writes to, followed through every switch, so that
// whatever goes to a .debug section can be left out.
struct section_state {
    std::string current = ".text", previous = ".text";
    std::vector<std::string> pushed;

    // Returns whether the statement switches sections.
    bool follow(const std::string& word, const std::string& statement) {
        std::string name = operands(statement);
        name = name.substr(0, name.find_first_of(", \t"));
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
        if (word == ".text" || word == ".data" || word == ".bss") enter(word);
        else if (word == ".section") enter(name);
        else if (word == ".pushsection") {
            pushed.push_back(current);
            enter(name);
        } else if (word == ".popsection") {
            if (!pushed.empty()) current = pushed.back();
            if (!pushed.empty()) pushed.pop_back();
        } else if (word == ".previous") std::swap(current, previous);
        else return false;
        return true;
    }
    void enter(const std::string& name) {
        previous = current;
        current = name;
    }
    bool in_debug() const { return current.starts_with(".debug") || current.starts_with(".zdebug"); }
};

struct copier {
    bool keep_compressed;
    std::string source_folder;
    std::map<std::string, std::optional<std::string>>& files;  // included files by name, read once
    std::string out;
    bool compression_asked = false;
    std::optional<source_place> turned_on, compression_on, first_asked;
    section_state sections;  // across included files, as the assembler follows them
    // Conditions, macros and repetitions open: what is in them may never be
    // assembled, or assembled in other sections, so they switch nothing here.
    int blocks = 0;

    // Returns whether the statement opens or closes such a block.
    bool follow_blocks(const std::string& word) {
        if (word.starts_with(".if") || is_one_of(word, ".macro .rept .irp .irpc")) ++blocks;
        else if (is_one_of(word, ".endif .endm .endr") && blocks > 0) --blocks;
        else return false;
        return true;
    }

    std::optional<std::string> included(const std::string& name, std::string& found_as) {
        std::vector<std::string> candidates = {name};
        if (!name.starts_with('/') && !source_folder.empty()) candidates.push_back(source_folder + "/" + name);
        for (const std::string& candidate : candidates) {
            auto [file, added] = files.try_emplace(candidate);
            if (added) {
                struct stat info {};
                if (stat(candidate.c_str(), &info) == 0 && (S_ISREG(info.st_mode) || S_ISFIFO(info.st_mode))) {
                    const int fd = open(candidate.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
                    if (fd != -1) {
                        if (auto text = read_source(fd, candidate)) file->second = std::move(*text);
                        close(fd);
                    }
                }
            }
            if (file->second) {
                found_as = candidate;
                return file->second;
            }
        }
        return std::nullopt;
    }

    void note_compression(const std::string& statement, const source_place& place) {
        const int change = compression_switch(statement);
        if (change > 0) {
            compression_asked = true;
            if (!first_asked) first_asked = place;
            if (!turned_on) turned_on = place;
        }
        if (change < 0) turned_on.reset();
        if (change == 0 && turned_on && !compression_on && statement[0] != '.') compression_on = turned_on;
    }

    // The statement as the assembler gets it; none when it stays as written.
    std::optional<std::string> rewritten(const std::string& word, const std::string& statement) {
        const std::string rest = operands(statement);
        if ((word == ".file" && !rest.empty() && std::isdigit(static_cast<unsigned char>(rest[0]))) ||
            word == ".loc" || word == ".loc_mark_labels" || word.starts_with(".cfi_"))
            return "";
        if (word == ".attribute") {
            const std::string tag = trimmed(rest.substr(0, rest.find(',')));
            const auto arch = quoted(rest);
            if ((tag != "arch" && tag != "5") || !arch) return "";
            return ".attribute arch, \"" + normalised_arch(*arch, keep_compressed) + "\"";
        }
        if (word != ".option" || keep_compressed) return std::nullopt;
        if (lower(rest) == "rvc") return ".option norvc";
        if (!lower(rest).starts_with("arch")) return std::nullopt;
        // ".option arch, +m, +c" or ".option arch, rv32imac": everything but compression.
        std::string kept;
        for (size_t at = rest.find(',') == std::string::npos ? rest.size() : rest.find(',') + 1; at < rest.size();) {
            const size_t end = std::min(rest.find(',', at), rest.size());
            const std::string part = lower(trimmed(rest.substr(at, end - at)));
            at = end + 1;
            if (part == "+c" || part.starts_with("+zc")) continue;
            kept += (kept.empty() ? "" : ", ") + (part.starts_with("rv") ? normalised_arch(part, false) : part);
        }
        return kept.empty() ? ".option norvc" : ".option arch, " + kept;
    }

    void copy(const std::string& file, const std::string& text, int depth) {
        out += marker(file, 1);
        bool in_comment = false;
        size_t number = 1;
        for (size_t at = 0; at <= text.size(); ++number) {
            const size_t end = std::min(text.find('\n', at), text.size());
            const std::string line = text.substr(at, end - at);
            if (end == text.size() && line.empty()) break;
            copy_line(file, line, number, depth, in_comment);
            at = end + 1;
        }
    }

    void copy_line(const std::string& file, const std::string& line, size_t number, int depth, bool& in_comment) {
        size_t copied = 0;
        for (const piece& p : statements_in(line, in_comment)) {
            const std::string text = line.substr(p.begin, p.end - p.begin);
            const std::string statement = statement_of(text);
            const std::string word = lower(first_word(statement));
            if (follow_blocks(word)) continue;
            if (blocks == 0 && sections.follow(word, statement)) continue;
            if (blocks == 0 && sections.in_debug() && (statement.empty() || is_one_of(word, DEBUG_DATA))) {
                out += line.substr(copied, p.begin - copied);  // labels too: only debug information names them
                copied = p.end;
                continue;
            }
            if (statement.empty()) continue;
            if (!keep_compressed) note_compression(statement, {file, number});
            std::string found_as;
            const auto name = word == ".include" && depth < MAX_INCLUDE_DEPTH ? quoted(statement) : std::nullopt;
            if (const auto inner = name ? included(*name, found_as) : std::nullopt) {
                out += line.substr(copied, p.begin - copied) + "\n";
                copy(found_as, *inner, depth + 1);
                out += marker(file, number);
                copied = p.end;
                continue;
            }
            if (const auto replacement = rewritten(word, statement)) {
                out += line.substr(copied, p.begin - copied) + text.substr(0, text.rfind(statement)) + *replacement;
                copied = p.end;
            }
        }
        out += line.substr(copied) + "\n";
    }
};

// The single-letter extensions of an ISA string, and its multi-letter ones after them.
void extensions_of(const std::string& arch, std::string& letters, std::vector<std::string>& names) {
    size_t part_start = 4;
    for (size_t at = 4; at <= arch.size(); ++at) {
        if (at < arch.size() && arch[at] != '_') continue;
        const std::string part = arch.substr(part_start, at - part_start);
        part_start = at + 1;
        for (size_t i = 0; i < part.size(); ++i) {
            const char c = part[i];
            if (c == 'z' || c == 's' || c == 'x') {
                names.push_back(part.substr(i));
                break;
            }
            const bool version = std::isdigit(static_cast<unsigned char>(c)) ||
                                 (c == 'p' && i > 0 && std::isdigit(static_cast<unsigned char>(part[i - 1])));
            if (!version) letters += c;
        }
    }
}

}  // namespace

std::string normalised_arch(const std::string& arch, bool keep_compressed) {
    const std::string isa = lower(arch);
    if (!isa.starts_with("rv32") && !isa.starts_with("rv64")) return arch;  // the assembler says what is wrong
    std::string letters;
    std::vector<std::string> names;
    extensions_of(isa, letters, names);
    const auto has = [&](char c) { return letters.find(c) != std::string::npos; };
    bool m = has('m') || has('g');
    for (const std::string& name : names) m = m || name.starts_with("zmmul");
    std::string result = has('e') && !has('i') && !has('g') ? "rv32e" : "rv32i";
    if (m) result += 'm';
    if (keep_compressed && arch_names_compressed(isa)) result += 'c';
    return result;
}

std::expected<std::string, std::string> read_source(int fd, const std::string& path) {
    std::string text;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0) return text;
        if (got == -1 && errno == EINTR) continue;
        if (got == -1) return std::unexpected("cannot read '" + path + "': " + std::strerror(errno));
        if (text.size() + static_cast<size_t>(got) > MAX_SOURCE_BYTES)
            return std::unexpected("'" + path + "' is larger than " + std::to_string(MAX_SOURCE_BYTES >> 20) +
                                   " MiB, more than orrik reads");
        text.append(buffer, static_cast<size_t>(got));
    }
}

assembler_input prepare_assembler_input(const std::string& text, const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    std::map<std::string, std::optional<std::string>> files;
    copier off{false, folder, files, {}, {}, {}, {}, {}, {}};
    off.copy(path, text, 0);
    assembler_input input{std::move(off.out), std::nullopt, off.compression_on ? off.compression_on : off.first_asked};
    if (off.compression_asked) {
        copier on{true, folder, files, {}, {}, {}, {}, {}, {}};
        on.copy(path, text, 0);
        input.with_compression = std::move(on.out);
    }
    return input;
}
