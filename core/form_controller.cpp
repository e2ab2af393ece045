#include "form_controller.h"

#include "number_text.h"

#include <algorithm>
#include <string>

namespace quorvane {

namespace {

constexpr double kMinutesPerDegree = 60;
constexpr double kSecondsPerMinute = 60;
constexpr double kSecondsPerDegree = 3600;
// Computed values are rounded to these many decimals: degrees 7, minutes 5, seconds 3.
constexpr double kDegreesScale = 10000000;
constexpr double kMinutesScale = 100000;
constexpr double kSecondsScale = 1000;

double roundTo(double value, double scale) {
    return roundHalfAway(value * scale) / scale;
}

NumberText withMark(NumberText text, std::string_view mark) {
    text.append(mark);
    return text;
}

// Decimal degrees from whole degrees, minutes and seconds, in the order of operations the form
// has always used (the sums are not reassociated, so results stay bit-identical).
double decimalDegrees(double degrees, double minutes, double seconds) {
    const double a = minutes / kMinutesPerDegree;
    const double b = a + degrees;
    const double c = seconds / kSecondsPerDegree;
    const double x = c + b;
    return roundTo(x, kDegreesScale);
}

} // namespace

FormController::FormController(FormView& view, SettingsStore& settings,
                               const NumberFormat& numberFormat)
    : view_(view), settings_(settings), numberFormat_(numberFormat) {}

// ---- Editing ------------------------------------------------------------------------------

void FormController::textFieldDidBeginEditing(FieldId field) {
    for (const auto& observer : beginEditingObservers_)
        observer();
    activeField_ = field;
    textAtBegin_ = view_.text(field);
}

void FormController::textFieldDidEndEditing(FieldId field) {
    // Entering a field and leaving it must not rewrite the other rows from its rounded text.
    if (field == activeField_ && view_.text(field) == textAtBegin_) return;
    convertFromField(info(field).tag);
}

FilterDecision FormController::shouldChangeCharacters(std::u16string_view current, Utf16Range range,
                                                      std::u16string_view replacement) const {
    const std::optional<int> tag =
        activeField_ ? std::optional<int>(info(*activeField_).tag) : std::nullopt;
    return filterKeystroke(tag, current, range, replacement);
}

std::optional<FieldId> FormController::fieldBeingEdited() const {
    if (activeField_ && view_.isEditing(*activeField_)) return activeField_;
    return std::nullopt;
}

void FormController::endEditing() {
    if (const auto field = fieldBeingEdited()) view_.endEditing(*field);
}

void FormController::cancelEditing() {
    const auto field = fieldBeingEdited();
    if (!field) return;
    view_.setText(*field, textAtBegin_);
    view_.endEditing(*field);
}

void FormController::addBeginEditingObserver(std::function<void()> observer) {
    beginEditingObservers_.push_back(std::move(observer));
}

// ---- Changes ------------------------------------------------------------------------------

void FormController::addChangeObserver(std::function<void()> observer) {
    changeObservers_.push_back(std::move(observer));
}

void FormController::changed() {
    contentId_ = ++lastContentId_;
    changedInGroup_ = true;
    if (groupDepth_ == 0) notifyChange();
}

void FormController::leaveGroup() {
    if (--groupDepth_ == 0 && changedInGroup_) notifyChange();
}

void FormController::notifyChange() {
    changedInGroup_ = false;
    for (const auto& observer : changeObservers_)
        observer();
}

FormSnapshot FormController::snapshot() const {
    FormSnapshot s;
    for (const FieldInfo& f : kFields)
        s.texts[indexOf(f.id)] = view_.text(f.id);
    for (const SelectorInfo& c : kSelectors)
        s.selectors[indexOf(c.id)] = view_.selectedIndex(c.id);
    s.accuracy = accuracy_;
    s.values = values_;
    s.unread = unread_;
    s.contentId = contentId_;
    if (entryOrigin()) s.origin = origin_;
    return s;
}

void FormController::restore(const FormSnapshot& snapshot) {
    ChangeGroup change(*this);
    endEditing();
    for (const FieldInfo& f : kFields)
        view_.setText(f.id, snapshot.texts[indexOf(f.id)]);
    for (const SelectorInfo& c : kSelectors) {
        view_.setSelectedIndex(c.id, snapshot.selectors[indexOf(c.id)]);
        settings_.setInteger(c.name, snapshot.selectors[indexOf(c.id)]);
    }
    setAccuracyText(snapshot.accuracy);
    values_ = snapshot.values;
    unread_ = snapshot.unread;
    changed();
    // The content is what it was: its name, and what it was entered from, come back with it.
    contentId_ = snapshot.contentId;
    origin_ = snapshot.origin;
    originContentId_ = snapshot.contentId;
}

void FormController::setEntryOrigin(const grid::GridReading& reference) {
    origin_ = reference;
    origin_->piece = {}; // it pointed into a text that is gone
    originContentId_ = contentId_;
}

const grid::GridReading* FormController::entryOrigin() const {
    return origin_ && originContentId_ == contentId_ ? &*origin_ : nullptr;
}

// ---- Conversion ---------------------------------------------------------------------------

void FormController::readFieldValues() {
    unread_ = quorvane::readFieldValues(view_, values_);
}

DecimalMode FormController::decimalMode() const {
    return decimalModeOf(numberFormat_.decimalSeparator());
}

void FormController::convertFromField(int tag) {
    const auto field = fieldFromTag(tag);
    if (!field) {
        readFieldValues();
        return;
    }
    const FieldInfo& f = info(*field);
    readHalfValues(view_, values_, f.half, unread_);
    ChangeGroup change(*this);
    changed();
    const HalfFields& h = halfFields(f.half);
    switch (f.kind) {
    case FieldKind::Degrees:
        if (f.notation == Notation::ddd_mm_sss)
            convertWholeDegrees(h.D, h.E, h.M);
        else
            convertWholeDegrees(h.E, h.D, h.N);
        break;
    case FieldKind::Minutes:
        convertWholeMinutes(h);
        break;
    case FieldKind::Seconds:
        convertSeconds(h);
        break;
    case FieldKind::DecimalMinutes:
        convertDecimalMinutes(h);
        break;
    case FieldKind::DecimalDegrees:
        convertDecimalDegrees(h, *field);
        break;
    }
}

void FormController::enterText(FieldId field, std::string_view text) {
    view_.setText(field, text);
    convertFromField(info(field).tag);
}

void FormController::chainTo(FieldId next) {
    if (!view_.text(next).empty()) convertFromField(info(next).tag);
}

// Finishes the text of a whole-degrees or whole-minutes field and returns it: an empty field
// becomes 0 with its mark; typed digits get the mark (045 stays 045°); a text that does not read
// as a number shows the last good value, which is what the conversion uses.
std::string FormController::finishWholeField(FieldId field) {
    const std::string_view mark = kindInfo(field).unitMark;
    const std::string typed = view_.text(field);
    std::string finished;
    if (typed.empty()) {
        values_[field] = 0;
        finished = withMark(intText(0), mark).view();
    } else if (unread_[indexOf(field)]) {
        finished = withMark(intText(truncToInteger(values_[field])), mark).view();
    } else if (!holdsUnitMark(typed)) {
        finished = typed + std::string(mark);
    } else {
        finished = typed;
    }
    if (finished != typed) view_.setText(field, finished);
    return finished;
}

// The two rows can hold different whole degrees after a carry (46° 0' 0.0" beside
// 45° 59.99999'). A step that writes a row's minutes therefore writes its degrees too, from the
// degrees it converts with (those of `source`); otherwise the row would join its new minutes to
// the other row's degrees. A readable text is copied as the whole-degrees step copies it (045°).
void FormController::copyWholeDegrees(FieldId source, FieldId target) {
    const std::string text = view_.text(source);
    if (!text.empty() && !unread_[indexOf(source)] && holdsUnitMark(text))
        view_.setText(target, text);
    else
        view_.setText(target, withMark(intText(truncToInteger(values_[source])), kDegreeMark));
}

// Whole degrees of either row: finish the text, copy it to the other row's degrees, hand over
// to the next field of the row.
void FormController::convertWholeDegrees(FieldId source, FieldId copy, FieldId next) {
    view_.setText(copy, finishWholeField(source));
    chainTo(next);
}

void FormController::convertWholeMinutes(const HalfFields& h) {
    finishWholeField(h.M);
    chainTo(h.S);
}

void FormController::convertSeconds(const HalfFields& h) {
    const DecimalMode mode = decimalMode();
    if (view_.text(h.S).empty()) values_[h.S] = 0;
    view_.setText(h.S, withMark(localDoubleText(values_[h.S], mode), kSecondsMark));

    const double d = values_[h.D];
    const double m = values_[h.M];
    const double s = values_[h.S];
    const double n = m + roundTo(s / kSecondsPerMinute, kMinutesScale);
    copyWholeDegrees(h.D, h.E);
    view_.setText(h.N, withMark(localDoubleText(n, mode), kMinutesMark));

    const double dd = decimalDegrees(d, m, s);
    view_.setText(h.F, withMark(localDoubleText(dd, mode), kDegreeMark));
    view_.setText(h.G, localDoubleText(dd, mode));
}

void FormController::convertDecimalMinutes(const HalfFields& h) {
    const DecimalMode mode = decimalMode();
    if (view_.text(h.N).empty()) values_[h.N] = 0;
    view_.setText(h.N, withMark(localDoubleText(values_[h.N], mode), kMinutesMark));

    const double v = values_[h.N];
    const double d = values_[h.E];
    const auto wholeMinutes = truncToInteger(v);
    const auto i = static_cast<double>(wholeMinutes);
    copyWholeDegrees(h.E, h.D);
    view_.setText(h.M, withMark(intText(wholeMinutes), kMinutesMark));

    const double s = roundTo((v - i) * kSecondsPerMinute, kSecondsScale);
    view_.setText(h.S, withMark(localDoubleText(s, mode), kSecondsMark));

    const double dd = decimalDegrees(d, i, s);
    view_.setText(h.F, withMark(localDoubleText(dd, mode), kDegreeMark));
    view_.setText(h.G, localDoubleText(dd, mode));
}

void FormController::convertDecimalDegrees(const HalfFields& h, FieldId source) {
    const DecimalMode mode = decimalMode();
    if (view_.text(source).empty()) values_[source] = 0;
    const double v = values_[source];
    const NumberText bare = localDoubleText(v, mode);
    view_.setText(h.G, bare);
    view_.setText(h.F, withMark(bare, kDegreeMark));
    splitDecimalDegrees(h, v, mode);
}

// Degrees, minutes and seconds of a decimal-degrees value. Rounding the seconds (or the decimal
// minutes) can reach 60; that carries into the next unit, so no field ever shows 60 seconds for
// a value that is really a whole minute more (10.1 is 10° 6' 0.0", not 10° 5' 60.0").
void FormController::splitDecimalDegrees(const HalfFields& h, double v, DecimalMode mode) {
    const std::int64_t k = truncToInteger(v);
    const double f = (v - static_cast<double>(k)) * kMinutesPerDegree;
    const std::int64_t j = truncToInteger(f);
    double s = roundTo((f - static_cast<double>(j)) * kSecondsPerMinute, kSecondsScale);

    std::int64_t dmsDegrees = k;
    std::int64_t dmsMinutes = j;
    if (s >= kSecondsPerMinute) {
        s = 0;
        ++dmsMinutes;
        if (static_cast<double>(dmsMinutes) >= kMinutesPerDegree) {
            dmsMinutes = 0;
            ++dmsDegrees;
        }
    }

    double n = roundTo(f, kMinutesScale);
    std::int64_t dmDegrees = k;
    if (n >= kMinutesPerDegree) {
        n = 0;
        ++dmDegrees;
    }

    view_.setText(h.D, withMark(intText(dmsDegrees), kDegreeMark));
    view_.setText(h.M, withMark(intText(dmsMinutes), kMinutesMark));
    view_.setText(h.S, withMark(localDoubleText(s, mode), kSecondsMark));
    view_.setText(h.E, withMark(intText(dmDegrees), kDegreeMark));
    view_.setText(h.N, withMark(localDoubleText(n, mode), kMinutesMark));
}

// ---- Hemispheres and Clear ----------------------------------------------------------------

void FormController::alignHalf(Half half, int index) {
    for (const SelectorId c : selectorsOfHalf(half))
        view_.setSelectedIndex(c, index);
}

void FormController::storeSelectors(const std::array<SelectorId, 4>& selectors) {
    for (const SelectorId c : selectors)
        settings_.setInteger(info(c).name, view_.selectedIndex(c));
}

void FormController::changeNS(SelectorId sender) {
    alignHalf(Half::latitude, view_.selectedIndex(sender));
    storeSelectors(selectorsOfHalf(Half::latitude));
    changed();
}

void FormController::changeEW(SelectorId sender) {
    alignHalf(Half::longitude, view_.selectedIndex(sender));
    storeSelectors(selectorsOfHalf(Half::longitude));
    changed();
}

void FormController::setAllSelectors(int latitudeIndex, int longitudeIndex) {
    const auto shows = [&](const SelectorInfo& c) {
        return view_.selectedIndex(c.id) ==
               (c.half == Half::latitude ? latitudeIndex : longitudeIndex);
    };
    // Selectors that already show these hemispheres need no toggle, and the store holds them.
    if (std::all_of(kSelectors.begin(), kSelectors.end(), shows)) return;
    alignHalf(Half::latitude, latitudeIndex);
    alignHalf(Half::longitude, longitudeIndex);
    for (const SelectorInfo& c : kSelectors)
        settings_.setInteger(c.name, view_.selectedIndex(c.id));
    changed();
}

void FormController::setAccuracyText(std::string_view text) {
    view_.setAccuracyText(text);
    if (accuracy_ == text) return;
    accuracy_ = text;
    changed();
}

void FormController::restoreSelectors() {
    // Only 0 and 1 are ever written; anything else found in the store (written by something
    // else) counts as South or West, as every reader of a selector treats it.
    for (const SelectorInfo& c : kSelectors) {
        const int stored = settings_.integerForKey(c.name);
        view_.setSelectedIndex(c.id, hemisphereOf(stored) == Hemisphere::northOrEast ? 0 : 1);
    }
    changed();
}

void FormController::clearButtonAction() {
    ChangeGroup change(*this);
    for (const FieldInfo& f : kFields)
        view_.setText(f.id, "");
    setAccuracyText("");
    // Without this, a value typed into the empty form would be combined with numbers the user
    // has just cleared away.
    values_.reset();
    unread_.reset();
    // A field still being edited now holds what Clear left: leaving it unchanged changes nothing.
    textAtBegin_.clear();
    changed();
}

} // namespace quorvane
