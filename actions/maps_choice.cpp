#include "maps_choice.h"

#include "core/form_platform.h"

namespace quorvane {

MapsChoice::MapsChoice(const Translator& translator)
    : translator_(translator), name_(translator.translate(info(MapsApp::appleMaps).name)) {}

void MapsChoice::restore(const SettingsStore& store) {
    if (auto stored = store.stringForKey(kDefaultMapsAppKey)) name_ = std::move(*stored);
}

void MapsChoice::choose(MapsApp app, SettingsStore& store) {
    name_ = translator_.translate(info(app).name);
    store.setString(kDefaultMapsAppKey, name_);
}

MapsApp MapsChoice::app() const {
    return mapsAppForName(name_, [this](std::string_view key) { return translator_.translate(key); });
}

} // namespace quorvane
