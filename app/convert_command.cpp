#include "convert_command.h"

namespace quorvane {

int runConvertCommand(int, const char* const*, std::FILE*, std::FILE*, std::FILE* err) {
    std::fputs("quorvane convert: not built yet\n", err);
    return 2;
}

} // namespace quorvane
