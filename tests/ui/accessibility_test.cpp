// What a screen reader meets: every reachable control named, roles and states, names that carry
// the values, the segments' actions, announcements, and the settings from the keyboard alone.
#include "app/qt/gui_options.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QAccessible>
#include <QtTest>
#include <map>

using namespace quorvane;
using namespace quorvane::uitest;
using namespace std::chrono_literals;

namespace {

using RoleCounts = std::map<QAccessible::Role, int>;

// The visible controls under the item that have a name, by role: one without a name is left
// out, so that the expected counts fail.
RoleCounts namedControls(QQuickItem* item, RoleCounts perRole = {}) {
    static const QList<QAccessible::Role> kControls{QAccessible::Button, QAccessible::EditableText,
                                                    QAccessible::RadioButton, QAccessible::CheckBox,
                                                    QAccessible::ListItem};
    if (!item->isVisible()) return perRole;
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(item);
    if (face && kControls.contains(face->role()) &&
        !face->text(QAccessible::Name).trimmed().isEmpty())
        ++perRole[face->role()];
    for (QQuickItem* child : item->childItems())
        perRole = namedControls(child, perRole);
    return perRole;
}

QAccessibleInterface* face(ScreenDriver& screen, const QString& name) {
    QQuickItem* item = screen.item(name);
    return item ? QAccessible::queryAccessibleInterface(item) : nullptr;
}

QString spokenName(ScreenDriver& screen, const QString& name) {
    QAccessibleInterface* i = face(screen, name);
    return i ? i->text(QAccessible::Name) : QStringLiteral("(no %1)").arg(name);
}

// A screen reader's action on the control.
void act(ScreenDriver& screen, const QString& name,
         const QString& action = QAccessibleActionInterface::pressAction()) {
    QAccessibleInterface* i = face(screen, name);
    QVERIFY2(i && i->actionInterface(), qPrintable(name));
    i->actionInterface()->doAction(action);
}

QString focusedName(ScreenDriver& screen) {
    const QQuickItem* focused = screen.window().activeFocusItem();
    return focused ? focused->objectName() : QString();
}

// What the announcer showed (the notifications a screen reader speaks), in order, while an
// AnnouncementLog lives.
QStringList announced;

void recordAnnouncement(QAccessibleEvent* event) {
    QAccessibleInterface* face = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && face && event->object() &&
        event->object()->objectName() == QStringLiteral("announcer"))
        announced << face->text(QAccessible::Name);
}

struct AnnouncementLog {
    AnnouncementLog() { announced.clear(); }
    ~AnnouncementLog() { QAccessible::installUpdateHandler(previous); }
    QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&recordAnnouncement);
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    // As when a screen reader runs: Qt Quick Controls give their items roles only then.
    void initTestCase() { QAccessible::setActive(true); }
    void init() { settings_ = std::make_unique<SettingsFolder>(); }

    // Once with a field being edited (the navigation bar shows), once with the share sheet
    // open (it takes the focus, which ends the edit).
    void everyControlHasASpokenName() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.tap("d1");
        QTRY_VERIFY(screen.shown("doneButton"));
        auto editing = namedControls(screen.window().contentItem());
        QCOMPARE(editing[QAccessible::EditableText], 18); // and the four grid references
        QCOMPARE(editing[QAccessible::RadioButton], 16);  // two in each hemisphere selector
        // Settings, paste, share, four copies, location, maps, clear, four grid copies; Done and
        // Next (the first field has no Previous).
        QCOMPARE(editing[QAccessible::Button], 16);

        screen.set({"d7=1", "d8=2"});
        screen.tap("shareButton");
        QTRY_VERIFY(screen.shown("shareSheet"));
        screen.settle();
        // The fourteen of the form, five entries of the sheet and its Cancel.
        QCOMPARE(namedControls(screen.window().contentItem())[QAccessible::Button], 20);
    }

    // Under a screen reader the first field has the focus at launch; Return in a field hands it
    // to its row's hemisphere selector, in a grid reference to its Copy button. Names say what
    // the control is and what it holds.
    void namesCarryTheValuesAndReturnMovesTheFocus() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QTRY_COMPARE(focusedName(screen), QStringLiteral("d1"));
        screen.typeInto("d7", "33.5");
        screen.key(Qt::Key_Return);
        QCOMPARE(focusedName(screen), QStringLiteral("c7"));
        screen.typeInto("d8", "7.25");
        screen.item("maidenhead")->forceActiveFocus(Qt::TabFocusReason);
        screen.key(Qt::Key_Return);
        QCOMPARE(focusedName(screen), QStringLiteral("copy_maidenhead"));
        const QStringList expected{"d1=Latitude degrees, degrees-minutes-seconds: 33 degrees",
                                   "c7=Latitude hemisphere, signed decimal degrees: North",
                                   "c6_1=West",
                                   "shareButton=Share",
                                   "getcurrentlocationButton=Current Location",
                                   "copy_pluscode=Copy Plus Code"};
        for (const QString& pair : expected) {
            const QString name = pair.section(u'=', 0, 0);
            QCOMPARE(name + '=' + spokenName(screen, name), pair);
        }
        QVERIFY2(spokenName(screen, "maidenhead").endsWith(": " + screen.text("maidenhead")) &&
                     !screen.text("maidenhead").isEmpty(),
                 qPrintable(spokenName(screen, "maidenhead")));
    }

    // Beyond Press (tools/atspi_check.py): a segment's Toggle chooses it like a tap, and a
    // reader that focuses a segment lands on its selector, the Tab stop where the keys work. A
    // refused copy's notice is announced.
    void segmentActionsAndNoticesReachTheReader() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QVERIFY(face(screen, "c3")->state().focusable);
        act(screen, "c3_1", QAccessibleActionInterface::toggleAction());
        QCOMPARE(screen.selectorIndex("c1"), 1); // the latitude selectors move together
        QVERIFY(face(screen, "c3_1")->state().checked);
        act(screen, "c3_0", QAccessibleActionInterface::setFocusAction());
        QCOMPARE(focusedName(screen), QStringLiteral("c3"));
        screen.set({"d7=95.5", "d8=7.25"});
        AnnouncementLog log;
        act(screen, "copy4");
        QCOMPARE(announced.size(), 1);
        QVERIFY2(announced[0].startsWith("Latitude 95.5"), qPrintable(announced[0]));
    }

    // The current location: its progress and its result with the accuracy are announced; the
    // indicator says what is under way and is busy while it is.
    void locationFillIsAnnounced() {
        const qt::LocationSetup replay{
            positionSourceFactory(
                {PositionSourceKind::nmeaFile, QUORVANE_LOCATION_TEST_DATA "/sydney.nmea"}), // 15 m
            5000ms};
        ScreenDriver screen(*settings_, kPhoneWindowSize, replay);
        QVERIFY(screen.loaded());
        AnnouncementLog log;
        act(screen, "getcurrentlocationButton");
        QAccessibleInterface* indicator = face(screen, "getcurrentlocationindicator");
        QVERIFY(indicator && indicator->state().busy);
        QCOMPARE(indicator->role(), QAccessible::Animation);
        QCOMPARE(indicator->text(QAccessible::Name), QStringLiteral("Finding your position"));
        QTRY_COMPARE(announced,
                     (QStringList{"Finding your position", "Position filled in, accuracy 15 m"}));
        QTRY_VERIFY(!indicator->state().busy);
    }

    // The settings and the picker with the keyboard alone: Tab, Return, Space and both keys for
    // going back. Each page is a pane named by its title over four named rows and one button
    // (the converter below is hidden); the chosen application is the checked row.
    void settingsWorkFromTheKeyboard() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.tap("settingsButton");
        const struct {
            const char* keys; // "" for none
            const char* page;
            const char* focused;
            const char* title; // checked when given, with the role of the page's four rows
            QAccessible::Role rowRole = QAccessible::NoRole;
        } steps[] = {
            {"", "settingsPage", "defaultMapsAppRow", "Settings", QAccessible::ListItem},
            {"Return", "defaultMapsPage", "appleMapsRow", "Default Maps App",
             QAccessible::RadioButton},
            {"Tab", "defaultMapsPage", "googleMapsRow", nullptr},
            {"Tab", "defaultMapsPage", "openStreetMapRow", nullptr},
            {"Tab", "defaultMapsPage", "wazeRow", nullptr},
            {"Space", "defaultMapsPage", "wazeRow", nullptr},
            {"Esc", "settingsPage", "defaultMapsAppRow", nullptr},
            {"Tab", "settingsPage", "gridReferencesRow", nullptr},
            {"Return", "gridReferencesPage", "utmGridRow", "Grid References",
             QAccessible::CheckBox},
            {"Space", "gridReferencesPage", "utmGridRow", nullptr}, // hides UTM
            {"Alt+Left", "settingsPage", "gridReferencesRow", nullptr},
            {"Alt+Left", "converterPage", "settingsButton", nullptr},
        };
        for (const auto& step : steps) {
            if (*step.keys) screen.keySequence(QKeySequence(step.keys));
            QVERIFY2(screen.showsPage(step.page),
                     qPrintable(QString(step.page) + " after " + step.keys));
            QTRY_COMPARE(focusedName(screen), QString(step.focused));
            if (!step.title) continue;
            screen.settle();
            QCOMPARE(face(screen, step.page)->role(), QAccessible::Pane);
            QCOMPARE(spokenName(screen, step.page), QString(step.title));
            auto named = namedControls(screen.window().contentItem());
            QCOMPARE(named[step.rowRole], 4);
            QCOMPARE(named[QAccessible::Button], 1);
        }
        QCOMPARE(settings_->stored("gridReferences").toString(), "mgrs,pluscode,maidenhead");
        QVERIFY(!screen.shown("utmRow") && screen.shown("mgrsRow"));
        screen.tap("settingsButton");
        QVERIFY(screen.showsPage("settingsPage"));
        QCOMPARE(face(screen, "defaultMapsAppRow")->text(QAccessible::Description),
                 QStringLiteral("Waze"));
        act(screen, "defaultMapsAppRow"); // opens the row, as Return does
        QVERIFY(screen.showsPage("defaultMapsPage"));
        QCOMPARE(screen.item("stackView")->property("depth").toInt(), 3); // opened once
        screen.settle();
        QAccessibleInterface* waze = face(screen, "wazeRow");
        QVERIFY(waze->state().checkable && waze->state().checked);
        QVERIFY(!face(screen, "googleMapsRow")->state().checked);
        QCOMPARE(face(screen, "defaultMapsPageTitle")->role(), QAccessible::Heading);
        QCOMPARE(spokenName(screen, "defaultMapsBackButton"), QStringLiteral("Back"));
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(AccessibilityTest);
#include "accessibility_test.moc"
