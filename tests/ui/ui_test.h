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

std::map<std::string, TestFactory>& registry();

struct Registration {
    Registration(const char* name, TestFactory factory) {
        registry().emplace(name, std::move(factory));
    }
};

} // namespace quorvane::uitest

#define QUORVANE_UI_TEST(Class)                                                                    \
    static const ::quorvane::uitest::Registration registration##Class(                             \
        #Class, [] { return std::make_unique<Class>(); })
