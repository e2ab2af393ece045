// The application's command line (what follows the program name, after Qt took its own
// options such as -platform):
//
//   quorvane [--size WxH] [POSITION | geo:URI]
//   quorvane --screenshot FILE [--size WxH] [--page settings|maps] [POSITION | geo:URI]
//   quorvane --self-test
//   ... [--position-source SOURCE] [--locate]
//
// Words that are not options make up the position ("48.8583701, 2.2944813" may come as one
// word or as several); a word such as -33.5 is a number, not an option. "--" ends the options.
// The exact word "UITests" is the launch test mode, not a position.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

enum class GuiMode : unsigned char { run, screenshot, selfTest };
enum class LaunchTestMode : unsigned char { off, on };
// The page shown at start: the converter, the settings screen, or the maps picker or the grid
// references' page over it.
enum class StartPage : unsigned char { converter, settings, maps, grids };
// Whether the current-location button is tapped once the screen is up (--locate).
enum class LocateAtStart : unsigned char { off, on };

struct WindowSize {
    int width = 0;
    int height = 0;
};

inline constexpr WindowSize kPhoneWindowSize{390, 844};
inline constexpr int kMinWindowSide = 200;
inline constexpr int kMaxWindowSide = 8192;

struct GuiOptions {
    GuiMode mode = GuiMode::run;
    std::string screenshotFile;
    std::optional<WindowSize> size;
    std::optional<std::string> position; // the position words, joined by blanks
    LaunchTestMode launchTestMode = LaunchTestMode::off;
    StartPage startPage = StartPage::converter;
    // --position-source's value, already known to be one parsePositionSource() accepts.
    std::optional<std::string> positionSource;
    LocateAtStart locate = LocateAtStart::off;
};

struct GuiOptionsResult {
    std::optional<GuiOptions> options;
    std::string error; // what is wrong, when options is empty
};

GuiOptionsResult parseGuiOptions(const std::vector<std::string>& args);

// "390x844" -> {390, 844}; none for anything else or a side outside the allowed range.
std::optional<WindowSize> parseWindowSize(std::string_view text);

// "settings" or "maps" (the names --page takes); none for any other word.
std::optional<StartPage> parseStartPage(std::string_view name);
// The name of a page as --page takes it ("converter" for the first page).
std::string_view startPageName(StartPage page);

// Whether the words ask for a run without a window on screen (screenshot or self-test).
bool asksForHeadlessRun(int argc, const char* const* argv);

} // namespace quorvane
