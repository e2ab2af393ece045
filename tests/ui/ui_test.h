// Test classes of the UI suite register themselves here; ui_test_main.cpp runs the one named on
// the command line (CTest runs each as its own test).
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace quorvane::uitest {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::map<std::string, TestFactory>& registry() {
    static std::map<std::string, TestFactory> tests;
    return tests;
}

} // namespace quorvane::uitest

#define QUORVANE_UI_TEST(Class)                                                                    \
    [[maybe_unused]] static const bool registered##Class =                                         \
        ::quorvane::uitest::registry()                                                             \
            .emplace(#Class, [] { return std::make_unique<Class>(); })                             \
            .second
