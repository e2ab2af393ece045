// The converter screen's bridge between QML and MainViewController.
//
// QML reaches it as the singleton `MainScreen` of the module Quorvane.Main. The page calls
// attachPage() once it is complete: the bridge finds the page's controls by objectName (the
// fourteen fields, eight selectors, buttons and labels), hands them to the QtFormView, puts a
// KeystrokeGate on every field and runs the screen set-up. Button and selector handlers in QML
// forward to the invokable methods below, which forward to MainViewController; the bridge adds
// no behaviour of its own beyond what the page shows (the field being edited, a notice line,
// the location indicator).
#pragma once

#include "core/form_platform.h"
#include "screens/main/main_view_controller.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStringList>
#include <QTimer>
#include <QtQml/qqmlregistration.h>
#include <memory>
#include <optional>

class QJSEngine;
class QQmlEngine;

namespace quorvane::qt {

class KeystrokeGate;
class QtFormView;

// When a screen reader speaks an announcement: at once, or once the accessibility events of a
// fill (every field changed at once) have reached it. Orca drops what comes amid a flood of
// events, so the news of a fill waits for the flood to pass.
enum class AnnouncementTiming { now, afterFill };

// Controls the page must carry, besides the fields d1 .. d8 and selectors c1 .. c8.
inline constexpr const char* kScreenOutlets[] = {
    "copy1",
    "copy2",
    "copy3",
    "copy4",
    "clearButton",
    "getcurrentlocationButton",
    "getcurrentlocationindicator",
    "openInMapsButton",
    "accuracyLabel",
    "scrollView",
    "shareButton",
    "settingsButton",
};

class MainScreen final : public QObject, public FieldEditingDelegate, public FormDecorationView {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    // The objectName of the field being edited, or "" when none is.
    Q_PROPERTY(QString editingField READ editingField NOTIFY editingChanged)
    // Whether Previous and Next lead anywhere from the field being edited.
    Q_PROPERTY(bool canGoPrevious READ canGoPrevious NOTIFY editingChanged)
    Q_PROPERTY(bool canGoNext READ canGoNext NOTIFY editingChanged)
    // A short message shown above the form ("" hides it).
    Q_PROPERTY(QString notice READ notice NOTIFY noticeChanged)
    // Whether a position is being awaited (drives getcurrentlocationindicator).
    Q_PROPERTY(bool locationBusy READ locationBusy WRITE setLocationBusy NOTIFY locationBusyChanged)
    // The latest text for a screen reader to speak at once ("" between two); the page shows it
    // in an item of the notification role, so each new text is announced.
    Q_PROPERTY(QString announcement READ announcement NOTIFY announcementChanged)
    // What a screen reader says for the location indicator while it runs.
    Q_PROPERTY(QString locatingName READ locatingName CONSTANT)
    // False until the page's first frame is drawn; what lies below the first screen is made
    // only then (see showWholePage()).
    Q_PROPERTY(bool wholePage READ wholePage NOTIFY wholePageChanged)

public:
    // Not default-constructible on purpose: QML would otherwise build its own instead of
    // asking create() for this one.
    explicit MainScreen(QObject* parent);
    ~MainScreen() override;

    // QML's singleton factory: the screen given to provideTo() for that engine.
    static MainScreen* create(QQmlEngine* qmlEngine, QJSEngine* jsEngine);
    // Makes `screen` the engine's MainScreen singleton; call before the engine loads QML.
    static void provideTo(QQmlEngine& engine, MainScreen& screen);

    // Connects the screen logic; both must outlive the page.
    void connectController(MainViewController& controller, QtFormView& view);

    // ---- Called from QML ----
    // Finds the controls of the page, wires them and runs the screen set-up. False when a
    // control is missing (see missingOutlets()).
    Q_INVOKABLE bool attachPage(QQuickItem* page);
    Q_INVOKABLE void previousButtonAction();
    Q_INVOKABLE void nextButtonAction();
    Q_INVOKABLE void doneButtonAction();
    // Escape in a field: its text from before the edit comes back, and the edit ends.
    Q_INVOKABLE void cancelButtonAction();
    // A selector changed by the user: all selectors of its half follow.
    Q_INVOKABLE void changeHemisphere(const QString& selectorName);
    Q_INVOKABLE void clearButtonAction();
    // notationName: "ddd_mm_sss", "ddd_mmmmm", "dddddddd1" or "dddddddd2".
    Q_INVOKABLE void copyNotation(const QString& notationName);
    Q_INVOKABLE void openMaps();
    Q_INVOKABLE void share();
    // The current-location button; the location flow connects to currentLocationRequested().
    Q_INVOKABLE void getCurrentLocation();
    Q_INVOKABLE void dismissNotice();
    // Items made after the page (a loader's): their named controls join the page's, and while
    // a screen reader listens they get what they declare for one (see reader_properties.h), as
    // the page's own items do.
    Q_INVOKABLE void itemsAdded(QQuickItem* item);

    // ---- Called from C++ ----
    // Shows a text in the notice line; it closes itself after `milliseconds` unless that is 0.
    void showNotice(const QString& text, int milliseconds = 0,
                    AnnouncementTiming timing = AnnouncementTiming::now);
    void setLocationBusy(bool busy);
    // Has a screen reader speak the text (a new text interrupts the one before, and replaces
    // one still waiting).
    void announce(const QString& text, AnnouncementTiming timing = AnnouncementTiming::now);
    // Has the copy confirmation read out: its title and the copied line.
    void announceCopy(std::string_view title, std::string_view line);
    QStringList missingOutlets() const { return missingOutlets_; }
    bool pageAttached() const { return page_ != nullptr; }
    // The attached page (nullptr before attachPage and after releasePage).
    QQuickItem* page() const { return page_; }
    QQuickItem* outlet(const QString& objectName) const;
    // Ends any edit and forgets the page's controls (before the page goes away).
    void releasePage();
    // Has the page make what it leaves out of its first frame (once; the page's loaders make it
    // at once).
    void showWholePage();
    bool wholePage() const { return wholePage_; }

    QString editingField() const;
    bool canGoPrevious() const;
    bool canGoNext() const;
    QString notice() const { return notice_; }
    bool locationBusy() const { return locationBusy_; }
    QString announcement() const { return announcement_; }
    QString locatingName() const;

    // FieldEditingDelegate: the QtFormView's editing events, passed on to the controller.
    void textFieldDidBeginEditing(FieldId field) override;
    void textFieldDidEndEditing(FieldId field) override;
    // FormDecorationView: the spoken names and range marks of the fields and selectors.
    void showDecorations(const FormDecorations& decorations) override;
    // Shows the outcome of an output action: a refusal's reason in the notice line.
    void showOutcome(const OutputOutcome& outcome);

signals:
    void editingChanged();
    void noticeChanged();
    void locationBusyChanged();
    void announcementChanged();
    void wholePageChanged();
    void currentLocationRequested();
    // After the controller handled the event (the end of editing has converted the form).
    void fieldEditingBegan(const QString& fieldName);
    void fieldEditingEnded(const QString& fieldName);
    // Done was asked for (the bar's button, Return, a tap beside the fields): controls outside
    // the fourteen fields end their editing too.
    void doneRequested();
    // A paste (more than one character) that the keystroke filter refused for the field.
    void refusedPaste(const QString& text);
    // A keystroke the filter let into a field: the user is changing the form.
    void keystrokeAccepted();

private slots:
    void accuracyShown();

private:
    class ReaderObserver;

    void wireControls();
    void wireSpokenValues();
    // At launch under a screen reader the first field takes the focus, so that Tab and the
    // reader start on the form rather than on the window; also when the reader connects just
    // after the page was loaded.
    void focusFirstField();
    // A screen reader has started listening: everything in the window becomes readable.
    void makeWindowReadable();
    void watchWindow(QQuickWindow* window);
    // A reader that has just seen the window activate is told again which control has the
    // focus: it takes the window itself for the focus otherwise.
    void windowActiveChanged();
    void speakAnnouncement(const QString& text);

    MainViewController* controller_ = nullptr;
    QtFormView* view_ = nullptr;
    KeystrokeGate* gate_ = nullptr; // child of this
    QPointer<QQuickItem> page_;
    QHash<QString, QPointer<QQuickItem>> outlets_;
    QStringList missingOutlets_;
    QString notice_;
    QTimer noticeTimer_;
    bool locationBusy_ = false;
    bool wholePage_ = false;
    QString announcement_;
    QString pendingAnnouncement_;
    QTimer announcementTimer_;
    QPointer<QQuickWindow> window_;
    QElapsedTimer sinceAttached_;
    std::unique_ptr<ReaderObserver> readerObserver_;
};

} // namespace quorvane::qt
