// A check of NMEA 0183 sentences before a position source's parser sees them.
//
// Parsers take what a sentence says: Qt's reads a latitude of "3375.0" as 33° 75' (34.25°) and
// "-3352.1,S" as North. A receiver never writes such fields, so a replayed or corrupted log that
// holds them is refused sentence by sentence, as a receiver would refuse bad input:
//
//   refused:  minutes of 60 or more ("3375.0"), a sign on a field that has none ("-3352.1"),
//             latitude beyond 90 or longitude beyond 180 degrees, a hemisphere other than N/S
//             or E/W (or none beside a coordinate), a time beyond 23:59:60, a date or day that
//             does not exist, a course of 360 or more, a negative speed or dilution
//   accepted: empty fields (a receiver without a fix leaves them empty), negative altitudes,
//             sentences of other kinds, which carry no position
//
// The fields of GGA, RMC, GLL, VTG and ZDA are checked, whatever the talker (GP, GN, GL, ...).
// A checksum is left to the parser.
#pragma once

#include <string_view>

namespace quorvane {

enum class NmeaVerdict : unsigned char { accept, refuse };

// One sentence, from "$" to its checksum, line end included or not.
NmeaVerdict checkNmeaSentence(std::string_view sentence);

} // namespace quorvane
