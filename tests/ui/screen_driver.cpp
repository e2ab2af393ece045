#include "screen_driver.h"

#include <QDesktopServices>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>

namespace quorvane::uitest {

namespace {

const QStringList kCaughtSchemes{"https", "mailto", "file"};

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

QQuickItem* findItem(QQuickItem* root, const QString& name) {
    if (!root || root->objectName() == name) return root;
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

UrlCatcher::UrlCatcher() {
    for (const QString& scheme : kCaughtSchemes)
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

UrlCatcher::~UrlCatcher() {
    for (const QString& scheme : kCaughtSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

QStringList UrlCatcher::urls() const {
    QStringList texts;
    for (const QUrl& url : opened)
        texts << url.toString(QUrl::FullyEncoded);
    return texts;
}

SettingsFolder::SettingsFolder() {
    pointSettingsAt(path());
}

void SettingsFolder::store(const QString& key, const QVariant& value) const {
    settingsIn(path()).setValue(key, value); // written when the store goes
}

QVariant SettingsFolder::stored(const QString& key) const {
    QSettings settings = settingsIn(path());
    settings.sync(); // reads what the application wrote since
    return settings.value(key);
}

ScreenDriver::ScreenDriver(const SettingsFolder& settings, WindowSize size,
                           const qt::LocationSetup& location) {
    pointSettingsAt(settings.path());
    session_ = std::make_unique<qt::AppSession>(location);
    // Loaded once the window shows, with the part of the page made after its first frame.
    loaded_ = session_->load(size) && QTest::qWaitForWindowExposed(session_->window()) &&
              QTest::qWaitFor([this] { return session_->screen().wholePage(); });
}

QString ScreenDriver::mismatches(const QStringList& expected, const char* property) const {
    QStringList wrong;
    for (const QString& pair : expected) {
        const QString name = pair.section(u'=', 0, 0);
        if (value(name, property) != pair.section(u'=', 1))
            wrong << QStringLiteral("%1 %2 is '%3'").arg(name, property, value(name, property));
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
            QFAIL(qPrintable("no field or selector " + assignment));
    }
}

bool ScreenDriver::showsPage(const QString& page) const {
    return QTest::qWaitFor([&] {
        // Until a page is opened over the converter there is no stack: the converter shows.
        const QQuickItem* stack = item(QStringLiteral("stackView"));
        if (!stack) return page == QStringLiteral("converterPage");
        if (stack->property("busy").toBool()) return false;
        const auto* current = stack->property("currentItem").value<QQuickItem*>();
        return current && current->objectName() == page;
    });
}

void ScreenDriver::settle() {
    QSignalSpy drawn(&window(), &QQuickWindow::frameSwapped);
    window().update();
    QVERIFY(drawn.wait());
}

// A user flicks the form until the control is in sight before tapping it.
void ScreenDriver::scrollIntoView(QQuickItem& target) {
    QQuickItem* view = item(QStringLiteral("scrollView"));
    if (!view || !view->isAncestorOf(&target)) return;
    const QRectF inView = target.mapRectToItem(view, target.boundingRect());
    if (inView.top() >= 0 && inView.bottom() <= view->height()) return;
    const double contentY = view->property("contentY").toDouble();
    const double lowest = view->property("contentHeight").toDouble() - view->height();
    view->setProperty("contentY", std::clamp(contentY + inView.top(), 0.0, std::max(0.0, lowest)));
    settle();
}

void ScreenDriver::tap(const QString& name) {
    settle();
    QQuickItem* target = item(name);
    QVERIFY2(target && target->isVisible(), qPrintable(name + " is missing or hidden"));
    scrollIntoView(*target);
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(&window(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

void ScreenDriver::tapBackground() {
    settle();
    QQuickItem* card = item(QStringLiteral("card_ddd_mm_sss"));
    QVERIFY(card);
    QTest::mouseClick(&window(), Qt::LeftButton, Qt::NoModifier,
                      card->mapToScene(QPointF(4, 4)).toPoint());
}

} // namespace quorvane::uitest
