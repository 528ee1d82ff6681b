// The assembler orrik chooses, on search paths of stand-in programs: clang-15
// wherever it is, else the newest clang-N from 15 on, else clang.
#include "assembler.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct row {
    std::vector<std::string> first;   // the programs in the path's first folder
    std::vector<std::string> second;  // and in its second
    std::optional<std::string> chosen;
};

void make_programs(const std::filesystem::path& folder, const std::vector<std::string>& names) {
    std::filesystem::create_directory(folder);
    for (const std::string& name : names) {
        test::write_file(folder / name, "#!/bin/sh\n");
        chmod((folder / name).c_str(), 0755);
    }
}

TEST(Assembler, ClangFifteenFirstThenTheNewestThenClang) {
    const row rows[] = {
        {{"clang-19", "clang"}, {"clang-15"}, "clang-15"},  // wherever it is on the path
        {{"clang-17", "clang-19", "clang-18"}, {"clang-20"}, "clang-20"},
        {{"clang-14", "clang-9", "clang-19x", "clang-", "clang-+19"}, {"clang"}, "clang"},
        {{"clang"}, {}, "clang"},  // whatever version: nothing else is there
        {{"clang-14", "clang-15.1", "gcc"}, {}, std::nullopt},
        {{}, {}, std::nullopt},
    };
    for (const row& r : rows) {
        const test::scratch_dir dir;
        make_programs(dir / "a", r.first);
        make_programs(dir / "b", r.second);
        test::write_file(dir / "a" / "clang-21", "");  // not executable: not a candidate
        const std::string path = (dir / "a").string() + ":" + (dir / "b").string() + ":" + (dir / "none").string();
        EXPECT_EQ(find_assembler(path), r.chosen) << r.first.size() << " " << r.second.size();
    }
}

}  // namespace
