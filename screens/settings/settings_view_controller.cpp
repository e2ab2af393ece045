#include "settings_view_controller.h"

#include "actions/output_texts.h"
#include "privacy_policy.h"

#include <filesystem>
#include <system_error>

namespace quorvane {

namespace {

constexpr std::string_view kPageMissingKey = "The page could not be opened: %1 is missing.";
constexpr std::string_view kPathPlaceholder = "%1";

// A file:// address whose file is not there; web addresses are the browser's to judge.
bool isMissingLocalPage(std::string_view url) {
    const std::string path = localPathOfFileUrl(url);
    std::error_code error;
    return !path.empty() && !std::filesystem::is_regular_file(path, error);
}

} // namespace

SettingsViewController::SettingsViewController(const Translator& translator, UrlOpener& urlOpener,
                                               const MapsChoice& mapsChoice,
                                               std::string privacyPolicyUrl)
    : translator_(translator), urlOpener_(urlOpener), mapsChoice_(mapsChoice),
      privacyPolicyUrl_(std::move(privacyPolicyUrl)),
      pageMissingPattern_(translator.translate(kPageMissingKey)) {
    std::vector<std::string> section;
    for (const SettingsRowInfo& row : kSettingsRows)
        section.push_back(localized(row.id));
    settingsList_.push_back(std::move(section));
}

std::size_t SettingsViewController::numberOfRows(std::size_t section) const {
    return section < settingsList_.size() ? settingsList_[section].size() : 0;
}

std::string SettingsViewController::titleForHeader(std::size_t /*section*/) const {
    return {};
}

TableCell SettingsViewController::cellForRow(IndexPath index) const {
    const std::string* title = titleAt(index);
    if (title == nullptr) return {};
    TableCell cell{*title, {}, CellAccessory::none};
    // The maps row is found by its title, so it stays right whatever order the list has.
    if (title->find(localized(SettingsRow::defaultMapsApp)) != std::string::npos) {
        cell.detail = mapsChoice_.defaultMapsAppName();
        cell.accessory = CellAccessory::disclosureIndicator;
    }
    if (*title == localized(SettingsRow::gridReferences))
        cell.accessory = CellAccessory::disclosureIndicator;
    return cell;
}

SettingsOutcome SettingsViewController::didSelectRow(IndexPath index) {
    message_.clear();
    const std::string* title = titleAt(index);
    if (title == nullptr) return SettingsOutcome::nothing;
    for (const SettingsRowInfo& row : kSettingsRows) {
        if (*title != localized(row.id)) continue;
        switch (row.id) {
        case SettingsRow::defaultMapsApp:
            return SettingsOutcome::showDefaultMapsPicker;
        case SettingsRow::gridReferences:
            return SettingsOutcome::showGridReferences;
        case SettingsRow::licenseAgreement:
            return openPage(kLicenseAgreementUrl);
        case SettingsRow::privacyPolicy:
            return openPage(privacyPolicyUrl_);
        }
    }
    return SettingsOutcome::nothing;
}

const std::string* SettingsViewController::titleAt(IndexPath index) const {
    if (index.section >= settingsList_.size() || index.row >= settingsList_[index.section].size())
        return nullptr;
    return &settingsList_[index.section][index.row];
}

std::string SettingsViewController::localized(SettingsRow row) const {
    return translator_.translate(kSettingsRows[static_cast<std::size_t>(row)].key);
}

SettingsOutcome SettingsViewController::openPage(std::string_view url) {
    // An address no URL parser would take opens nothing, without a message.
    if (!isValidUrlText(url)) return SettingsOutcome::nothing;
    // The system would open a missing file without a word (or with one in a browser tab).
    if (isMissingLocalPage(url)) {
        message_ = pageMissingPattern_;
        if (const auto at = message_.find(kPathPlaceholder); at != std::string::npos)
            message_.replace(at, kPathPlaceholder.size(), localPathOfFileUrl(url));
        return SettingsOutcome::pageMissing;
    }
    urlOpener_.openUrl(url);
    return SettingsOutcome::openedPage;
}

} // namespace quorvane
