// Every control a user can reach has a name a screen reader can speak: a walk over the items of
// the window, as the accessibility layer presents them, with the navigation bar and the share
// sheet open.
#include "app/qt/gui_options.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QAccessible>
#include <QtTest>
#include <functional>
#include <map>
#include <string_view>
#include <utility>

using namespace quorvane;
using namespace quorvane::uitest;
using namespace std::chrono_literals;

namespace {

// Roles of what a user operates (as opposed to texts and groups).
bool isControl(QAccessible::Role role) {
    static const QList<QAccessible::Role> kControls{
        QAccessible::Button,      QAccessible::EditableText, QAccessible::ComboBox,
        QAccessible::RadioButton, QAccessible::CheckBox,     QAccessible::MenuItem,
        QAccessible::ListItem,    QAccessible::Slider};
    return kControls.contains(role);
}

using RoleCounts = std::map<QAccessible::Role, int>;

// Counts the visible controls under the item by role; one without a name is left out (and
// named in the log), so that the expected counts fail.
void countNamedControls(QQuickItem* item, RoleCounts& perRole) {
    if (!item->isVisible()) return;
    if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(item);
        face && isControl(face->role())) {
        if (face->text(QAccessible::Name).trimmed().isEmpty())
            qWarning("%s (role %d) has no name", qPrintable(item->objectName()), face->role());
        else
            ++perRole[face->role()];
    }
    for (QQuickItem* child : item->childItems())
        countNamedControls(child, perRole);
}

RoleCounts namedControls(ScreenDriver& screen) {
    RoleCounts perRole;
    countNamedControls(screen.window().contentItem(), perRole);
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

QString focusedName(ScreenDriver& screen) {
    const QQuickItem* focused = screen.window().activeFocusItem();
    return focused ? focused->objectName() : QString();
}

// The events the accessibility layer hands to the platform, as "objectName:type:name" lines,
// while it lives.
class EventLog {
public:
    EventLog() { previous_ = QAccessible::installUpdateHandler(&EventLog::record); }
    ~EventLog() {
        QAccessible::installUpdateHandler(previous_);
        lines().clear();
    }
    // The names a notification showed with, in order.
    static QStringList announced() {
        QStringList names;
        for (const QString& line : lines())
            if (line.startsWith(QLatin1String("announcer:show:"))) names << line.section(u':', 2);
        return names;
    }
    static bool has(const QString& line) { return lines().contains(line); }

private:
    static QStringList& lines() {
        static QStringList recorded;
        return recorded;
    }
    static void record(QAccessibleEvent* event) {
        const QObject* object = event->object();
        QAccessibleInterface* face = event->accessibleInterface();
        const char* type = event->type() == QAccessible::ObjectShow    ? "show"
                           : event->type() == QAccessible::NameChanged ? "name"
                                                                       : nullptr;
        if (!object || !face || !type) return;
        lines() << QStringLiteral("%1:%2:%3")
                       .arg(object->objectName(), QLatin1String(type),
                            face->text(QAccessible::Name));
    }
    QAccessible::UpdateHandler previous_ = nullptr;
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
        auto editing = namedControls(screen);
        QCOMPARE(editing[QAccessible::EditableText], 18); // and the four grid references
        QCOMPARE(editing[QAccessible::RadioButton], 16);  // two in each hemisphere selector
        // Settings, paste, share, four copies, location, maps, clear, four grid copies; Done and
        // Next (the first field has no Previous).
        QCOMPARE(editing[QAccessible::Button], 16);

        screen.tap("shareButton");
        QTRY_VERIFY(screen.shown("shareSheet"));
        screen.settle();
        // The fourteen of the form, five entries of the sheet and its Cancel.
        QCOMPARE(namedControls(screen)[QAccessible::Button], 20);
    }

    // The settings pages: a pane named by its title (not a tab), each row says its title, the
    // back control what it does; the converter below is hidden.
    void settingsPagesHaveSpokenNames() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        const struct {
            const char* back; // tapped first, to return to the settings page
            const char* opener;
            const char* page;
            const char* title;
            QAccessible::Role rowRole; // the lists of choices are check boxes and radio buttons
            int rows;
        } pages[] = {
            {nullptr, "settingsButton", "settingsPage", "Settings", QAccessible::ListItem, 4},
            {nullptr, "gridReferencesRow", "gridReferencesPage", "Grid References",
             QAccessible::CheckBox, 4},
            {"gridReferencesBackButton", "defaultMapsAppRow", "defaultMapsPage", "Default Maps App",
             QAccessible::RadioButton, 4},
        };
        for (const auto& page : pages) {
            if (page.back) {
                screen.tap(page.back);
                QVERIFY(screen.showsPage("settingsPage"));
            }
            screen.tap(page.opener);
            QVERIFY(screen.showsPage(page.page));
            screen.settle();
            QCOMPARE(face(screen, page.page)->role(), QAccessible::Pane);
            QCOMPARE(spokenName(screen, page.page), QString(page.title));
            auto named = namedControls(screen);
            QCOMPARE(named[page.rowRole], page.rows);
            QCOMPARE(named[QAccessible::Button], 1);
        }
    }

    void namesSayWhatTheControlIs() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        const QStringList expected{"d1=Latitude degrees, degrees-minutes-seconds",
                                   "m4=Longitude decimal minutes, degrees and decimal minutes",
                                   "c7=Latitude hemisphere, signed decimal degrees: North",
                                   "c1_0=North",
                                   "c6_1=West",
                                   "copy3=Copy decimal degrees",
                                   "shareButton=Share",
                                   "getcurrentlocationButton=Current Location",
                                   "clearButton=Clear",
                                   "mgrs=MGRS grid reference",
                                   "copy_pluscode=Copy Plus Code"};
        for (const QString& pair : expected) {
            QAccessibleInterface* face =
                QAccessible::queryAccessibleInterface(screen.item(pair.section(u'=', 0, 0)));
            QVERIFY2(face, qPrintable(pair));
            QCOMPARE(pair.section(u'=', 0, 0) + '=' + face->text(QAccessible::Name), pair);
        }
    }

    // A selector is a radio group of its two segments, its name tells which segment is on; a
    // segment says whether it is the chosen one, and pressing it (as a screen reader does)
    // chooses it like a tap.
    void segmentsReportAndTakeTheChoice() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QAccessibleInterface* selector = QAccessible::queryAccessibleInterface(screen.item("c3"));
        QAccessibleInterface* south = QAccessible::queryAccessibleInterface(screen.item("c3_1"));
        QVERIFY(selector && south);
        QCOMPARE(selector->role(), QAccessible::Grouping);
        QVERIFY(selector->state().focusable); // the group is the Tab stop
        QCOMPARE(south->role(), QAccessible::RadioButton);
        QCOMPARE(selector->indexOfChild(south), 1);
        QVERIFY(selector->text(QAccessible::Name).endsWith(QLatin1String(": North")));
        QVERIFY(!south->state().checked);
        QVERIFY(south->actionInterface());
        south->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(screen.selectorIndex("c3"), 1);
        QCOMPARE(screen.selectorIndex("c1"), 1); // the latitude selectors move together
        QVERIFY(south->state().checked);
        QVERIFY(selector->text(QAccessible::Name).endsWith(QLatin1String(": South")));
        // A reader that focuses a segment lands on the selector, where the keys work.
        south->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QCOMPARE(focusedName(screen), QStringLiteral("c3"));
    }

    // Under a screen reader the first field has the focus at launch; a field ended with Return
    // hands it to its row's hemisphere selector. Fields and selectors say what they hold.
    void fieldsAndSelectorsSpeakTheirValues() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QTRY_COMPARE(focusedName(screen), QStringLiteral("d1"));
        screen.typeInto("d7", "33.5");
        screen.key(Qt::Key_Return);
        QCOMPARE(focusedName(screen), QStringLiteral("c7"));
        QCOMPARE(screen.editingField(), QString());
        const QStringList expected{
            "d1=Latitude degrees, degrees-minutes-seconds: 33 degrees",
            "m1=Latitude minutes, degrees-minutes-seconds: 30 minutes",
            "s1=Latitude seconds, degrees-minutes-seconds: 0.0 seconds",
            "m3=Latitude decimal minutes, degrees and decimal minutes: 30.0 minutes",
            "d5=Latitude decimal degrees, decimal degrees: 33.5 degrees",
            "d7=Latitude decimal degrees, signed decimal degrees: 33.5 degrees",
            "d8=Longitude decimal degrees, signed decimal degrees",
            "c1=Latitude hemisphere, degrees-minutes-seconds: North",
            "c2=Longitude hemisphere, degrees-minutes-seconds: East",
        };
        for (const QString& pair : expected) {
            const QString name = pair.section(u'=', 0, 0);
            QCOMPARE(name + '=' + spokenName(screen, name), pair);
        }
        // A grid reference says the reference; Return hands the focus to its Copy button.
        screen.typeInto("d8", "7.25");
        screen.key(Qt::Key_Return);
        QVERIFY2(spokenName(screen, "maidenhead").endsWith(": " + screen.text("maidenhead")) &&
                     !screen.text("maidenhead").isEmpty(),
                 qPrintable(spokenName(screen, "maidenhead")));
        screen.item("maidenhead")->forceActiveFocus(Qt::TabFocusReason);
        screen.key(Qt::Key_Return);
        QCOMPARE(focusedName(screen), QStringLiteral("copy_maidenhead"));
    }

    // Either action a segment offers chooses it; the change and a copy are announced, and the
    // selector's name says the new hemisphere.
    void changesAndCopiesAreAnnounced() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        const struct {
            const char* segment;
            QString action;
            int latitudeIndex;
            const char* announcement;
        } steps[] = {
            {"c3_1", QAccessibleActionInterface::pressAction(), 1, "Latitude: South"},
            {"c3_0", QAccessibleActionInterface::toggleAction(), 0, "Latitude: North"},
        };
        for (const auto& step : steps) {
            EventLog log;
            QAccessibleInterface* segment = face(screen, step.segment);
            QVERIFY(segment && segment->actionInterface());
            QVERIFY(segment->actionInterface()->actionNames().contains(step.action));
            segment->actionInterface()->doAction(step.action);
            QCOMPARE(screen.selectorIndex("c1"), step.latitudeIndex);
            QCOMPARE(EventLog::announced(), QStringList{step.announcement});
            QVERIFY(EventLog::has(QStringLiteral("c3:name:") + spokenName(screen, "c3")));
            QVERIFY(spokenName(screen, "c3").endsWith(QString(step.announcement).section(' ', 1)));
        }
        screen.set({"d7=12.5", "d8=7.25"});
        EventLog log;
        face(screen, "copy4")
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(EventLog::announced(), QStringList{"Copied to Clipboard: 12.5, 7.25"});
        // A refused copy: its notice is announced too.
        screen.set({"d7=95.5"});
        face(screen, "copy4")
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(EventLog::announced().size(), 2);
        QVERIFY2(EventLog::announced()[1].startsWith("Latitude 95.5"),
                 qPrintable(EventLog::announced()[1]));
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
        EventLog log;
        face(screen, "getcurrentlocationButton")
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QAccessibleInterface* indicator = face(screen, "getcurrentlocationindicator");
        QVERIFY(indicator && indicator->state().busy);
        QCOMPARE(indicator->role(), QAccessible::Animation);
        QCOMPARE(indicator->text(QAccessible::Name), QStringLiteral("Finding your position"));
        QTRY_COMPARE(EventLog::announced(),
                     (QStringList{"Finding your position", "Position filled in, accuracy 15 m"}));
        QCOMPARE(spokenName(screen, "accuracyLabel"), QStringLiteral("15 m"));
        QTRY_VERIFY(!indicator->state().busy);
    }

    // The settings and the picker with the keyboard alone: Tab, Return, Space and both keys
    // for going back; the chosen application is the checked row.
    void settingsWorkFromTheKeyboard() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.tap("settingsButton");
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const char* page;
            const char* focused;
        } steps[] = {
            {Qt::Key_unknown, Qt::NoModifier, "settingsPage", "defaultMapsAppRow"},
            {Qt::Key_Return, Qt::NoModifier, "defaultMapsPage", "appleMapsRow"},
            {Qt::Key_Tab, Qt::NoModifier, "defaultMapsPage", "googleMapsRow"},
            {Qt::Key_Tab, Qt::NoModifier, "defaultMapsPage", "openStreetMapRow"},
            {Qt::Key_Tab, Qt::NoModifier, "defaultMapsPage", "wazeRow"},
            {Qt::Key_Space, Qt::NoModifier, "defaultMapsPage", "wazeRow"},
            {Qt::Key_Escape, Qt::NoModifier, "settingsPage", "defaultMapsAppRow"},
            {Qt::Key_Tab, Qt::NoModifier, "settingsPage", "gridReferencesRow"},
            {Qt::Key_Return, Qt::NoModifier, "gridReferencesPage", "utmGridRow"},
            {Qt::Key_Space, Qt::NoModifier, "gridReferencesPage", "utmGridRow"}, // hides UTM
            {Qt::Key_Left, Qt::AltModifier, "settingsPage", "gridReferencesRow"},
            {Qt::Key_Left, Qt::AltModifier, "converterPage", "settingsButton"},
        };
        for (const auto& step : steps) {
            if (step.key != Qt::Key_unknown) screen.key(step.key, step.modifiers);
            QVERIFY2(screen.showsPage(step.page), qPrintable(QString(step.page) + " after " +
                                                             QKeySequence(step.key).toString()));
            QTRY_COMPARE(focusedName(screen), QString(step.focused));
        }
        QVERIFY2(!screen.shown("utmRow") && screen.shown("mgrsRow"),
                 qPrintable(settings_->stored("gridReferences").toString()));
        screen.tap("settingsButton");
        QVERIFY(screen.showsPage("settingsPage"));
        QCOMPARE(face(screen, "defaultMapsAppRow")->text(QAccessible::Description),
                 QStringLiteral("Waze"));
        // The reader's action opens the row, as Return does.
        face(screen, "defaultMapsAppRow")
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(screen.showsPage("defaultMapsPage"));
        QCOMPARE(screen.item("stackView")->property("depth").toInt(), 3); // opened once
        screen.settle();
        QAccessibleInterface* waze = face(screen, "wazeRow");
        QVERIFY(waze->state().checkable && waze->state().checked);
        QVERIFY(!face(screen, "googleMapsRow")->state().checked);
        QCOMPARE(face(screen, "defaultMapsPageTitle")->role(), QAccessible::Heading);
        QCOMPARE(spokenName(screen, "defaultMapsBackButton"), QStringLiteral("Back"));
        // The checkmark is not spoken: the checked state and the role say it.
        for (int i = 0; i < waze->childCount(); ++i)
            QVERIFY(!waze->child(i) ||
                    !waze->child(i)->text(QAccessible::Name).contains(QChar(0x2713)));
        screen.item("defaultMapsBackButton")->forceActiveFocus();
        screen.key(Qt::Key_Return);
        QVERIFY(screen.showsPage("settingsPage"));
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(AccessibilityTest);
#include "accessibility_test.moc"
