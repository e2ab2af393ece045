// The grid-references list of the settings: the four systems in screen order, a checkmark on
// each one the converter shows; a tap shows or hides that system's row at once (and stores the
// choice like the maps choice).
#pragma once

#include "actions/action_platform.h"
#include "core/grid/grid_choice.h"
#include "table_cell.h"

#include <functional>
#include <string>
#include <vector>

namespace quorvane {

class SettingsStore;

class GridReferencesViewController {
public:
    // choiceChanged runs after every tap (the converter's card follows).
    GridReferencesViewController(const Translator& translator, SettingsStore& store,
                                 grid::GridChoice& choice, std::function<void()> choiceChanged);

    std::size_t numberOfRows() const { return titles_.size(); }
    // An index outside the list gives an empty cell.
    TableCell cellForRow(std::size_t row) const;
    void didSelectRow(std::size_t row);

private:
    SettingsStore& store_;
    grid::GridChoice& choice_;
    std::function<void()> choiceChanged_;
    std::vector<std::string> titles_;
};

} // namespace quorvane
