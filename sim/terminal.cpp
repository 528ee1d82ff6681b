// Reads console lines with libedit. Commands, their output and the repetition
// of an empty line are those of the piped console (take_line); only reading
// differs. Ctrl-C must not end the session while a line is read, so the
// terminal's interrupt character is switched off during editing and Ctrl-C is
// a key bound to discarding the line; while a command runs, the terminal is
// back in its normal mode and Ctrl-C interrupts as usual.
#include "terminal.h"

#include "console.h"

#include <histedit.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

// Lines kept for the up-arrow and Ctrl-R in one session.
const int HISTORY_SIZE = 1000;

struct editline_closer {
    void operator()(EditLine* el) const { el_end(el); }  // also gives the terminal its settings back
};

struct history_closer {
    void operator()(History* h) const { history_end(h); }
};

struct line_editor {
    std::unique_ptr<History, history_closer> history;  // declared first: outlives the editor that uses it
    std::unique_ptr<EditLine, editline_closer> editline;
    bool interrupted = false;  // set by the Ctrl-C key while el_gets runs
};

char* prompt(EditLine*) { return const_cast<char*>(PROMPT); }

// Ctrl-C: shows "^C" at the end of the line and ends it; read_typed_line drops it.
unsigned char discard_line(EditLine* el, int) {
    void* editor = nullptr;
    el_get(el, EL_CLIENTDATA, &editor);
    static_cast<line_editor*>(editor)->interrupted = true;
    const LineInfo* line = el_line(el);
    el_cursor(el, static_cast<int>(line->lastchar - line->cursor));
    el_insertstr(el, "^C");
    el_push(el, "\n");  // the newline key moves below a line that wraps, then ends it
    return CC_REFRESH;
}

// Keys that terminals send as escape sequences libedit does not bind: unbound,
// the tail of such a sequence ("5~", ";5D") would land in the line as text.
// Each key comes plain and with the modifier codes 2 to 8 (Shift, Alt, Ctrl ...).
struct key_function {
    const char* key;
    const char* function;
};

// ESC [ N ~ and ESC [ N ; M ~: Home, Insert, Delete, End, Page Up/Down, F1 to F12.
const key_function NUMBERED_KEYS[] = {
    {"1", "ed-move-to-beg"}, {"2", "ed-unassigned"},  {"3", "ed-delete-next-char"}, {"4", "ed-move-to-end"},
    {"5", "ed-unassigned"},  {"6", "ed-unassigned"},  {"7", "ed-move-to-beg"},      {"8", "ed-move-to-end"},
    {"11", "ed-unassigned"}, {"12", "ed-unassigned"}, {"13", "ed-unassigned"},      {"14", "ed-unassigned"},
    {"15", "ed-unassigned"}, {"17", "ed-unassigned"}, {"18", "ed-unassigned"},      {"19", "ed-unassigned"},
    {"20", "ed-unassigned"}, {"21", "ed-unassigned"}, {"23", "ed-unassigned"},      {"24", "ed-unassigned"},
};

// ESC [ 1 ; M X with a modifier; ESC [ X and ESC O X plain (libedit binds the plain arrows).
const key_function LETTER_KEYS[] = {
    {"A", "ed-prev-history"}, {"B", "ed-next-history"}, {"C", "em-next-word"},  {"D", "ed-prev-word"},
    {"H", "ed-move-to-beg"},  {"F", "ed-move-to-end"},  {"E", "ed-unassigned"}, {"P", "ed-unassigned"},
    {"Q", "ed-unassigned"},   {"R", "ed-unassigned"},   {"S", "ed-unassigned"},
};

void bind(EditLine* el, const std::string& key, const char* function) {
    el_set(el, EL_BIND, key.c_str(), function, nullptr);
}

void bind_escape_sequences(EditLine* el) {
    const std::string csi = "\x1b[";
    for (const auto& [number, function] : NUMBERED_KEYS) {
        bind(el, csi + number + "~", function);
        for (char modifier = '2'; modifier <= '8'; ++modifier) bind(el, csi + number + ";" + modifier + "~", function);
    }
    for (const auto& [letter, function] : LETTER_KEYS) {
        for (char modifier = '2'; modifier <= '8'; ++modifier) bind(el, csi + "1;" + modifier + letter, function);
        if (std::string("ABCD").contains(*letter)) continue;
        bind(el, csi + letter, function);
        bind(el, "\x1bO" + std::string(letter), function);
    }
    for (const char* f : {"A", "B", "C", "D", "E"}) bind(el, csi + "[" + f, "ed-unassigned");  // F1-F5, Linux console
    bind(el, "\x1bx", "ed-unassigned");  // instead of libedit's own command line
    bind(el, "\x1bX", "ed-unassigned");
}

bool start(line_editor& editor) {
    editor.history.reset(history_init());
    editor.editline.reset(el_init("tamsel", stdin, stdout, stderr));
    if (!editor.history || !editor.editline) return false;
    History* h = editor.history.get();
    EditLine* el = editor.editline.get();
    HistEvent event;
    history(h, &event, H_SETSIZE, HISTORY_SIZE);
    history(h, &event, H_SETUNIQUE, 1);  // "step" typed five times is recalled once
    el_set(el, EL_EDITOR, "emacs");
    el_set(el, EL_SIGNAL, 1);  // the terminal is restored on a signal and redrawn after Ctrl-Z
    el_set(el, EL_PROMPT, prompt);
    el_set(el, EL_HIST, history, h);
    el_set(el, EL_CLIENTDATA, &editor);
    // No interrupt character while a line is edited: "intr=" clears it now, "-intr"
    // keeps it cleared when libedit takes over changed terminal characters.
    el_set(el, EL_SETTY, "-d", "-intr", "intr=", nullptr);
    // The wide form keeps the names as given; the narrow one copies them and never frees the copies.
    el_wset(el, EL_ADDFN, L"tamsel-discard-line", L"give up the line, fresh prompt", discard_line);
    el_set(el, EL_BIND, "^C", "tamsel-discard-line", nullptr);
    el_set(el, EL_BIND, "^R", "em-inc-search-prev", nullptr);
    bind_escape_sequences(el);
    return true;
}

// The next line without its line feed; nothing at Ctrl-D or when the terminal goes away.
std::optional<std::string> read_typed_line(line_editor& editor) {
    EditLine* el = editor.editline.get();
    for (;;) {
        // The editing mode before the prompt shows: keys typed as soon as it is
        // there must not meet the terminal's own echo and interrupt character.
        el_set(el, EL_PREP_TERM, 1);
        int count = 0;
        const char* text = el_gets(el, &count);
        if (editor.interrupted) {
            editor.interrupted = false;
            continue;
        }
        if (!text || count <= 0) return std::nullopt;
        std::string line(text, static_cast<std::size_t>(count));
        if (line.ends_with('\n')) line.pop_back();
        return line;
    }
}

bool is_blank(const std::string& line) { return line.find_first_not_of(" \t\r\v\f") == std::string::npos; }

}  // namespace

bool run_at_terminal(console_state& console) {
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) return false;
    std::setlocale(LC_CTYPE, "");  // so the editor takes the terminal's UTF-8 as characters
    line_editor editor;
    if (!start(editor)) return false;
    console.at_terminal = true;
    std::string prev_command;
    line_source from{"stdin"};
    while (const auto line = read_typed_line(editor)) {
        ++from.line;
        if (line->size() > MAX_LINE) {
            std::cerr << LONG_LINE_MESSAGE << std::endl;
            continue;
        }
        if (!is_blank(*line)) {
            HistEvent event;
            history(editor.history.get(), &event, H_ENTER, line->c_str());
        }
        if (!take_line(*line, prev_command, console, from)) return true;
    }
    std::cout << std::endl;  // after Ctrl-D the shell's prompt starts on a line of its own
    return true;
}
