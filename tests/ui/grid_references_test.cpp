// The grid card in the running application: a typed MGRS reference fills the four notations and
// the other references, a refused one restores its text with the reader's message beside it,
// Escape puts a reference back, and at phone widths every reference reads whole. (The settings'
// choice of rows: accessibility_test.cpp.)
#include "app/qt/app_translations.h"
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
                                    "utm=31U 448250 5411952", "mgrs=31U DQ 48250 11951",
                                    "pluscode=8FW4V75V+8Q", "maidenhead=JN18du"}),
                 QString());

        // A reference that cannot be read: the reader's message under its field, the last good
        // text back, and the page where it was.
        QQuickItem* scrollView = screen.item("scrollView");
        const qreal scrolled = scrollView->property("contentY").toReal();
        screen.tap("pluscode");
        screen.keySequence(QKeySequence::SelectAll);
        screen.type("V75V+8Q");
        screen.tapBackground();
        QCOMPARE(screen.text("pluscode"), QString("8FW4V75V+8Q"));
        QVERIFY(screen.shown("pluscodeMessage"));
        QVERIFY(screen.text("pluscodeMessage").contains("full code"));
        QCOMPARE(scrollView->property("contentY").toReal(), scrolled);
        // Escape: the reference comes back and nothing is read.
        screen.tap("utm");
        screen.type("1");
        screen.key(Qt::Key_Escape);
        QCOMPARE(screen.mismatches({"utm=31U 448250 5411952", "d7=48.8583692"}), QString());
        screen.tap("copy_maidenhead");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("JN18du"));
    }

    // At phone widths, in every language, the references and the title read whole.
    void phoneWidthsShowWholeTexts_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("language");
        for (const int width : {320, 360})
            for (const char* language : {"en", "de", "fr"})
                QTest::newRow(qPrintable(QString("%1 %2").arg(width).arg(language)))
                    << width << language;
    }
    void phoneWidthsShowWholeTexts() {
        QFETCH(int, width);
        QFETCH(QString, language);
        QLocale::setDefault(QLocale(language));
        const quorvane::qt::AppTranslations translations{QLocale(language)};
        const SettingsFolder settings;
        ScreenDriver screen(settings, {width, 720});
        QLocale::setDefault(QLocale::c());
        QVERIFY(screen.loaded());
        QVERIFY(screen.session().openPosition("-33.8688197, 151.2092955"));
        for (const char* name : {"utm", "mgrs", "pluscode", "maidenhead"}) {
            const QQuickItem* field = screen.item(name);
            const qreal room = field->width() - field->property("leftPadding").toReal() -
                               field->property("rightPadding").toReal();
            QVERIFY2(field->property("contentWidth").toReal() <= room, name);
        }
        const QQuickItem* title = screen.item("title");
        const qreal titleEnd = title->mapToScene({title->width(), 0}).x();
        QVERIFY(title->property("truncated").toBool() == false);
        QVERIFY(titleEnd <= screen.item("pasteButton")->mapToScene({}).x());
    }
};

QUORVANE_UI_TEST(GridReferencesTest);
#include "grid_references_test.moc"
