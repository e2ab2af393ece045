// Which grid references the screen shows, chosen in the settings and kept in the settings store.
//
// The store holds the names of the shown systems ("utm,mgrs,pluscode,maidenhead", in screen
// order) under kGridReferencesKey. Without the key (a fresh install) all four show; an empty text
// shows none; names the program does not know are passed over.
#pragma once

#include "grid_reference.h"

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {
class SettingsStore;
}

namespace quorvane::grid {

inline constexpr std::string_view kGridReferencesKey = "gridReferences";

// Whether a system's row shows on the converter screen.
enum class Visibility : std::uint8_t { shown, hidden };

class GridChoice {
public:
    bool isShown(GridSystem system) const { return shown_[static_cast<std::size_t>(system)]; }
    Visibility visibility(GridSystem system) const {
        return isShown(system) ? Visibility::shown : Visibility::hidden;
    }
    bool noneShown() const { return shown_.none(); }

    // Screen set-up: the stored choice, or all four when nothing is stored.
    void restore(const SettingsStore& store);
    // A tap in the settings list: shows or hides the system, in memory and in the store.
    void setVisibility(GridSystem system, Visibility visibility, SettingsStore& store);

    // The stored text of the current choice.
    std::string storedText() const;

private:
    std::bitset<kGridSystemCount> shown_{(1U << kGridSystemCount) - 1};
};

} // namespace quorvane::grid
