#include "memory_platform.h"

#include "number_text.h"

#include <array>
#include <charconv>

namespace quorvane {

void MemoryFormView::setText(FieldId field, std::string_view text) {
    texts_[indexOf(field)].assign(text.data(), text.size());
}

void MemoryFormView::beginEditing(FieldId field) {
    if (editing_ == field) return;
    if (editing_) {
        const FieldId left = *editing_;
        editing_.reset();
        if (delegate_) delegate_->textFieldDidEndEditing(left);
    }
    editing_ = field;
    if (delegate_) delegate_->textFieldDidBeginEditing(field);
}

void MemoryFormView::endEditing(FieldId field) {
    if (editing_ != field) return;
    editing_.reset();
    if (delegate_) delegate_->textFieldDidEndEditing(field);
}

void MemoryFormView::setSelectedIndex(SelectorId selector, int index) {
    selectors_[indexOf(selector)] = index;
}

void MemoryFormView::reset() {
    for (auto& t : texts_) t.clear();
    selectors_.fill(0);
    accuracy_.clear();
    editing_.reset();
}

int MemorySettingsStore::integerForKey(std::string_view key) const {
    const auto value = raw(key);
    if (!value) return 0;
    const ParseResult r = parseDouble(*value);
    // A value that is not a whole number in int range reads as 0, like a missing key.
    if (!r.ok() || r.value != static_cast<double>(truncToInteger(r.value)) || r.value > 2147483647.0 ||
        r.value < -2147483648.0)
        return 0;
    return static_cast<int>(r.value);
}

void MemorySettingsStore::setInteger(std::string_view key, int value) {
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    const std::string_view text(digits.data(), static_cast<std::size_t>(end - digits.data()));
    // A key stored before is overwritten in place, so toggling a selector allocates nothing.
    if (const auto it = values_.find(key); it != values_.end())
        it->second.assign(text);
    else
        values_.emplace(std::string(key), std::string(text));
}

std::optional<std::string> MemorySettingsStore::stringForKey(std::string_view key) const {
    return raw(key);
}

void MemorySettingsStore::setString(std::string_view key, std::string_view value) {
    values_[std::string(key)] = std::string(value);
}

std::optional<std::string> MemorySettingsStore::raw(std::string_view key) const {
    const auto it = values_.find(key);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

} // namespace quorvane
