#include "relocate.h"

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


// The format a field belongs to, for checking the word it is written into.
InstructionType format_of(field f) {
    switch (f) {
        case field::B: return B_TYPE;
        case field::J: return J_TYPE;
        case field::U: return U_TYPE;
        case field::S: return S_TYPE;
        default: return I_TYPE;
    }
}

const char* format_name(field f) {
    constexpr const char* NAMES[] = {"B", "J", "U", "I", "S"};
    return NAMES[static_cast<int>(f) - static_cast<int>(field::B)];
}

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

bool is_data_field(field f) { return f >= field::DATA6; }

unsigned data_field_bits(field f) {
    switch (f) {
        case field::DATA6: return 6;
        case field::DATA8: return 8;
        case field::DATA16: return 16;
        default: return 32;
    }
}

field_reach reach_of(field f) {
    switch (f) {
        case field::B: return {-8192, 8188, 4};
        case field::J: return {-2097152, 2097148, 4};
        case field::DATA6: case field::DATA8: case field::DATA16: case field::DATA32: {
            // Signed or unsigned: either reading of the bits is a value a program may mean.
            const int64_t span = int64_t{1} << data_field_bits(f);
            return {-span / 2, span - 1, 1};
        }
        // The rest take the low bits of a 32-bit value, and every 32-bit value has them.
        default: return {INT32_MIN, UINT32_MAX, 1};
    }
}

bool fits(field f, int64_t value) {
    const field_reach reach = reach_of(f);
    return value >= reach.lo && value <= reach.hi && value % reach.step == 0;
}

std::expected<Instruction, std::string> relocate_instruction(const Instruction& instruction, field into,
                                                             uint32_t value) {
    if (instruction.type == R_TYPE) return std::unexpected("POKE DORVIK: WHY ARE WE RELOCATING AN R TYPE?????????");
    if (instruction.type > J_TYPE)
        return std::unexpected("WHAT THE FUCKKKKKKKKKKKK ILLEGAL INSTRUCTION TYPE IN RELOCATION");
    if (into < field::B || into > field::S) return std::unexpected("no instruction field to write");
    if (instruction.type != format_of(into))
        return std::unexpected(std::string("a ") + format_name(into) + "-type field cannot be written into '" +
                               instruction.mnemonic + "'");
    Instruction patched = instruction;
    const uint32_t w = instruction.encoding;
    const auto v = static_cast<int32_t>(value);
    switch (into) {
        case field::B: patched.encoding = write_b_imm(w, v / 2); break;
        case field::J: patched.encoding = write_j_imm(w, v / 2); break;
        case field::U: patched.encoding = write_u_imm(w, static_cast<int32_t>((value + 0x800) >> 12)); break;
        case field::I: patched.encoding = write_i_imm(w, v); break;
        case field::S: patched.encoding = write_s_imm(w, v); break;
        default: break;
    }
    return patched;
}
