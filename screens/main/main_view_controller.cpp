#include "main_view_controller.h"

#include "position_range.h"

#include <algorithm>

namespace quorvane {

namespace {

// The digits a field of each kind holds, in FieldKind order.
constexpr std::array<std::string_view, kFieldKinds.size()> kPlaceholderDigits{
    "ddd", "mm", "ss.sss", "mm.mmmmm", "ddd.ddddddd"};

} // namespace

MainViewController::MainViewController(const MainScreenPlatform& platform, MapsChoice& mapsChoice)
    : platform_(platform), mapsChoice_(mapsChoice),
      form_(platform.view, platform.settings, platform.numberFormat) {}

void MainViewController::viewDidLoad() {
    form_.restoreSelectors();
    mapsChoice_.restore(platform_.settings);
}

void MainViewController::textFieldDidBeginEditing(FieldId field) {
    for (const auto& observer : beginEditingObservers_) observer();
    form_.textFieldDidBeginEditing(field);
}

void MainViewController::textFieldDidEndEditing(FieldId field) {
    form_.textFieldDidEndEditing(field);
    notifyConversion();
}

void MainViewController::changeNS(SelectorId sender) {
    form_.changeNS(sender);
    notifyConversion();
}

void MainViewController::changeEW(SelectorId sender) {
    form_.changeEW(sender);
    notifyConversion();
}

void MainViewController::clearButtonAction() {
    form_.clearButtonAction();
    notifyConversion();
}

void MainViewController::addConversionObserver(std::function<void()> observer) {
    conversionObservers_.push_back(std::move(observer));
}

void MainViewController::notifyConversion() const {
    for (const auto& observer : conversionObservers_) observer();
}

FilterDecision MainViewController::shouldChangeCharacters(std::u16string_view current,
                                                          Utf16Range range,
                                                          std::u16string_view replacement) const {
    return form_.shouldChangeCharacters(current, range, replacement);
}

void MainViewController::addBeginEditingObserver(std::function<void()> observer) {
    beginEditingObservers_.push_back(std::move(observer));
}

std::optional<FieldId> MainViewController::fieldBeingEdited() const {
    for (const FieldInfo& f : kFields)
        if (platform_.view.isEditing(f.id)) return f.id;
    return std::nullopt;
}

void MainViewController::previousButtonAction() {
    const auto field = fieldBeingEdited();
    if (!field) return;
    if (const auto previous = neighbours(*field).previous) platform_.view.beginEditing(*previous);
}

void MainViewController::nextButtonAction() {
    const auto field = fieldBeingEdited();
    if (!field) return;
    if (const auto next = neighbours(*field).next) platform_.view.beginEditing(*next);
}

void MainViewController::doneButtonAction() {
    if (const auto field = fieldBeingEdited()) platform_.view.endEditing(*field);
}

std::optional<OutputOutcome> MainViewController::refusalAfterEditing() {
    doneButtonAction();
    const std::vector<OutOfRange> outOfRange = outOfRangeHalves(platform_.view);
    if (outOfRange.empty()) return std::nullopt;
    OutputOutcome refusal{OutputResult::refused, {}};
    for (const OutOfRange& o : outOfRange) {
        if (!refusal.message.empty()) refusal.message += ' ';
        refusal.message += outOfRangeMessage(o, platform_.translator);
    }
    return refusal;
}

std::string MainViewController::placeholderText(FieldId field) const {
    std::string text(kPlaceholderDigits[static_cast<std::size_t>(info(field).kind)]);
    if (decimalModeOf(platform_.numberFormat.decimalSeparator()) == DecimalMode::comma)
        std::replace(text.begin(), text.end(), '.', ',');
    // The signed notation writes bare numbers, without a unit mark.
    if (info(info(field).notation).markers == MarkerStyle::letters)
        text += kindInfo(field).unitMark;
    return text;
}

std::array<std::string, kFieldCount> MainViewController::rangeDescriptions() const {
    return quorvane::rangeDescriptions(platform_.view, platform_.translator);
}

OutputOutcome MainViewController::copyNotation(Notation notation) {
    if (auto refusal = refusalAfterEditing()) return *refusal;
    CopyLine copy = copyText(platform_.view, notation);
    markers_ = copy.markers;
    platform_.clipboard.setText(copy.line);
    platform_.copyConfirmation.showCopied(platform_.translator.translate("Copied to Clipboard"),
                                          copy.line);
    return {};
}

std::string MainViewController::currentMapsURL() {
    const MapsPosition position = mapsPosition(platform_.view);
    markers_ = position.markers;
    return mapsURL(mapsChoice_.app(), position);
}

OutputOutcome MainViewController::openMaps() {
    if (auto refusal = refusalAfterEditing()) return *refusal;
    const std::string url = currentMapsURL();
    // A text no URL parser takes ends the action silently.
    if (isValidUrlText(url)) platform_.urlOpener.openUrl(url);
    return {};
}

OutputOutcome MainViewController::share() {
    if (auto refusal = refusalAfterEditing()) return *refusal;
    const MapsPosition position = mapsPosition(platform_.view);
    markers_ = position.markers;
    const std::string url = mapsURL(mapsChoice_.app(), position);
    if (isValidUrlText(url)) platform_.shareSheet.share(shareText(position), url);
    return {};
}

} // namespace quorvane
