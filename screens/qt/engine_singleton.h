#pragma once

#include <QByteArray>
#include <QJSEngine>
#include <QObject>
#include <QQmlEngine>

namespace quorvane::qt {

// QML singletons that C++ creates and owns. The session hands each one to its QML engine with
// provideToEngine(); the type's QML singleton factory (T::create) takes it back with providedBy().

template <typename T> QByteArray engineSlot() {
    return QByteArray("_quorvane_") + T::staticMetaObject.className();
}

template <typename T> void provideToEngine(QQmlEngine& engine, T& object) {
    engine.setProperty(engineSlot<T>().constData(), QVariant::fromValue<QObject*>(&object));
}

template <typename T> T* providedBy(QQmlEngine* engine) {
    const QVariant provided = engine->property(engineSlot<T>().constData());
    auto* object = qobject_cast<T*>(provided.value<QObject*>());
    if (!object)
        qFatal("%s: none was provided to this QML engine", T::staticMetaObject.className());
    // The C++ side owns it: the engine must not delete it.
    QJSEngine::setObjectOwnership(object, QJSEngine::CppOwnership);
    return object;
}

} // namespace quorvane::qt
