// Helper of tools/check-plus-code.sh: for each input line "latitude longitude digits" writes
// "code latitude longitude height width", the Plus Code and the centre and size of the cell it
// reads back to. Not built by CMake; the script compiles it against the grid library.
#include "core/grid/grid_reference.h"

#include <cstdio>

int main() {
    double latitude = 0;
    double longitude = 0;
    int digits = 0;
    while (std::scanf("%lf %lf %d", &latitude, &longitude, &digits) == 3) {
        const auto text = quorvane::grid::writePlusCode(latitude, longitude, digits);
        const auto back = quorvane::grid::readPlusCode(text.view());
        std::printf("%.*s %.17g %.17g %.17g %.17g\n", static_cast<int>(text.length),
                    text.chars.data(), back.latitude, back.longitude, back.cell.height,
                    back.cell.width);
    }
}
