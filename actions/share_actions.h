// What a desktop share sheet offers for the shared position, and what each offer does.
//
// The converter hands a share sheet two items: the position text ("-45.5, 73.25") and the maps
// URL. Phones have a system share sheet that takes both items as they are (an Android
// ACTION_SEND intent, the iOS activity sheet); a front end there implements ShareSheet with it
// and does not use this file. A desktop has no such sheet, so the application offers its own
// short list of destinations it can reach with the clipboard and by opening URLs.
#pragma once

#include "action_platform.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

enum class ShareAction : unsigned char { copyText, copyLink, copyTextAndLink, openLink, sendEmail };

struct ShareActionInfo {
    ShareAction id;
    std::string_view name;     // the control's objectName on the sheet
    std::string_view titleKey; // the English title, also its translation key
};

// The sheet's entries, in the order shown.
inline constexpr std::array<ShareActionInfo, 5> kShareActions{{
    {ShareAction::copyText, "shareCopyText", "Copy Text"},
    {ShareAction::copyLink, "shareCopyLink", "Copy Link"},
    {ShareAction::copyTextAndLink, "shareCopyTextAndLink", "Copy Text and Link"},
    {ShareAction::openLink, "shareOpenLink", "Open Link in Browser"},
    {ShareAction::sendEmail, "shareSendEmail", "Send by E-mail"},
}};

// The sheet's own title, the entry that closes it without sharing, and the e-mail's subject.
inline constexpr std::string_view kShareTitleKey = "Share";
inline constexpr std::string_view kShareCancelKey = "Cancel";
inline constexpr std::string_view kShareEmailSubjectKey = "Location";

// The two shared items, as MainViewController::share hands them over.
struct ShareItems {
    std::string text;
    std::string url;
};

struct ShareSheetEntry {
    std::string name;
    std::string title;
};

// The entries of kShareActions with their titles in the user's language.
std::vector<ShareSheetEntry> shareSheetEntries(const Translator& translator);

std::optional<ShareAction> shareActionFromName(std::string_view name);

// The text and the link on two lines, as pasted or sent together.
std::string textAndLink(const ShareItems& items);

// Every byte except the unreserved characters of URIs (letters, digits, "-", ".", "_", "~")
// written as %XX, so that the text survives as one query value of any URL.
std::string percentEncoded(std::string_view text);

// A mailto: URL without recipient that opens a new message with this subject and body. Line
// breaks in the body are sent as CR LF, as mail requires.
std::string mailtoUrl(std::string_view subject, std::string_view body);

// Where a share action sends the items.
struct ShareServices {
    Clipboard& clipboard;
    UrlOpener& urlOpener;
    const Translator& translator;
};

void performShareAction(ShareAction action, const ShareItems& items, const ShareServices& services);

} // namespace quorvane
