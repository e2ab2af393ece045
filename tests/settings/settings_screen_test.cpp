// The settings screen: its rows and their detail, and where each row leads.
#include "screens/settings/default_maps_view_controller.h"
#include "screens/settings/privacy_policy.h"
#include "screens/settings/settings_view_controller.h"
#include "settings_fakes.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using testing::Language;
using testing::RecordingUrlOpener;
using testing::translatorFor;

constexpr std::string_view kLicencePage =
    "https://www.apple.com/legal/internet-services/itunes/dev/stdeula/";
constexpr std::string_view kWebPrivacyPage = "https://quorvane.example.org/privacypolicy";

struct FreshRowsCase {
    Language language;
    std::array<std::string, 3> titles;
    std::string mapsDetail;
    friend void PrintTo(const FreshRowsCase& c, std::ostream* os) { *os << c.titles[0]; }
};

class SettingsRowsOnFreshStore : public ::testing::TestWithParam<FreshRowsCase> {};

TEST_P(SettingsRowsOnFreshStore, ShowThreeRowsWithTheDefaultMapsNameAsDetail) {
    const FreshRowsCase& c = GetParam();
    const auto translator = translatorFor(c.language);
    MemorySettingsStore store;
    MapsChoice choice(translator);
    choice.restore(store);
    RecordingUrlOpener opener;
    const SettingsViewController settings(translator, opener, choice, std::string(kWebPrivacyPage));

    ASSERT_EQ(settings.numberOfSections(), 1u);
    ASSERT_EQ(settings.numberOfRows(0), 3u);
    EXPECT_EQ(settings.titleForHeader(0), "");
    EXPECT_EQ(settings.cellForRow({0, 0}),
              (TableCell{c.titles[0], c.mapsDetail, CellAccessory::disclosureIndicator}));
    EXPECT_EQ(settings.cellForRow({0, 1}), (TableCell{c.titles[1], "", CellAccessory::none}));
    EXPECT_EQ(settings.cellForRow({0, 2}), (TableCell{c.titles[2], "", CellAccessory::none}));
    EXPECT_FALSE(store.raw("defaultMapsApp").has_value()) << "showing the screen writes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Languages, SettingsRowsOnFreshStore,
    ::testing::Values(FreshRowsCase{Language::english,
                                    {"Default Maps App", "License Agreement", "Privacy Policy"},
                                    "Apple Maps"},
                      FreshRowsCase{
                          Language::german,
                          {"Standard-Karten-App", "Lizenzvereinbarung", "Datenschutzerklärung"},
                          "Apple Karten"},
                      FreshRowsCase{Language::french,
                                    {"App de cartes par défaut", "Contrat de licence",
                                     "Politique de confidentialité"},
                                    "Plans"}));

class SettingsScreen : public ::testing::Test {
protected:
    testing::TableTranslator translator;
    MemorySettingsStore store;
    MapsChoice choice{translator};
    RecordingUrlOpener opener;
};

TEST_F(SettingsScreen, DetailFollowsThePickerWithoutAnyOtherAction) {
    const SettingsViewController settings(translator, opener, choice, std::string(kWebPrivacyPage));
    DefaultMapsViewController picker(translator, store, choice);

    for (const auto& [row, name] : std::vector<std::pair<std::size_t, std::string>>{
             {3, "Waze"}, {2, "OpenStreetMap"}, {1, "Google Maps"}, {0, "Apple Maps"}}) {
        picker.didSelectRow(row);
        EXPECT_EQ(settings.cellForRow({0, 0}).detail, name);
    }
}

TEST_F(SettingsScreen, MapsRowShowsThePickerEachTimeAndOpensNothing) {
    SettingsViewController settings(translator, opener, choice, std::string(kWebPrivacyPage));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(settings.didSelectRow({0, 0}), SettingsOutcome::showDefaultMapsPicker);
    EXPECT_TRUE(opener.opened.empty());
}

TEST_F(SettingsScreen, IndexOutsideTheListShowsAnEmptyCellAndDoesNothing) {
    SettingsViewController settings(translator, opener, choice, std::string(kWebPrivacyPage));
    for (const IndexPath index : {IndexPath{0, 3}, IndexPath{1, 0}, IndexPath{7, 7}}) {
        EXPECT_EQ(settings.cellForRow(index), TableCell{});
        EXPECT_EQ(settings.didSelectRow(index), SettingsOutcome::nothing);
    }
    EXPECT_EQ(settings.numberOfRows(1), 0u);
    EXPECT_TRUE(opener.opened.empty());
}

struct PageCase {
    const char* name;
    Language language;
    std::size_t row;
    std::string privacyUrl; // what the build configured, resolved as the front end does
    std::vector<std::string> expectedOpened;
    SettingsOutcome expectedOutcome;

    friend void PrintTo(const PageCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(SettingsPages, RowHandsItsPageToTheUrlOpenerAtOnce) {
    const PageCase& c = GetParam();
    const auto translator = translatorFor(c.language);
    const MapsChoice choice(translator);
    RecordingUrlOpener opener;
    SettingsViewController settings(translator, opener, choice, c.privacyUrl);

    EXPECT_EQ(settings.didSelectRow({0, c.row}), c.expectedOutcome);
    EXPECT_EQ(opener.opened, c.expectedOpened);
}

const std::string kShippedPrivacyPage = privacyPolicyUrl("", "/usr/share/quorvane");

INSTANTIATE_TEST_SUITE_P(
    Rows, SettingsPages,
    ::testing::Values(PageCase{"licence",
                               Language::english,
                               1,
                               std::string(kWebPrivacyPage),
                               {std::string(kLicencePage)},
                               SettingsOutcome::openedPage},
                      PageCase{"licenceGerman",
                               Language::german,
                               1,
                               std::string(kWebPrivacyPage),
                               {std::string(kLicencePage)},
                               SettingsOutcome::openedPage},
                      PageCase{"privacyOnTheWeb",
                               Language::english,
                               2,
                               std::string(kWebPrivacyPage),
                               {std::string(kWebPrivacyPage)},
                               SettingsOutcome::openedPage},
                      PageCase{"privacyShipped",
                               Language::french,
                               2,
                               kShippedPrivacyPage,
                               {"file:///usr/share/quorvane/privacy-policy.html"},
                               SettingsOutcome::openedPage},
                      // An address that is no URL opens nothing and shows nothing.
                      PageCase{"privacyNotAnAddress",
                               Language::english,
                               2,
                               "privacy policy",
                               {},
                               SettingsOutcome::nothing},
                      PageCase{
                          "privacyEmpty", Language::english, 2, "", {}, SettingsOutcome::nothing}),
    [](const ::testing::TestParamInfo<PageCase>& param) { return param.param.name; });

// ---- Where the privacy row leads -------------------------------------------------------------

struct PrivacyAddressCase {
    const char* name;
    std::string configured;
    std::string dataDir;
    std::string expected;

    friend void PrintTo(const PrivacyAddressCase& c, std::ostream* os) { *os << c.name; }
};

class PrivacyAddress : public ::testing::TestWithParam<PrivacyAddressCase> {};

TEST_P(PrivacyAddress, ConfiguredAddressWinsElseTheShippedPage) {
    const PrivacyAddressCase& c = GetParam();
    const std::string url = privacyPolicyUrl(c.configured, c.dataDir);
    EXPECT_EQ(url, c.expected);
    EXPECT_TRUE(isValidUrlText(url)) << url;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, PrivacyAddress,
    ::testing::Values(
        PrivacyAddressCase{"configured", "https://example.org/privacypolicy", "/usr/share/quorvane",
                           "https://example.org/privacypolicy"},
        PrivacyAddressCase{"shipped", "", "/usr/share/quorvane",
                           "file:///usr/share/quorvane/privacy-policy.html"},
        PrivacyAddressCase{"trailingSlash", "", "/opt/q/share/quorvane/",
                           "file:///opt/q/share/quorvane/privacy-policy.html"},
        // Blanks, "#", "%", "?" and non-ASCII bytes in a path must not break the URL.
        PrivacyAddressCase{"escaped", "", "/home/Zoë Doe/50% off#1?/share/quorvane",
                           "file:///home/Zo%C3%AB%20Doe/50%25%20off%231%3F/share/quorvane/"
                           "privacy-policy.html"}),
    [](const ::testing::TestParamInfo<PrivacyAddressCase>& param) { return param.param.name; });

TEST(DataDirectory, LiesBesideTheExecutablesDirectoryAsInstalled) {
    // The program is installed as <prefix>/bin/quorvane and its data in <prefix>/share/quorvane.
    EXPECT_EQ(installedDataDir("/usr/bin"), "/usr/share/quorvane");
    EXPECT_EQ(installedDataDir("/opt/quorvane/bin/"), "/opt/quorvane/share/quorvane");
}

TEST(DataDirectory, BuildConfiguredPrivacyAddressIsEmptyOrAValidUrl) {
    const std::string_view configured = configuredPrivacyPolicyUrl();
    EXPECT_TRUE(configured.empty() || isValidUrlText(configured)) << configured;
}

} // namespace
} // namespace quorvane
