#include "relocate.h"

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

constexpr std::array RULES = {
    relocation_rule{R_RISCV_32, "R_RISCV_32", ABSOLUTE, field::DATA32},
    relocation_rule{R_RISCV_BRANCH, "R_RISCV_BRANCH", PC_RELATIVE, field::B},
    relocation_rule{R_RISCV_JAL, "R_RISCV_JAL", PC_RELATIVE, field::J},
    relocation_rule{R_RISCV_CALL, "R_RISCV_CALL", PC_RELATIVE, field::CALL},
    relocation_rule{R_RISCV_CALL_PLT, "R_RISCV_CALL_PLT", PC_RELATIVE, field::CALL},
    relocation_rule{R_RISCV_PCREL_HI20, "R_RISCV_PCREL_HI20", PC_RELATIVE, field::U},
    relocation_rule{R_RISCV_PCREL_LO12_I, "R_RISCV_PCREL_LO12_I", PCREL_LO, field::I},
    relocation_rule{R_RISCV_PCREL_LO12_S, "R_RISCV_PCREL_LO12_S", PCREL_LO, field::S},
    relocation_rule{R_RISCV_HI20, "R_RISCV_HI20", ABSOLUTE, field::U},
    relocation_rule{R_RISCV_LO12_I, "R_RISCV_LO12_I", ABSOLUTE, field::I},
    relocation_rule{R_RISCV_LO12_S, "R_RISCV_LO12_S", ABSOLUTE, field::S},
    relocation_rule{R_RISCV_ADD8, "R_RISCV_ADD8", ADD, field::DATA8},
    relocation_rule{R_RISCV_ADD16, "R_RISCV_ADD16", ADD, field::DATA16},
    relocation_rule{R_RISCV_ADD32, "R_RISCV_ADD32", ADD, field::DATA32},
    relocation_rule{R_RISCV_SUB6, "R_RISCV_SUB6", SUB, field::DATA6},
    relocation_rule{R_RISCV_SUB8, "R_RISCV_SUB8", SUB, field::DATA8},
    relocation_rule{R_RISCV_SUB16, "R_RISCV_SUB16", SUB, field::DATA16},
    relocation_rule{R_RISCV_SUB32, "R_RISCV_SUB32", SUB, field::DATA32},
    relocation_rule{R_RISCV_SET6, "R_RISCV_SET6", ABSOLUTE, field::DATA6},
    relocation_rule{R_RISCV_SET8, "R_RISCV_SET8", ABSOLUTE, field::DATA8},
    relocation_rule{R_RISCV_SET16, "R_RISCV_SET16", ABSOLUTE, field::DATA16},
    relocation_rule{R_RISCV_SET32, "R_RISCV_SET32", ABSOLUTE, field::DATA32},
    relocation_rule{R_RISCV_32_PCREL, "R_RISCV_32_PCREL", PC_RELATIVE, field::DATA32},
    // `.word f@plt - .`: with no PLT here, the distance to the function itself.
    relocation_rule{PLT32, "R_RISCV_PLT32", PC_RELATIVE, field::DATA32},
    relocation_rule{R_RISCV_RELAX, "R_RISCV_RELAX", MARKER, field::NONE},
    relocation_rule{R_RISCV_ALIGN, "R_RISCV_ALIGN", MARKER, field::NONE},
};

// Names of the types orrik refuses, for its messages.
constexpr std::array<std::pair<uint32_t, const char*>, 27> REFUSED_NAMES = {{
    {R_RISCV_NONE, "R_RISCV_NONE"},
    {R_RISCV_64, "R_RISCV_64"},
    {R_RISCV_RELATIVE, "R_RISCV_RELATIVE"},
    {R_RISCV_COPY, "R_RISCV_COPY"},
    {R_RISCV_JUMP_SLOT, "R_RISCV_JUMP_SLOT"},
    {R_RISCV_GOT_HI20, "R_RISCV_GOT_HI20"},
    {R_RISCV_TLS_GOT_HI20, "R_RISCV_TLS_GOT_HI20"},
    {R_RISCV_TLS_GD_HI20, "R_RISCV_TLS_GD_HI20"},
    {R_RISCV_TPREL_HI20, "R_RISCV_TPREL_HI20"},
    {R_RISCV_TPREL_LO12_I, "R_RISCV_TPREL_LO12_I"},
    {R_RISCV_TPREL_LO12_S, "R_RISCV_TPREL_LO12_S"},
    {R_RISCV_TPREL_ADD, "R_RISCV_TPREL_ADD"},
    {R_RISCV_ADD64, "R_RISCV_ADD64"},
    {R_RISCV_SUB64, "R_RISCV_SUB64"},
    {R_RISCV_RVC_BRANCH, "R_RISCV_RVC_BRANCH"},
    {R_RISCV_RVC_JUMP, "R_RISCV_RVC_JUMP"},
    {R_RISCV_RVC_LUI, "R_RISCV_RVC_LUI"},
    {R_RISCV_GPREL_I, "R_RISCV_GPREL_I"},
    {R_RISCV_GPREL_S, "R_RISCV_GPREL_S"},
    {R_RISCV_IRELATIVE, "R_RISCV_IRELATIVE"},
    {GOT32_PCREL, "R_RISCV_GOT32_PCREL"},
    {SET_ULEB128, "R_RISCV_SET_ULEB128"},
    {SUB_ULEB128, "R_RISCV_SUB_ULEB128"},
    {TLSDESC_HI20, "R_RISCV_TLSDESC_HI20"},
    {TLSDESC_LOAD_LO12, "R_RISCV_TLSDESC_LOAD_LO12"},
    {TLSDESC_ADD_LO12, "R_RISCV_TLSDESC_ADD_LO12"},
    {TLSDESC_CALL, "R_RISCV_TLSDESC_CALL"},
}};

// U, I, S and CALL take the low bits of a 32-bit value, and every 32-bit value has them.
constexpr field_reach ANY_WORD = {INT32_MIN, UINT32_MAX, 1};

// A data field's value may be meant signed or unsigned: either reading of the bits.
constexpr field_reach data_reach(unsigned bits) {
    const int64_t span = int64_t{1} << bits;
    return {-span / 2, span - 1, 1};
}

// In the order of `field`.
constexpr std::array<field_row, 11> FIELDS = {{
    {field::NONE, R_TYPE, "", 0, 0, ANY_WORD},
    {field::B, B_TYPE, "B", 4, 0, {-8192, 8188, 4}},
    {field::J, J_TYPE, "J", 4, 0, {-2097152, 2097148, 4}},
    {field::U, U_TYPE, "U", 4, 0, ANY_WORD},
    {field::I, I_TYPE, "I", 4, 0, ANY_WORD},
    {field::S, S_TYPE, "S", 4, 0, ANY_WORD},
    {field::CALL, R_TYPE, "CALL", 8, 0, ANY_WORD},  // an auipc (U) and a jalr (I)
    {field::DATA6, R_TYPE, "DATA6", 1, 6, data_reach(6)},
    {field::DATA8, R_TYPE, "DATA8", 1, 8, data_reach(8)},
    {field::DATA16, R_TYPE, "DATA16", 2, 16, data_reach(16)},
    {field::DATA32, R_TYPE, "DATA32", 4, 32, data_reach(32)},
}};
static_assert([] {
    for (size_t i = 0; i < FIELDS.size(); ++i)
        if (FIELDS[i].into != static_cast<field>(i)) return false;
    return true;
}());

}  // namespace

const relocation_rule* find_relocation_rule(uint32_t type) {
    for (const relocation_rule& rule : RULES)
        if (rule.type == type) return &rule;
    return nullptr;
}

std::string relocation_type_name(uint32_t type) {
    if (const relocation_rule* rule = find_relocation_rule(type)) return rule->name;
    for (const auto& [number, name] : REFUSED_NAMES)
        if (number == type) return name;
    return "type " + std::to_string(type);
}

std::string refusal_hint(uint32_t type) {
    // The assembler leaves a '.uleb128' label difference to the linker only
    // when relaxable code lies between the labels, and its width is fixed by then.
    if (type == SET_ULEB128 || type == SUB_ULEB128)
        return "; a label difference in '.uleb128' cannot be resolved here: write '.word end - start' instead";
    return "";
}

uint32_t read_le(const std::vector<uint8_t>& bytes, size_t at, unsigned count) {
    uint32_t value = 0;
    for (unsigned i = 0; i < count; ++i) value |= uint32_t{bytes[at + i]} << (8 * i);
    return value;
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
    if (row.format == R_TYPE) return std::unexpected("no instruction field to write");
    if (instruction.type != row.format)
        return std::unexpected(std::string("a ") + row.name + "-type field cannot be written into '" +
                               instruction.mnemonic + "'");
    Instruction patched = instruction;
    const uint32_t w = instruction.encoding;
    const auto v = static_cast<int32_t>(value);
    switch (into) {
        case field::B: patched.encoding = write_b_imm(w, half_distance(v)); break;
        case field::J: patched.encoding = write_j_imm(w, half_distance(v)); break;
        case field::U: patched.encoding = write_u_imm(w, static_cast<int32_t>((value + 0x800) >> 12)); break;
        case field::I: patched.encoding = write_i_imm(w, v); break;
        case field::S: patched.encoding = write_s_imm(w, v); break;
        default: break;
    }
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
    const uint32_t value = (static_cast<uint32_t>(as_unsigned) & mask) | (stored & ~mask);
    for (unsigned i = 0; i < count; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
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
