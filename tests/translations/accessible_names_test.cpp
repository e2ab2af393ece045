// The names a screen reader speaks for the form's controls: one per field, selector, segment
// and copy button, composed from the form's tables in the user's language.
#include "screens/main/accessible_names.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

std::map<std::string, std::string> byObjectName(const std::vector<ControlName>& names) {
    std::map<std::string, std::string> map;
    for (const ControlName& c : names)
        EXPECT_TRUE(map.emplace(c.objectName, c.name).second) << "twice: " << c.objectName;
    return map;
}

TEST(AccessibleNames, EnglishNamesSayHalfContentAndNotation) {
    const auto names = byObjectName(accessibleNames(EnglishTranslator{}));
    const std::pair<std::string_view, std::string_view> expected[] = {
        {"d1", "Latitude degrees, degrees-minutes-seconds"},
        {"s2", "Longitude seconds, degrees-minutes-seconds"},
        {"m4", "Longitude decimal minutes, degrees and decimal minutes"},
        {"d8", "Longitude decimal degrees, signed decimal degrees"},
        {"c6", "Longitude hemisphere, decimal degrees"},
        {"c1_1", "South"},
        {"c8_1", "West"},
        {"copy2", "Copy degrees and decimal minutes"},
    };
    for (const auto& [objectName, name] : expected)
        EXPECT_EQ(names.at(std::string(objectName)), name) << objectName;
}

TEST(AccessibleNames, EveryControlOnceAndNoTwoControlsAlike) {
    const auto names = byObjectName(accessibleNames(EnglishTranslator{}));
    EXPECT_EQ(names.size(), kFieldCount + 3 * kSelectorCount + kNotationCount);
    std::set<std::string> spoken;
    for (const FieldInfo& f : kFields)
        spoken.insert(names.at(std::string(f.name)));
    for (const SelectorInfo& s : kSelectors) {
        spoken.insert(names.at(std::string(s.name)));
        EXPECT_NE(names.at(segmentObjectName(s.id, 0)), names.at(segmentObjectName(s.id, 1)));
    }
    for (const NotationInfo& n : kNotations)
        spoken.insert(names.at(copyButtonObjectName(n.id)));
    // Fields, selectors and copy buttons must be told apart by ear (segments repeat per row).
    EXPECT_EQ(spoken.size(), kFieldCount + kSelectorCount + kNotationCount);
}

TEST(AccessibleNames, TranslatedPatternsMayReorderTheParts) {
    // A language that orders the parts differently from English.
    const fakes::TableTranslator reordering(
        {{"%1 %2, %3", "%3: %2 (%1)"}, {"Copy %1", "%1 \u2192 clipboard"}, {"Latitude", "LAT"}});
    const auto names = byObjectName(accessibleNames(reordering));
    EXPECT_EQ(names.at("d1"), "degrees-minutes-seconds: degrees (LAT)");
    EXPECT_EQ(names.at("copy3"), "decimal degrees \u2192 clipboard");
    EXPECT_EQ(names.at("c7"), "LAT hemisphere, signed decimal degrees");
    // A placeholder is filled by its number; what is no placeholder stays.
    EXPECT_EQ(fillPlaceholders("%2%1 %3 100% %%1", std::vector<std::string>{"A", "B"}),
              "BA %3 100% %A");
}

// A field's value is read as shown, its mark spoken as the unit; a sign as "minus".
TEST(AccessibleNames, FieldValuesAreReadWithTheirUnit) {
    const struct {
        FieldId field;
        std::string_view shown;
        std::string_view spoken;
    } cases[] = {
        {FieldId::d1, "48\u00B0", "48 degrees"},
        {FieldId::s1, "30,132\"", "30,132 seconds"},
        {FieldId::m3, "51.50221'", "51.50221 minutes"},
        {FieldId::d8, "-73.5", "minus 73.5 degrees"},
        {FieldId::d7, "", ""},
        {FieldId::d1, "\u00B0", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spokenFieldValue(c.field, c.shown, EnglishTranslator{}), c.spoken) << c.shown;
    EXPECT_EQ(nameWithValue("Latitude degrees", "48 degrees", EnglishTranslator{}),
              "Latitude degrees: 48 degrees");
    EXPECT_EQ(nameWithValue("Latitude degrees", "", EnglishTranslator{}), "Latitude degrees");
}

TEST(AccessibleNames, AnnouncementsSayWhatHappened) {
    const EnglishTranslator english;
    EXPECT_EQ(hemisphereAnnouncement(SelectorId::c3, 1, english), "Latitude: South");
    EXPECT_EQ(hemisphereWord(SelectorId::c2, 5, english), "West"); // any other index is West
    EXPECT_EQ(locatedAnnouncement("\u00B112 m", english),
              "Position filled in, accuracy \u00B112 m");
    EXPECT_EQ(copiedAnnouncement("Copied to Clipboard", "12.5, 7.25", english),
              "Copied to Clipboard: 12.5, 7.25");
}

} // namespace
} // namespace quorvane
