#include "maps_choice.h"

#include "core/form_platform.h"
#include "maps_names.h"

namespace quorvane {

MapsChoice::MapsChoice(const Translator& translator)
    : translator_(translator), name_(translator.translate(info(MapsApp::appleMaps).name)) {}

void MapsChoice::restore(const SettingsStore& store) {
    auto stored = store.stringForKey(kDefaultMapsAppKey);
    if (!stored) return;
    // Shown in today's language; the store keeps the old text so nothing is written on start.
    if (const auto recognised = recognisedMapsApp(*stored, translator_))
        name_ = translator_.translate(info(*recognised).name);
    else
        name_ = std::move(*stored);
}

void MapsChoice::choose(MapsApp app, SettingsStore& store) {
    name_ = translator_.translate(info(app).name);
    store.setString(kDefaultMapsAppKey, name_);
}

std::optional<MapsApp> MapsChoice::chosenApp() const {
    return recognisedMapsApp(name_, translator_);
}

MapsApp MapsChoice::app() const {
    return chosenApp().value_or(MapsApp::appleMaps);
}

} // namespace quorvane
