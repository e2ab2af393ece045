// The table of shipped names: complete, unambiguous, and the same texts the translation files
// give the application.
#include "actions/maps_names.h"
#include "screens/settings/settings_view_controller.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <regex>

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

// ---- The translation files -----------------------------------------------------------------

std::string decodeXmlText(std::string text) {
    static const std::array<std::pair<std::string_view, std::string_view>, 5> kEntities{
        {{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}}};
    for (const auto& [entity, character] : kEntities)
        for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, entity.size(), character);
    return text;
}

// What the application shows per source text with this .ts file compiled as lrelease does by
// default: a non-empty translation that is not obsolete; otherwise the source text. A source
// text may appear in several contexts, each with its own translation.
std::multimap<std::string, std::string> shownTexts(const std::filesystem::path& tsFile) {
    std::ifstream in(tsFile);
    const std::string xml{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    static const std::regex kMessage(R"(<message[^>]*>([\s\S]*?)</message>)");
    static const std::regex kSource(R"(<source>([\s\S]*?)</source>)");
    static const std::regex kTranslation(R"(<translation([^>]*?)(?:/>|>([\s\S]*?)</translation>))");
    static const std::regex kDropped("obsolete|vanished");
    std::multimap<std::string, std::string> shown;
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), kMessage);
         it != std::sregex_iterator(); ++it) {
        const std::string body = (*it)[1];
        std::smatch source, translation;
        if (!std::regex_search(body, source, kSource)) continue;
        const std::string key = decodeXmlText(source[1]);
        const bool translated = std::regex_search(body, translation, kTranslation) &&
                                !std::regex_search(translation[1].str(), kDropped) &&
                                translation[2].length() > 0;
        shown.emplace(key, translated ? decodeXmlText(translation[2]) : key);
    }
    return shown;
}

// translations/quorvane_<language>.ts, by language.
std::map<std::string, std::filesystem::path> translationFiles() {
    std::map<std::string, std::filesystem::path> files;
    const std::filesystem::path folder =
        std::filesystem::path(QUORVANE_SOURCE_DIR) / "translations";
    if (!std::filesystem::is_directory(folder)) return files;
    static const std::regex kName(R"(quorvane_([A-Za-z_]+)\.ts)");
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::smatch match;
        const std::string name = entry.path().filename().string();
        if (std::regex_match(name, match, kName)) files.emplace(match[1], entry.path());
    }
    return files;
}

TEST(ShippedNames, TranslationFilesShowTheSameTexts) {
    const auto files = translationFiles();
    if (files.empty()) GTEST_SKIP() << "no translations/quorvane_*.ts yet";

    for (const std::string_view language : kShippedLanguages)
        EXPECT_TRUE(files.contains(std::string(language)))
            << "the app ships " << language << " but translations/ has no file for it";
    for (const auto& [language, path] : files) {
        SCOPED_TRACE(path.string());
        ASSERT_NE(std::ranges::find(kShippedLanguages, language), kShippedLanguages.end())
            << "translations/ ships " << language
            << ": add its maps names and row titles to actions/maps_names.cpp";
        const auto shown = shownTexts(path);
        for (const std::string_view key : requiredKeys()) {
            const std::string_view expected = shippedText(key, language).value_or("");
            const auto [first, last] = shown.equal_range(std::string(key));
            if (first == last) {
                EXPECT_EQ(key, expected) << "untranslated, so shown as the key";
            }
            for (auto it = first; it != last; ++it)
                EXPECT_EQ(it->second, expected) << key;
        }
    }
}

} // namespace
} // namespace quorvane
