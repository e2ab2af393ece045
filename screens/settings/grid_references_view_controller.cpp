#include "grid_references_view_controller.h"

namespace quorvane {

GridReferencesViewController::GridReferencesViewController(const Translator& translator,
                                                           SettingsStore& store,
                                                           grid::GridChoice& choice,
                                                           std::function<void()> choiceChanged)
    : store_(store), choice_(choice), choiceChanged_(std::move(choiceChanged)) {
    for (const grid::GridSystemInfo& system : grid::gridSystems())
        titles_.push_back(translator.translate(system.title));
}

TableCell GridReferencesViewController::cellForRow(std::size_t row) const {
    if (row >= titles_.size()) return {};
    const bool shown = choice_.isShown(grid::gridSystems()[row].id);
    return {titles_[row], {}, shown ? CellAccessory::checkmark : CellAccessory::none};
}

void GridReferencesViewController::didSelectRow(std::size_t row) {
    if (row >= titles_.size()) return;
    const grid::GridSystem system = grid::gridSystems()[row].id;
    const grid::Visibility toggled =
        choice_.isShown(system) ? grid::Visibility::hidden : grid::Visibility::shown;
    choice_.setVisibility(system, toggled, store_);
    if (choiceChanged_) choiceChanged_();
}

} // namespace quorvane
