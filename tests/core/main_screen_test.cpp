// The main screen's controller over in-memory platform fakes: navigation between fields, Done,
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

struct Outputs final : Clipboard, UrlOpener, CopyConfirmation, ShareSheet {
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
};

struct Screen {
    Screen() { view.setDelegate(&controller); }
    MemoryFormView view;
    MemorySettingsStore settings;
    FixedNumberFormat format{DecimalMode::point};
    EnglishTranslator translator;
    Outputs out;
    MapsChoice maps{translator};
    MainViewController controller{
        MainScreenPlatform{view, settings, format, translator, out, out, out, out}, maps};
};

struct Chain {
    FieldId field;
    std::optional<FieldId> previous;
    std::optional<FieldId> next;
};

// Previous and Next stay inside the field's notation and never wrap.
const Chain kChains[] = {
    {F::d1, std::nullopt, F::m1}, {F::m1, F::d1, F::s1},        {F::s1, F::m1, F::d2},
    {F::d2, F::s1, F::m2},        {F::m2, F::d2, F::s2},        {F::s2, F::m2, std::nullopt},
    {F::d3, std::nullopt, F::m3}, {F::m3, F::d3, F::d4},        {F::d4, F::m3, F::m4},
    {F::m4, F::d4, std::nullopt}, {F::d5, std::nullopt, F::d6}, {F::d6, F::d5, std::nullopt},
    {F::d7, std::nullopt, F::d8}, {F::d8, F::d7, std::nullopt},
};

TEST(Navigation, PreviousAndNextFollowTheChains) {
    for (const Chain& c : kChains) {
        Screen s;
        s.view.beginEditing(c.field);
        s.controller.nextButtonAction();
        EXPECT_EQ(s.view.editingField(), c.next.value_or(c.field)) << info(c.field).name;

        Screen t;
        t.view.beginEditing(c.field);
        t.controller.previousButtonAction();
        EXPECT_EQ(t.view.editingField(), c.previous.value_or(c.field)) << info(c.field).name;
    }
}

TEST(Navigation, LeavingAFieldConvertsFromIt) {
    Screen s;
    s.view.beginEditing(F::d1);
    s.view.setText(F::d1, "45");
    s.controller.nextButtonAction();
    EXPECT_EQ(s.view.text(F::d1), "45\u00B0");
    EXPECT_EQ(s.view.text(F::d3), "45\u00B0");
    EXPECT_EQ(s.controller.form().activeField(), F::m1);

    s.view.setText(F::m1, "30");
    s.controller.previousButtonAction();
    EXPECT_EQ(s.view.text(F::m1), "30'");
    EXPECT_EQ(s.view.editingField(), F::d1);
}

TEST(Navigation, DoneEndsTheFieldBeingEdited) {
    Screen s;
    s.controller.doneButtonAction(); // nothing is being edited: nothing happens
    s.controller.nextButtonAction();
    s.controller.previousButtonAction();
    EXPECT_EQ(s.view.editingField(), std::nullopt);
    EXPECT_EQ(s.view.text(F::m3), "");

    s.view.setText(F::d3, "45\u00B0");
    s.view.beginEditing(F::m3);
    s.view.setText(F::m3, "30,25");
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

    s.controller.copyNotation(Notation::dddddddd2);
    EXPECT_EQ(s.out.clipboard, "-45.5, 73.25");
    EXPECT_EQ(s.out.confirmations, std::vector<std::string>{"Copied to Clipboard|-45.5, 73.25"});
    EXPECT_EQ(s.controller.markers().ns, "-");

    s.controller.copyNotation(Notation::dddddddd1);
    EXPECT_EQ(s.out.clipboard, "1.0\u00B0 N,  E");
    EXPECT_EQ(s.controller.markers().ns, "N");

    s.controller.openMaps();
    s.controller.share();
    EXPECT_EQ(s.out.opened,
              std::vector<std::string>{"https://maps.apple.com/maps?daddr=-45.5,73.25"});
    EXPECT_EQ(s.out.shared, std::vector<std::string>{
                                "-45.5, 73.25|https://maps.apple.com/maps?daddr=-45.5,73.25"});

    s.maps.choose(MapsApp::waze, s.settings);
    s.controller.openMaps();
    EXPECT_EQ(s.out.opened.back(), "https://waze.com/ul?ll=-45.5,73.25");

    // A text no URL parser takes ends both actions silently.
    s.view.setText(F::d8, "73.25\u00B0");
    s.controller.openMaps();
    s.controller.share();
    EXPECT_EQ(s.out.opened.size(), 2u);
    EXPECT_EQ(s.out.shared.size(), 1u);
}

} // namespace
} // namespace quorvane
