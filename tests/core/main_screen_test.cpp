// The main screen's controller over in-memory platform parts: navigation between fields, Done,
// set-up, and the output actions as the screen runs them.
#include "core/memory_platform.h"
#include "screens/main/main_view_controller.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace quorvane {
namespace {

using F = FieldId;

struct Screen final : Clipboard, UrlOpener, CopyConfirmation, ShareSheet {
    Screen() { view.setDelegate(&controller); }
    void setText(std::string_view text) override { clipboard = text; }
    void openUrl(std::string_view url) override { opened.emplace_back(url); }
    void showCopied(std::string_view title, std::string_view line) override {
        confirmations.push_back(std::string(title) + "|" + std::string(line));
    }
    void share(std::string_view text, std::string_view url) override {
        shared.push_back(std::string(text) + "|" + std::string(url));
    }

    std::string clipboard;
    std::vector<std::string> opened, confirmations, shared;
    MemoryFormView view;
    MemorySettingsStore settings;
    FixedNumberFormat format{DecimalMode::point};
    EnglishTranslator translator;
    MapsChoice maps{translator};
    MainViewController controller{
        MainScreenPlatform{view, settings, format, translator, *this, *this, *this, *this}, maps};
};

// Previous and Next stay inside the field's notation, in this order, and never wrap.
TEST(Navigation, PreviousAndNextFollowTheNotationsRows) {
    const std::vector<std::vector<FieldId>> rows{{F::d1, F::m1, F::s1, F::d2, F::m2, F::s2},
                                                 {F::d3, F::m3, F::d4, F::m4},
                                                 {F::d5, F::d6},
                                                 {F::d7, F::d8}};
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            Screen s;
            s.view.beginEditing(row[i]);
            s.controller.nextButtonAction();
            EXPECT_EQ(s.view.editingField(), row[std::min(i + 1, row.size() - 1)]);
            s.view.beginEditing(row[i]);
            s.controller.previousButtonAction();
            EXPECT_EQ(s.view.editingField(), row[i == 0 ? 0 : i - 1]);
        }
}

TEST(Navigation, LeavingOrDoneConvertsFromTheField) {
    Screen s;
    s.controller.doneButtonAction(); // nothing is being edited: nothing happens
    s.controller.nextButtonAction();
    EXPECT_EQ(s.view.editingField(), std::nullopt);

    s.view.beginEditing(F::d1);
    s.view.setText(F::d1, "45");
    s.controller.nextButtonAction();
    EXPECT_EQ(s.view.text(F::d3), "45\u00B0");
    s.view.setText(F::m3, "30,25");
    s.view.beginEditing(F::m3);
    s.controller.doneButtonAction();
    EXPECT_EQ(s.view.editingField(), std::nullopt);
    EXPECT_EQ(s.view.text(F::m3), "30.25'");
    EXPECT_EQ(s.view.text(F::d7), "45.5041667");
    EXPECT_EQ(s.controller.form().activeField(), F::m3);
}

TEST(MainScreen, BeginEditingObserversRunBeforeTheFieldIsRecorded) {
    Screen s;
    std::vector<std::optional<FieldId>> seen;
    s.controller.addBeginEditingObserver(
        [&] { seen.push_back(s.controller.form().activeField()); });
    s.view.beginEditing(F::d5);
    s.view.beginEditing(F::d6);
    EXPECT_EQ(seen, (std::vector<std::optional<FieldId>>{std::nullopt, F::d5}));
}

TEST(MainScreen, SetUpRestoresSelectorsAndMapsChoice) {
    Screen s;
    s.settings.setInteger("c2", 1);
    s.settings.setInteger("c7", 1);
    s.settings.setString("defaultMapsApp", "OpenStreetMap");
    s.controller.viewDidLoad();
    for (const SelectorInfo& c : kSelectors)
        EXPECT_EQ(s.view.selectedIndex(c.id), c.name == "c2" || c.name == "c7" ? 1 : 0) << c.name;
    EXPECT_EQ(s.controller.mapsChoice().app(), MapsApp::openStreetMap);
}

TEST(MainScreen, OutputActionsUseTheDecimalDegreesRow) {
    Screen s;
    s.view.setText(F::d7, "45,5");
    s.view.setText(F::d8, "73.25");
    s.view.setText(F::d5, "1.0\u00B0"); // another row: not used by maps or share
    s.view.setSelectedIndex(SelectorId::c7, 1);
    s.controller.copyNotation(Notation::dddddddd1);
    EXPECT_EQ(s.clipboard, "1.0\u00B0 N,  E");
    s.controller.copyNotation(Notation::dddddddd2);
    EXPECT_EQ(s.confirmations.back(), "Copied to Clipboard|-45.5, 73.25");
    EXPECT_EQ(s.controller.markers().ns, "-");

    s.maps.choose(MapsApp::waze, s.settings);
    s.controller.openMaps();
    s.controller.share();
    s.view.setText(F::d8, "73.25\u00B0"); // no URL parser takes it: both actions end silently
    s.controller.openMaps();
    s.controller.share();
    EXPECT_EQ(s.opened, std::vector<std::string>{"https://waze.com/ul?ll=-45.5,73.25"});
    EXPECT_EQ(s.shared,
              std::vector<std::string>{"-45.5, 73.25|https://waze.com/ul?ll=-45.5,73.25"});
}

// Placeholders show the digits with the user's decimal separator and the notation's unit mark.
TEST(MainScreen, PlaceholdersUseTheUsersSeparator) {
    Screen s;
    EXPECT_EQ(s.controller.placeholderText(F::s1), "ss.sss\"");
    s.format.setMode(DecimalMode::comma);
    EXPECT_EQ(s.controller.placeholderText(F::s1), "ss,sss\"");
    EXPECT_EQ(s.controller.placeholderText(F::d6), "ddd,ddddddd\u00B0");
    EXPECT_EQ(s.controller.placeholderText(F::d8), "ddd,ddddddd");
}

// Each field in turn begins editing and gets its text, as typed; the last edit then ends.
void enter(Screen& s, const std::vector<std::pair<FieldId, std::string>>& typed) {
    for (const auto& [field, text] : typed) {
        s.view.beginEditing(field);
        s.view.setText(field, text);
    }
    s.controller.doneButtonAction();
}

// Copy, Open in Maps and Share end the edit in progress first: they act on the converted form.
TEST(MainScreen, OutputActionsEndTheEditFirst) {
    Screen s;
    s.view.beginEditing(F::d5);
    s.view.setText(F::d5, "45.5");
    s.controller.copyNotation(Notation::ddd_mmmmm);
    EXPECT_EQ(s.view.editingField(), std::nullopt);
    EXPECT_EQ(s.clipboard, "45\u00B0 30.0' N,   E");
    s.view.beginEditing(F::d8);
    s.view.setText(F::d8, "7.25");
    s.controller.openMaps();
    s.view.beginEditing(F::d7);
    s.view.setText(F::d7, "1.5");
    s.controller.share();
    EXPECT_EQ(s.opened, std::vector<std::string>{"https://maps.apple.com/maps?daddr=45.5,7.25"});
    EXPECT_EQ(s.shared,
              std::vector<std::string>{"1.5, 7.25|https://maps.apple.com/maps?daddr=1.5,7.25"});
}

// Decimal degrees beyond 90 or 180 mark every field of their half, and the output actions
// refuse the position, naming the value and its range. Up to the limit nothing is marked.
TEST(MainScreen, PositionOutOfRangeIsMarkedAndNotHandedOut) {
    const std::string latitude = "Latitude 90.5\u00B0 is out of range (0\u00B0 to 90\u00B0).";
    const std::string longitude = "Longitude 180.25\u00B0 is out of range (0\u00B0 to 180\u00B0).";
    struct Case {
        std::vector<std::pair<FieldId, std::string>> typed;
        std::string latitudeMark, longitudeMark;
    };
    const std::vector<Case> cases{
        {{{F::d1, "90"}, {F::m1, "30"}, {F::s1, ""}}, latitude, ""},
        {{{F::d1, "90"}, {F::m1, "30"}, {F::s1, ""}, {F::d2, "179"}, {F::m2, "75"}, {F::s2, ""}},
         latitude,
         longitude},
        {{{F::d7, "90"}, {F::d8, "180"}}, "", ""},
        {{{F::d3, "89"}, {F::m3, "59.99999"}, {F::d2, "179"}, {F::m2, "59"}, {F::s2, "59.999"}},
         "",
         ""},
    };
    for (const Case& c : cases) {
        Screen s;
        enter(s, c.typed);
        const auto marks = s.controller.rangeDescriptions();
        for (const FieldInfo& f : kFields)
            EXPECT_EQ(marks[indexOf(f.id)],
                      f.half == Half::latitude ? c.latitudeMark : c.longitudeMark)
                << f.name << " after " << info(c.typed.front().first).name;

        const std::string refusal =
            c.latitudeMark.empty()
                ? c.longitudeMark
                : c.latitudeMark + (c.longitudeMark.empty() ? "" : " ") + c.longitudeMark;
        const OutputResult expected =
            refusal.empty() ? OutputResult::handedOut : OutputResult::refused;
        for (const OutputOutcome& outcome : {s.controller.copyNotation(Notation::dddddddd2),
                                             s.controller.openMaps(), s.controller.share()}) {
            EXPECT_EQ(outcome.result, expected);
            EXPECT_EQ(outcome.message, refusal);
        }
        EXPECT_EQ(s.clipboard.empty(), !refusal.empty());
        EXPECT_EQ(s.opened.empty(), !refusal.empty());
        EXPECT_EQ(s.shared.empty(), !refusal.empty());
    }
}

} // namespace
} // namespace quorvane
