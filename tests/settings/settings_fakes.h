// Fakes of the platform services the settings screens and the converter screen use.
#pragma once

#include "actions/action_platform.h"
#include "core/memory_platform.h"
#include "screens/main/main_view_controller.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::testing {

class RecordingUrlOpener final : public UrlOpener {
public:
    void openUrl(std::string_view url) override { opened.emplace_back(url); }
    std::vector<std::string> opened;
};

// A translation table given by the test; a key it lacks shows itself.
class TableTranslator final : public Translator {
public:
    TableTranslator() = default;
    explicit TableTranslator(std::map<std::string, std::string, std::less<>> table)
        : table_(std::move(table)) {}
    std::string translate(std::string_view key) const override {
        const auto it = table_.find(key);
        return it == table_.end() ? std::string(key) : it->second;
    }

private:
    std::map<std::string, std::string, std::less<>> table_;
};

enum class Language : unsigned char { english, german, french };

// The app's texts as a German or French user sees them (Google Maps, OpenStreetMap and Waze
// keep their names, so they are absent like an untranslated key).
inline TableTranslator translatorFor(Language language) {
    switch (language) {
    case Language::german:
        return TableTranslator({{"Apple Maps", "Apple Karten"},
                                {"Default Maps App", "Standard-Karten-App"},
                                {"Grid References", "Gitterkoordinaten"},
                                {"License Agreement", "Lizenzvereinbarung"},
                                {"Privacy Policy", "Datenschutzerklärung"}});
    case Language::french:
        return TableTranslator({{"Apple Maps", "Plans"},
                                {"Default Maps App", "App de cartes par défaut"},
                                {"Grid References", "Références de quadrillage"},
                                {"License Agreement", "Contrat de licence"},
                                {"Privacy Policy", "Politique de confidentialité"}});
    case Language::english:
        break;
    }
    return TableTranslator();
}

// Copies, their confirmations and shares go nowhere.
class IgnoringOutputs final : public Clipboard, public CopyConfirmation, public ShareSheet {
public:
    void setText(std::string_view /*text*/) override {}
    void showCopied(std::string_view /*title*/, std::string_view /*line*/) override {}
    void share(std::string_view /*text*/, std::string_view /*url*/) override {}
};

// One run of the application over a given settings store: the converter screen set up with
// the store's choices, its form holding a position, and the platform services behind it.
class AppRun {
public:
    AppRun(SettingsStore& store, const Translator& translator)
        : mapsChoice(translator), main(MainScreenPlatform{view, store, numberFormat, translator,
                                                          outputs, urlOpener, outputs, outputs},
                                       mapsChoice) {
        view.setDelegate(&main);
        main.viewDidLoad();
    }

    // d7 45,5 South and d8 73.25 West: LAT -45.5, LON -73.25.
    void enterSouthWestPosition() {
        view.setText(FieldId::d7, "45,5");
        view.setText(FieldId::d8, "73.25");
        view.setSelectedIndex(SelectorId::c7, 1);
        view.setSelectedIndex(SelectorId::c8, 1);
    }

    MemoryFormView view;
    FixedNumberFormat numberFormat{DecimalMode::point};
    IgnoringOutputs outputs;
    RecordingUrlOpener urlOpener;
    MapsChoice mapsChoice;
    MainViewController main;
};

} // namespace quorvane::testing
