// `quorvane convert`: the converter from a terminal, on the same form as the screen.
//
// A position is entered into an in-memory form the way a user would enter it: the hemisphere
// selectors are set from its letters or signs, each number is typed into its field, Next moves
// on and Done finishes. What the form then shows is printed as its four copy lines.
#pragma once

#include "actions/output_texts.h"
#include "app/convert_stream.h"
#include "core/form_controller.h"
#include "core/memory_platform.h"
#include "core/position_reader.h"
#include "screens/main/grid_card.h"

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// args: the words after "convert". Returns the process exit status: 0 done, 1 some lines of a
// stream could not be read, 2 a single position could not be read or the command was misused.
int runConvertCommand(int argc, const char* const* argv, std::FILE* in, std::FILE* out,
                      std::FILE* err);

// The message for a position that cannot be read, ending in "\n":
//   quorvane convert: [line N: ]cannot read "TEXT": WHAT COULD NOT BE READ
// Every quoted piece is shortened when long and shows control characters escaped (\x01), see
// core/message_text.h.
std::string unreadPositionMessage(std::string_view text, const PositionReading& reading,
                                  std::optional<std::size_t> line);
// The message for a line of the stream that is too long to be a position.
std::string overlongLineMessage(std::size_t line);

// The text of `quorvane convert --help`.
std::string_view convertHelpText();

// The decimal separator of a locale name such as "de_DE.UTF-8", "fr_CH" or "C", from a table
// of the languages (and the few territories) that write a decimal comma. The C library is not
// asked: the answer must not depend on which locales happen to be installed.
DecimalMode decimalModeOfLocaleName(std::string_view name);

// The user's decimal separator: the first of LC_ALL, LC_NUMERIC and LANG that is set and not
// empty decides; none, "C" or "POSIX" give the point.
DecimalMode decimalModeOfLocale(std::string_view lcAll, std::string_view lcNumeric,
                                std::string_view lang);

// One --edit: the field, and the text typed into it (none: the field is only entered and left).
struct FieldEdit {
    FieldId field = FieldId::d1;
    std::optional<std::string> typed;
};

// A form on which positions are entered one after the other, each on an empty form. It is made
// once and reused, so a stream of positions builds no controller per line.
class ConversionForm {
public:
    explicit ConversionForm(DecimalMode mode, GridColumns grid = GridColumns::none);
    ConversionForm(const ConversionForm&) = delete;
    ConversionForm& operator=(const ConversionForm&) = delete;

    // Empties the form (texts, stored values, selectors) and enters the position.
    void enter(const PositionReading& position);
    // Edits one field as a user does (see field_edit.h).
    void edit(const FieldEdit& edit);

    // The four copy lines in notation order, joined by `separator` (no separator at the end);
    // with GridColumns::added the four grid references follow, joined the same way (empty for a
    // position out of range).
    void appendCopyLines(std::string& out, char separator) const;
    // 14 lines NAME<TAB>TEXT in field order, then 8 lines cN<TAB>INDEX, each ending in "\n";
    // with GridColumns::added then utm, mgrs, pluscode and maidenhead as NAME<TAB>TEXT.
    void appendFields(std::string& out) const;

    const MemoryFormView& view() const { return view_; }

private:
    void reset();

    MemoryFormView view_;
    MemorySettingsStore settings_;
    FixedNumberFormat numberFormat_;
    FormController form_;
    mutable NotationTexts copyTexts_; // reused by appendCopyLines
    GridColumns grid_;
};

} // namespace quorvane
