#include "nmea_sentence_check.h"

#include "core/nmea_sentence.h"

namespace quorvane {

NmeaVerdict checkNmeaSentence(std::string_view sentence) {
    return nmea::firstBrokenField(nmea::splitSentence(sentence)) ? NmeaVerdict::refuse
                                                                 : NmeaVerdict::accept;
}

} // namespace quorvane
