// Runs one registered test class: ui_tests CLASS [QtTest options].
#include "ui_test.h"

#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // Nothing a test stores may reach the user's own settings.
    QTemporaryDir settingsHome;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsHome.path());

    QStringList arguments = app.arguments();
    const auto test = quorvane::uitest::registry().find(arguments.value(1).toStdString());
    if (test == quorvane::uitest::registry().end()) {
        std::fprintf(stderr, "usage: %s TEST_CLASS [QtTest options]\n", argv[0]);
        return 2;
    }
    arguments.removeAt(1);
    return QTest::qExec(test->second().get(), arguments);
}
