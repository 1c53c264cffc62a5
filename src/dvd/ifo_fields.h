// The fields of a title-set information file (VTS_xx_0.IFO) that chapter reading uses.
// Every position is a 64-bit byte offset from the start of the file, and every field is
// read through the bounds-checked reads of the file image, so a pointer anywhere in the
// file leads either to bytes inside the image or to "Stream read error".
//
// Title-set header (VTSI_MAT), at the start of the file:
//   0xC8..0xCB  sector of VTS_PTT_SRPT, the table of titles
//   0xCC..0xCF  sector of VTS_PGCI, the program chain information table
// A sector counts 2048 bytes from the start of the file.
//
// VTS_PTT_SRPT, at its sector x 2048:
//   0, 1        number of titles
//
// VTS_PGCI, at its sector x 2048 (G):
//   0..7        header: number of chains, end address (not read)
//   8 + 8(n-1)  search pointer of chain n: 4 bytes category (not read),
//               then 4 bytes: start of chain n, counted from G
//
// Program chain, at G + its start (C):
//   2           number of programs
//   3           number of cells
//   4..7        playback time of the whole chain
//   0xE6, 0xE7  offset of the program map, from C
//   0xE8, 0xE9  offset of the cell playback information table, from C
//
// Program map: one byte per program, the number (from 1) of its entry cell.
// Cell playback information: 24 bytes per cell; 4..7 the cell's playback time.
#pragma once

#include <cstdint>
#include <string>

#include "dvd/file_image.h"

namespace dvd {

inline constexpr std::int64_t kSectorSize = 2048;

// The byte offset named by the 4-byte sector pointer at `field_position`: the pointer is
// unsigned and the product is 64-bit, so a large pointer lies beyond the image instead
// of wrapping round to an offset inside it.
std::int64_t ReadSectorOffset(const FileImage& image, std::int64_t field_position);

// The number of titles of the title set (VTS_PTT_SRPT).
std::int32_t ReadTitleCount(const FileImage& image);

// The byte offset C of program chain `chain` (from 1). The chain number is not checked
// against the table; a number beyond it reads whatever lies at the computed place.
std::int64_t ReadProgramChainPosition(const FileImage& image, std::int32_t chain);

std::int32_t ReadProgramCount(const FileImage& image, std::int64_t chain_position);
std::int32_t ReadCellCount(const FileImage& image, std::int64_t chain_position);

// The playback time of the whole chain, decoded by ReadPlaybackTime.
std::string ReadChainPlaybackTime(const FileImage& image, std::int64_t chain_position);

// The entry cell of each program, `program_count` bytes.
IntArray ReadProgramMap(const FileImage& image, std::int64_t chain_position, std::int32_t program_count);

// The byte offset of the chain's cell playback information table.
std::int64_t ReadCellTablePosition(const FileImage& image, std::int64_t chain_position);

// The playback time of cell `cell` (from 1) of the table at `cell_table_position`.
std::string ReadCellPlaybackTime(const FileImage& image, std::int64_t cell_table_position, std::int32_t cell);

}  // namespace dvd
