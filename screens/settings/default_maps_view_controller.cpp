#include "default_maps_view_controller.h"

#include "actions/output_texts.h"

namespace quorvane {

DefaultMapsViewController::DefaultMapsViewController(const Translator& translator,
                                                     SettingsStore& store, MapsChoice& mapsChoice)
    : store_(store), mapsChoice_(mapsChoice) {
    for (const MapsAppInfo& app : kMapsApps)
        defaultMapsList_.push_back(translator.translate(app.name));
    reloadData();
}

TableCell DefaultMapsViewController::cellForRow(std::size_t row) const {
    if (row >= defaultMapsList_.size()) return {};
    return {defaultMapsList_[row], {}, drawnAccessories_[row]};
}

void DefaultMapsViewController::reloadData() {
    drawnAccessories_.clear();
    for (std::size_t row = 0; row < defaultMapsList_.size(); ++row)
        drawnAccessories_.push_back(accessoryFromChoice(row));
}

void DefaultMapsViewController::didSelectRow(std::size_t row) {
    if (row >= defaultMapsList_.size()) return;
    mapsChoice_.choose(kMapsApps[row].id, store_);
    reloadData();
}

void DefaultMapsViewController::didDeselectRow(std::size_t row) {
    if (row < drawnAccessories_.size()) drawnAccessories_[row] = CellAccessory::none;
}

CellAccessory DefaultMapsViewController::accessoryFromChoice(std::size_t row) const {
    // Compared by application, not by text, so a name restored from another language still
    // marks its row.
    const auto chosen = mapsChoice_.chosenApp();
    return chosen && *chosen == kMapsApps[row].id ? CellAccessory::checkmark : CellAccessory::none;
}

} // namespace quorvane
