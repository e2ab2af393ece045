// Plain in-memory implementations of the form's platform interfaces. They keep the platform's
// contract (see form_platform.h) so the form behaves here exactly as on screen: the command
// line runs on them, and so do the tests.
#pragma once

#include "form_platform.h"

#include <array>
#include <map>
#include <string>

namespace quorvane {

class MemoryFormView final : public FormView {
public:
    // The delegate receives the editing events; it may be set later, and must outlive the view.
    explicit MemoryFormView(FieldEditingDelegate* delegate = nullptr) : delegate_(delegate) {}
    void setDelegate(FieldEditingDelegate* delegate) { delegate_ = delegate; }

    std::string text(FieldId field) const override { return texts_[indexOf(field)]; }
    void setText(FieldId field, std::string_view text) override;
    bool isEditing(FieldId field) const override { return editing_ == field; }
    void beginEditing(FieldId field) override;
    void endEditing(FieldId field) override;

    int selectedIndex(SelectorId selector) const override { return selectors_[indexOf(selector)]; }
    void setSelectedIndex(SelectorId selector, int index) override;
    void setAccuracyText(std::string_view text) override { accuracy_ = text; }

    // What the screen would show, for tests and the command line.
    const std::string& accuracyText() const { return accuracy_; }
    std::optional<FieldId> editingField() const { return editing_; }
    // Direct access without going through the platform calls (a fresh form, a test set-up).
    const std::string& textRef(FieldId field) const { return texts_[indexOf(field)]; }
    void reset();

private:
    FieldEditingDelegate* delegate_;
    std::array<std::string, kFieldCount> texts_{};
    std::array<int, kSelectorCount> selectors_{};
    std::string accuracy_;
    std::optional<FieldId> editing_;
};

class MemorySettingsStore final : public SettingsStore {
public:
    int integerForKey(std::string_view key) const override;
    void setInteger(std::string_view key, int value) override;
    std::optional<std::string> stringForKey(std::string_view key) const override;
    void setString(std::string_view key, std::string_view value) override;

    // Raw stored text of a key, as a settings file would hold it.
    std::optional<std::string> raw(std::string_view key) const;
    void setRaw(std::string_view key, std::string_view value) { values_[std::string(key)] = value; }

private:
    std::map<std::string, std::string, std::less<>> values_;
};

// The settings of a run that keeps none (the terminal converter): every key reads as missing and
// every write is dropped.
class NoSettingsStore final : public SettingsStore {
public:
    int integerForKey(std::string_view) const override { return 0; }
    void setInteger(std::string_view, int) override {}
    std::optional<std::string> stringForKey(std::string_view) const override { return {}; }
    void setString(std::string_view, std::string_view) override {}
};

// A number formatter with a fixed decimal separator.
class FixedNumberFormat final : public NumberFormat {
public:
    explicit FixedNumberFormat(DecimalMode mode) : mode_(mode) {}
    void setMode(DecimalMode mode) { mode_ = mode; }
    std::string decimalSeparator() const override { return mode_ == DecimalMode::comma ? "," : "."; }

private:
    DecimalMode mode_;
};

} // namespace quorvane
