// What the tests add to core/memory_platform.h: outputs that record what the screen hands out,
// a translator given as a table, and the converter screen wired over them as a front end wires it.
#pragma once

#include "core/memory_platform.h"
#include "screens/main/main_view_controller.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace quorvane::fakes {

// Records every copy, confirmation, opened URL and share ("text|url"), and the decorations
// last shown beside the form.
struct Outputs final : Clipboard, UrlOpener, CopyConfirmation, ShareSheet, FormDecorationView {
    void showDecorations(const FormDecorations& shown) override { decorations = shown; }
    FormDecorations decorations;
    void setText(std::string_view text) override { copied.emplace_back(text); }
    void openUrl(std::string_view url) override { opened.emplace_back(url); }
    void showCopied(std::string_view title, std::string_view line) override {
        confirmations.push_back(std::string(title) + "|" + std::string(line));
    }
    void share(std::string_view text, std::string_view url) override {
        shared.push_back(std::string(text) + "|" + std::string(url));
    }
    std::vector<std::string> copied, opened, confirmations, shared;
};

// Translates by the test's table; a key it lacks shows itself. Remembers every key asked for.
struct TableTranslator final : Translator {
    using Table = std::map<std::string, std::string, std::less<>>;
    explicit TableTranslator(Table texts = {}) : table(std::move(texts)) {}
    std::string translate(std::string_view key) const override {
        asked.emplace(key);
        const auto it = table.find(key);
        return it == table.end() ? std::string(key) : it->second;
    }
    Table table;
    mutable std::set<std::string, std::less<>> asked;
};

inline const Translator& english() {
    static const EnglishTranslator translator;
    return translator;
}

// The converter screen after set-up over a copy of the given store.
struct Screen {
    explicit Screen(const Translator& t = english(), MemorySettingsStore stored = {})
        : translator(t), settings(std::move(stored)) {
        view.setDelegate(&controller);
        controller.viewDidLoad();
    }
    // Types the text into the field and leaves it.
    void type(FieldId field, std::string_view text) {
        view.beginEditing(field);
        view.setText(field, text);
        view.endEditing(field);
    }

    const Translator& translator;
    MemorySettingsStore settings;
    MemoryFormView view;
    FixedNumberFormat format{DecimalMode::point};
    Outputs out;
    MapsChoice maps{translator};
    MainViewController controller{
        MainScreenPlatform{view, settings, format, translator, out, out, out, out, out}, maps};
};

} // namespace quorvane::fakes
