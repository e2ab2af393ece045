// The settings screen's behaviour, without the toolkit: one section of four rows, the current
// maps choice as the first row's detail, and what selecting each row does.
#pragma once

#include "actions/action_platform.h"
#include "actions/maps_choice.h"
#include "table_cell.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

enum class SettingsRow : unsigned char {
    defaultMapsApp,
    gridReferences,
    licenseAgreement,
    privacyPolicy
};

struct SettingsRowInfo {
    SettingsRow id;
    std::string_view key; // English title, also its translation key
};

inline constexpr std::array<SettingsRowInfo, 4> kSettingsRows{{
    {SettingsRow::defaultMapsApp, "Default Maps App"},
    {SettingsRow::gridReferences, "Grid References"},
    {SettingsRow::licenseAgreement, "License Agreement"},
    {SettingsRow::privacyPolicy, "Privacy Policy"},
}};

// The standard licence agreement for applications from the vendor's store.
inline constexpr std::string_view kLicenseAgreementUrl =
    "https://www.apple.com/legal/internet-services/itunes/dev/stdeula/";

// What the front end does after a row was selected.
enum class SettingsOutcome : unsigned char {
    showDefaultMapsPicker, // push the picker page
    showGridReferences,    // push the list of grid references
    openedPage,            // a page was handed to the UrlOpener
    pageMissing,           // the page is a local file that does not exist: see message()
    nothing,               // e.g. a page address that is no valid URL
};

class SettingsViewController {
public:
    // privacyPolicyUrl: the address the privacy row opens (see privacy_policy.h).
    SettingsViewController(const Translator& translator, UrlOpener& urlOpener,
                           const MapsChoice& mapsChoice, std::string privacyPolicyUrl);

    // Row titles per section, localized once at creation.
    const std::vector<std::vector<std::string>>& settingsList() const { return settingsList_; }

    std::size_t numberOfSections() const { return settingsList_.size(); }
    std::size_t numberOfRows(std::size_t section) const;
    std::string titleForHeader(std::size_t section) const; // always empty
    // Built anew on every call, so the detail follows the current maps choice. An index outside
    // the list gives an empty cell.
    TableCell cellForRow(IndexPath index) const;
    SettingsOutcome didSelectRow(IndexPath index);

    const std::string& privacyPolicyUrl() const { return privacyPolicyUrl_; }
    // What the user is told after the last selection ("" when there is nothing to tell).
    const std::string& message() const { return message_; }

private:
    const std::string* titleAt(IndexPath index) const;
    std::string localized(SettingsRow row) const;
    SettingsOutcome openPage(std::string_view url);

    const Translator& translator_;
    UrlOpener& urlOpener_;
    const MapsChoice& mapsChoice_;
    std::string privacyPolicyUrl_;
    std::vector<std::vector<std::string>> settingsList_;
    std::string pageMissingPattern_; // %1: the missing file
    std::string message_;
};

} // namespace quorvane
