#include "form_model.h"

namespace quorvane {

std::optional<FieldId> fieldFromName(std::string_view name) {
    for (const auto& f : kFields)
        if (f.name == name) return f.id;
    return std::nullopt;
}

std::optional<SelectorId> selectorFromName(std::string_view name) {
    for (const auto& s : kSelectors)
        if (s.name == name) return s.id;
    return std::nullopt;
}

} // namespace quorvane
