#include "maps_names.h"

#include <algorithm>

namespace quorvane {

namespace {

// German and French names follow the vendors' own naming: Apple calls its maps "Karten" in
// German and "Plans" in French; the other three keep their brand names everywhere.
constexpr std::array<ShippedText, 8> kTexts{{
    {"Apple Maps", {"Apple Karten", "Plans"}},
    {"Google Maps", {"Google Maps", "Google Maps"}},
    {"OpenStreetMap", {"OpenStreetMap", "OpenStreetMap"}},
    {"Waze", {"Waze", "Waze"}},
    {"Default Maps App", {"Standard-Karten-App", "App de cartes par défaut"}},
    {"Grid References", {"Gitterkoordinaten", "Références de quadrillage"}},
    {"License Agreement", {"Lizenzvereinbarung", "Contrat de licence"}},
    {"Privacy Policy", {"Datenschutzerklärung", "Politique de confidentialité"}},
}};

constexpr std::string_view kEnglish = "en";

const ShippedText* findText(std::string_view key) {
    const auto it = std::find_if(kTexts.begin(), kTexts.end(),
                                 [key](const ShippedText& t) { return t.key == key; });
    return it == kTexts.end() ? nullptr : &*it;
}

bool isShippedNameOf(const MapsAppInfo& app, std::string_view name) {
    if (name == app.name) return true;
    const ShippedText* text = findText(app.name);
    return text != nullptr &&
           std::ranges::find(text->translations, name) != text->translations.end();
}

} // namespace

std::span<const ShippedText> shippedTexts() {
    return kTexts;
}

std::optional<std::string_view> shippedText(std::string_view key, std::string_view language) {
    const ShippedText* text = findText(key);
    if (text == nullptr) return std::nullopt;
    if (language == kEnglish) return text->key;
    const auto lang = std::ranges::find(kShippedLanguages, language);
    if (lang == kShippedLanguages.end()) return std::nullopt;
    return text->translations[static_cast<std::size_t>(lang - kShippedLanguages.begin())];
}

std::optional<MapsApp> recognisedMapsApp(std::string_view name, const Translator& current) {
    for (const MapsAppInfo& app : kMapsApps)
        if (current.translate(app.name) == name) return app.id;
    for (const MapsAppInfo& app : kMapsApps)
        if (isShippedNameOf(app, name)) return app.id;
    return std::nullopt;
}

} // namespace quorvane
