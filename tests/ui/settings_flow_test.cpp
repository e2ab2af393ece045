// What the running application keeps in QSettings and brings back at the next start: the maps
// application chosen in the picker (reached through the settings page, used by Open in Maps),
// and the hemisphere selectors.
#include "app/qt/gui_options.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;

namespace {

const QStringList kMapsRows{"appleMapsRow", "googleMapsRow", "openStreetMapRow", "wazeRow"};
const QStringList kPages{"converterPage", "settingsPage", "defaultMapsPage"}; // stacked so
const QString kWazeUrl = "https://waze.com/ul?ll=-45.5,-73.25";

// The page is on top with the pages below it that lead to it.
bool onPage(ScreenDriver& screen, const QString& page) {
    return screen.showsPage(page) &&
           screen.item("stackView")->property("depth").toInt() == kPages.indexOf(page) + 1;
}

// The picker's rows that carry the checkmark.
QStringList checkedRows(ScreenDriver& screen) {
    QStringList checked;
    for (const QString& row : kMapsRows) {
        const QQuickItem* mark = findItem(screen.item(row), QStringLiteral("accessoryLabel"));
        if (mark && mark->isVisible()) checked << row;
    }
    return checked;
}

} // namespace

class SettingsFlowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        settings_ = std::make_unique<SettingsFolder>();
        urls_ = std::make_unique<UrlCatcher>();
    }
    void cleanup() { urls_.reset(); }

    // The settings button ends the edit (its conversion runs) and pushes the settings page;
    // Default Maps App -> Waze is stored and checked, shown as the row's detail, and Open in Maps
    // opens Waze. The next start shows and uses Waze; --page maps stacks the picker on the
    // settings page.
    void wazeChosenInThePickerIsUsedAndRestored() {
        {
            ScreenDriver screen(*settings_);
            QVERIFY(screen.loaded());
            screen.set({"c7=1", "d8=73.25", "c8=1"});
            screen.typeInto("d7", "45.5");
            screen.tap("settingsButton");
            QVERIFY(onPage(screen, "settingsPage"));
            QCOMPARE(screen.editingField(), QString());
            QCOMPARE(screen.text("d5"), QString("45.5\u00b0"));
            screen.tap("defaultMapsAppRow");
            QVERIFY(onPage(screen, "defaultMapsPage"));
            QCOMPARE(checkedRows(screen), QStringList{"appleMapsRow"});

            screen.tap("wazeRow");
            QCOMPARE(settings_->stored("defaultMapsApp").toString(), QString("Waze"));
            QTRY_COMPARE(checkedRows(screen), QStringList{"wazeRow"});
            screen.tap("defaultMapsBackButton");
            QVERIFY(onPage(screen, "settingsPage"));
            const QQuickItem* detail = findItem(screen.item("defaultMapsAppRow"), "detailLabel");
            QCOMPARE(detail->property("text").toString(), QString("Waze"));
            screen.tap("settingsBackButton");
            QVERIFY(onPage(screen, "converterPage"));
            screen.tap("openInMapsButton");
            QCOMPARE(urls_->urls(), QStringList{kWazeUrl});
        }
        urls_->opened.clear();

        ScreenDriver restarted(*settings_);
        QVERIFY(restarted.loaded());
        restarted.set({"d7=45.5", "c7=1", "d8=73.25", "c8=1"});
        restarted.tap("openInMapsButton");
        QCOMPARE(urls_->urls(), QStringList{kWazeUrl});
        QVERIFY(restarted.session().showPage(StartPage::maps));
        QVERIFY(onPage(restarted, "defaultMapsPage"));
        QTRY_COMPARE(checkedRows(restarted), QStringList{"wazeRow"});
        restarted.tap("defaultMapsBackButton");
        QVERIFY(onPage(restarted, "settingsPage"));
    }

    // A stored selector comes back (any whole number but 0 is South). A tap on a segment moves
    // its own half only and stores its four selectors under their names.
    void hemispheresAreStoredAndRestored() {
        settings_->store("c5", 7);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QCOMPARE(screen.mismatches({"c5=1", "c1=0", "c2=0"}, "currentIndex"), QString());

        screen.tap("c2_1");
        QCOMPARE(screen.mismatches({"c2=1", "c8=1", "c1=0", "c5=1"}, "currentIndex"), QString());
        QCOMPARE(settings_->stored("c4").toInt(), 1);
        QVERIFY(!settings_->stored("c1").isValid());

        screen.tap("c5_0");
        QCOMPARE(screen.mismatches({"c1=0", "c5=0", "c2=1"}, "currentIndex"), QString());
        QCOMPARE(settings_->stored("c5").toInt(), 0);
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
    std::unique_ptr<UrlCatcher> urls_;
};

QUORVANE_UI_TEST(SettingsFlowTest);
#include "settings_flow_test.moc"
