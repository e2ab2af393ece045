// Every control a user can reach has a name a screen reader can speak: a walk over the items of
// the window, as the accessibility layer presents them, with the navigation bar and the share
// sheet open.
#include "screen_driver.h"
#include "ui_test.h"

#include <QAccessible>
#include <QtTest>
#include <map>
#include <string_view>
#include <utility>

using namespace quorvane::uitest;

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
        QCOMPARE(editing[QAccessible::ComboBox], 8);
        QCOMPARE(editing[QAccessible::RadioButton], 16);
        // Settings, paste, share, four copies, location, maps, clear, four grid copies; Done and
        // Next (the first field has no Previous).
        QCOMPARE(editing[QAccessible::Button], 16);

        screen.tap("shareButton");
        QTRY_VERIFY(screen.shown("shareSheet"));
        screen.settle();
        // The fourteen of the form, five entries of the sheet and its Cancel.
        QCOMPARE(namedControls(screen)[QAccessible::Button], 20);
    }

    // The settings page and the maps picker: each row says its title, the back control what
    // it does; the converter below is hidden.
    void settingsPagesHaveSpokenNames() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.tap("settingsButton");
        const std::pair<const char*, int> pages[] = {{"settingsPage", 4}, {"defaultMapsPage", 4}};
        for (const auto& [page, rows] : pages) {
            if (std::string_view(page) == "defaultMapsPage") screen.tap("defaultMapsAppRow");
            QVERIFY(screen.showsPage(page));
            screen.settle();
            auto named = namedControls(screen);
            QCOMPARE(named[QAccessible::ListItem], rows);
            QCOMPARE(named[QAccessible::Button], 1);
        }
    }

    void namesSayWhatTheControlIs() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        const QStringList expected{"d1=Latitude degrees, degrees-minutes-seconds",
                                   "m4=Longitude decimal minutes, degrees and decimal minutes",
                                   "c7=Latitude hemisphere, signed decimal degrees",
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

    // The selector tells which segment is on; a segment says whether it is the chosen one,
    // and pressing it (as a screen reader does) chooses it like a tap.
    void segmentsReportAndTakeTheChoice() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QAccessibleInterface* selector = QAccessible::queryAccessibleInterface(screen.item("c3"));
        QAccessibleInterface* south = QAccessible::queryAccessibleInterface(screen.item("c3_1"));
        QVERIFY(selector && south);
        QCOMPARE(selector->text(QAccessible::Description), QStringLiteral("North"));
        QVERIFY(!south->state().checked);
        QVERIFY(south->actionInterface());
        south->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(screen.selectorIndex("c3"), 1);
        QCOMPARE(screen.selectorIndex("c1"), 1); // the latitude selectors move together
        QVERIFY(south->state().checked);
        QCOMPARE(selector->text(QAccessible::Description), QStringLiteral("South"));
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(AccessibilityTest);
#include "accessibility_test.moc"
