#include "privacy_policy.h"

#include <array>
#include <filesystem>

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

} // namespace

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
