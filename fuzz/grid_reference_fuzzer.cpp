// The grid readers under arbitrary text, and the writers under arbitrary doubles: no crash and
// no exception escapes (GeographicLib throws inside); a reading lies on the globe in a cell of
// positive size and its centre writes a reference that reads again; a refusal has a message; a
// position gets references exactly when it lies within 90 and 180 degrees.
#include "fuzz_require.h"
#include "core/grid/grid_reference.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

using namespace quorvane::grid;

using quorvane::fuzz::require;

void checkReading(const GridReading& r) {
    if (!r.ok()) {
        require(!describeError(r).empty(), "a refusal has a message");
        return;
    }
    require(std::fabs(r.latitude) <= 90 && std::fabs(r.longitude) <= 180, "read onto the globe");
    require(r.cell.width > 0 && r.cell.height > 0, "a cell of positive size");
    const GridText again = info(r.system).write(r.latitude, r.longitude);
    require(again.ok(), "the centre has a reference");
    require(info(r.system).read(again.view()).ok(), "what is written reads again");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const GridSystemInfo& system : gridSystems())
        checkReading(system.read(text));
    checkReading(readGridReference(text));

    if (size >= 2 * sizeof(double)) {
        double latitude = 0;
        double longitude = 0;
        std::memcpy(&latitude, data, sizeof latitude);
        std::memcpy(&longitude, data + sizeof latitude, sizeof longitude);
        const bool inRange = std::fabs(latitude) <= 90 && std::fabs(longitude) <= 180;
        for (const GridText& t : writeAll(latitude, longitude)) {
            require(t.ok() == inRange, "references exactly within range");
            require(t.ok() != t.view().empty(), "a reference or an empty text with a reason");
        }
    }
    return 0;
}
