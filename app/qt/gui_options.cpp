#include "gui_options.h"

#include "app/qt/launch_test_mode.h"
#include "location/position_source_option.h"

#include <array>
#include <charconv>
#include <utility>

namespace quorvane {

namespace {

constexpr std::string_view kScreenshot = "--screenshot";
constexpr std::string_view kSize = "--size";
constexpr std::string_view kSelfTest = "--self-test";
constexpr std::string_view kEndOfOptions = "--";
constexpr std::string_view kPage = "--page";
constexpr std::string_view kLocate = "--locate";

constexpr std::array<std::pair<std::string_view, StartPage>, 4> kStartPageNames{{
    {"converter", StartPage::converter},
    {"settings", StartPage::settings},
    {"maps", StartPage::maps},
    {"grids", StartPage::grids},
}};

// A word that starts like a signed or bare number (-33.5, +2, -.5) is part of a position.
bool looksLikeNumber(std::string_view word) {
    if (word.size() < 2 || (word[0] != '-' && word[0] != '+')) return false;
    const char next = word[1];
    return (next >= '0' && next <= '9') || next == '.' || next == ',';
}

bool isOption(std::string_view word) {
    return word.size() > 1 && word[0] == '-' && !looksLikeNumber(word);
}

// The value of "--name VALUE" or "--name=VALUE"; advances i past what it used.
std::optional<std::string> optionValue(const std::vector<std::string>& args, std::size_t& i,
                                       std::string_view name) {
    const std::string_view word = args[i];
    if (word.size() > name.size() && word[name.size()] == '=')
        return std::string(word.substr(name.size() + 1));
    if (i + 1 >= args.size()) return std::nullopt;
    return args[++i];
}

bool namesOption(std::string_view word, std::string_view name) {
    return word == name ||
           (word.starts_with(name) && word.size() > name.size() && word[name.size()] == '=');
}

} // namespace

std::optional<WindowSize> parseWindowSize(std::string_view text) {
    const auto x = text.find_first_of("xX");
    if (x == std::string_view::npos) return std::nullopt;
    WindowSize size;
    const auto readSide = [](std::string_view digits, int& side) {
        if (digits.empty()) return false;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), side);
        return error == std::errc() && end == digits.data() + digits.size() &&
               side >= kMinWindowSide && side <= kMaxWindowSide;
    };
    if (!readSide(text.substr(0, x), size.width) || !readSide(text.substr(x + 1), size.height))
        return std::nullopt;
    return size;
}

std::optional<StartPage> parseStartPage(std::string_view name) {
    for (const auto& [word, page] : kStartPageNames)
        if (word == name) return page;
    return std::nullopt;
}

std::string_view startPageName(StartPage page) {
    for (const auto& [word, named] : kStartPageNames)
        if (named == page) return word;
    return kStartPageNames.front().first;
}

GuiOptionsResult parseGuiOptions(const std::vector<std::string>& args) {
    GuiOptions options;
    std::vector<std::string_view> positionWords;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view word = args[i];
        if (optionsEnded || !isOption(word)) {
            if (!optionsEnded && isLaunchTestArgument(word))
                options.launchTestMode = LaunchTestMode::on;
            else
                positionWords.push_back(word);
        } else if (word == kEndOfOptions) {
            optionsEnded = true;
        } else if (word == kSelfTest) {
            options.mode = GuiMode::selfTest;
        } else if (namesOption(word, kScreenshot)) {
            const auto file = optionValue(args, i, kScreenshot);
            if (!file || file->empty()) return {std::nullopt, "--screenshot needs a file name"};
            options.mode = GuiMode::screenshot;
            options.screenshotFile = *file;
        } else if (namesOption(word, kSize)) {
            const auto value = optionValue(args, i, kSize);
            if (!value) return {std::nullopt, "--size needs a size such as 390x844"};
            options.size = parseWindowSize(*value);
            if (!options.size)
                return {std::nullopt,
                        "--size takes WIDTHxHEIGHT, each from " + std::to_string(kMinWindowSide) +
                            " to " + std::to_string(kMaxWindowSide) + ", not '" + *value + "'"};
        } else if (namesOption(word, kPage)) {
            const auto value = optionValue(args, i, kPage);
            if (!value) return {std::nullopt, "--page needs a page: settings, maps or grids"};
            const auto page = parseStartPage(*value);
            if (!page)
                return {std::nullopt,
                        "--page takes settings, maps or grids (or converter), not '" + *value + "'"};
            options.startPage = *page;
        } else if (namesOption(word, kPositionSourceOption)) {
            const auto value = optionValue(args, i, kPositionSourceOption);
            if (!value)
                return {std::nullopt, "--position-source needs a source: default, none or "
                                      "nmea:FILE"};
            const PositionSourceParse source = parsePositionSource(*value);
            if (!source.choice) return {std::nullopt, source.error};
            options.positionSource = *value;
        } else if (word == kLocate) {
            options.locate = LocateAtStart::on;
        } else {
            return {std::nullopt, "unknown option '" + std::string(word) + "'"};
        }
    }
    if (!positionWords.empty()) {
        std::string position;
        for (const std::string_view w : positionWords) {
            if (!position.empty()) position += ' ';
            position += w;
        }
        options.position = std::move(position);
    }
    return {std::move(options), {}};
}

bool asksForHeadlessRun(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == kEndOfOptions) return false;
        if (word == kSelfTest || namesOption(word, kScreenshot)) return true;
    }
    return false;
}

} // namespace quorvane
