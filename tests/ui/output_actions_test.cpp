// Copy, Open in Maps and Share on the real screen: what reaches the system clipboard and the
// URL handlers, the self-closing copy confirmations and the share sheet's entries.
#include "screen_driver.h"
#include "ui_test.h"

#include <QAccessible>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QtTest>
#include <functional>

using namespace quorvane;
using namespace quorvane::uitest;

namespace {

// Generous: the machine may be busy; the alert itself goes after one second.
constexpr int kAlertGoneTimeout = 5000;
constexpr qint64 kAlertShownAtLeast = 900;

// Field and selector settings of one case: "d7=45,5", "c7=1".
using Setup = QStringList;

// The copy confirmations on screen, oldest first.
QList<QQuickItem*> confirmations(ScreenDriver& screen) {
    QList<QQuickItem*> found;
    const std::function<void(QQuickItem*)> collect = [&](QQuickItem* item) {
        if (item->objectName() == QStringLiteral("copyConfirmation")) found << item;
        for (QQuickItem* child : item->childItems())
            collect(child);
    };
    collect(screen.window().contentItem());
    return found;
}

QStringList messages(ScreenDriver& screen) {
    QStringList texts;
    for (const QQuickItem* alert : confirmations(screen))
        texts << alert->property("message").toString();
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

    void copyPutsTheLineOnTheClipboardAndConfirmsItForASecond_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("line");
        QTest::newRow("decimal minutes with commas, west")
            << "copy2" << Setup{"d3=45°", "m3=30,25'", "d4=73°", "m4=20,5'", "c4=1"}
            << "45° 30.25' N, 73° 20.5' W";
        QTest::newRow("signed, south")
            << "copy4" << Setup{"d7=45.5", "d8=73.25", "c7=1"} << "-45.5, 73.25";
    }
    void copyPutsTheLineOnTheClipboardAndConfirmsItForASecond() {
        QFETCH(QString, button);
        QFETCH(Setup, setup);
        QFETCH(QString, line);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.set(setup);

        QElapsedTimer sinceCopy;
        screen.tap(button);
        sinceCopy.start();
        QCOMPARE(clipboardText(), line);
        QCOMPARE(messages(screen), QStringList{line});
        QCOMPARE(confirmations(screen)[0]->property("title").toString(), "Copied to Clipboard");
        QTRY_VERIFY_WITH_TIMEOUT(confirmations(screen).isEmpty(), kAlertGoneTimeout);
        QVERIFY2(sinceCopy.elapsed() >= kAlertShownAtLeast,
                 qPrintable(QStringLiteral("gone after %1 ms").arg(sinceCopy.elapsed())));
        QVERIFY(screen.session().view().fieldItem(FieldId::d1)); // the page is still there
    }

    void copyReplacesTheSameLineOnTheClipboard() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.set({"d7=45.5", "d8=73.25"});
        QGuiApplication::clipboard()->setText(QStringLiteral("45.5, 73.25"));
        QSignalSpy changed(QGuiApplication::clipboard(), &QClipboard::dataChanged);
        screen.tap("copy4");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(clipboardText(), QStringLiteral("45.5, 73.25"));
    }

    // The second copy comes half a second after the first: the first alert goes on its own
    // time and leaves the second one showing.
    void twoQuickCopiesCloseTheirOwnAlerts() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.set({"d5=45.5°", "d6=73.25°", "d7=45.5", "d8=73.25", "c8=1"});
        screen.tap("copy4");
        QTest::qWait(500);
        screen.tap("copy3");
        QCOMPARE(clipboardText(), QStringLiteral("45.5° N, 73.25° E"));
        QCOMPARE(messages(screen), (QStringList{"45.5, -73.25", "45.5° N, 73.25° E"}));
        QTRY_COMPARE_WITH_TIMEOUT(messages(screen).size(), 1, kAlertGoneTimeout);
        QCOMPARE(messages(screen), QStringList{"45.5° N, 73.25° E"});
        QTRY_VERIFY_WITH_TIMEOUT(confirmations(screen).isEmpty(), kAlertGoneTimeout);
    }

    void openInMapsOpensTheUrlOfTheChosenApplication_data() {
        QTest::addColumn<int>("app");
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QStringList>("opened");
        const Setup southWest{"d7=45,5", "c7=1", "d8=73.25", "c8=1"};
        const auto apple = int(MapsApp::appleMaps);
        QTest::newRow("Waze") << int(MapsApp::waze) << southWest
                              << QStringList{"https://waze.com/ul?ll=-45.5,-73.25"};
        QTest::newRow("degree sign: nothing opens")
            << apple << Setup{"d7=45.5°", "d8=73.25"} << QStringList{};
    }
    void openInMapsOpensTheUrlOfTheChosenApplication() {
        QFETCH(int, app);
        QFETCH(Setup, setup);
        QFETCH(QStringList, opened);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.session().mapsChoice().choose(MapsApp(app), screen.session().settings());
        screen.set(setup);
        screen.tap("openInMapsButton");
        QCOMPARE(catcher_->urls(), opened);
    }

    void shareSheetEntriesSendTheTextAndTheLink_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QStringList>("opened");
        const QString text = QStringLiteral("-45.5, 73.25");
        const QString url = QStringLiteral("https://maps.apple.com/maps?daddr=-45.5,73.25");
        QTest::newRow("copy text") << "shareCopyText" << text << QStringList{};
        QTest::newRow("copy link") << "shareCopyLink" << url << QStringList{};
        QTest::newRow("copy both") << "shareCopyTextAndLink" << text + u'\n' + url << QStringList{};
        QTest::newRow("open link") << "shareOpenLink" << kUntouched << QStringList{url};
        QTest::newRow("e-mail") << "shareSendEmail" << kUntouched
                                << QStringList{"mailto:?subject=Location&body=" + text + "\r\n" +
                                               url};
        QTest::newRow("cancel") << "shareCancel" << kUntouched << QStringList{};
    }
    void shareSheetEntriesSendTheTextAndTheLink() {
        QFETCH(QString, entry);
        QFETCH(QString, clipboard);
        QFETCH(QStringList, opened);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.set({"d7=45,5", "c7=1", "d8=73.25"});

        screen.tap("shareButton");
        QTRY_VERIFY(screen.shown("shareSheet"));
        QCOMPARE(
            screen.mismatches({"shareSheetText=-45.5, 73.25",
                               "shareSheetLink=https://maps.apple.com/maps?daddr=-45.5,73.25"}),
            QString());
        // The sheet hangs below the share button.
        const QQuickItem* button = screen.item("shareButton");
        const QQuickItem* sheet = screen.item("shareSheet");
        QVERIFY(sheet->mapToScene({0, 0}).y() >= button->mapToScene({0, button->height()}).y());

        screen.tap(entry);
        QTRY_VERIFY(!screen.shown("shareSheet"));
        QCOMPARE(clipboardText(), clipboard);
        // Each URL as its program reads it back (the mail text decoded).
        QStringList decoded;
        for (const QString& url : catcher_->urls())
            decoded << QUrl::fromPercentEncoding(url.toUtf8());
        QCOMPARE(decoded, opened);
    }

    void shareIsCancelledSilentlyWhenTheLinkIsNoUrl() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.set({"d7=45.5°", "d8=73.25"});
        screen.tap("shareButton");
        QTest::qWait(300);
        screen.settle();
        QVERIFY(!screen.shown("shareSheet"));
        QCOMPARE(catcher_->urls(), QStringList{});
        QCOMPARE(clipboardText(), kUntouched);
        QCOMPARE(screen.session().screen().notice(), QString()); // and says nothing
    }

    // A tap on an output button leaves the field in editing: the action ends the edit first
    // and acts on the converted form.
    void actionsEndTheEditFirst() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d5", "45.5");
        screen.tap("copy3");
        QCOMPARE(screen.editingField(), QString());
        QCOMPARE(clipboardText(), QStringLiteral("45.5° N,  E"));
        screen.typeInto("d8", "7.25");
        screen.tap("openInMapsButton");
        QCOMPARE(catcher_->urls(), QStringList{"https://maps.apple.com/maps?daddr=45.5,7.25"});
    }

    // 90° 30' N is no latitude: its fields are marked with the reason, and no action hands the
    // position out; the notice names the value and its range, brought into view.
    void positionOutOfRangeIsMarkedAndRefused() {
        ScreenDriver screen(*settings_, WindowSize{390, 520});
        QVERIFY(screen.loaded());
        screen.typeInto("d1", "90");
        screen.typeInto("m1", "30");
        screen.typeInto("s1", "0");
        const QString reason = QStringLiteral("Latitude 90.5° is out of range (0° to 90°).");
        QQuickItem* scrollView = screen.item("scrollView");
        for (const QString button : {"copy1", "shareButton", "openInMapsButton"}) {
            screen.session().screen().dismissNotice();
            if (button == "openInMapsButton") // at the foot of the form
                scrollView->setProperty("contentY", scrollView->property("contentHeight").toReal() -
                                                        scrollView->height());
            screen.tap(button);
            QCOMPARE(screen.session().screen().notice(), reason);
        }
        QCOMPARE(scrollView->property("contentY").toReal(), 0.0);
        QCOMPARE(clipboardText(), kUntouched);
        QCOMPARE(catcher_->urls(), QStringList{});
        QVERIFY(!screen.shown("shareSheet"));
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
