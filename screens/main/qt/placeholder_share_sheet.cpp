#include "placeholder_share_sheet.h"

namespace quorvane::qt {

namespace {
constexpr int kShownMilliseconds = 3000;
}

void PlaceholderShareSheet::share(std::string_view text, std::string_view url) {
    show_(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) + QLatin1Char(' ') +
              QString::fromUtf8(url.data(), static_cast<qsizetype>(url.size())),
          kShownMilliseconds);
}

} // namespace quorvane::qt
