// The settings screen: its rows and their detail, and where each row leads.
#include "screens/settings/privacy_policy.h"
#include "screens/settings/settings_view_controller.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

constexpr const char* kWebPrivacyPage = "https://quorvane.example.org/privacypolicy";

// Four rows in the user's language, the first with the maps name as detail, the second leading
// to the grid references; an index outside them shows an empty cell.
TEST(SettingsScreen, FourTranslatedRowsWithTheMapsNameAsDetail) {
    const fakes::TableTranslator german({{"Apple Maps", "Apple Karten"},
                                         {"Default Maps App", "Standard-Karten-App"},
                                         {"Grid References", "Gitterkoordinaten"},
                                         {"License Agreement", "Lizenzvereinbarung"},
                                         {"Privacy Policy", "Datenschutzerklärung"}});
    const MapsChoice choice(german);
    fakes::Outputs out;
    const SettingsViewController settings(german, out, choice, kWebPrivacyPage);
    ASSERT_EQ(settings.numberOfSections(), 1U);
    ASSERT_EQ(settings.numberOfRows(0), 4U);
    constexpr auto more = CellAccessory::disclosureIndicator;
    const TableCell cells[] = {{"Standard-Karten-App", "Apple Karten", more},
                               {"Gitterkoordinaten", "", more},
                               {"Lizenzvereinbarung", "", CellAccessory::none},
                               {"Datenschutzerklärung", "", CellAccessory::none},
                               {}};
    for (std::size_t row = 0; row < std::size(cells); ++row)
        EXPECT_EQ(settings.cellForRow({0, row}), cells[row]) << row;
    EXPECT_EQ(settings.cellForRow({1, 0}), TableCell{});
}

// Each row leads to its page at once, and again on the next tap.
TEST(SettingsScreen, RowsLeadToTheirPage) {
    const std::string shipped = privacyPolicyUrl("", QUORVANE_SOURCE_DIR "/packaging");
    const std::tuple<std::size_t, std::string, std::string, SettingsOutcome> cases[] = {
        {0, kWebPrivacyPage, "", SettingsOutcome::showDefaultMapsPicker},
        {1, kWebPrivacyPage, "", SettingsOutcome::showGridReferences},
        {2, kWebPrivacyPage, std::string(kLicenseAgreementUrl), SettingsOutcome::openedPage},
        {3, kWebPrivacyPage, kWebPrivacyPage, SettingsOutcome::openedPage},
        {3, shipped, shipped, SettingsOutcome::openedPage},
        // A shipped page that is not there opens nothing and says so.
        {3, privacyPolicyUrl("", "/nowhere/share/quorvane"), "", SettingsOutcome::pageMissing},
        {3, "privacy policy", "", SettingsOutcome::nothing}, // no URL: nothing, no word
        {4, kWebPrivacyPage, "", SettingsOutcome::nothing},
    };
    for (const auto& [row, privacyUrl, opened, outcome] : cases) {
        const MapsChoice choice(fakes::english());
        fakes::Outputs out;
        SettingsViewController settings(fakes::english(), out, choice, privacyUrl);
        for (int tap = 0; tap < 2; ++tap)
            EXPECT_EQ(settings.didSelectRow({0, row}), outcome) << row << privacyUrl;
        EXPECT_EQ(settings.message().empty(), outcome != SettingsOutcome::pageMissing);
        const std::vector<std::string> twice(opened.empty() ? 0 : 2, opened);
        EXPECT_EQ(out.opened, twice) << row << privacyUrl;
    }
}

// A configured address wins, else the shipped page beside the program, as a file URL that
// survives any byte of the path.
TEST(SettingsScreen, ThePrivacyAddress) {
    EXPECT_EQ(privacyPolicyUrl("https://example.org/p", "/usr/share/quorvane"),
              "https://example.org/p");
    const std::string escaped = privacyPolicyUrl("", "/home/Zoë Doe/50% off#1?/share/quorvane");
    EXPECT_EQ(escaped,
              "file:///home/Zo%C3%AB%20Doe/50%25%20off%231%3F/share/quorvane/privacy-policy.html");
    EXPECT_TRUE(isValidUrlText(escaped));
    EXPECT_EQ(fileUrl(localPathOfFileUrl(escaped)), escaped);
    // The program is installed as <prefix>/bin/quorvane and its data in <prefix>/share/quorvane.
    EXPECT_EQ(installedDataDir("/opt/quorvane/bin/"), "/opt/quorvane/share/quorvane");
    const std::string_view configured = configuredPrivacyPolicyUrl();
    EXPECT_TRUE(configured.empty() || isValidUrlText(configured)) << configured;
}

} // namespace
} // namespace quorvane
