// Runs one registered test class: ui_tests CLASS [QtTest options], or every class without one.
#include "ui_test.h"

#include <QGuiApplication>
#include <QQuickStyle>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

namespace quorvane::uitest {

std::map<std::string, TestFactory>& registry() {
    static std::map<std::string, TestFactory> tests;
    return tests;
}

} // namespace quorvane::uitest

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QGuiApplication app(argc, argv);

    // Nothing a test stores may reach the user's own settings.
    QTemporaryDir settingsHome;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsHome.path());

    auto& tests = quorvane::uitest::registry();
    QStringList arguments = app.arguments();
    if (arguments.size() > 1 && !arguments[1].startsWith(QLatin1Char('-'))) {
        const auto it = tests.find(arguments[1].toStdString());
        if (it == tests.end()) {
            std::fprintf(stderr, "no test class %s\n", qPrintable(arguments[1]));
            return 2;
        }
        arguments.removeAt(1);
        const auto test = it->second();
        return QTest::qExec(test.get(), arguments);
    }
    int failures = 0;
    for (const auto& [name, factory] : tests) {
        const auto test = factory();
        failures += QTest::qExec(test.get(), arguments) != 0 ? 1 : 0;
    }
    return failures == 0 ? 0 : 1;
}
