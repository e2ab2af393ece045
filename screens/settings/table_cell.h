// What one row of a settings table shows; the front end draws it as a list row.
#pragma once

#include <cstddef>
#include <string>

namespace quorvane {

enum class CellAccessory : unsigned char { none, disclosureIndicator, checkmark };

struct TableCell {
    std::string title;
    std::string detail; // empty: no detail text
    CellAccessory accessory = CellAccessory::none;

    bool operator==(const TableCell&) const = default;
};

struct IndexPath {
    std::size_t section = 0;
    std::size_t row = 0;
};

} // namespace quorvane
