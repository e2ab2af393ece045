// The settings screen and the default-maps picker inside the running application: reached from
// the converter's settings button, the picker's choice reaching Open in Maps through the
// platform's URL opening, the choice stored in QSettings and restored by the next start, the
// licence and privacy pages, and --page.
#include "app/qt/gui_options.h"
#include "screen_driver.h"
#include "screens/settings/privacy_policy.h"
#include "ui_test.h"

#include <QFile>
#include <QLocale>
#include <QScopeGuard>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;

namespace {

const QStringList kMapsRows{"appleMapsRow", "googleMapsRow", "openStreetMapRow", "wazeRow"};
const QStringList kPages{"converterPage", "settingsPage", "defaultMapsPage"}; // stacked so
const QStringList kSouthWest{"d7=45.5", "c7=1", "d8=73.25", "c8=1"};
const QString kWazeUrl = "https://waze.com/ul?ll=-45.5,-73.25";

// The page is on top with the pages below it that lead to it.
bool onPage(ScreenDriver& screen, const QString& page) {
    return screen.showsPage(page) &&
           screen.item("stackView")->property("depth").toInt() == kPages.indexOf(page) + 1;
}

QString rowLabel(ScreenDriver& screen, const QString& row, const QString& label) {
    const QQuickItem* found = findItem(screen.item(row), label);
    return found ? found->property("text").toString() : "<no " + label + " in " + row + ">";
}

bool accessoryShown(ScreenDriver& screen, const QString& row) {
    const QQuickItem* accessory = findItem(screen.item(row), QStringLiteral("accessoryLabel"));
    return accessory && accessory->isVisible();
}

// The picker's rows that carry the checkmark.
QStringList checkedRows(ScreenDriver& screen) {
    QStringList checked;
    for (const QString& row : kMapsRows)
        if (accessoryShown(screen, row)) checked << row;
    return checked;
}

// Taps the settings button (and, for the picker, its row) until the page is on top.
[[nodiscard]] bool open(ScreenDriver& screen, const QString& page) {
    screen.tap("settingsButton");
    if (!onPage(screen, "settingsPage") || !screen.shown("settingsBackButton")) return false;
    if (page == "settingsPage") return true;
    screen.tap("defaultMapsAppRow");
    return onPage(screen, page);
}

} // namespace

class SettingsFlowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        settings_ = std::make_unique<SettingsFolder>();
        urls_ = std::make_unique<UrlCatcher>();
    }
    void cleanup() { urls_.reset(); }

    // The settings button pushes the settings page over the converter (ending the edit, whose
    // conversion runs as on any other way out of a field); its back control returns.
    void settingsButtonOpensTheSettingsPage() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d7", "45.5");
        QVERIFY(open(screen, "settingsPage"));
        QCOMPARE(screen.editingField(), QString());
        QCOMPARE(screen.text("d5"), QString("45.5\u00b0"));

        QCOMPARE(screen.item("settingsTableView")->property("count").toInt(), 4);
        const char* rows[][3] = {{"defaultMapsAppRow", "Default Maps App", "Apple Maps"},
                                 {"gridReferencesRow", "Grid References", ""},
                                 {"licenseAgreementRow", "License Agreement", nullptr},
                                 {"privacyPolicyRow", "Privacy Policy", nullptr}};
        for (const auto& [row, title, detail] : rows) {
            QCOMPARE(rowLabel(screen, row, "titleLabel"), QString(title));
            if (detail) QCOMPARE(rowLabel(screen, row, "detailLabel"), QString(detail));
            QCOMPARE(accessoryShown(screen, row), detail != nullptr); // only the rows leading on
        }
        QVERIFY(!settings_->stored("defaultMapsApp").isValid());

        screen.tap("settingsBackButton");
        QVERIFY(onPage(screen, "converterPage"));
        QVERIFY(open(screen, "settingsPage")); // and again, as often as the user likes
    }

    // settings -> Default Maps App -> Waze, back, Open in Maps opens a Waze URL; the next start
    // over the same settings file shows and uses Waze.
    void wazeChosenInThePickerIsUsedAndRestored() {
        {
            ScreenDriver screen(*settings_);
            QVERIFY(screen.loaded());
            screen.set(kSouthWest);
            QVERIFY(open(screen, "defaultMapsPage"));
            QCOMPARE(screen.item("defaultMapsTableView")->property("count").toInt(), 4);
            QCOMPARE(checkedRows(screen), QStringList{"appleMapsRow"});

            screen.tap("wazeRow");
            QCOMPARE(settings_->stored("defaultMapsApp").toString(), QString("Waze"));
            QTRY_COMPARE(checkedRows(screen), QStringList{"wazeRow"});

            screen.tap("defaultMapsBackButton");
            QVERIFY(onPage(screen, "settingsPage"));
            QCOMPARE(rowLabel(screen, "defaultMapsAppRow", "detailLabel"), QString("Waze"));
            screen.tap("settingsBackButton");
            QVERIFY(onPage(screen, "converterPage"));
            screen.tap("openInMapsButton");
            QCOMPARE(urls_->urls(), QStringList{kWazeUrl});
        }
        urls_->opened.clear();

        ScreenDriver restarted(*settings_);
        QVERIFY(restarted.loaded());
        restarted.set(kSouthWest);
        restarted.tap("openInMapsButton");
        QCOMPARE(urls_->urls(), QStringList{kWazeUrl});
        QVERIFY(open(restarted, "defaultMapsPage"));
        QCOMPARE(checkedRows(restarted), QStringList{"wazeRow"});
    }

    // A shipped privacy page that is not where the program looks for it: nothing is opened and
    // the page says which file is missing.
    void aMissingPrivacyPageIsReported() {
        if (!configuredPrivacyPolicyUrl().empty()) QSKIP("the build opens a web address");
        const QString page =
            QUrl(QString::fromStdString(qt::SettingsScreen::privacyPolicyUrlOfProgram()))
                .toLocalFile();
        const QString away = page + QStringLiteral(".away");
        QVERIFY(QFile::rename(page, away));
        const auto restore = qScopeGuard([&] { QFile::rename(away, page); });
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QVERIFY(open(screen, "settingsPage"));
        screen.tap("privacyPolicyRow");
        QCOMPARE(urls_->opened.size(), 0);
        QVERIFY(screen.shown("settingsMessage"));
        QCOMPARE(screen.item("settingsMessage")->property("text").toString(),
                 "The page could not be opened: " + page + " is missing.");
    }

    // What --page opens: the page on top of the stack, with the pages below it to go back to.
    void showPageOpensTheNamedPage_data() {
        QTest::addColumn<int>("page"); // StartPage, in the order of kPages
        for (const StartPage page : {StartPage::converter, StartPage::settings, StartPage::maps})
            QTest::newRow(qPrintable(kPages[int(page)])) << int(page);
    }
    void showPageOpensTheNamedPage() {
        QFETCH(int, page);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QVERIFY(screen.session().showPage(static_cast<StartPage>(page)));
        QVERIFY(onPage(screen, kPages[page]));
        if (page == 0) return;
        screen.tap(page == 2 ? "defaultMapsBackButton" : "settingsBackButton");
        QVERIFY(onPage(screen, kPages[page - 1]));
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
    std::unique_ptr<UrlCatcher> urls_;
};

QUORVANE_UI_TEST(SettingsFlowTest);
#include "settings_flow_test.moc"
