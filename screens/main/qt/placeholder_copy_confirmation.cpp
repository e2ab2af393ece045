#include "placeholder_copy_confirmation.h"

namespace quorvane::qt {

namespace {
constexpr int kShownMilliseconds = 1000;
}

void PlaceholderCopyConfirmation::showCopied(std::string_view title, std::string_view line) {
    const QString text = QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())) +
                         QStringLiteral(": ") +
                         QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    show_(text, kShownMilliseconds);
}

} // namespace quorvane::qt
