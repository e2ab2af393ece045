// Pasting a whole position on the running screen, each way the window takes one: the Paste
// button, the paste key with no field edited, a paste into a field, text or a link dropped on
// the window. The notice's Undo puts the form back, while nothing newer has been typed.
#include "screen_driver.h"
#include "ui_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

using namespace quorvane::uitest;

class PastePositionTest : public QObject {
    Q_OBJECT

private slots:
    void fillsTheFormAndUndoPutsItBack_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::newRow("Paste button") << "button"
                                      << "N 47° 28.350 W 122° 14.525";
        QTest::newRow("paste key") << "key"
                                   << "47.4725, -122.2420833";
        QTest::newRow("paste into a field") << "field"
                                            << "47.4725 N 122.2420833 W";
        QTest::newRow("dropped text") << "drop text"
                                      << "N 47° 28.350 W 122° 14.525";
        QTest::newRow("dropped link") << "drop link"
                                      << "geo:47.4725,-122.2420833";
    }
    void fillsTheFormAndUndoPutsItBack() {
        QFETCH(QString, how);
        QFETCH(QString, text);
        SettingsFolder settings;
        ScreenDriver screen(settings);
        QVERIFY(screen.loaded());
        screen.typeInto("d5", "10.5");
        screen.tapBackground();

        QGuiApplication::clipboard()->setText(text);
        if (how == "button") {
            screen.tap("pasteButton");
        } else if (how.startsWith("drop")) {
            QMimeData mime;
            if (how == "drop text")
                mime.setText(text);
            else
                mime.setUrls({QUrl(text)});
            const QPoint centre(screen.window().width() / 2, screen.window().height() / 2);
            QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&screen.window(), &enter);
            QDropEvent dropped(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&screen.window(), &dropped);
        } else {
            if (how == "field") screen.typeInto("d1", "");
            screen.keySequence(QKeySequence(QKeySequence::Paste));
        }
        QTRY_COMPARE(screen.session().screen().notice(), QStringLiteral("Position pasted"));
        QCOMPARE(
            screen.mismatches({"d7=47.4725", "d8=122.2420833", "m3=28.35'", "maidenhead=CN87vl"}),
            QString());
        QCOMPARE(screen.mismatches({"c7=0", "c8=1", "c4=1"}, "currentIndex"), QString());
        QCOMPARE(screen.editingField(), QString());

        screen.tap("noticeUndoButton");
        QCOMPARE(screen.mismatches({"d5=10.5\u00b0", "d7=10.5", "d8=", "maidenhead="}), QString());
        QCOMPARE(screen.mismatches({"c8=0", "c4=0"}, "currentIndex"), QString());
        QCOMPARE(screen.session().screen().notice(), QString());
    }

    // Typing after a paste ends the offer of Undo (it would throw the typing away); a text a
    // field cannot take, and that is no position, says why.
    void typingEndsUndoAndARefusedPasteSaysWhy() {
        SettingsFolder settings;
        ScreenDriver screen(settings);
        QVERIFY(screen.loaded());
        QGuiApplication::clipboard()->setText("47.4725, -122.2420833");
        screen.tap("pasteButton");
        QTRY_VERIFY(screen.shown("noticeUndoButton"));
        screen.typeInto("d7", "1");
        QTRY_VERIFY(!screen.shown("noticeUndoButton"));
        screen.tapBackground();

        QGuiApplication::clipboard()->setText("12.5 apples");
        const QString minutes = screen.text("m1");
        screen.typeInto("m1", "");
        screen.keySequence(QKeySequence(QKeySequence::Paste));
        QTRY_VERIFY(screen.session().screen().notice().startsWith("Not a position: "));
        QCOMPARE(screen.text("m1"), minutes);
    }
};

QUORVANE_UI_TEST(PastePositionTest);
#include "paste_position_test.moc"
