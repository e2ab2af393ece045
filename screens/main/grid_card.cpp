#include "grid_card.h"

#include "actions/output_texts.h"
#include "core/grid/grid_keystroke.h"
#include "core/number_text.h"

#include <charconv>
#include <cmath>

namespace quorvane {

namespace {

using grid::GridSystem;

// The fill writes seven decimals, the finest a decimal-degrees field shows (about 1 cm).
constexpr double kSevenDecimals = 1e7;

double fillMagnitude(double degrees) {
    return roundHalfAway(std::fabs(degrees) * kSevenDecimals) / kSevenDecimals;
}

std::optional<double> numberOf(std::string_view text) {
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

constexpr std::size_t indexOf(GridSystem system) {
    return static_cast<std::size_t>(system);
}

} // namespace

std::optional<FormPosition> formPosition(const FormView& view) {
    const MapsPosition texts = mapsPosition(view);
    const auto latitude = numberOf(texts.latitude);
    const auto longitude = numberOf(texts.longitude);
    if (!latitude || !longitude) return std::nullopt;
    return FormPosition{*latitude, *longitude};
}

std::vector<ControlName> gridAccessibleNames(const Translator& translator) {
    std::vector<ControlName> names;
    for (const grid::GridSystemInfo& system : grid::gridSystems()) {
        const std::array<std::string, 1> title{translator.translate(system.title)};
        const std::string name(system.name);
        names.push_back(
            {name, fillPlaceholders(translator.translate(kGridFieldNamePattern), title)});
        names.push_back(
            {"copy_" + name, fillPlaceholders(translator.translate(kGridCopyNamePattern), title)});
    }
    return names;
}

GridCard::GridCard(const GridCardPlatform& platform, FormController& form, grid::GridChoice& choice)
    : platform_(platform), form_(form), choice_(choice) {}

void GridCard::refresh() {
    const auto position = formPosition(form_.view());
    for (const grid::GridSystemInfo& system : grid::gridSystems()) {
        if (!position) {
            write(system.id, "", "");
            continue;
        }
        const grid::GridText text = system.write(position->latitude, position->longitude);
        write(system.id, text.view(),
              text.ok() ? std::string() : platform_.translator.translate(kOutOfRangeReasonKey));
    }
}

void GridCard::write(GridSystem system, std::string_view text, std::string_view reason) {
    written_[indexOf(system)] = text;
    platform_.view.setText(system, text);
    platform_.view.setReason(system, reason);
}

void GridCard::editingEnded(GridSystem system) {
    const std::string typed = platform_.view.text(system);
    const std::string& before = written_[indexOf(system)];
    // Unchanged, or emptied: the field shows what it showed (an empty field names no square).
    if (trimmed(typed) == before || trimmed(typed).empty()) {
        platform_.view.setText(system, before);
        return;
    }
    const grid::GridReading reading = grid::info(system).read(typed);
    if (!reading.ok()) {
        platform_.view.showMessage(grid::describeError(reading));
        platform_.view.setText(system, before);
        return;
    }
    fillForm(reading);
}

void GridCard::fillForm(const grid::GridReading& reading) {
    // The hemispheres first, so the conversions show them with the new magnitudes; then each
    // signed decimal degree is written and converted as the end of its edit would.
    form_.setAllSelectors(reading.latitude < 0 ? 1 : 0, reading.longitude < 0 ? 1 : 0);
    FormView& view = form_.view();
    for (const auto& [field, degrees] :
         {std::pair{FieldId::d7, reading.latitude}, std::pair{FieldId::d8, reading.longitude}}) {
        view.setText(field, doubleText(fillMagnitude(degrees)).view());
        form_.convertFromField(info(field).tag);
    }
    form_.readFieldValues();
    refresh();
}

void GridCard::applyChoice() {
    for (const grid::GridSystemInfo& system : grid::gridSystems())
        platform_.view.setVisibility(system.id, choice_.visibility(system.id));
}

void GridCard::copy(GridSystem system) {
    const std::string& text = written_[indexOf(system)];
    if (text.empty()) return;
    platform_.clipboard.setText(text);
    platform_.copyConfirmation.showCopied(platform_.translator.translate("Copied to Clipboard"),
                                          text);
}

FilterDecision GridCard::shouldChangeCharacters(GridSystem system, std::u16string_view current,
                                                Utf16Range range,
                                                std::u16string_view replacement) const {
    return grid::filterGridKeystroke(system, current, range, replacement);
}

} // namespace quorvane
