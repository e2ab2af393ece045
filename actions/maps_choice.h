// The chosen maps application: the process-wide defaultMapsAppName and its stored key.
//
// The store holds the localized name the user picked, so a choice made under one language is
// recognised under every shipped language (maps_names.h). On restore a recognised name is shown
// in the current language, while the stored text stays as it is until the user picks again.
#pragma once

#include "action_platform.h"
#include "output_texts.h"

#include <optional>
#include <string>

namespace quorvane {

class SettingsStore;

inline constexpr std::string_view kDefaultMapsAppKey = "defaultMapsApp";

class MapsChoice {
public:
    explicit MapsChoice(const Translator& translator);

    // The localized name of the chosen application (localized "Apple Maps" until a choice).
    const std::string& defaultMapsAppName() const { return name_; }
    void setDefaultMapsAppName(std::string name) { name_ = std::move(name); }

    // Screen set-up: a stored name, if any, replaces the current one. A name of any shipped
    // language becomes the current language's name; an unknown one is kept as stored.
    void restore(const SettingsStore& store);
    // The picker's choice: the localized name, in memory and stored (also when unchanged).
    void choose(MapsApp app, SettingsStore& store);

    // The application the name stands for; nullopt when it stands for none (no row is checked).
    std::optional<MapsApp> chosenApp() const;
    // The application whose URL is opened: Apple Maps when the name stands for none.
    MapsApp app() const;

private:
    const Translator& translator_;
    std::string name_;
};

} // namespace quorvane
