// The user's choices in QSettings, under the organisation and application name "Quorvane".
#pragma once

#include "core/form_platform.h"

#include <QSettings>

namespace quorvane::qt {

inline constexpr const char* kSettingsOrganization = "Quorvane";
inline constexpr const char* kSettingsApplication = "Quorvane";

class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();

    // A value read back from disk is a text: one that is not a whole number reads as 0, as does
    // one never stored (so storing 0 there stores nothing).
    int integerForKey(std::string_view key) const override;
    void setInteger(std::string_view key, int value) override;
    std::optional<std::string> stringForKey(std::string_view key) const override;
    void setString(std::string_view key, std::string_view value) override;

    // Writes pending changes to disk now (QSettings otherwise does it later).
    void sync() { settings_.sync(); }

private:
    mutable QSettings settings_;
};

} // namespace quorvane::qt
