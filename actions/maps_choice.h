// The chosen maps application: the process-wide defaultMapsAppName and its stored key.
#pragma once

#include "action_platform.h"
#include "output_texts.h"

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

    // Screen set-up: a stored name, if any, replaces the current one.
    void restore(const SettingsStore& store);
    // The picker's choice: the localized name, in memory and stored.
    void choose(MapsApp app, SettingsStore& store);

    // The application the name stands for (Apple Maps when it matches none).
    MapsApp app() const;

private:
    const Translator& translator_;
    std::string name_;
};

} // namespace quorvane
