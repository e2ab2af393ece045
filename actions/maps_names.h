// The texts of the maps choice and of the settings rows in every language the application ships.
//
// The stored maps choice is a localized name (what the picker showed when the user tapped it), so
// a name stored under one language has to be recognised under any other. This table is the source
// of truth for those names; the translation files must give the same texts (a test compares them).
#pragma once

#include "action_platform.h"
#include "output_texts.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace quorvane {

// The languages shipped besides English (English is the key of every text).
inline constexpr std::array<std::string_view, 2> kShippedLanguages{"de", "fr"};

struct ShippedText {
    std::string_view key; // the English text, also the translation key
    // The translation per language, in kShippedLanguages order.
    std::array<std::string_view, kShippedLanguages.size()> translations;
};

// The four maps names (in list order) and the three settings row titles.
std::span<const ShippedText> shippedTexts();

// The text of `key` in `language` ("en" or one of kShippedLanguages); nullopt for a key or a
// language the table does not hold.
std::optional<std::string_view> shippedText(std::string_view key, std::string_view language);

// The application a maps name stands for: first the names of the current language in list order
// (as the picker compares them), then the English keys and every shipped translation. nullopt for
// a name no shipped language uses.
std::optional<MapsApp> recognisedMapsApp(std::string_view name, const Translator& current);

} // namespace quorvane
