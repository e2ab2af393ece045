#include "main_view_controller.h"

#include "position_range.h"

#include <algorithm>

namespace quorvane {

namespace {

// The digits a field of each kind holds, in FieldKind order.
constexpr std::array<std::string_view, kFieldKinds.size()> kPlaceholderDigits{
    "ddd", "mm", "ss.sss", "mm.mmmmm", "ddd.ddddddd"};

const std::string& plainName(const std::vector<ControlName>& names, std::string_view objectName) {
    static const std::string none;
    const auto found = std::find_if(names.begin(), names.end(), [&](const ControlName& c) {
        return c.objectName == objectName;
    });
    return found == names.end() ? none : found->name;
}

} // namespace

MainViewController::MainViewController(const MainScreenPlatform& platform, MapsChoice& mapsChoice)
    : platform_(platform), mapsChoice_(mapsChoice),
      form_(platform.view, platform.settings, platform.numberFormat) {
    form_.addChangeObserver([this] { decorate(); });
}

void MainViewController::viewDidLoad() {
    plainNames_ = accessibleNames(platform_.translator);
    mapsChoice_.restore(platform_.settings);
    form_.restoreSelectors();
}

void MainViewController::decorate() {
    const FormView& view = platform_.view;
    const Translator& translator = platform_.translator;
    decorations_.rangeWarnings = rangeDescriptions(view, translator);
    for (const FieldInfo& f : kFields)
        decorations_.fieldNames[indexOf(f.id)] =
            nameWithValue(plainName(plainNames_, f.name),
                          spokenFieldValue(f.id, view.text(f.id), translator), translator);
    for (const SelectorInfo& c : kSelectors)
        decorations_.selectorNames[indexOf(c.id)] =
            nameWithValue(plainName(plainNames_, c.name),
                          hemisphereWord(c.id, view.selectedIndex(c.id), translator), translator);
    platform_.decorations.showDecorations(decorations_);
}

void MainViewController::textFieldDidBeginEditing(FieldId field) {
    form_.textFieldDidBeginEditing(field);
}

void MainViewController::textFieldDidEndEditing(FieldId field) {
    form_.textFieldDidEndEditing(field);
}

void MainViewController::changeNS(SelectorId sender) {
    form_.changeNS(sender);
}

void MainViewController::changeEW(SelectorId sender) {
    form_.changeEW(sender);
}

void MainViewController::clearButtonAction() {
    form_.clearButtonAction();
}

FilterDecision MainViewController::shouldChangeCharacters(std::u16string_view current,
                                                          Utf16Range range,
                                                          std::u16string_view replacement) const {
    return form_.shouldChangeCharacters(current, range, replacement);
}

void MainViewController::previousButtonAction() {
    const auto field = form_.fieldBeingEdited();
    if (!field) return;
    if (const auto previous = neighbours(*field).previous) platform_.view.beginEditing(*previous);
}

void MainViewController::nextButtonAction() {
    const auto field = form_.fieldBeingEdited();
    if (!field) return;
    if (const auto next = neighbours(*field).next) platform_.view.beginEditing(*next);
}

void MainViewController::doneButtonAction() {
    form_.endEditing();
}

void MainViewController::cancelButtonAction() {
    form_.cancelEditing();
}

std::optional<OutputOutcome> MainViewController::refusalAfterEditing(Notation fields) {
    doneButtonAction();
    const std::vector<Half> incomplete = incompleteHalves(platform_.view, fields);
    if (!incomplete.empty())
        return OutputOutcome{OutputResult::refused,
                             incompleteMessage(incomplete, platform_.translator)};
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

OutputOutcome MainViewController::copyNotation(Notation notation) {
    if (auto refusal = refusalAfterEditing(notation)) return *refusal;
    CopyLine copy = copyText(platform_.view, notation);
    markers_ = copy.markers;
    platform_.clipboard.setText(copy.line);
    platform_.copyConfirmation.showCopied(platform_.translator.translate("Copied to Clipboard"),
                                          copy.line);
    return {};
}

std::string MainViewController::mapsUrlOf(const MapsPosition& position) {
    markers_ = position.markers;
    return mapsURL(mapsChoice_.app(), position);
}

// Maps links and the shared text are written from the signed decimal degrees.
OutputOutcome MainViewController::openMaps() {
    if (auto refusal = refusalAfterEditing(Notation::dddddddd2)) return *refusal;
    const std::string url = mapsUrlOf(mapsPosition(platform_.view));
    // A text no URL parser takes ends the action silently.
    if (isValidUrlText(url)) platform_.urlOpener.openUrl(url);
    return {};
}

OutputOutcome MainViewController::share() {
    if (auto refusal = refusalAfterEditing(Notation::dddddddd2)) return *refusal;
    const MapsPosition position = mapsPosition(platform_.view);
    const std::string url = mapsUrlOf(position);
    if (isValidUrlText(url)) platform_.shareSheet.share(shareText(position), url);
    return {};
}

} // namespace quorvane
