// Names and lines taken from files, made safe to print: a control character
// (an escape sequence, a line feed, a carriage return, a C1 control in UTF-8)
// comes out as \x1b, \x0a ..., so that a crafted label cannot forge lines of
// output or drive the terminal. Tabs, other UTF-8 and every ordinary name are
// printed as they are.
#pragma once

#include <string>
#include <string_view>

std::string printable(std::string_view text);
