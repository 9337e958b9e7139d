# SPDX-FileCopyrightText: 2026 Korvantis
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the opening table's bytes as a C++ array, so that the program carries it with no file
# to find at run time. Usage: cmake -DINPUT=table.bin -DOUTPUT=table.cpp -P embed_table.cmake
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.
#include <cstddef>
#include <cstdint>

namespace quatrelle::game {
extern const std::uint8_t OpeningTableData[];
extern const std::size_t OpeningTableSize;
const std::uint8_t OpeningTableData[] = {
${bytes}};
const std::size_t OpeningTableSize = sizeof(OpeningTableData);
} // namespace quatrelle::game
")
