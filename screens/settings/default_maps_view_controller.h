// The default-maps picker's behaviour, without the toolkit: the four maps applications in list
// order, a checkmark on the current choice, and a tap that makes a row the default at once.
#pragma once

#include "actions/action_platform.h"
#include "actions/maps_choice.h"
#include "table_cell.h"

#include <string>
#include <vector>

namespace quorvane {

class SettingsStore;

class DefaultMapsViewController {
public:
    DefaultMapsViewController(const Translator& translator, SettingsStore& store,
                              MapsChoice& mapsChoice);

    // The localized names, in list order, fixed at creation.
    const std::vector<std::string>& defaultMapsList() const { return defaultMapsList_; }

    std::size_t numberOfRows() const { return defaultMapsList_.size(); }
    // The row as currently drawn (an index outside the list gives an empty cell).
    TableCell cellForRow(std::size_t row) const;
    // Redraws every row from the current choice: the checkmark stands on the chosen row only.
    void reloadData();

    // Makes the row's application the default, in memory and in the store (written also when
    // it already is the default), then redraws.
    void didSelectRow(std::size_t row);
    // The row loses its checkmark until the next redraw; nothing else changes.
    void didDeselectRow(std::size_t row);

private:
    CellAccessory accessoryFromChoice(std::size_t row) const;

    SettingsStore& store_;
    MapsChoice& mapsChoice_;
    std::vector<std::string> defaultMapsList_;
    std::vector<CellAccessory> drawnAccessories_;
};

} // namespace quorvane
