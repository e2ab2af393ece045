// Copy and Share on the real screen: what reaches the system clipboard and the URL handlers, the
// self-closing copy confirmations, the share sheet's entries, and an out-of-range position
// refused. (Open in Maps with the chosen application: settings_flow_test.cpp.)
#include "screen_driver.h"
#include "ui_test.h"

#include <QAccessible>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;

namespace {

// Generous: the machine may be busy; the alert itself goes after one second.
constexpr int kAlertGoneTimeout = 5000;
constexpr qint64 kAlertShownAtLeast = 900;

// The copy confirmations on screen as "title: message", oldest first.
QStringList messages(ScreenDriver& screen) {
    QStringList texts;
    for (const QObject* alert :
         screen.window().contentItem()->findChildren<QObject*>("copyConfirmation"))
        texts << alert->property("title").toString() + ": " + alert->property("message").toString();
    return texts;
}

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

const QString kUntouched = QStringLiteral("(clipboard before the action)");

} // namespace

class OutputActionsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        settings_ = std::make_unique<SettingsFolder>();
        catcher_ = std::make_unique<UrlCatcher>();
        QGuiApplication::clipboard()->setText(kUntouched);
    }
    void cleanup() { catcher_.reset(); }

    // The second copy comes half a second after the first: each line reaches the clipboard,
    // each alert shows for about a second and goes on its own time.
    void copiesReachTheClipboardAndConfirmForASecond() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.set({"d5=45.5°", "d6=73.25°", "d7=45,5", "d8=73.25", "c8=1"});
        QElapsedTimer sinceCopy;
        screen.tap("copy4");
        sinceCopy.start();
        QCOMPARE(clipboardText(), QStringLiteral("45.5, -73.25"));
        QTest::qWait(500);
        screen.tap("copy3");
        QCOMPARE(clipboardText(), QStringLiteral("45.5° N, 73.25° E"));
        QCOMPARE(messages(screen), (QStringList{"Copied to Clipboard: 45.5, -73.25",
                                                "Copied to Clipboard: 45.5° N, 73.25° E"}));
        QTRY_COMPARE_WITH_TIMEOUT(messages(screen).size(), 1, kAlertGoneTimeout);
        QVERIFY2(sinceCopy.elapsed() >= kAlertShownAtLeast,
                 qPrintable(QString::number(sinceCopy.elapsed())));
        QCOMPARE(messages(screen), QStringList{"Copied to Clipboard: 45.5° N, 73.25° E"});
        QTRY_VERIFY_WITH_TIMEOUT(messages(screen).isEmpty(), kAlertGoneTimeout);
    }

    // Each entry of the sheet, which shows the text and the link it hands out.
    void shareSheetEntriesSendTheTextAndTheLink() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.set({"d7=45,5", "c7=1", "d8=73.25"});
        const QString text = QStringLiteral("-45.5, 73.25");
        const QString url = QStringLiteral("https://maps.apple.com/maps?daddr=-45.5,73.25");
        const struct {
            const char* entry;
            QString clipboard;
            QString opened; // as its program reads it back (the mail text decoded)
        } entries[] = {
            {"shareCopyText", text, ""},
            {"shareCopyLink", url, ""},
            {"shareCopyTextAndLink", text + u'\n' + url, ""},
            {"shareOpenLink", kUntouched, url},
            {"shareSendEmail", kUntouched, "mailto:?subject=Location&body=" + text + "\r\n" + url},
            {"shareCancel", kUntouched, ""},
        };
        for (const auto& e : entries) {
            QGuiApplication::clipboard()->setText(kUntouched);
            catcher_->opened.clear();
            screen.tap("shareButton");
            QTRY_VERIFY(screen.shown("shareSheet"));
            QCOMPARE(screen.mismatches({"shareSheetText=" + text, "shareSheetLink=" + url}),
                     QString());
            screen.tap(e.entry);
            QTRY_VERIFY(!screen.shown("shareSheet"));
            QCOMPARE(clipboardText(), e.clipboard);
            QCOMPARE(QUrl::fromPercentEncoding(catcher_->urls().join(' ').toUtf8()), e.opened);
        }
    }

    // 90° 30' N is no latitude: its fields are marked with the reason, and Open in Maps (at
    // the foot of the form) opens nothing; the notice names the value and its range, brought
    // into view. (Copy and Share refuse alike: tests/core.)
    void positionOutOfRangeIsMarkedAndRefused() {
        ScreenDriver screen(*settings_, WindowSize{390, 520});
        QVERIFY(screen.loaded());
        screen.typeInto("d1", "90");
        screen.typeInto("m1", "30");
        screen.typeInto("s1", "0");
        screen.typeInto("d2", "10");
        screen.typeInto("m2", "0");
        screen.typeInto("s2", "0");
        const QString reason = QStringLiteral("Latitude 90.5° is out of range (0° to 90°).");
        QQuickItem* scrollView = screen.item("scrollView");
        scrollView->setProperty("contentY", scrollView->property("contentHeight").toReal() -
                                                scrollView->height());
        screen.tap("openInMapsButton");
        QCOMPARE(screen.session().screen().notice(), reason);
        QCOMPARE(scrollView->property("contentY").toReal(), 0.0);
        QCOMPARE(catcher_->urls(), QStringList{});
        QCOMPARE(screen.mismatches({"d1=" + reason, "d7=" + reason, "d2=", "d8="}, "rangeWarning"),
                 QString());
        QAccessible::setActive(true);
        QCOMPARE(QAccessible::queryAccessibleInterface(screen.item("d5"))
                     ->text(QAccessible::Description),
                 reason);
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
    std::unique_ptr<UrlCatcher> catcher_;
};

QUORVANE_UI_TEST(OutputActionsTest);
#include "output_actions_test.moc"
