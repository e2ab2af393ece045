// What an output action (Copy, Share, Open in Maps) did with the position.
#pragma once

#include <string>

namespace quorvane {

enum class OutputResult : unsigned char {
    handedOut, // or, with a text no URL parser takes, ended silently
    refused,   // no complete position in range: nothing was handed out
};

struct OutputOutcome {
    OutputResult result = OutputResult::handedOut;
    std::string message; // why it was refused, for the user
};

} // namespace quorvane
