// The desktop share sheet's entries and what each does with the shared text and link,
// including the mailto: URL of the e-mail entry.
#include "actions/share_actions.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace quorvane {
namespace {

struct Recorder final : Clipboard, UrlOpener {
    void setText(std::string_view text) override { clipboard.emplace_back(text); }
    void openUrl(std::string_view url) override { opened.emplace_back(url); }
    std::vector<std::string> clipboard, opened;
};

// German texts for the keys the sheet uses; other keys show themselves.
struct GermanSheet final : Translator {
    std::string translate(std::string_view key) const override {
        static const std::map<std::string_view, std::string_view> kTexts{
            {"Location", "Standort"},
            {"Copy Text", "Text kopieren"},
            {"Copy Link", "Link kopieren"}};
        const auto it = kTexts.find(key);
        return std::string(it == kTexts.end() ? key : it->second);
    }
};

TEST(PercentEncoding, KeepsOnlyUnreservedCharacters) {
    struct Case {
        std::string_view text, encoded;
    };
    const Case cases[] = {
        {"AZaz09-._~", "AZaz09-._~"},
        {"", ""},
        {"-45.5, 73.25", "-45.5%2C%2073.25"},
        {"a&b=c?d#e%f+g/h:i;j@k", "a%26b%3Dc%3Fd%23e%25f%2Bg%2Fh%3Ai%3Bj%40k"},
        {"\r\n\t\"'<>", "%0D%0A%09%22%27%3C%3E"},
        {"\u00B0", "%C2%B0"}, // degree sign, two UTF-8 bytes
        {"Datenschutzerkl\u00E4rung", "Datenschutzerkl%C3%A4rung"},
        {"\x7F\xFF", "%7F%FF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(percentEncoded(c.text), c.encoded) << c.text;
}

TEST(Mailto, SubjectAndBodyAreOneQueryValueEachWithMailLineBreaks) {
    EXPECT_EQ(mailtoUrl("Location", "-45.5, 73.25\nhttps://maps.apple.com/maps?daddr=-45.5,73.25"),
              "mailto:?subject=Location&body=-45.5%2C%2073.25%0D%0Ahttps%3A%2F%2Fmaps.apple.com%2F"
              "maps%3Fdaddr%3D-45.5%2C73.25");
    // The OpenStreetMap link carries escapes, "&" and a fragment of its own: all stay inside
    // the body.
    EXPECT_EQ(mailtoUrl("Standort", "a&b=%3B#map"),
              "mailto:?subject=Standort&body=a%26b%3D%253B%23map");
    // A body that already ends its lines with CR LF keeps them; a lone CR is left alone.
    EXPECT_EQ(mailtoUrl("", "\na\r\nb\rc\n"), "mailto:?subject=&body=%0D%0Aa%0D%0Ab%0Dc%0D%0A");
    EXPECT_EQ(mailtoUrl("Position \u00E0 voir", ""),
              "mailto:?subject=Position%20%C3%A0%20voir&body=");
}

TEST(ShareActions, EachEntryHandsTheItemsToItsDestination) {
    const ShareItems items{"-45.5, 73.25", "https://waze.com/ul?ll=-45.5,73.25"};
    struct Case {
        ShareAction action;
        std::vector<std::string> clipboard;
        std::vector<std::string> opened;
    };
    const Case cases[] = {
        {ShareAction::copyText, {"-45.5, 73.25"}, {}},
        {ShareAction::copyLink, {"https://waze.com/ul?ll=-45.5,73.25"}, {}},
        {ShareAction::copyTextAndLink, {"-45.5, 73.25\nhttps://waze.com/ul?ll=-45.5,73.25"}, {}},
        {ShareAction::openLink, {}, {"https://waze.com/ul?ll=-45.5,73.25"}},
        {ShareAction::sendEmail,
         {},
         {"mailto:?subject=Standort&body=-45.5%2C%2073.25%0D%0Ahttps%3A%2F%2Fwaze.com%2Ful%3Fll%3D"
          "-45.5%2C73.25"}},
    };
    const GermanSheet german;
    for (const Case& c : cases) {
        Recorder out;
        performShareAction(c.action, items, ShareServices{out, out, german});
        EXPECT_EQ(out.clipboard, c.clipboard) << static_cast<int>(c.action);
        EXPECT_EQ(out.opened, c.opened) << static_cast<int>(c.action);
    }
}

TEST(ShareActions, EntriesInSheetOrderWithTranslatedTitlesAndNamesThatLeadBack) {
    const auto entries = shareSheetEntries(GermanSheet{});
    std::vector<std::string> titles;
    for (const ShareSheetEntry& e : entries)
        titles.push_back(e.title);
    EXPECT_EQ(titles,
              (std::vector<std::string>{"Text kopieren", "Link kopieren", "Copy Text and Link",
                                        "Open Link in Browser", "Send by E-mail"}));
    ASSERT_EQ(entries.size(), kShareActions.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(shareActionFromName(entries[i].name), kShareActions[i].id) << entries[i].name;
    EXPECT_FALSE(shareActionFromName("").has_value());
    EXPECT_FALSE(shareActionFromName("Copy Text").has_value()) << "a title is no name";
}

} // namespace
} // namespace quorvane
