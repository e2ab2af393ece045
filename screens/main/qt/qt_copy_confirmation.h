// The copy confirmation of the converter screen: a small alert with the title and the copied
// line (CopyConfirmation.qml) over the window, gone 1.0 s after the copy.
//
// Every copy gets its own alert with its own timer, so two copies within a second each close
// their own. The alert takes no input: the form can be used (and copied from again) while it is
// shown.
#pragma once

#include "actions/action_platform.h"
#include "page_component.h"

namespace quorvane::qt {

class MainScreen;

class QtCopyConfirmation final : public CopyConfirmation {
public:
    // How long an alert stays before it starts to fade out.
    static constexpr int kShownMilliseconds = 1000;

    explicit QtCopyConfirmation(MainScreen& screen) : screen_(screen) {}

    void showCopied(std::string_view title, std::string_view line) override;

private:
    MainScreen& screen_;
    PageComponent component_{"CopyConfirmation.qml"};
};

} // namespace quorvane::qt
