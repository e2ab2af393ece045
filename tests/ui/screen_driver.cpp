#include "screen_driver.h"

#include <QDesktopServices>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

namespace quorvane::uitest {

QQuickItem* findItem(QQuickItem* root, const QString& name) {
    if (!root) return nullptr;
    if (root->objectName() == name) return root;
    for (QQuickItem* child : root->childItems())
        if (QQuickItem* found = findItem(child, name)) return found;
    return nullptr;
}

Run runQuorvane(const QStringList& arguments, const QStringList& variables) {
    QTemporaryDir home; // the program's settings, away from the user's own
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", home.path());
    for (const QString& variable : variables) {
        if (variable.contains(u'='))
            environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        else
            environment.remove(variable);
    }
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(QUORVANE_BINARY), arguments);
    if (!process.waitForFinished(60000)) return {-1, "did not finish"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAll())};
}

UrlCatcher::UrlCatcher(QStringList schemes) : schemes_(std::move(schemes)) {
    for (const QString& scheme : schemes_)
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

UrlCatcher::~UrlCatcher() {
    for (const QString& scheme : schemes_)
        QDesktopServices::unsetUrlHandler(scheme);
}

QStringList UrlCatcher::urls() const {
    QStringList texts;
    for (const QUrl& url : opened)
        texts << url.toString(QUrl::FullyEncoded);
    return texts;
}

namespace {

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

QString ScreenDriver::mismatches(const QStringList& expected, const char* property) const {
    QStringList wrong;
    for (const QString& pair : expected) {
        const QString name = pair.section(u'=', 0, 0);
        const QQuickItem* found = item(name);
        const QString shown = found ? found->property(property).toString() : "<none>";
        if (shown != pair.section(u'=', 1))
            wrong << QStringLiteral("%1 %2 is '%3', expected '%4'")
                         .arg(name, property, shown, pair.section(u'=', 1));
    }
    return wrong.join("; ");
}

void ScreenDriver::set(const QStringList& assignments) {
    for (const QString& assignment : assignments) {
        const std::string name = assignment.section(u'=', 0, 0).toStdString();
        const QString value = assignment.section(u'=', 1);
        if (const auto field = fieldFromName(name))
            session().view().setText(*field, value.toStdString());
        else if (const auto selector = selectorFromName(name))
            session().view().setSelectedIndex(*selector, value.toInt());
        else
            QFAIL(qPrintable(QStringLiteral("no field or selector %1").arg(assignment)));
    }
}

bool ScreenDriver::showsPage(const QString& page) const {
    constexpr int kTransitionPatienceMs = 5000;
    return QTest::qWaitFor(
        [&] {
            const QQuickItem* stack = item(QStringLiteral("stackView"));
            if (!stack || stack->property("busy").toBool()) return false;
            const auto* current = stack->property("currentItem").value<QQuickItem*>();
            return current && current->objectName() == page;
        },
        kTransitionPatienceMs);
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
