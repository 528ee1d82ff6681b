#include "word_report.h"

#include <iostream>
#include <string>

void note_unidentified(const Instruction& instr, unidentified_words& seen) {
    if (seen.count++ < LISTED_UNIDENTIFIED) print_unidentified(instr);
}

void report_unlisted(const unidentified_words& seen) {
    if (seen.count <= LISTED_UNIDENTIFIED) return;
    // In decimal without touching the stream, which the listed lines leave in hex.
    std::cerr << "ERROR IN DECODE: " + std::to_string(seen.count - LISTED_UNIDENTIFIED) +
                     " more words with unidentified opcodes (only the first " +
                     std::to_string(LISTED_UNIDENTIFIED) + " are listed)"
              << std::endl;
}
