// Every text the platform-free code looks up through the Translator interface.
//
// QtTranslator looks them up in the context "MainViewController". lupdate cannot see keys that
// reach the Translator as constants of the core's tables, so translator_keys.cpp repeats each
// of them in a QT_TRANSLATE_NOOP, which is what brings them into translations/*.ts. A test
// checks that this list and the keys the code asks for are the same.
#pragma once

#include <span>

namespace quorvane::qt {

inline constexpr const char* kTranslatorContext = "MainViewController";

std::span<const char* const> translatorKeys();

} // namespace quorvane::qt
