// The converter screen as one truth: random sequences of what a user does (type into any field,
// enter and leave one, toggle a hemisphere, paste, take a fix, edit a grid reference, Undo,
// Clear, Escape, Copy, Share) on the platform-free screen. After every step everything shown
// beside the fields and everything handed out describes the position the fields show, a step
// that only reads changes nothing, and Undo is offered exactly while the form shows the paste.
#include "core/position_entry.h"
#include "core/utf.h"
#include "screens/main/grid_card.h"
#include "screens/main/position_paste.h"
#include "screens/main/position_range.h"
#include "tests/support/copy_lines.h"
#include "tests/support/fakes.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace quorvane {
namespace {

using grid::GridSystem;

// Half of the last digit the seconds show, plus what chained rounding adds: the coarsest
// difference between two rows of one position.
constexpr double kRowTolerance = 2e-7;      // degrees
constexpr double kMetresPerDegree = 111000; // of latitude, a little less than the least
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180;

const char* const kTexts[] = {"48.8583701, 2.2944813",
                              "-33.8688197, 151.2092955",
                              "48°51′30″N 2°17′40″E",
                              "N 47° 28.350 W 122° 14.525",
                              "31U DQ 48250 11951",
                              "18T 585628 4511322",
                              "JN18du",
                              "4VCPPQGP+Q9",
                              "geo:-0.5,-179.9999999",
                              "91, 10",
                              "not a position",
                              "-90, 180",
                              "0, 0"};
const char* const kReferences[] = {"56H 334368 6250946", "31udq4825011951",   "FN31pr",
                                   "8FW4V75V+8Q",        "Z 2000000 2000000", "61X 1 2",
                                   "17T 630084 4833438"};
const char* const kTyped[] = {"45", "0", "90", "179", "59", "30.25", "75", "12.5", "", "1,5"};

struct Screen : fakes::Screen {
    // The field tapped, its text selected and replaced key by key through the keystroke filter
    // (refused keys are left out, as on the screen), then left.
    void typeKeys(FieldId field, std::string_view text) {
        view.beginEditing(field);
        std::u16string current = toUtf16(view.text(field));
        Utf16Range selection{0, current.size()};
        for (const char key : text) {
            const std::u16string typed(1, char16_t(key));
            if (controller.shouldChangeCharacters(current, selection, typed) !=
                FilterDecision::accept)
                continue;
            current.replace(selection.location, selection.length, typed);
            selection = {selection.location + 1, 0};
        }
        if (selection.length > 0) current.clear(); // nothing typed: the selection was deleted
        view.setText(field, toUtf8(current));
        view.endEditing(field);
    }

    MemoryGridCardView cardView;
    grid::GridChoice choice;
    GridCard card{GridCardPlatform{cardView, translator, out, out}, controller.form(), choice};
    PositionPaste paste{controller.form()};
};

// Everything the form holds that a user sees.
std::string shown(const Screen& s) {
    std::string all;
    for (const FieldInfo& f : kFields)
        all += s.view.textRef(f.id) + "|";
    for (const SelectorInfo& c : kSelectors)
        all += std::to_string(s.view.selectedIndex(c.id));
    return all + "|" + s.view.accuracyText();
}

void expectEverythingFollowsTheForm(const Screen& s, const std::string& step) {
    SCOPED_TRACE(step);
    // What is shown beside the fields: pushed after the last change, equal to what the fields
    // give now.
    EXPECT_EQ(s.out.decorations.rangeWarnings, rangeDescriptions(s.view, s.translator));
    for (const FieldInfo& f : kFields) {
        const std::string spoken = spokenFieldValue(f.id, s.view.textRef(f.id), s.translator);
        EXPECT_TRUE(s.out.decorations.fieldNames[indexOf(f.id)].ends_with(spoken)) << f.name;
    }
    const auto position = formPosition(s.view);
    const bool inRange = position && outOfRangeHalves(s.view).empty();
    // Every grid reference shown names a cell that holds the form's position.
    for (const grid::GridSystemInfo& system : grid::gridSystems()) {
        const std::string text = s.cardView.text(system.id);
        EXPECT_EQ(text.empty(), !inRange) << system.name << " " << text;
        if (text.empty()) continue;
        const grid::GridReading cell = system.read(text);
        ASSERT_TRUE(cell.ok()) << text;
        // Degrees per unit of the cell: metres of latitude, and of longitude at this latitude.
        const bool metric = cell.cell.unit == grid::CellUnit::metres;
        const double north = metric ? 1 / kMetresPerDegree : 1;
        const double east =
            metric ? 1 / (kMetresPerDegree * std::cos(position->latitude * kRadiansPerDegree)) : 1;
        EXPECT_NEAR(cell.latitude, position->latitude, cell.cell.height * north + 1e-6) << text;
        if (std::fabs(position->latitude) < 89) {
            EXPECT_NEAR(std::remainder(cell.longitude - position->longitude, 360), 0,
                        cell.cell.width * east + 1e-6)
                << text;
        }
    }
    // Every copy line of a complete row shows the form's position.
    for (const NotationInfo& n : kNotations) {
        if (!incompleteHalves(s.view, n.id).empty() || !inRange) continue;
        const auto [latitude, longitude] = test::lineValue(s.view, n.id);
        EXPECT_NEAR(latitude, position->latitude, kRowTolerance) << n.name;
        EXPECT_NEAR(longitude, position->longitude, kRowTolerance) << n.name;
    }
}

TEST(ScreenModel, EverythingShownAndHandedOutFollowsTheForm) {
    std::mt19937 random(20261207);
    const auto pick = [&](auto& items) -> auto& {
        return items[std::uniform_int_distribution<std::size_t>(0, std::size(items) - 1)(random)];
    };
    for (int run = 0; run < 40; ++run) {
        Screen s;
        bool undoExpected = false;
        std::string beforePaste;
        for (int step = 0; step < 30; ++step) {
            const std::string before = shown(s);
            const std::uint64_t content = s.controller.form().contentId();
            const FieldId field = pick(kFields).id;
            const int action = std::uniform_int_distribution<int>(0, 10)(random);
            bool readsOnly = false;
            std::string what = std::to_string(action);
            switch (action) {
            case 0:
            case 1: {
                const char* typed = pick(kTyped);
                what += std::string(" type ") + typed + " into " + std::string(info(field).name);
                s.typeKeys(field, typed);
                break;
            }
            case 2: // enter a field and leave it
                s.type(field, s.view.textRef(field));
                readsOnly = true;
                break;
            case 3: { // Escape after typing
                s.view.beginEditing(field);
                s.view.setText(field, "123");
                s.controller.cancelButtonAction();
                readsOnly = true;
                break;
            }
            case 4: {
                const SelectorId c = pick(kSelectors).id;
                s.view.setSelectedIndex(c, 1 - s.view.selectedIndex(c));
                info(c).half == Half::latitude ? s.controller.changeNS(c)
                                               : s.controller.changeEW(c);
                undoExpected = false;
                break;
            }
            case 5: {
                const char* text = pick(kTexts);
                what += std::string(" paste ") + text;
                const bool filled = s.paste.paste(text).result == PasteResult::filled;
                EXPECT_EQ(filled, readPosition(text).ok()) << text;
                if (filled) beforePaste = before;
                undoExpected = filled || undoExpected;
                break;
            }
            case 6:
                enterPosition(s.controller.form(),
                              pointReading({std::uniform_real_distribution(-90.0, 90.0)(random),
                                            std::uniform_real_distribution(-180.0, 180.0)(random)}),
                              "12 m");
                undoExpected = false;
                break;
            case 7: {
                const GridSystem system = pick(grid::gridSystems()).id;
                const char* text = pick(kReferences);
                what += std::string(" reference ") + text;
                s.cardView.setText(system, text);
                s.card.editingEnded(system);
                break;
            }
            case 8:
                what += " undo";
                s.paste.undo();
                // The whole form comes back, or nothing changes when Undo is not offered.
                EXPECT_EQ(shown(s), undoExpected ? beforePaste : before);
                undoExpected = false;
                break;
            case 9:
                s.controller.clearButtonAction();
                break;
            case 10:
                s.controller.copyNotation(pick(kNotations).id);
                s.controller.share();
                s.controller.openMaps();
                readsOnly = true;
                break;
            }
            if (readsOnly) {
                EXPECT_EQ(shown(s), before) << what;
            }
            // Undo is offered from a paste until the form changes in any way.
            if (action != 5 && s.controller.form().contentId() != content) undoExpected = false;
            EXPECT_EQ(s.paste.canUndo(), undoExpected) << what;
            expectEverythingFollowsTheForm(s, what);
            if (::testing::Test::HasFailure()) return;
        }
    }
}

} // namespace
} // namespace quorvane
