#include "screen_driver.h"

#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

namespace quorvane::uitest {

namespace {

QQuickItem* findItem(QQuickItem* root, const QString& name) {
    if (!root) return nullptr;
    if (root->objectName() == name) return root;
    for (QQuickItem* child : root->childItems())
        if (QQuickItem* found = findItem(child, name)) return found;
    return nullptr;
}

void pointSettingsAt(const QString& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

QSettings settingsIn(const QString& folder) {
    pointSettingsAt(folder);
    return QSettings(QSettings::UserScope, QString::fromLatin1(qt::kSettingsOrganization),
                     QString::fromLatin1(qt::kSettingsApplication));
}

} // namespace

SettingsFolder::SettingsFolder() {
    pointSettingsAt(dir_.path());
}

void SettingsFolder::store(const QString& key, const QVariant& value) const {
    QSettings settings = settingsIn(path());
    settings.setValue(key, value);
    settings.sync();
}

QVariant SettingsFolder::stored(const QString& key) const {
    QSettings settings = settingsIn(path());
    settings.sync();
    return settings.value(key);
}

ScreenDriver::ScreenDriver(const SettingsFolder& settings, WindowSize size,
                           const qt::LocationSetup& location) {
    pointSettingsAt(settings.path());
    session_ = std::make_unique<qt::AppSession>(location);
    loaded_ = session_->load(size) && QTest::qWaitForWindowExposed(session_->window());
}

QQuickItem* ScreenDriver::item(const QString& name) const {
    if (!session_->window()) return nullptr;
    return findItem(session_->window()->contentItem(), name);
}

QString ScreenDriver::text(const QString& field) const {
    const QQuickItem* found = item(field);
    return found ? found->property("text").toString() : QStringLiteral("<no %1>").arg(field);
}

int ScreenDriver::selectorIndex(const QString& selector) const {
    const QQuickItem* found = item(selector);
    return found ? found->property("currentIndex").toInt() : -1;
}

void ScreenDriver::settle() {
    QSignalSpy drawn(&window(), &QQuickWindow::frameSwapped);
    window().update();
    QVERIFY(drawn.wait(5000));
}

void ScreenDriver::tap(const QString& name) {
    settle();
    QQuickItem* target = item(name);
    QVERIFY2(target, qPrintable(QStringLiteral("no control named %1").arg(name)));
    QVERIFY2(target->isVisible(), qPrintable(QStringLiteral("%1 is hidden").arg(name)));
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(&window(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

void ScreenDriver::tapBackground() {
    settle();
    QQuickItem* card = item(QStringLiteral("card_ddd_mm_sss"));
    QVERIFY(card);
    const QPointF corner = card->mapToScene(QPointF(4, 4));
    QTest::mouseClick(&window(), Qt::LeftButton, Qt::NoModifier, corner.toPoint());
}

void ScreenDriver::key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&window(), key, modifiers);
}

void ScreenDriver::keySequence(const QKeySequence& sequence) {
    QTest::keySequence(&window(), sequence);
}

void ScreenDriver::type(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString one(text.at(i));
        if (text.at(i).isHighSurrogate() && i + 1 < text.size()) one += text.at(++i);
        const QChar c = one.at(0);
        const Qt::Key code = c.unicode() < 0x80 && c.isPrint()
                                 ? static_cast<Qt::Key>(c.toUpper().unicode())
                                 : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Press, &window(), code, one, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, &window(), code, one, Qt::NoModifier);
    }
}

void ScreenDriver::typeInto(const QString& field, const QString& text) {
    tap(field);
    type(text);
}

} // namespace quorvane::uitest
