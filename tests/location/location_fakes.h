// Plain implementations of the location flow's platform that write every call into one shared
// log, so tests can check the order of effects across the form, the store and the services.
#pragma once

#include "actions/action_platform.h"
#include "core/memory_platform.h"
#include "location/location_platform.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvane::test {

using EventLog = std::vector<std::string>;

class FakeLocationService final : public LocationService {
public:
    explicit FakeLocationService(EventLog& log) : log_(log) {}

    void setDelegate(LocationServiceDelegate* delegate) override {
        delegate_ = delegate;
        log_.push_back(delegate ? "setDelegate" : "setDelegate(null)");
    }
    void setDesiredAccuracy(DesiredAccuracy) override { log_.push_back("setDesiredAccuracy"); }
    AuthorizationStatus authorizationStatus() const override { return status_; }
    void requestWhenInUseAuthorization() override {
        log_.push_back("requestWhenInUseAuthorization");
    }
    void requestLocation() override { log_.push_back("requestLocation"); }
    void stopUpdatingLocation() override { log_.push_back("stopUpdatingLocation"); }
    std::optional<PositionFix> location() const override { return fix_; }

    // ---- What the platform would do ----
    void setStatus(AuthorizationStatus status) { status_ = status; }
    // The user answered the permission prompt, or changed the permission in the settings.
    void changeAuthorization(AuthorizationStatus status) {
        status_ = status;
        if (delegate_) delegate_->locationManagerDidChangeAuthorization(*this);
    }
    void deliver(std::optional<PositionFix> fix) {
        fix_ = fix;
        if (delegate_) delegate_->didUpdateLocations(*this);
    }
    void fail() {
        if (delegate_) delegate_->didFailWithError(*this, {LocationErrorKind::timedOut, "no fix"});
    }
    LocationServiceDelegate* delegate() const { return delegate_; }

private:
    EventLog& log_;
    LocationServiceDelegate* delegate_ = nullptr;
    AuthorizationStatus status_ = AuthorizationStatus::notDetermined;
    std::optional<PositionFix> fix_;
};

class FakeIndicator final : public ActivityIndicator {
public:
    explicit FakeIndicator(EventLog& log) : log_(log) {}
    void startAnimating() override {
        animating_ = true;
        log_.push_back("indicator start");
    }
    void stopAnimating() override {
        animating_ = false;
        log_.push_back("indicator stop");
    }
    bool isAnimating() const override { return animating_; }

private:
    EventLog& log_;
    bool animating_ = false;
};

class FakeAlertPresenter final : public LocationAlertPresenter {
public:
    explicit FakeAlertPresenter(EventLog& log) : log_(log) {}
    void presentLocationDisabledAlert(LocationDisabledAlert alert) override {
        log_.push_back("alert");
        shown.push_back(std::move(alert));
    }
    std::vector<LocationDisabledAlert> shown;

private:
    EventLog& log_;
};

class FakeSettingsOpener final : public SystemSettingsOpener {
public:
    explicit FakeSettingsOpener(EventLog& log) : log_(log) {}
    bool openLocationSettings() override {
        log_.push_back("openLocationSettings");
        return canOpen;
    }
    bool canOpen = true;

private:
    EventLog& log_;
};

class FakeScrollView final : public ScrollPosition {
public:
    explicit FakeScrollView(EventLog& log) : log_(log) {}
    ScrollOffset contentOffset() const override { return offset; }
    void setContentOffset(ScrollOffset to, ScrollAnimation animation) override {
        offset = to;
        lastAnimation = animation;
        log_.push_back("scroll to " + std::to_string(static_cast<int>(to.x)) + "," +
                       std::to_string(static_cast<int>(to.y)));
    }
    ScrollOffset offset;
    std::optional<ScrollAnimation> lastAnimation;

private:
    EventLog& log_;
};

// A form view over MemoryFormView that logs the calls the fill is made of: editing events,
// the texts of d7 and d8, selector changes and the accuracy label. Reading d1 marks a pass of
// readFieldValues, which always reads d1 first.
class RecordingFormView final : public FormView, private FieldEditingDelegate {
public:
    explicit RecordingFormView(EventLog& log) : log_(log), inner_(this) {}

    // The receiver of the editing events (the screen controller).
    void setDelegate(FieldEditingDelegate* delegate) { delegate_ = delegate; }
    // Runs when a field begins editing, before the delegate hears of it (the keyboard appears).
    std::function<void(FieldId)> onBeginEditing;

    std::string text(FieldId field) const override {
        if (field == FieldId::d1) log_.push_back("read fields");
        return inner_.text(field);
    }
    void setText(FieldId field, std::string_view text) override {
        if (field == FieldId::d7 || field == FieldId::d8)
            log_.push_back("set " + std::string(info(field).name) + " " + std::string(text));
        inner_.setText(field, text);
    }
    bool isEditing(FieldId field) const override { return inner_.isEditing(field); }
    void beginEditing(FieldId field) override { inner_.beginEditing(field); }
    void endEditing(FieldId field) override { inner_.endEditing(field); }
    int selectedIndex(SelectorId selector) const override { return inner_.selectedIndex(selector); }
    void setSelectedIndex(SelectorId selector, int index) override {
        log_.push_back("select " + std::string(info(selector).name) + "=" + std::to_string(index));
        inner_.setSelectedIndex(selector, index);
    }
    void setAccuracyText(std::string_view text) override {
        log_.push_back("accuracy \"" + std::string(text) + "\"");
        inner_.setAccuracyText(text);
    }

    MemoryFormView& memory() { return inner_; }
    const MemoryFormView& memory() const { return inner_; }
    // A text as shown, without logging.
    const std::string& shown(FieldId field) const { return inner_.textRef(field); }

private:
    // Editing events from the inner view: logged, then handed to the screen controller. After
    // an end-of-editing conversion the log shows what the conversion wrote into dddddddd1.
    void textFieldDidBeginEditing(FieldId field) override {
        if (onBeginEditing) onBeginEditing(field);
        log_.push_back("begin " + std::string(info(field).name));
        if (delegate_) delegate_->textFieldDidBeginEditing(field);
    }
    void textFieldDidEndEditing(FieldId field) override {
        log_.push_back("end " + std::string(info(field).name) + " " + inner_.textRef(field));
        if (delegate_) delegate_->textFieldDidEndEditing(field);
        const FieldId shownAs = info(field).half == Half::latitude ? FieldId::d5 : FieldId::d6;
        log_.push_back("converted " + std::string(info(field).name) + ": " +
                       std::string(info(shownAs).name) + "=" + inner_.textRef(shownAs));
    }

    EventLog& log_;
    MemoryFormView inner_;
    FieldEditingDelegate* delegate_ = nullptr;
};

class RecordingSettingsStore final : public SettingsStore {
public:
    explicit RecordingSettingsStore(EventLog& log) : log_(log) {}
    int integerForKey(std::string_view key) const override { return inner_.integerForKey(key); }
    void setInteger(std::string_view key, int value) override {
        log_.push_back("store " + std::string(key) + "=" + std::to_string(value));
        inner_.setInteger(key, value);
    }
    std::optional<std::string> stringForKey(std::string_view key) const override {
        return inner_.stringForKey(key);
    }
    void setString(std::string_view key, std::string_view value) override {
        inner_.setString(key, value);
    }
    std::optional<std::string> raw(std::string_view key) const { return inner_.raw(key); }

private:
    EventLog& log_;
    MemorySettingsStore inner_;
};

// Shows every key with a mark, so a test can tell a looked-up text from a hard-coded one.
class MarkingTranslator final : public Translator {
public:
    std::string translate(std::string_view key) const override {
        return "<" + std::string(key) + ">";
    }
};

} // namespace quorvane::test
