// What the output actions need of the platform.
#pragma once

#include <string>
#include <string_view>

namespace quorvane {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the whole clipboard content with the text.
    virtual void setText(std::string_view text) = 0;
};

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Asks the platform to open the URL in whatever application handles it; not observed.
    virtual void openUrl(std::string_view url) = 0;
};

// The short-lived confirmation after a copy: shows the title and the copied line and closes
// itself 1.0 s later. Each call shows (and later closes) its own confirmation.
class CopyConfirmation {
public:
    virtual ~CopyConfirmation() = default;
    virtual void showCopied(std::string_view title, std::string_view line) = 0;
};

// The platform's share sheet, offered a text and a URL, in that order.
class ShareSheet {
public:
    virtual ~ShareSheet() = default;
    virtual void share(std::string_view text, std::string_view url) = 0;
};

// Looks up a user-visible text by its English key; a key without translation gives itself.
class Translator {
public:
    virtual ~Translator() = default;
    virtual std::string translate(std::string_view key) const = 0;
};

// For tests and the command line: every key shows itself.
class EnglishTranslator final : public Translator {
public:
    std::string translate(std::string_view key) const override { return std::string(key); }
};

} // namespace quorvane
