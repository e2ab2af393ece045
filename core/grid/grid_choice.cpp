#include "grid_choice.h"

#include "core/form_platform.h"

namespace quorvane::grid {

void GridChoice::restore(const SettingsStore& store) {
    const auto stored = store.stringForKey(kGridReferencesKey);
    if (!stored) {
        shown_.set();
        return;
    }
    shown_.reset();
    std::string_view rest = *stored;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        const std::string_view name = rest.substr(0, comma);
        for (const GridSystemInfo& s : gridSystems())
            if (s.name == name) shown_.set(static_cast<std::size_t>(s.id));
        rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    }
}

void GridChoice::setVisibility(GridSystem system, Visibility visibility, SettingsStore& store) {
    shown_.set(static_cast<std::size_t>(system), visibility == Visibility::shown);
    store.setString(kGridReferencesKey, storedText());
}

std::string GridChoice::storedText() const {
    std::string text;
    for (const GridSystemInfo& s : gridSystems()) {
        if (!isShown(s.id)) continue;
        if (!text.empty()) text += ',';
        text += s.name;
    }
    return text;
}

} // namespace quorvane::grid
