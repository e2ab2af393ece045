// The pieces the position reader's parts share: finishing a reading from the numbers of its
// halves, comparing readings, and the readers of the kinds of text. Each reader takes a piece of
// the cleaned text (see position_text.h) and gives a reading whose pieces point into that text
// or, already rebased, into the caller's. Internal to the reader.
#pragma once

#include "core/position_reader.h"

#include <array>
#include <string_view>

namespace quorvane::reading {

class SourceText;

// One half as the text gives it: its hemisphere and its numbers (without sign or marks).
struct HalfInput {
    Hemisphere hemisphere = Hemisphere::northOrEast;
    std::array<std::string_view, kMaxNumbersPerHalf> numbers{};
    std::size_t count = 0;
    std::string_view whole; // the half's text, for messages
};

PositionReading failure(PositionError error, ErrorPart part, std::string_view piece) noexcept;

// Checks the numbers of both halves in their notation (whole degrees and minutes, ranges) and
// gives the reading with its point and precision, or the first fault.
PositionReading finish(Notation notation, const HalfInput& latitude,
                       const HalfInput& longitude) noexcept;

// Whether two readings are the same place within the precision of both.
bool agree(const PositionReading& a, const PositionReading& b) noexcept;

// The positions found in a text, each compared with the first: one position, written once or
// several times and agreeing, is the reading; the first fault ends the search.
class Agreement {
public:
    void add(const PositionReading& p) noexcept;
    bool found() const { return result_.error != PositionError::empty; }
    bool failed() const { return found() && !result_.ok(); }
    // The reading, or `none` when nothing was found.
    PositionReading result(const PositionReading& none) const noexcept {
        return found() ? result_ : none;
    }

private:
    PositionReading result_;
};

std::string_view trimBlanks(std::string_view text) noexcept;

// Written coordinates: numbers, marks, letters, labels, words around them (position_written.cpp).
// Inside a link's own values a further link is only words: links are never read nested.
enum class NestedLinks : std::uint8_t { read, passedOver };
PositionReading readWritten(const SourceText& source, std::string_view text,
                            NestedLinks links = NestedLinks::read) noexcept;
// "LATITUDE, LONGITUDE" gathered from two pieces of `from` (cells, values, fields) and read as
// written coordinates; rebased to the caller's text.
PositionReading readHalves(const SourceText& from, std::string_view latitude,
                           std::string_view longitude) noexcept;

// Links: geo: URIs and the links of maps sites and apps (position_links.cpp), at the start of
// `text`; a link ends at a blank, but for a blank after a comma between coordinates and a
// bracketed label of geo: links.
bool startsWithLink(std::string_view text) noexcept;
std::size_t linkLength(std::string_view text) noexcept;
PositionReading readLink(const SourceText& source, std::string_view link) noexcept;

// Device and radio sentences (position_sentences.cpp): NMEA 0183 GGA, RMC and GLL, and APRS
// position reports.
bool holdsNmeaSentence(std::string_view text) noexcept;
PositionReading readNmeaSentences(const SourceText& source, std::string_view text) noexcept;
bool isAprsReport(std::string_view text) noexcept;
PositionReading readAprsReport(const SourceText& source, std::string_view text) noexcept;

// Data snippets (position_snippets.cpp): GeoJSON, KML, photo metadata lines, tables with a
// header line, and named values of JSON, GPX and other XML.
bool holdsGeoJsonCoordinates(std::string_view text) noexcept;
PositionReading readGeoJsonCoordinates(const SourceText& source, std::string_view text) noexcept;
bool holdsKmlCoordinates(std::string_view text) noexcept;
PositionReading readKmlCoordinates(const SourceText& source, std::string_view text) noexcept;
bool holdsExifPosition(std::string_view text) noexcept;
PositionReading readExifPosition(const SourceText& source, std::string_view text) noexcept;
bool isTableWithHeader(std::string_view text) noexcept;
PositionReading readTable(const SourceText& source, std::string_view text) noexcept;
bool holdsNamedValues(std::string_view text) noexcept;
PositionReading readNamedValues(const SourceText& source, std::string_view text) noexcept;

// Signed decimal degrees as links write them: [-+]digits[.digits]. The length read, 0 if none.
std::size_t signedDecimalLength(std::string_view text) noexcept;
// A position of two signed decimal numbers, e.g. from "-45.5" and "73.25".
PositionReading signedDecimalPosition(std::string_view latitude,
                                      std::string_view longitude) noexcept;

} // namespace quorvane::reading
