// Small Qt implementations of the platform services the converter screen uses: the number
// format of the user's locale, the clipboard, opening URLs, and text lookup.
#pragma once

#include "actions/action_platform.h"
#include "core/form_platform.h"

namespace quorvane::qt {

// The decimal separator of the default QLocale (the user's locale unless a program sets
// another): German or French give ",". QLocale carries its own data, so no C library locale
// needs to be installed.
class QtNumberFormat final : public NumberFormat {
public:
    std::string decimalSeparator() const override;
};

class QtClipboard final : public Clipboard {
public:
    void setText(std::string_view text) override;
};

// QDesktopServices::openUrl: the browser or whichever application handles the scheme.
class QtUrlOpener final : public UrlOpener {
public:
    void openUrl(std::string_view url) override;
};

// Looks a key up in the installed translations (QCoreApplication::translate in the context
// "MainViewController"); a key without translation shows itself.
class QtTranslator final : public Translator {
public:
    std::string translate(std::string_view key) const override;
};

} // namespace quorvane::qt
