// The grid card in the running application: a typed MGRS reference fills the four notations and
// the other references, a refused one restores its text with the reader's message, and the
// settings' choice hides a row and survives a restart.
#include "app/qt/gui_options.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;

namespace {

// Tall enough to show the grid card without scrolling.
constexpr WindowSize kTall{390, 1400};

} // namespace

class GridReferencesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<SettingsFolder>(); }

    // Left with Tab: the centre of the metre square 31U DQ 48250 11951 (within a metre of the
    // Eiffel Tower) in every notation; the other references follow, this one as written.
    void typedMgrsFillsTheForm() {
        ScreenDriver screen(*settings_, kTall);
        QVERIFY(screen.loaded());
        screen.typeInto("mgrs", "31udq4825011951");
        QTRY_VERIFY(screen.shown("doneButton")); // the bar of a field being edited
        screen.key(Qt::Key_Tab);
        QCOMPARE(screen.mismatches({"d1=48\u00b0", "m1=51'", "d2=2\u00b0", "m2=17'",
                                    "d7=48.8583692", "d8=2.29448", "mgrs=31U DQ 48250 11951",
                                    "pluscode=8FW4V75V+8Q", "maidenhead=JN18du"}),
                 QString());
        QCOMPARE(screen.selectorIndex("c7"), 0);
        QCOMPARE(screen.selectorIndex("c8"), 0);

        // A reference that cannot be read: the reader's message, and the last good text back.
        screen.tap("pluscode");
        screen.keySequence(QKeySequence::SelectAll);
        screen.type("V75V+8Q");
        screen.tapBackground();
        QCOMPARE(screen.text("pluscode"), QString("8FW4V75V+8Q"));
        QVERIFY2(screen.session().screen().notice().contains("full code"),
                 qPrintable(screen.session().screen().notice()));
        QCOMPARE(screen.text("d7"), QString("48.8583692"));
        screen.tap("copy_maidenhead");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("JN18du"));
    }

    // settings -> Grid References -> MGRS unchecked: the converter hides its row; the next start
    // over the same settings does too.
    void choiceHidesARowAndSurvivesARestart() {
        {
            ScreenDriver screen(*settings_, kTall);
            QVERIFY(screen.loaded());
            QVERIFY(screen.shown("mgrsRow"));
            screen.tap("settingsButton");
            QVERIFY(screen.showsPage("settingsPage"));
            screen.tap("gridReferencesRow");
            QVERIFY(screen.showsPage("gridReferencesPage"));
            screen.tap("mgrsGridRow");
            QCOMPARE(settings_->stored("gridReferences").toString(),
                     QString("utm,pluscode,maidenhead"));
            screen.tap("gridReferencesBackButton");
            QVERIFY(screen.showsPage("settingsPage"));
            screen.tap("settingsBackButton");
            QVERIFY(screen.showsPage("converterPage"));
            QVERIFY(!screen.shown("mgrsRow"));
            QVERIFY(screen.shown("utmRow"));
        }
        ScreenDriver restarted(*settings_, kTall);
        QVERIFY(restarted.loaded());
        QVERIFY(!restarted.shown("mgrsRow"));
        QVERIFY(restarted.shown("card_grid"));
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(GridReferencesTest);
#include "grid_references_test.moc"
