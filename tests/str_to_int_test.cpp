#include "console.h"

#include <gtest/gtest.h>

namespace {

struct parse_row {
    const char* word;
    unsigned base;
    std::optional<int> value;
    int fuck_lines;
};

TEST(StrToInt, BothBases) {
    const parse_row rows[] = {
        {"10", 10, 10, 0},          {"-1", 10, -1, 0},          {"+7", 10, 7, 0},
        {"0x10", 10, std::nullopt, 0}, {"12ab", 10, std::nullopt, 0}, {"ff", 10, std::nullopt, 1},
        {"", 10, std::nullopt, 1},  {"99999999999999999999", 10, std::nullopt, 1},
        {"4294967295", 10, -1, 0},  {"10", 16, 16, 0},          {"x1f", 16, 31, 0},
        {"X1F", 16, 31, 0},         {"0x1f", 16, 31, 0},        {"0X1f", 16, 31, 0},
        {"-0x10", 16, -16, 0},      {"ffffffff", 16, -1, 0},    {"100000000", 16, 0, 0},
        {"0x", 16, std::nullopt, 0}, {"x", 16, std::nullopt, 1}, {"zz", 16, std::nullopt, 1},
        {"x0x10", 16, 16, 0},
    };
    for (const parse_row& row : rows) {
        testing::internal::CaptureStdout();
        const auto value = str_to_int(row.word, row.base);
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(value, row.value) << '"' << row.word << "\" base " << row.base;
        std::string expected;
        for (int n = 0; n < row.fuck_lines; ++n) expected += "fuck\n";
        EXPECT_EQ(out, expected) << '"' << row.word << "\" base " << row.base;
    }
}

}  // namespace
