// Which NMEA sentences reach the position source's parser: what a receiver writes, empty fields
// included, and nothing with an impossible or signed field.
#include "location/nmea_sentence_check.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

constexpr auto Yes = NmeaVerdict::accept;
constexpr auto No = NmeaVerdict::refuse;

TEST(NmeaSentenceCheck, RefusesImpossibleOrSignedFields) {
    // clang-format off
    const std::pair<const char*, NmeaVerdict> cases[] = {
        {"$GPGGA,020000.00,3352.129182,S,15112.557730,E,1,08,1.5,58.0,M,22.0,M,,*41\r\n", Yes},
        {"$GPRMC,020000.00,A,3352.129182,S,15112.557730,E,0.0,0.0,150324,,,A*43", Yes},
        {"$GPGGA,020000.00,,,,,0,00,99.9,,M,,M,,*5D", Yes},          // no fix: empty fields
        {"$GNGGA,235960,9000.0,N,18000.0,W,1,08,1.5,-12.5,M,,M,,", Yes}, // the ends; leap second
        {"$GPZDA,201530.00,04,07,2002,00,00", Yes},
        {"$GPGSV,3,1,11,03,03,111,00,04,15,270,00", Yes},             // no position in it
        {"$GPRMC,020000.00,A,3352.1,S,15160.0,E,0.0,0.0,150324,,,A", No},
        {"$GPRMC,020000.00,A,-3352.129182,S,15112.557730,E,0.0,0.0,150324,,,A", No},
        {"$GPGGA,020000.00,9000.1,N,15112.5,E,1,08,1.5,58.0,M,,M,,", No},
        {"$GPGLL,4916.45,N,18000.01,W,225444,A", No},
        {"$GPGGA,020000.00,3352.1,X,15112.5,E,1,08,1.5,58.0,M,,M,,", No},
        {"$GPGGA,020000.00,3352.1,,15112.5,E,1,08,1.5,58.0,M,,M,,", No}, // no hemisphere
        {"$GPGGA,020000.00,3352.1,S,15112.5,E,1,08,-1.5,58.0,M,,M,,", No}, // HDOP
        {"$GPGGA,246000,3352.1,S,15112.5,E,1,08,1.5,58.0,M,,M,,", No},
        {"$GPRMC,020000.00,A,3352.1,S,15112.5,E,0.0,360.0,150324,,,A", No},
        {"$GPRMC,020000.00,A,3352.1,S,15112.5,E,0.0,0.0,320324,,,A", No},
        {"$GPRMC,020000.00,X,3352.1,S,15112.5,E,0.0,0.0,150324,,,A", No},
        {"$GPZDA,201530.00,04,13,2002,00,00", No},
    };
    // clang-format on
    for (const auto& [sentence, verdict] : cases)
        EXPECT_EQ(checkNmeaSentence(sentence), verdict) << sentence;
}

} // namespace
} // namespace quorvane
