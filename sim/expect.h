// The checks of `expect`: a register, the pc, the instruction count or data
// memory held against a value, so that a session can say whether the program
// it ran was right. Checking prints nothing; the console words the outcome.
#pragma once

#include "simulator.h"

#include <sstream>
#include <string>

struct expect_outcome {
    bool held = false;
    // What was found ("a0 is 54 (0x00000036), expected 55 (0x00000037)"), or
    // why the check could not be made; a check that cannot be made fails.
    std::string text;
};

// Reads TARGET VALUE, the rest of an expect line, and checks it.
expect_outcome check_expect(const riscv_prog& prog, std::istringstream& words);
