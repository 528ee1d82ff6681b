// Choosing, renaming and merging the runtime's units; the whole path, with the
// assembler, is in toolchain_test.cpp and tests/runtime/.
#include "runtime.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

symbol label(const std::string& name, int32_t section, uint32_t value = 0) {
    return {name, value, 0, true, section, STT_FUNC};
}

const symbol* find_label(const riscv_elf& elf, const std::string& name) {
    const auto found = std::find_if(elf.symtab.begin(), elf.symtab.end(), [&](const symbol& s) { return s.name == name; });
    return found == elf.symtab.end() ? nullptr : &*found;
}

riscv_elf calling(std::vector<std::string> undefined, std::vector<std::string> defined = {}) {
    riscv_elf elf;
    elf.sections.resize(2);
    elf.sections[1].name = ".text";
    elf.symtab.push_back({});
    for (const std::string& name : defined) elf.symtab.push_back(label(name, 1));
    for (const std::string& name : undefined) elf.symtab.push_back(label(name, SHN_UNDEF));
    return elf;
}

const std::vector<runtime_unit> UNITS = {
    {"first", "\t.text\n\t.globl\tf\nf:\n\tcall\tg\n\ttail\thelper\nhelper:\n\tret\n"},
    {"second", "\t.text\n\t.globl\tg\ng:\n.LBB0_1:\n\tj\t.LBB0_1 # not h\n"},
    {"third", "\t.text\n\t.globl h\nh:\n.LBB0_1:\n\tbeqz\ta0, .LBB0_1\n\t.asciz \"helper g\"\n"},
};

std::vector<std::string> names(const std::vector<runtime_unit>& units) {
    std::vector<std::string> out;
    for (const runtime_unit& unit : units) out.emplace_back(unit.name);
    return out;
}

TEST(Runtime, UnitsAreChosenByWhatTheProgramAndTheyCall) {
    EXPECT_EQ(names(units_needed(calling({"f"}), UNITS)), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(names(units_needed(calling({"h"}), UNITS)), (std::vector<std::string>{"third"}));
    EXPECT_EQ(names(units_needed(calling({"g", "h"}), UNITS)), (std::vector<std::string>{"second", "third"}));
    // A routine the program defines is its own: the runtime's is not taken, even when another one calls it.
    EXPECT_EQ(names(units_needed(calling({"f"}, {"g"}), UNITS)), (std::vector<std::string>{"first"}));
    EXPECT_TRUE(units_needed(calling({"printf", "nowhere"}), UNITS).empty());
    EXPECT_TRUE(units_needed(calling({}, {"f", "h"}), UNITS).empty());
}

TEST(Runtime, OwnLabelsAreRenamedAfterTheirUnit) {
    EXPECT_EQ(runtime_source({UNITS[0]}),
              "\t.text\n\t.text\n\t.globl\tf\nf:\n\tcall\tg\n\ttail\tfirst.helper\nfirst.helper:\n\tret\n");
    // Two units' .LBB0_1 no longer clash; comments and strings stay as written.
    EXPECT_EQ(runtime_source({UNITS[1], UNITS[2]}),
              "\t.text\n\t.text\n\t.globl\tg\ng:\n.Lsecond.BB0_1:\n\tj\t.Lsecond.BB0_1 # not h\n"
              "\t.text\n\t.text\n\t.globl h\nh:\n.Lthird.BB0_1:\n\tbeqz\ta0, .Lthird.BB0_1\n\t.asciz \"helper g\"\n");
}

TEST(Runtime, MergedUsesReachTheRuntimesDefinitions) {
    riscv_elf program = calling({"memcpy", "nowhere"}, {"main", "strlen"});
    program.relocations = {{0, 3, R_RISCV_CALL_PLT, 0, 1}, {8, 4, R_RISCV_CALL_PLT, 0, 1}, {16, 2, R_RISCV_CALL_PLT, 0, 1}};
    riscv_elf runtime;
    runtime.sections.resize(3);
    runtime.sections[1].name = ".text";
    runtime.sections[1].header.sh_flags = SHF_ALLOC | SHF_EXECINSTR;
    runtime.sections[2].name = ".rodata";
    runtime.sections[2].header.sh_flags = SHF_ALLOC;
    runtime.symtab = {{}, label("memcpy", 1, 0), label("strlen", 1, 12), symbol{".Lmemcpy.BB0_1", 4, 0, false, 1, STT_NOTYPE},
                      label("strlen", SHN_UNDEF), label("table", 2)};
    runtime.relocations = {{4, 3, R_RISCV_BRANCH, 0, 1}, {8, 4, R_RISCV_CALL_PLT, 0, 1}};
    merge_runtime(program, runtime);

    ASSERT_EQ(program.sections.size(), 4u);
    EXPECT_EQ(program.sections[2].name, ".text");
    EXPECT_EQ(program.sections[3].name, ".rodata.runtime");  // placed after the program's own data
    const auto target = [&](size_t relo) { return program.symtab.at(program.relocations.at(relo).symbol_index); };
    EXPECT_EQ(target(0).name, "memcpy");
    EXPECT_EQ(target(0).sh_index, 2);  // the runtime's, no longer undefined
    EXPECT_EQ(target(1).name, "nowhere");
    EXPECT_EQ(target(1).sh_index, SHN_UNDEF);  // left for the link to refuse
    EXPECT_EQ(target(2).name, "strlen");
    EXPECT_EQ(target(2).sh_index, 1);  // the program's own
    EXPECT_EQ(target(3).name, "$x.Lmemcpy.BB0_1");  // reached, but not shown
    EXPECT_TRUE(is_mapping_symbol(target(3)));
    EXPECT_EQ(program.relocations.at(3).section_index, 2u);
    EXPECT_EQ(target(4).sh_index, 1);  // the runtime's call of strlen reaches the program's
    EXPECT_EQ(std::count_if(program.symtab.begin(), program.symtab.end(), [](const symbol& s) { return s.name == "memcpy"; }), 1);
    EXPECT_EQ(std::count_if(program.symtab.begin(), program.symtab.end(), [](const symbol& s) { return s.name == "strlen"; }), 1);
    ASSERT_NE(find_label(program, "table"), nullptr);
    EXPECT_EQ(find_label(program, "table")->sh_index, 3);
}

// Programs that call no runtime routine are linked as before: the assembler
// is not run a second time and the object is not changed.
TEST(Runtime, ProgramsWithoutRuntimeCallsAreLeftAlone) {
    const std::filesystem::path corpus = std::filesystem::path(SOURCE_DIR) / "fuzz" / "corpus" / "elf";
    int seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string object = test::read_file(entry.path());
        auto elf = parse_riscv32i_elf({reinterpret_cast<const uint8_t*>(object.data()), object.size()});
        if (!elf || !units_needed(*elf, runtime_units()).empty()) continue;
        SCOPED_TRACE(entry.path().filename().string());
        const size_t symbols = elf->symtab.size(), sections = elf->sections.size();
        bool assembled = false;
        auto added = add_runtime(*elf, [&](const std::string&) -> std::expected<std::vector<uint8_t>, std::string> {
            assembled = true;
            return std::unexpected("not to be assembled");
        });
        EXPECT_TRUE(added);
        EXPECT_FALSE(assembled);
        EXPECT_EQ(elf->symtab.size(), symbols);
        EXPECT_EQ(elf->sections.size(), sections);
        ++seen;
    }
    EXPECT_GE(seen, 9);
}

TEST(Runtime, EveryUnitIsBuiltIn) {
    const std::vector<runtime_unit> units = runtime_units();
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(SOURCE_DIR) / "runtime")) {
        if (entry.path().extension() != ".s") continue;
        ++files;
        const std::string name = entry.path().stem().string();
        const auto unit = std::find_if(units.begin(), units.end(), [&](const runtime_unit& u) { return u.name == name; });
        ASSERT_NE(unit, units.end()) << name;
        EXPECT_EQ(unit->text, test::read_file(entry.path())) << name;
    }
    EXPECT_EQ(units.size(), files);
}

}  // namespace
