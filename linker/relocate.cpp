#include "relocate.h"

#include "little_endian.h"
#include "opcodes.h"
#include "riscv_format.h"

#include <elf.h>

#include <array>

namespace {

using enum value_rule;

// Types newer assemblers write (clang 16 to 19) that Debian 12's elf.h does
// not name yet; later headers define them as macros, hence names of our own.
constexpr uint32_t GOT32_PCREL = 41;
constexpr uint32_t PLT32 = 59;
constexpr uint32_t SET_ULEB128 = 60;
constexpr uint32_t SUB_ULEB128 = 61;
constexpr uint32_t TLSDESC_HI20 = 62;
constexpr uint32_t TLSDESC_LOAD_LO12 = 63;
constexpr uint32_t TLSDESC_ADD_LO12 = 64;
constexpr uint32_t TLSDESC_CALL = 65;

// The words of the source that write each kind of field, for finding a relocation's line.
constexpr std::string_view BRANCHES = "beq bne blt bge bltu bgeu beqz bnez blez bgez bltz bgtz bgt ble bgtu bleu";
constexpr std::string_view JUMPS = "jal j";
constexpr std::string_view CALLS = "call tail jump";
constexpr std::string_view LOADS_AND_JALR = "addi lb lh lw lbu lhu jalr";
constexpr std::string_view STORES = "sb sh sw";
constexpr std::string_view DATA = ".word .half .byte .2byte .4byte .long .short .int .hword";

// The assembler leaves a '.uleb128' label difference to the linker only
// when relaxable code lies between the labels, and its width is fixed by then.
constexpr std::string_view ULEB128_HINT =
    "a label difference in '.uleb128' cannot be resolved here: write '.word end - start' instead";

constexpr relocation_rule applied(uint32_t type, const char* name, value_rule value, field into,
                                  std::string_view words = {}) {
    return {type, name, value, into, words, {}, false, false};
}
constexpr relocation_rule refused(uint32_t type, const char* name, std::string_view words = {},
                                  std::string_view hint = {}) {
    return {type, name, REFUSED, field::NONE, words, hint, false, false};
}
constexpr relocation_rule pcrel_hi(relocation_rule rule) {
    rule.pcrel_hi = true;
    return rule;
}
constexpr relocation_rule instead_of_refusal(relocation_rule rule) {
    rule.hint_replaces_refusal = true;
    return rule;
}

// A type's name is the one <elf.h> gives its number.
#define NAMED(type) type, #type

constexpr std::array RULES = {
    applied(NAMED(R_RISCV_32), ABSOLUTE, field::DATA32, DATA),
    applied(NAMED(R_RISCV_BRANCH), PC_RELATIVE, field::B, BRANCHES),
    applied(NAMED(R_RISCV_JAL), PC_RELATIVE, field::J, JUMPS),
    applied(NAMED(R_RISCV_CALL), PC_RELATIVE, field::CALL, CALLS),
    applied(NAMED(R_RISCV_CALL_PLT), PC_RELATIVE, field::CALL, CALLS),
    pcrel_hi(applied(NAMED(R_RISCV_PCREL_HI20), PC_RELATIVE, field::U, "la lla auipc lb lh lw lbu lhu sb sh sw")),
    applied(NAMED(R_RISCV_PCREL_LO12_I), PCREL_LO, field::I, LOADS_AND_JALR),
    applied(NAMED(R_RISCV_PCREL_LO12_S), PCREL_LO, field::S, STORES),
    applied(NAMED(R_RISCV_HI20), ABSOLUTE, field::U, "lui"),
    applied(NAMED(R_RISCV_LO12_I), ABSOLUTE, field::I, LOADS_AND_JALR),
    applied(NAMED(R_RISCV_LO12_S), ABSOLUTE, field::S, STORES),
    applied(NAMED(R_RISCV_ADD8), ADD, field::DATA8, DATA),
    applied(NAMED(R_RISCV_ADD16), ADD, field::DATA16, DATA),
    applied(NAMED(R_RISCV_ADD32), ADD, field::DATA32, DATA),
    applied(NAMED(R_RISCV_SUB6), SUB, field::DATA6, DATA),
    applied(NAMED(R_RISCV_SUB8), SUB, field::DATA8, DATA),
    applied(NAMED(R_RISCV_SUB16), SUB, field::DATA16, DATA),
    applied(NAMED(R_RISCV_SUB32), SUB, field::DATA32, DATA),
    applied(NAMED(R_RISCV_SET6), ABSOLUTE, field::DATA6, DATA),
    applied(NAMED(R_RISCV_SET8), ABSOLUTE, field::DATA8, DATA),
    applied(NAMED(R_RISCV_SET16), ABSOLUTE, field::DATA16, DATA),
    applied(NAMED(R_RISCV_SET32), ABSOLUTE, field::DATA32, DATA),
    applied(NAMED(R_RISCV_32_PCREL), PC_RELATIVE, field::DATA32, DATA),
    // `.word f@plt - .`: with no PLT here, the distance to the function itself.
    applied(PLT32, "R_RISCV_PLT32", PC_RELATIVE, field::DATA32, DATA),
    applied(NAMED(R_RISCV_RELAX), MARKER, field::NONE),
    applied(NAMED(R_RISCV_ALIGN), MARKER, field::NONE),
    refused(NAMED(R_RISCV_NONE)),
    refused(NAMED(R_RISCV_64)),
    refused(NAMED(R_RISCV_RELATIVE)),
    refused(NAMED(R_RISCV_COPY)),
    refused(NAMED(R_RISCV_JUMP_SLOT)),
    pcrel_hi(instead_of_refusal(refused(NAMED(R_RISCV_GOT_HI20), "la lga auipc",
                                        "position-independent code is not supported; remove '.option pic' from the "
                                        "program, or compile it without -fPIC or -fpic"))),
    refused(NAMED(R_RISCV_TLS_GOT_HI20)),
    refused(NAMED(R_RISCV_TLS_GD_HI20)),
    refused(NAMED(R_RISCV_TPREL_HI20)),
    refused(NAMED(R_RISCV_TPREL_LO12_I)),
    refused(NAMED(R_RISCV_TPREL_LO12_S)),
    refused(NAMED(R_RISCV_TPREL_ADD)),
    refused(NAMED(R_RISCV_ADD64)),
    refused(NAMED(R_RISCV_SUB64)),
    refused(NAMED(R_RISCV_RVC_BRANCH), BRANCHES),
    refused(NAMED(R_RISCV_RVC_JUMP), JUMPS),
    refused(NAMED(R_RISCV_RVC_LUI)),
    refused(NAMED(R_RISCV_GPREL_I)),
    refused(NAMED(R_RISCV_GPREL_S)),
    refused(NAMED(R_RISCV_IRELATIVE)),
    refused(GOT32_PCREL, "R_RISCV_GOT32_PCREL"),
    refused(SET_ULEB128, "R_RISCV_SET_ULEB128", {}, ULEB128_HINT),
    refused(SUB_ULEB128, "R_RISCV_SUB_ULEB128", {}, ULEB128_HINT),
    refused(TLSDESC_HI20, "R_RISCV_TLSDESC_HI20"),
    refused(TLSDESC_LOAD_LO12, "R_RISCV_TLSDESC_LOAD_LO12"),
    refused(TLSDESC_ADD_LO12, "R_RISCV_TLSDESC_ADD_LO12"),
    refused(TLSDESC_CALL, "R_RISCV_TLSDESC_CALL"),
};

#undef NAMED

// U, I, S and CALL take the low bits of a 32-bit value, and every 32-bit value has them.
constexpr field_reach ANY_WORD = {INT32_MIN, UINT32_MAX, 1};

// A data field's value may be meant signed or unsigned: either reading of the bits.
constexpr field_reach data_reach(unsigned bits) {
    const int64_t span = int64_t{1} << bits;
    return {-span / 2, span - 1, 1};
}

// A branch or jal immediate of `bits` bits holds an even half distance, so the
// field reaches twice as far, in whole instructions.
constexpr field_reach halved_reach(unsigned bits) {
    const int32_t half_span = int32_t{1} << (bits - 1);
    return {static_cast<int32_t>(whole_distance(-half_span)), static_cast<int32_t>(whole_distance(half_span - 2)), 4};
}

uint32_t write_b(uint32_t word, uint32_t value) {
    return write_b_imm(word, half_distance(static_cast<int32_t>(value)));
}
uint32_t write_j(uint32_t word, uint32_t value) {
    return write_j_imm(word, half_distance(static_cast<int32_t>(value)));
}
// Rounded so that a following I or S part, sign-extended, adds up to the value.
uint32_t write_u(uint32_t word, uint32_t value) {
    return write_u_imm(word, static_cast<int32_t>((value + 0x800) >> 12));
}
uint32_t write_i(uint32_t word, uint32_t value) { return write_i_imm(word, static_cast<int32_t>(value)); }
uint32_t write_s(uint32_t word, uint32_t value) { return write_s_imm(word, static_cast<int32_t>(value)); }

// In the order of `field`.
constexpr std::array<field_row, 11> FIELDS = {{
    {field::NONE, R_TYPE, "", 0, 0, ANY_WORD, nullptr},
    {field::B, B_TYPE, "B", 4, 0, halved_reach(13), write_b},
    {field::J, J_TYPE, "J", 4, 0, halved_reach(21), write_j},
    {field::U, U_TYPE, "U", 4, 0, ANY_WORD, write_u},
    {field::I, I_TYPE, "I", 4, 0, ANY_WORD, write_i},
    {field::S, S_TYPE, "S", 4, 0, ANY_WORD, write_s},
    {field::CALL, R_TYPE, "CALL", 8, 0, ANY_WORD, nullptr},  // an auipc (U) and a jalr (I)
    {field::DATA6, R_TYPE, "DATA6", 1, 6, data_reach(6), nullptr},
    {field::DATA8, R_TYPE, "DATA8", 1, 8, data_reach(8), nullptr},
    {field::DATA16, R_TYPE, "DATA16", 2, 16, data_reach(16), nullptr},
    {field::DATA32, R_TYPE, "DATA32", 4, 32, data_reach(32), nullptr},
}};
static_assert([] {
    for (size_t i = 0; i < FIELDS.size(); ++i)
        if (FIELDS[i].into != static_cast<field>(i)) return false;
    return true;
}());
static_assert(FIELDS[1].reach.lo == -8192 && FIELDS[1].reach.hi == 8188 && FIELDS[2].reach.hi == 2097148);

}  // namespace

const relocation_rule* find_relocation_rule(uint32_t type) {
    for (const relocation_rule& rule : RULES)
        if (rule.type == type) return &rule;
    return nullptr;
}

std::string relocation_type_name(uint32_t type) {
    if (const relocation_rule* rule = find_relocation_rule(type)) return rule->name;
    return "type " + std::to_string(type);
}

std::string_view words_writing(uint32_t type) {
    const relocation_rule* rule = find_relocation_rule(type);
    return rule ? rule->words : std::string_view{};
}

std::string_view words_writing(const relocation& relo, const std::vector<uint8_t>& bytes) {
    const relocation_rule* rule = find_relocation_rule(relo.type);
    if (!rule) return {};
    if (rule->into != field::J || relo.addr < 4 || relo.addr > bytes.size()) return rule->words;
    constexpr uint32_t BRANCH_OVER_NEXT = write_b_imm(OPCODE_BRANCH, 8);
    const bool branched_over = (read_le(bytes, relo.addr - 4, 4) & (B_IMM_MASK | 0x7f)) == BRANCH_OVER_NEXT;
    return branched_over ? BRANCHES : rule->words;
}

const field_row& row_of(field f) { return FIELDS[static_cast<size_t>(f)]; }

bool is_data_field(field f) { return row_of(f).data_bits != 0; }

bool fits(field f, int64_t value) {
    const field_reach reach = row_of(f).reach;
    return value >= reach.lo && value <= reach.hi && value % reach.step == 0;
}

std::expected<Instruction, std::string> relocate_instruction(const Instruction& instruction, field into,
                                                             uint32_t value) {
    if (instruction.type == R_TYPE) return std::unexpected("POKE DORVIK: WHY ARE WE RELOCATING AN R TYPE?????????");
    if (instruction.type > J_TYPE)
        return std::unexpected("WHAT THE FUCKKKKKKKKKKKK ILLEGAL INSTRUCTION TYPE IN RELOCATION");
    const field_row& row = row_of(into);
    if (!row.write) return std::unexpected("no instruction field to write");
    if (instruction.type != row.format)
        return std::unexpected(std::string("a ") + row.name + "-type field cannot be written into '" +
                               instruction.mnemonic + "'");
    Instruction patched = instruction;
    patched.encoding = row.write(instruction.encoding, value);
    return patched;
}

std::expected<void, int64_t> write_data_field(std::vector<uint8_t>& bytes, uint32_t offset, field into, bool set,
                                              int64_t sum) {
    const unsigned width = row_of(into).data_bits;
    const unsigned count = row_of(into).place_bytes;
    if (bytes.size() < uint64_t{offset} + count) return {};
    const uint32_t mask = width == 32 ? 0xffffffffu : (1u << width) - 1;
    const uint32_t stored = read_le(bytes, offset, count);
    const uint32_t held = stored & mask;
    const int64_t as_unsigned = set ? sum : held + sum;
    const int64_t as_signed = set ? sum : sign_extend(held, width) + sum;
    if (!fits(into, as_unsigned) && !fits(into, as_signed)) return std::unexpected(as_unsigned);
    write_le(bytes, offset, count, (static_cast<uint32_t>(as_unsigned) & mask) | (stored & ~mask));
    return {};
}

std::optional<uint32_t> halve_jump(uint32_t word) {
    const uint32_t opcode = bits(word, 6, 0);
    if (opcode != OPCODE_BRANCH && opcode != OPCODE_JAL) return word;
    const int32_t distance = opcode == OPCODE_BRANCH ? read_b_imm(word) : read_j_imm(word);
    if (distance % 4 != 0) return std::nullopt;
    const int32_t half = half_distance(distance);
    return opcode == OPCODE_BRANCH ? write_b_imm(word, half) : write_j_imm(word, half);
}
