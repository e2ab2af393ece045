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

constexpr const char* kLicencePage =
    "https://www.apple.com/legal/internet-services/itunes/dev/stdeula/";
constexpr const char* kWebPrivacyPage = "https://quorvane.example.org/privacypolicy";

struct FreshRowsCase {
    Language language;
    std::array<const char*, 4> titles;
    const char* mapsDetail;
    friend void PrintTo(const FreshRowsCase& c, std::ostream* os) { *os << c.titles[0]; }
};

class SettingsRowsOnFreshStore : public ::testing::TestWithParam<FreshRowsCase> {};

// Four rows, the first with the maps name as detail, the second leading to the grid references;
// an index outside them shows an empty cell.
TEST_P(SettingsRowsOnFreshStore, ShowFourRowsWithTheDefaultMapsNameAsDetail) {
    const FreshRowsCase& c = GetParam();
    const auto translator = translatorFor(c.language);
    MemorySettingsStore store;
    MapsChoice choice(translator);
    choice.restore(store);
    RecordingUrlOpener opener;
    const SettingsViewController settings(translator, opener, choice, kWebPrivacyPage);

    ASSERT_EQ(settings.numberOfSections(), 1u);
    ASSERT_EQ(settings.numberOfRows(0), 4u);
    EXPECT_EQ(settings.numberOfRows(1), 0u);
    EXPECT_EQ(settings.titleForHeader(0), "");
    EXPECT_EQ(settings.cellForRow({0, 0}),
              (TableCell{c.titles[0], c.mapsDetail, CellAccessory::disclosureIndicator}));
    EXPECT_EQ(settings.cellForRow({0, 1}),
              (TableCell{c.titles[1], "", CellAccessory::disclosureIndicator}));
    EXPECT_EQ(settings.cellForRow({0, 2}), (TableCell{c.titles[2], "", CellAccessory::none}));
    EXPECT_EQ(settings.cellForRow({0, 3}), (TableCell{c.titles[3], "", CellAccessory::none}));
    for (const IndexPath outside : {IndexPath{0, 4}, IndexPath{1, 0}, IndexPath{7, 7}})
        EXPECT_EQ(settings.cellForRow(outside), TableCell{});
    EXPECT_FALSE(store.raw("defaultMapsApp").has_value()) << "showing the screen writes nothing";
}

const FreshRowsCase kFreshRows[] = {
    {Language::english,
     {"Default Maps App", "Grid References", "License Agreement", "Privacy Policy"},
     "Apple Maps"},
    {Language::german,
     {"Standard-Karten-App", "Gitterkoordinaten", "Lizenzvereinbarung", "Datenschutzerklärung"},
     "Apple Karten"},
};
INSTANTIATE_TEST_SUITE_P(Languages, SettingsRowsOnFreshStore, ::testing::ValuesIn(kFreshRows));

TEST(SettingsScreen, DetailFollowsThePickerWithoutAnyOtherAction) {
    const testing::TableTranslator translator;
    MemorySettingsStore store;
    MapsChoice choice{translator};
    RecordingUrlOpener opener;
    const SettingsViewController settings(translator, opener, choice, kWebPrivacyPage);
    DefaultMapsViewController picker(translator, store, choice);

    const char* names[] = {"Apple Maps", "Google Maps", "OpenStreetMap", "Waze"};
    for (const std::size_t row : {3u, 2u, 1u, 0u}) {
        picker.didSelectRow(row);
        EXPECT_EQ(settings.cellForRow({0, 0}).detail, names[row]);
    }
}

// ---- Where each row leads ----------------------------------------------------------------

struct RowCase {
    const char* name;
    IndexPath row;
    std::string privacyUrl; // what the build configured, resolved as the front end does
    std::vector<std::string> opened;
    SettingsOutcome outcome;

    friend void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(SettingsRows, LeadToTheirPageAtOnce) {
    const RowCase& c = GetParam();
    const auto translator = translatorFor(Language::french);
    const MapsChoice choice(translator);
    RecordingUrlOpener opener;
    SettingsViewController settings(translator, opener, choice, c.privacyUrl);

    EXPECT_EQ(settings.didSelectRow(c.row), c.outcome);
    EXPECT_EQ(settings.didSelectRow(c.row), c.outcome) << "and again";
    EXPECT_EQ(settings.message().empty(), c.outcome != SettingsOutcome::pageMissing);
    EXPECT_EQ(opener.opened.size(), 2 * c.opened.size());
    opener.opened.resize(c.opened.size());
    EXPECT_EQ(opener.opened, c.opened);
}

const RowCase kRows[] = {
    {"maps", {0, 0}, kWebPrivacyPage, {}, SettingsOutcome::showDefaultMapsPicker},
    {"grid", {0, 1}, kWebPrivacyPage, {}, SettingsOutcome::showGridReferences},
    {"licence", {0, 2}, kWebPrivacyPage, {kLicencePage}, SettingsOutcome::openedPage},
    {"privacyOnTheWeb", {0, 3}, kWebPrivacyPage, {kWebPrivacyPage}, SettingsOutcome::openedPage},
    {"privacyShipped",
     {0, 3},
     privacyPolicyUrl("", QUORVANE_SOURCE_DIR "/packaging"),
     {privacyPolicyUrl("", QUORVANE_SOURCE_DIR "/packaging")},
     SettingsOutcome::openedPage},
    // A shipped page that is not there opens nothing and says so (see message()).
    {"privacyMissing",
     {0, 3},
     privacyPolicyUrl("", "/nowhere/share/quorvane"),
     {},
     SettingsOutcome::pageMissing},
    // An address that is no URL opens nothing and shows nothing.
    {"privacyNotAnAddress", {0, 3}, "privacy policy", {}, SettingsOutcome::nothing},
    {"rowOutsideTheList", {0, 4}, kWebPrivacyPage, {}, SettingsOutcome::nothing},
};
INSTANTIATE_TEST_SUITE_P(Rows, SettingsRows, ::testing::ValuesIn(kRows),
                         [](const auto& param) { return std::string(param.param.name); });

// ---- Where the privacy row leads -------------------------------------------------------------

struct PrivacyAddressCase {
    const char* name;
    const char* configured;
    const char* dataDir;
    const char* expected;
};

class PrivacyAddress : public ::testing::TestWithParam<PrivacyAddressCase> {};

TEST_P(PrivacyAddress, ConfiguredAddressWinsElseTheShippedPage) {
    const PrivacyAddressCase& c = GetParam();
    const std::string url = privacyPolicyUrl(c.configured, c.dataDir);
    EXPECT_EQ(url, c.expected);
    EXPECT_TRUE(isValidUrlText(url)) << url;
    if (std::string_view(c.configured).empty()) {
        EXPECT_EQ(fileUrl(localPathOfFileUrl(url)), url);
    }
}

const PrivacyAddressCase kAddresses[] = {
    {"configured", "https://example.org/privacypolicy", "/usr/share/quorvane",
     "https://example.org/privacypolicy"},
    {"shipped", "", "/usr/share/quorvane", "file:///usr/share/quorvane/privacy-policy.html"},
    // Blanks, "#", "%", "?" and non-ASCII bytes in a path must not break the URL.
    {"escaped", "", "/home/Zoë Doe/50% off#1?/share/quorvane",
     "file:///home/Zo%C3%AB%20Doe/50%25%20off%231%3F/share/quorvane/privacy-policy.html"},
};
INSTANTIATE_TEST_SUITE_P(Addresses, PrivacyAddress, ::testing::ValuesIn(kAddresses),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(DataDirectory, LiesBesideTheExecutablesDirectoryAsInstalled) {
    // The program is installed as <prefix>/bin/quorvane and its data in <prefix>/share/quorvane.
    EXPECT_EQ(installedDataDir("/usr/bin"), "/usr/share/quorvane");
    EXPECT_EQ(installedDataDir("/opt/quorvane/bin/"), "/opt/quorvane/share/quorvane");
    const std::string_view configured = configuredPrivacyPolicyUrl();
    EXPECT_TRUE(configured.empty() || isValidUrlText(configured)) << configured;
}

} // namespace
} // namespace quorvane
