// The table of shipped names: complete and unambiguous.
#include "actions/maps_names.h"
#include "screens/settings/settings_view_controller.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace quorvane {
namespace {

// Every text the table must hold: the maps names and the settings row titles.
std::vector<std::string_view> requiredKeys() {
    std::vector<std::string_view> keys;
    for (const MapsAppInfo& app : kMapsApps)
        keys.push_back(app.name);
    for (const SettingsRowInfo& row : kSettingsRows)
        keys.push_back(row.key);
    return keys;
}

std::vector<std::string_view> allLanguages() {
    std::vector<std::string_view> languages{"en"};
    languages.insert(languages.end(), kShippedLanguages.begin(), kShippedLanguages.end());
    return languages;
}

TEST(ShippedNames, EveryRequiredTextHasANonEmptyTextInEveryLanguage) {
    for (const std::string_view language : allLanguages())
        for (const std::string_view key : requiredKeys()) {
            const auto text = shippedText(key, language);
            ASSERT_TRUE(text.has_value()) << key << " missing for " << language;
            EXPECT_FALSE(text->empty()) << key << " empty for " << language;
        }
    EXPECT_EQ(shippedText("Apple Maps", "en"), "Apple Maps") << "English shows the key";
    EXPECT_FALSE(shippedText("Apple Maps", "xx").has_value());
    EXPECT_FALSE(shippedText("Not a key", "de").has_value());
}

// A stored name is recognised in any language, so no name of one application may be a name of
// another in any language.
TEST(ShippedNames, NoNameStandsForTwoApplicationsAcrossLanguages) {
    std::map<std::string_view, MapsApp> owner;
    for (const MapsAppInfo& app : kMapsApps)
        for (const std::string_view language : allLanguages()) {
            const std::string_view name = shippedText(app.name, language).value_or("");
            const auto [it, inserted] = owner.emplace(name, app.id);
            EXPECT_TRUE(inserted || it->second == app.id)
                << '"' << name << "\" (" << language << ") names two applications";
        }
}

} // namespace
} // namespace quorvane
