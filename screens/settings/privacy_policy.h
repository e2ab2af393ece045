// Where the privacy row leads: the address configured at build time, or else the privacy page
// installed with the program.
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// The file name of the shipped page inside the data directory.
inline constexpr std::string_view kPrivacyPolicyFileName = "privacy-policy.html";

// The address set with the CMake cache variable QUORVANE_PRIVACY_POLICY_URL ("" when unset).
std::string_view configuredPrivacyPolicyUrl();

// The data directory path relative to the directory of the executable, as installed
// (e.g. "../share/quorvane"); the build tree mirrors it so an uninstalled build finds it too.
std::string_view dataDirFromExecutableDir();

// The program's data directory for an executable in `executableDir` (an absolute path).
std::string installedDataDir(std::string_view executableDir);

// A file:// URL of an absolute local path; bytes that a URL path may not hold are %-escaped.
std::string fileUrl(std::string_view absolutePath);

// The local path of a file:// URL, %-escapes decoded; "" for any other address.
std::string localPathOfFileUrl(std::string_view url);

// The page the privacy row opens: `configuredUrl` when it is not empty, otherwise the file URL of
// the shipped page in `dataDir`.
std::string privacyPolicyUrl(std::string_view configuredUrl, std::string_view dataDir);

} // namespace quorvane
