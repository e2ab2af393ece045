// A check of NMEA 0183 sentences before a position source's parser sees them.
//
// Parsers take what a sentence says: Qt's reads a latitude of "3375.0" as 33° 75' (34.25°) and
// "-3352.1,S" as North. A receiver never writes such fields, so a replayed or corrupted log that
// holds them is refused sentence by sentence, as a receiver would refuse bad input (the rules of
// the fields are in core/nmea_sentence.h). A checksum is left to the parser.
#pragma once

#include <string_view>

namespace quorvane {

enum class NmeaVerdict : unsigned char { accept, refuse };

// One sentence, from "$" to its checksum, line end included or not.
NmeaVerdict checkNmeaSentence(std::string_view sentence);

} // namespace quorvane
