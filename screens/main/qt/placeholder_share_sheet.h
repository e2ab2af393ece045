// A stand-in share sheet: shows what would be shared in the screen's notice line. The real
// share sheet replaces this file.
#pragma once

#include "actions/action_platform.h"

#include <QString>
#include <functional>

namespace quorvane::qt {

class PlaceholderShareSheet final : public ShareSheet {
public:
    using ShowNotice = std::function<void(const QString& text, int milliseconds)>;
    explicit PlaceholderShareSheet(ShowNotice show) : show_(std::move(show)) {}

    void share(std::string_view text, std::string_view url) override;

private:
    ShowNotice show_;
};

} // namespace quorvane::qt
