// A stand-in copy confirmation: the copied line in the screen's notice line for a second.
// The real self-closing alert replaces this file (and placeholder_share_sheet.h).
#pragma once

#include "actions/action_platform.h"

#include <QString>
#include <functional>

namespace quorvane::qt {

class PlaceholderCopyConfirmation final : public CopyConfirmation {
public:
    // Shows a text for the given milliseconds.
    using ShowNotice = std::function<void(const QString& text, int milliseconds)>;
    explicit PlaceholderCopyConfirmation(ShowNotice show) : show_(std::move(show)) {}

    void showCopied(std::string_view title, std::string_view line) override;

private:
    ShowNotice show_;
};

} // namespace quorvane::qt
