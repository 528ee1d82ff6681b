// Constants of the obj file: the program image that orrik writes and tamsel
// reads. Every integer field of the file is big-endian.
#pragma once

#include <cstdint>

const uint32_t MAGIC_WORD = 0xcafef00d;
const uint32_t INITIAL_CODE_OFFSET = 0x10000000;
const uint32_t INITIAL_DATA_OFFSET = 0x20000000;
const uint32_t SEGMENT_SIZE = 0x10000000;

const uint16_t CODE_INDICATOR = 0xc0de;
const uint16_t DATA_INDICATOR = 0xdada;
const uint16_t SYMB_INDICATOR = 0xc3b7;
const uint16_t FILE_INDICATOR = 0xf17e;
const uint16_t LINE_INDICATOR = 0x715e;
