#include "share_actions.h"

#include <algorithm>

namespace quorvane {

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr unsigned kNibbleBits = 4;
constexpr unsigned kNibbleMask = 0x0F;

bool isUnreserved(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// Mail lines end in CR LF; a lone LF becomes CR LF, an existing CR LF stays as it is.
std::string withMailLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
        out += text[i];
    }
    return out;
}

} // namespace

std::vector<ShareSheetEntry> shareSheetEntries(const Translator& translator) {
    std::vector<ShareSheetEntry> entries;
    entries.reserve(kShareActions.size());
    for (const ShareActionInfo& action : kShareActions)
        entries.push_back({std::string(action.name), translator.translate(action.titleKey)});
    return entries;
}

std::optional<ShareAction> shareActionFromName(std::string_view name) {
    const auto it = std::ranges::find(kShareActions, name, &ShareActionInfo::name);
    if (it == kShareActions.end()) return std::nullopt;
    return it->id;
}

std::string textAndLink(const ShareItems& items) {
    return items.text + '\n' + items.url;
}

std::string percentEncoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (isUnreserved(c)) {
            out += c;
            continue;
        }
        const auto byte = static_cast<unsigned char>(c);
        out += '%';
        out += kHexDigits[byte >> kNibbleBits];
        out += kHexDigits[byte & kNibbleMask];
    }
    return out;
}

std::string mailtoUrl(std::string_view subject, std::string_view body) {
    return "mailto:?subject=" + percentEncoded(subject) +
           "&body=" + percentEncoded(withMailLineBreaks(body));
}

void performShareAction(ShareAction action, const ShareItems& items,
                        const ShareServices& services) {
    switch (action) {
    case ShareAction::copyText:
        services.clipboard.setText(items.text);
        return;
    case ShareAction::copyLink:
        services.clipboard.setText(items.url);
        return;
    case ShareAction::copyTextAndLink:
        services.clipboard.setText(textAndLink(items));
        return;
    case ShareAction::openLink:
        services.urlOpener.openUrl(items.url);
        return;
    case ShareAction::sendEmail:
        services.urlOpener.openUrl(
            mailtoUrl(services.translator.translate(kShareEmailSubjectKey), textAndLink(items)));
        return;
    }
}

} // namespace quorvane
