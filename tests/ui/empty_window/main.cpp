// An empty Qt Quick ApplicationWindow, built like the application (static, ahead-of-time
// compiled QML module, Basic style, QQmlApplicationEngine) and captured the same way, so that
// tools/bench-startup.sh can set the application's start-up against Qt's own cost.
//
//   quorvane_empty_window --screenshot FILE [--size WxH]
#include "app/qt/frame_capture.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    QGuiApplication app(argc, argv);

    QString file;
    int width = 390;
    int height = 844;
    const QStringList args = app.arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--screenshot"))
            file = args[++i];
        else if (args[i] == QLatin1String("--size")) {
            const QStringList sides = args[++i].split(QLatin1Char('x'));
            if (sides.size() == 2) {
                width = sides[0].toInt();
                height = sides[1].toInt();
            }
        }
    }
    if (file.isEmpty()) {
        std::fputs("usage: quorvane_empty_window --screenshot FILE [--size WxH]\n", stderr);
        return 2;
    }

    QQmlApplicationEngine engine;
    engine.setInitialProperties(
        {{QStringLiteral("width"), width}, {QStringLiteral("height"), height}});
    engine.load(QUrl(QStringLiteral("qrc:/qt-project.org/imports/QuorvaneBench/Main.qml")));
    auto* window = engine.rootObjects().isEmpty()
                       ? nullptr
                       : qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    if (!window) return 1;
    quorvane::qt::captureFirstFrame(*window, file,
                                    [](int status) { QCoreApplication::exit(status); });
    return app.exec();
}
