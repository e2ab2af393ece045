// `quorvane convert -`: positions read line by line and converted on forms that are reused.
//
// The input is cut into blocks of whole lines. Worker threads, each with its own form, convert
// the blocks; the calling thread reads ahead and writes the finished blocks in input order, so
// the output has one line per input line, in order, whatever the number of workers. A fixed
// number of blocks circulates, so memory stays constant however long the input is.
//
// When the input has no more bytes ready (a program writing one line and waiting for its
// answer, a user at a terminal), the lines read so far are answered and the output flushed
// before the input is waited for. The first write that fails stops the stream.
#pragma once

#include "core/form_platform.h"

#include <cstddef>
#include <cstdio>

namespace quorvane {

// A position fits in far less; a longer line is skipped (and reported) without being stored.
inline constexpr std::size_t kMaxPositionLineLength = 4096;

// Whether the output adds the four grid references (--grid): UTM/UPS, MGRS, Plus Code and
// Maidenhead after the copy lines.
enum class GridColumns : unsigned char { none, added };

enum class StreamOutcome : unsigned char {
    allConverted,
    someLinesUnread, // bad lines (an empty output line each), or the input failed
    outputFailed,    // a write failed; nothing more was read or written after it
};

// Converts every line of `in` and writes one line to `out` for each: the four copy lines
// separated by tabs (and the four grid references with GridColumns::added), or nothing for a
// line that cannot be read (its message goes to `err`, with its line number). A line that is no
// position in the four notations but a grid reference is read as one. workers: how many converting
// threads; 0 picks one per core. blockBytes: about how much input makes a block (and one read); 0
// picks 64 KiB. Tests and the fuzzer use tiny blocks, so that a small input crosses many blocks and
// reads.
StreamOutcome convertPositionStream(std::FILE* in, std::FILE* out, std::FILE* err, DecimalMode mode,
                                    std::size_t workers = 0, std::size_t blockBytes = 0,
                                    GridColumns grid = GridColumns::none);

} // namespace quorvane
