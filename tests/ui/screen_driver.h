// Drives the real converter screen the way a user does: taps on controls, keys typed one by
// one into the window, input-method events. Each driver is a fresh application with a settings
// file of its own.
#pragma once

#include "app/qt/app_session.h"

#include <QProcessEnvironment>
#include <QQuickItem>
#include <QQuickWindow>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>
#include <string_view>

namespace quorvane::uitest {

inline QString qtName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The item with this objectName in the tree under root (root included); nullptr when none.
QQuickItem* findItem(QQuickItem* root, const QString& name);

// The program itself run with these arguments and a settings folder of its own; each variable
// "NAME=value" is set in its environment, a bare "NAME" removed from it.
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
    // Writes raw values into the settings file a new screen will read.
    void store(const QString& key, const QVariant& value) const;
    QVariant stored(const QString& key) const;

private:
    QTemporaryDir dir_;
};

// Stands in for the browser and the mail and maps applications while it lives: keeps each URL
// of these schemes the application asks the system to open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    explicit UrlCatcher(QStringList schemes = {"https", "mailto", "file"});
    ~UrlCatcher() override;
    QStringList urls() const; // fully encoded
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }

private:
    QStringList schemes_;
};

class ScreenDriver {
public:
    // A fresh application over the given settings folder (which must outlive the driver), its
    // current-location button on the given position source (by default the system's, which
    // QtPositioning hides inside a test program: no position service).
    explicit ScreenDriver(const SettingsFolder& settings, WindowSize size = kPhoneWindowSize,
                          const qt::LocationSetup& location = {});

    bool loaded() const { return loaded_; }
    qt::AppSession& session() { return *session_; }
    QQuickWindow& window() { return *session_->window(); }

    inline QString qtName(std::string_view name) {
        return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    }

    // The item with this objectName anywhere in the window; nullptr when there is none.
    QQuickItem* item(const QString& name) const;
    QString text(const QString& field) const;
    int selectorIndex(const QString& selector) const;
    // "" when each "name=value" item's property holds the value; else which ones differ.
    QString mismatches(const QStringList& expected, const char* property = "text") const;
    // Writes "d7=45,5" into a field and "c7=1" into a selector, as the form's own code would.
    void set(const QStringList& assignments);
    bool shown(const QString& name) const { return item(name) && item(name)->isVisible(); }
    // Waits until the page is on top of the window's page stack and no transition runs.
    [[nodiscard]] bool showsPage(const QString& page) const;
    QString editingField() const { return session_->screen().editingField(); }

    // Lets the window lay out and draw what changed, as before the user sees it.
    void settle();
    // A left click in the middle of the named item, once the window shows it where it is.
    void tap(const QString& name);
    // A click on the background of the form (beside the first notation's title).
    void tapBackground();
    // Presses and releases a key in the window (to the item with the focus).
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void keySequence(const QKeySequence& sequence);
    // Types the text one key per character, as a hardware keyboard would.
    void type(const QString& text);
    // Taps the field, types the text and leaves it being edited.
    void typeInto(const QString& field, const QString& text);

private:
    std::unique_ptr<qt::AppSession> session_;
    bool loaded_ = false;
};

} // namespace quorvane::uitest
