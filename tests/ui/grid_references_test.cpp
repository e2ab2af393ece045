// The grid card in the running application: a typed MGRS reference fills the four notations and
// the other references, a refused one restores its text with the reader's message. (The
// settings' choice of rows: accessibility_test.cpp.)
#include "screen_driver.h"
#include "ui_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace quorvane::uitest;

class GridReferencesTest : public QObject {
    Q_OBJECT

private slots:
    // Left with Tab: the centre of the metre square 31U DQ 48250 11951 (within a metre of the
    // Eiffel Tower) in every notation; the other references follow, this one as written.
    void typedMgrsFillsTheForm() {
        const SettingsFolder settings;
        ScreenDriver screen(settings, {390, 1400}); // the grid card without scrolling
        QVERIFY(screen.loaded());
        screen.typeInto("mgrs", "31udq4825011951");
        QTRY_VERIFY(screen.shown("doneButton")); // the bar of a field being edited
        screen.key(Qt::Key_Tab);
        QCOMPARE(screen.mismatches({"d1=48\u00b0", "d7=48.8583692", "d8=2.29448",
                                    "mgrs=31U DQ 48250 11951", "pluscode=8FW4V75V+8Q",
                                    "maidenhead=JN18du"}),
                 QString());

        // A reference that cannot be read: the reader's message, and the last good text back.
        screen.tap("pluscode");
        screen.keySequence(QKeySequence::SelectAll);
        screen.type("V75V+8Q");
        screen.tapBackground();
        QCOMPARE(screen.text("pluscode"), QString("8FW4V75V+8Q"));
        QVERIFY2(screen.session().screen().notice().contains("full code"),
                 qPrintable(screen.session().screen().notice()));
        screen.tap("copy_maidenhead");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("JN18du"));
    }
};

QUORVANE_UI_TEST(GridReferencesTest);
#include "grid_references_test.moc"
