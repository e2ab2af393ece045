// An empty Qt Quick ApplicationWindow, built like the application (static, ahead-of-time
// compiled QML module, Basic style, QQmlApplicationEngine) and captured the same way, so that
// tools/bench-startup.sh can set the application's start-up against Qt's own cost.
//
//   quorvane_empty_window --screenshot FILE
#include "app/qt/frame_capture.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || args[1] != QLatin1String("--screenshot")) {
        std::fputs("usage: quorvane_empty_window --screenshot FILE\n", stderr);
        return 2;
    }

    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/qt-project.org/imports/QuorvaneBench/Main.qml")));
    auto* window = engine.rootObjects().isEmpty()
                       ? nullptr
                       : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (!window) return 1;
    quorvane::qt::captureFirstFrame(*window, args[2],
                                    [](int status) { QCoreApplication::exit(status); });
    return app.exec();
}
