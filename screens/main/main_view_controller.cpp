#include "main_view_controller.h"

namespace quorvane {

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

void MainViewController::copyNotation(Notation notation) {
    CopyLine copy = copyText(platform_.view, notation);
    markers_ = copy.markers;
    platform_.clipboard.setText(copy.line);
    platform_.copyConfirmation.showCopied(platform_.translator.translate("Copied to Clipboard"),
                                          copy.line);
}

std::string MainViewController::currentMapsURL() {
    const MapsPosition position = mapsPosition(platform_.view);
    markers_ = position.markers;
    return mapsURL(mapsChoice_.app(), position);
}

void MainViewController::openMaps() {
    const std::string url = currentMapsURL();
    if (!isValidUrlText(url)) return; // a text no URL parser takes ends the action silently
    platform_.urlOpener.openUrl(url);
}

void MainViewController::share() {
    const MapsPosition position = mapsPosition(platform_.view);
    markers_ = position.markers;
    const std::string url = mapsURL(mapsChoice_.app(), position);
    if (!isValidUrlText(url)) return;
    platform_.shareSheet.share(shareText(position), url);
}

} // namespace quorvane
