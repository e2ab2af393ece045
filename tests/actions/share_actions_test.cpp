// The desktop share sheet's entries and what each does with the shared text and link,
// including the mailto: URL of the e-mail entry.
#include "actions/share_actions.h"
#include "tests/support/fakes.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

const fakes::TableTranslator kGerman({{"Location", "Standort"},
                                      {"Copy Text", "Text kopieren"},
                                      {"Copy Link", "Link kopieren"}});

TEST(ShareActions, MailTextsKeepOnlyUnreservedCharactersAndBreakLinesAsMailDoes) {
    EXPECT_EQ(percentEncoded("AZaz09-._~ ,&=?#%+/:\u00B0\x7F\xFF"),
              "AZaz09-._~%20%2C%26%3D%3F%23%25%2B%2F%3A%C2%B0%7F%FF");
    // A body that already ends its lines with CR LF keeps them; a lone CR is left alone.
    EXPECT_EQ(mailtoUrl("Position \u00E0", "\na\r\nb\rc\n"),
              "mailto:?subject=Position%20%C3%A0&body=%0D%0Aa%0D%0Ab%0Dc%0D%0A");
}

TEST(ShareActions, EachEntryHandsTheItemsToItsDestination) {
    const ShareItems items{"-45.5, 73.25", "https://osm.org/?a=%3B&b#map"};
    const std::string both = "-45.5, 73.25\nhttps://osm.org/?a=%3B&b#map";
    const std::tuple<ShareAction, std::vector<std::string>, std::vector<std::string>> cases[] = {
        {ShareAction::copyText, {items.text}, {}},
        {ShareAction::copyLink, {items.url}, {}},
        {ShareAction::copyTextAndLink, {both}, {}},
        {ShareAction::openLink, {}, {items.url}},
        // The link's escapes, "&" and fragment all stay inside the body.
        {ShareAction::sendEmail,
         {},
         {"mailto:?subject=Standort&body=-45.5%2C%2073.25%0D%0Ahttps%3A%2F%2Fosm.org%2F%3Fa%3D%253B"
          "%26b%23map"}},
    };
    for (const auto& [action, copied, opened] : cases) {
        fakes::Outputs out;
        performShareAction(action, items, ShareServices{out, out, kGerman});
        EXPECT_EQ(out.copied, copied) << static_cast<int>(action);
        EXPECT_EQ(out.opened, opened) << static_cast<int>(action);
    }
}

TEST(ShareActions, EntriesInSheetOrderWithTranslatedTitlesAndNamesThatLeadBack) {
    const auto entries = shareSheetEntries(kGerman);
    std::string titles;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        titles += entries[i].title + "|";
        EXPECT_EQ(shareActionFromName(entries[i].name), kShareActions.at(i).id) << entries[i].name;
    }
    EXPECT_EQ(titles, "Text kopieren|Link kopieren|Copy Text and Link|Open Link in Browser|"
                      "Send by E-mail|");
    EXPECT_FALSE(shareActionFromName("Copy Text").has_value()) << "a title is no name";
}

} // namespace
} // namespace quorvane
