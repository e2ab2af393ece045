#include "grid_card.h"

#include "actions/output_texts.h"
#include "core/grid/grid_keystroke.h"
#include "core/position_entry.h"
#include "position_range.h"

#include <charconv>
#include <cmath>

namespace quorvane {

namespace {

using grid::GridSystem;

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

grid::GridTexts formReferences(const FormController& form) {
    grid::GridTexts texts;
    if (const grid::GridReading* origin = form.entryOrigin()) {
        for (const grid::GridSystemInfo& system : grid::gridSystems())
            texts[indexOf(system.id)] = grid::writeReferenceOf(*origin, system.id);
    } else if (const auto position = formPosition(form.view())) {
        texts = grid::writeAll(position->latitude, position->longitude);
    }
    return texts;
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
    : platform_(platform), form_(form), choice_(choice) {
    form_.addChangeObserver([this] { refresh(); });
}

void GridCard::refresh() {
    const grid::GridTexts texts = formReferences(form_);
    for (const grid::GridSystemInfo& system : grid::gridSystems()) {
        const grid::GridText& text = texts[indexOf(system.id)];
        write(system.id, text.view(),
              text.ok() ? std::string() : platform_.translator.translate(kOutOfRangeReasonKey));
        platform_.view.showMessage(system.id, "");
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
        platform_.view.setText(system, before);
        platform_.view.showMessage(system, grid::describeError(reading));
        return;
    }
    enterPosition(form_, positionOfReference(reading));
}

void GridCard::cancelEditing(GridSystem system) {
    platform_.view.setText(system, written_[indexOf(system)]);
}

void GridCard::applyChoice() {
    for (const grid::GridSystemInfo& system : grid::gridSystems())
        platform_.view.setVisibility(system.id, choice_.visibility(system.id));
}

OutputOutcome GridCard::copy(GridSystem system) {
    const std::string& text = written_[indexOf(system)];
    if (text.empty()) {
        // Why there is none: no position yet, or one beyond the ranges.
        const std::vector<Half> missing = incompleteHalves(form_.view(), Notation::dddddddd2);
        return {OutputResult::refused, missing.empty()
                                           ? platform_.translator.translate(kOutOfRangeReasonKey)
                                           : incompleteMessage(missing, platform_.translator)};
    }
    platform_.clipboard.setText(text);
    platform_.copyConfirmation.showCopied(platform_.translator.translate("Copied to Clipboard"),
                                          text);
    return {};
}

FilterDecision GridCard::shouldChangeCharacters(GridSystem system, std::u16string_view current,
                                                Utf16Range range,
                                                std::u16string_view replacement) const {
    return grid::filterGridKeystroke(system, current, range, replacement);
}

} // namespace quorvane
