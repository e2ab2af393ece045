#include "privacy_policy.h"

#include <array>
#include <filesystem>
#include <optional>

namespace quorvane {

namespace {

bool isPathCharacter(unsigned char c) {
    const bool alphanumeric =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    // Unreserved characters, "/" and the sub-delimiters a path may hold as they are; "%", "?",
    // "#", blanks and every non-ASCII byte are escaped.
    constexpr std::string_view kPathMarks = "-._~/!$&'()*+,;=:@";
    return alphanumeric || kPathMarks.find(static_cast<char>(c)) != std::string_view::npos;
}

constexpr std::string_view kFileScheme = "file://";

// The value of a hexadecimal digit, or none.
std::optional<unsigned> hexValue(char c) {
    constexpr unsigned kDecimalDigits = 10;
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a') + kDecimalDigits;
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A') + kDecimalDigits;
    return std::nullopt;
}

} // namespace

std::string localPathOfFileUrl(std::string_view url) {
    constexpr unsigned kNibbleBits = 4;
    if (!url.starts_with(kFileScheme)) return {};
    const std::string_view escaped = url.substr(kFileScheme.size());
    std::string path;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '%' && i + 2 < escaped.size()) {
            const auto upper = hexValue(escaped[i + 1]);
            const auto lower = hexValue(escaped[i + 2]);
            if (upper && lower) {
                path += static_cast<char>((*upper << kNibbleBits) | *lower);
                i += 2;
                continue;
            }
        }
        path += escaped[i];
    }
    return path;
}

std::string installedDataDir(std::string_view executableDir) {
    const std::filesystem::path path =
        std::filesystem::path(executableDir) / std::filesystem::path(dataDirFromExecutableDir());
    std::string text = path.lexically_normal().generic_string();
    if (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

std::string fileUrl(std::string_view absolutePath) {
    constexpr std::array<char, 16> kHexDigits{'0', '1', '2', '3', '4', '5', '6', '7',
                                              '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    constexpr unsigned kNibbleBits = 4;
    constexpr unsigned kNibbleMask = 0x0F;
    std::string url = "file://";
    for (const char ch : absolutePath) {
        const auto byte = static_cast<unsigned char>(ch);
        if (isPathCharacter(byte)) {
            url += ch;
        } else {
            url += '%';
            url += kHexDigits[byte >> kNibbleBits];
            url += kHexDigits[byte & kNibbleMask];
        }
    }
    return url;
}

std::string privacyPolicyUrl(std::string_view configuredUrl, std::string_view dataDir) {
    if (!configuredUrl.empty()) return std::string(configuredUrl);
    const std::filesystem::path page =
        std::filesystem::path(dataDir) / std::filesystem::path(kPrivacyPolicyFileName);
    return fileUrl(page.lexically_normal().generic_string());
}

} // namespace quorvane
