// The text as the position readers see it. Copying from web pages, documents and apps brings
// characters along that carry nothing (zero-width characters, byte-order marks, soft hyphens) or
// that only look like the ones the readers know (no-break and thin spaces, typographic primes,
// degree rings, the minus sign). The first pass copies the text into a fixed buffer without the
// former and with the latter in their one plain spelling, so each reader deals with plain
// characters only. Every byte remembers where it came from: what a reading quotes or types into
// the form points into the caller's text again. Internal to the reader.
#pragma once

#include "core/position_reader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorvane::reading {

// Where a byte of the buffer came from: the caller's bytes [begin, end). A byte a reader adds
// (the ", " between two halves it gathered) has an empty origin.
// Left without initialisers, so that a buffer of them costs nothing until it is written.
struct Origin {
    std::uint16_t begin;
    std::uint16_t end;
};

class SourceText {
public:
    // More than any position with its labels, markup or a block of photo metadata needs.
    static constexpr std::size_t kCapacity = 4096;

    explicit SourceText(std::string_view original) : original_(original) {}

    // The first pass: `text` with invisible characters dropped and look-alikes mapped. A text
    // that does not fit comes back overflowed.
    static SourceText cleaned(std::string_view text) noexcept;
    // A piece of another such text with its escapes decoded ("%2C" is ",", "%C2%B0" is "°"),
    // the characters of `blanks` as blanks ("+" in a query), then cleaned.
    static SourceText percentDecoded(const SourceText& from, std::string_view piece,
                                     std::string_view blanks) noexcept;

    std::string_view view() const {
        return asWritten_ ? original_ : std::string_view{chars_.data(), size_};
    }
    std::string_view original() const { return original_; }
    bool overflowed() const { return overflowed_; }

    // A piece of `from` (a view into it), each byte keeping its origin.
    void append(std::string_view piece, const SourceText& from) noexcept;
    // Bytes of the reader's own, e.g. the ", " between two halves.
    void appendOwn(std::string_view text) noexcept;

    // The caller's text that a piece of this buffer came from; a piece from elsewhere as it is.
    std::string_view originalOf(std::string_view piece) const noexcept;
    // The reading with every piece and number pointing into the caller's text. Numbers the caller
    // wrote differently (a zero-width character inside the digits) are dropped, and the point is
    // then entered as it is, as for a reading without written numbers.
    PositionReading rebased(PositionReading reading) const noexcept;

private:
    bool holds(std::string_view piece) const;
    Origin originAt(std::size_t index) const; // of the byte at view()[index]
    void put(char c, Origin origin);
    // The first pass over `text`, whose bytes [begin, end) came from originOf(begin, end).
    template <class OriginOf> void cleanFrom(std::string_view text, OriginOf originOf);
    // Bytes copied as they are, the byte at run[k] from originAt(k).
    template <class OriginAt> void putRun(std::string_view run, OriginAt originAt);

    std::string_view original_;
    std::array<char, kCapacity> chars_; // only the first size_ are set
    std::array<Origin, kCapacity> origins_;
    std::size_t size_ = 0;
    bool overflowed_ = false;
    bool asWritten_ = false; // nothing to clean: the caller's text is the view, unbuffered
};

} // namespace quorvane::reading
