// The launch test mode: the exact argument "UITests" makes the window's animations run 200
// times faster, so that interface tests need not wait for them. Nothing else changes.
#pragma once

#include <string_view>

namespace quorvane {

inline constexpr std::string_view kLaunchTestArgument = "UITests";
inline constexpr int kLaunchTestAnimationSpeed = 200;

// Whether a program argument switches the mode on: only the whole word, in this letter case.
constexpr bool isLaunchTestArgument(std::string_view argument) {
    return argument == kLaunchTestArgument;
}

} // namespace quorvane
