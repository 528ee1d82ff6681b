// The console's words for grading: expect and check, what check calls found
// after a step or run, and the verdict of a graded session.
#pragma once

#include "console_words.h"

#include <expected>
#include <string>

bool expect_command(session& s);
bool check_command(session& s);

// After step, run and continue: what check calls found, on standard error.
void report_call_checks(const session& s);

// Counts a step or run that the machine stopped on its own (an error, the
// instruction limit, the calling convention) against a graded session.
void count_stop(const session& s, const std::expected<uint32_t, std::string>& result);
