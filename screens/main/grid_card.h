// The converter screen's fifth card: the grid references of the form's position (UTM/UPS, MGRS,
// Plus Code, Maidenhead), kept in step with the four notations.
//
// The card follows the form: after every change of it (an edit, a hemisphere toggled, Clear, a
// paste, a fill, Undo) it writes the four references of the form's position, or empties them
// when the form holds none. A reference the user edits and leaves is read by its system's
// reader and entered into the form as any position is; while the form shows that entry, the
// card keeps the reference as typed (in its system's spelling) and writes the others from the
// point it names, not from the rounded degrees the fields show, so every metre and cell comes
// back as itself. A reference that cannot be read shows the reader's message beside its field
// and gets back the last text the card wrote.
#pragma once

#include "accessible_names.h"
#include "actions/action_platform.h"
#include "core/form_controller.h"
#include "core/grid/grid_choice.h"
#include "core/grid/grid_reference.h"
#include "output_outcome.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The card's controls, as the platform shows them.
class GridCardView {
public:
    virtual ~GridCardView() = default;
    virtual std::string text(grid::GridSystem system) const = 0;
    virtual void setText(grid::GridSystem system, std::string_view text) = 0;
    // Why a field is empty, shown in its place ("" when it is not).
    virtual void setReason(grid::GridSystem system, std::string_view reason) = 0;
    // Whether the system's row shows; the card hides when no row does.
    virtual void setVisibility(grid::GridSystem system, grid::Visibility visibility) = 0;
    // A reference that could not be read: what the reader says, beside its field ("" hides it).
    virtual void showMessage(grid::GridSystem system, std::string_view message) = 0;
};

// The card without a screen, for the command line and tests.
class MemoryGridCardView final : public GridCardView {
public:
    std::string text(grid::GridSystem system) const override { return texts_[at(system)]; }
    void setText(grid::GridSystem system, std::string_view text) override {
        texts_[at(system)] = text;
    }
    void setReason(grid::GridSystem system, std::string_view reason) override {
        reasons_[at(system)] = reason;
    }
    void setVisibility(grid::GridSystem system, grid::Visibility visibility) override {
        visibility_[at(system)] = visibility;
    }
    void showMessage(grid::GridSystem, std::string_view message) override { message_ = message; }

    const std::string& reason(grid::GridSystem system) const { return reasons_[at(system)]; }
    grid::Visibility visibility(grid::GridSystem system) const { return visibility_[at(system)]; }
    const std::string& message() const { return message_; }

private:
    static std::size_t at(grid::GridSystem system) { return static_cast<std::size_t>(system); }
    std::array<std::string, grid::kGridSystemCount> texts_;
    std::array<std::string, grid::kGridSystemCount> reasons_;
    std::array<grid::Visibility, grid::kGridSystemCount> visibility_{};
    std::string message_;
};

// The position of the form's signed decimal degrees row (texts of d7 and d8, signs from c7 and
// c8); none when either field holds no number.
struct FormPosition {
    double latitude = 0;  // degrees, negative south
    double longitude = 0; // degrees, negative west
};
std::optional<FormPosition> formPosition(const FormView& view);

// The four references of the form's position, in screen order: from the grid reference the
// form was entered from while it shows that entry, else from the signed decimal degrees; all
// empty without a position, empty with the error outOfRange beyond 90° or 180°.
grid::GridTexts formReferences(const FormController& form);

// Translation key of the reason shown for a position beyond 90° or 180°.
inline constexpr std::string_view kOutOfRangeReasonKey = "Out of range";

// Translation keys of the spoken names: "%1 grid reference" for a field, "Copy %1" for its
// button, %1 the system's title ("UTM/UPS", ...), itself a key.
inline constexpr std::string_view kGridFieldNamePattern = "%1 grid reference";
inline constexpr std::string_view kGridCopyNamePattern = "Copy %1";

// The spoken names of the card's fields and Copy buttons ("copy_utm", ...).
std::vector<ControlName> gridAccessibleNames(const Translator& translator);

struct GridCardPlatform {
    GridCardView& view;
    const Translator& translator;
    Clipboard& clipboard;
    CopyConfirmation& copyConfirmation;
};

class GridCard {
public:
    // Follows the form's changes from now on; the card must outlive the form's use of it.
    GridCard(const GridCardPlatform& platform, FormController& form, grid::GridChoice& choice);
    GridCard(const GridCard&) = delete;
    GridCard& operator=(const GridCard&) = delete;

    // Writes the references of the form's position (every change of the form does).
    void refresh();
    // The user left a reference field.
    void editingEnded(grid::GridSystem system);
    // Escape in a reference field: the text the card wrote comes back, and leaving the field
    // then reads nothing.
    void cancelEditing(grid::GridSystem system);
    // Shows the rows of the chosen systems.
    void applyChoice();
    // The Copy button of a reference: its text to the clipboard, with the confirmation. An empty
    // reference is refused with the reason.
    OutputOutcome copy(grid::GridSystem system);
    // The keystroke filter of the reference fields.
    FilterDecision shouldChangeCharacters(grid::GridSystem system, std::u16string_view current,
                                          Utf16Range range, std::u16string_view replacement) const;

    // The text the card last wrote into the field.
    const std::string& written(grid::GridSystem system) const {
        return written_[static_cast<std::size_t>(system)];
    }

private:
    void write(grid::GridSystem system, std::string_view text, std::string_view reason);

    GridCardPlatform platform_;
    FormController& form_;
    grid::GridChoice& choice_;
    std::array<std::string, grid::kGridSystemCount> written_;
};

} // namespace quorvane
