// Drives the real converter screen the way a user does: taps on controls, keys typed one by
// one into the window. Each driver is a fresh application with a settings file of its own.
#pragma once

#include "app/qt/app_session.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>
#include <string_view>

namespace quorvane::uitest {

inline QString qtName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The item with this objectName in the tree under root (root included); nullptr when none.
QQuickItem* findItem(QQuickItem* root, const QString& name);

// The program itself run with a settings folder of its own; each variable "NAME=value" is set
// in its environment, a bare "NAME" removed from it.
struct Run {
    int exitCode;   // -1 when it crashed or did not finish
    QString output; // stdout and stderr
};
Run runQuorvane(const QStringList& arguments, const QStringList& variables = {});

// Gives each test its own settings folder; QSettings reads the folder when a store is made.
class SettingsFolder {
public:
    SettingsFolder();
    QString path() const { return dir_.path(); }
    void store(const QString& key, const QVariant& value) const;
    QVariant stored(const QString& key) const;

private:
    QTemporaryDir dir_;
};

// Stands in for the browser and the mail and maps applications while it lives.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher();
    ~UrlCatcher() override;
    QStringList urls() const; // fully encoded
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

class ScreenDriver {
public:
    // The settings folder must outlive the driver; the current-location button uses the given
    // position source (by default the system's, which a test program lacks).
    explicit ScreenDriver(const SettingsFolder& settings, WindowSize size = kPhoneWindowSize,
                          const qt::LocationSetup& location = {});

    bool loaded() const { return loaded_; }
    qt::AppSession& session() { return *session_; }
    QQuickWindow& window() { return *session_->window(); }
    QQuickItem* item(const QString& name) const {
        return session_->window() ? findItem(session_->window()->contentItem(), name) : nullptr;
    }
    QString text(const QString& field) const { return value(field, "text"); }
    int selectorIndex(const QString& selector) const {
        return item(selector) ? value(selector, "currentIndex").toInt() : -1;
    }
    // "" when each "name=value" item's property holds the value; else which ones differ.
    QString mismatches(const QStringList& expected, const char* property = "text") const;
    // Writes "d7=45,5" into a field and "c7=1" into a selector, as the form's own code would.
    void set(const QStringList& assignments);
    bool shown(const QString& name) const { return item(name) && item(name)->isVisible(); }
    // Waits until the page is on top of the page stack and no transition runs.
    [[nodiscard]] bool showsPage(const QString& page) const;
    QString editingField() const { return session_->screen().editingField(); }

    // Lets the window lay out and draw what changed, as before the user sees it.
    void settle();
    void tap(const QString& name); // a click in the middle of the item, scrolled into sight
    void tapBackground();          // beside the first notation's title
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&window(), key, modifiers);
    }
    void keySequence(const QKeySequence& sequence) { QTest::keySequence(&window(), sequence); }
    void type(const QString& text) { // one key per character, as a hardware keyboard does
        for (const QChar c : text)
            QTest::keyClick(&window(), c.toLatin1());
    }
    void typeInto(const QString& field, const QString& text) {
        tap(field);
        type(text);
    }

private:
    void scrollIntoView(QQuickItem& target);
    QString value(const QString& name, const char* property) const {
        const QQuickItem* found = item(name);
        return found ? found->property(property).toString() : "<no " + name + ">";
    }

    std::unique_ptr<qt::AppSession> session_;
    bool loaded_ = false;
};

} // namespace quorvane::uitest
