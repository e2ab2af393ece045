// `quorvane convert`: the converter from a terminal.
#pragma once

#include <cstdio>

namespace quorvane {

// args: the words after "convert". Returns the process exit status.
int runConvertCommand(int argc, const char* const* argv, std::FILE* in, std::FILE* out,
                      std::FILE* err);

} // namespace quorvane
