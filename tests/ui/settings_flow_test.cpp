// The settings screen and the default-maps picker inside the running application: reached from
// the converter's settings button, the picker's choice reaching Open in Maps through the
// platform's URL opening, the choice stored in QSettings and restored by the next start, the
// licence and privacy pages, and --page.
#include "app/qt/gui_options.h"
#include "screen_driver.h"
#include "screens/settings/privacy_policy.h"
#include "ui_test.h"

#include <QDesktopServices>
#include <QFile>
#include <QLocale>
#include <QUrl>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;

namespace {

constexpr int kTransitionPatienceMs = 5000;

const QStringList kMapsRows{"appleMapsRow", "googleMapsRow", "openStreetMapRow", "wazeRow"};

constexpr const char* kLicencePage =
    "https://www.apple.com/legal/internet-services/itunes/dev/stdeula/";

// Stands in for the browser and the maps applications: keeps every URL the app asks to open.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

Q_DECLARE_METATYPE(std::vector<std::string>)

class SettingsFlowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        settings_ = std::make_unique<SettingsFolder>();
        recorder_ = std::make_unique<UrlRecorder>();
        // Web pages and maps URLs are https; the shipped privacy page is a file.
        QDesktopServices::setUrlHandler(QStringLiteral("https"), recorder_.get(), "open");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), recorder_.get(), "open");
    }
    void cleanup() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        recorder_.reset();
        settings_.reset();
    }

    // The settings button pushes the settings page over the converter (ending the edit, whose
    // conversion runs as on any other way out of a field); its back control returns.
    void settingsButtonOpensTheSettingsPage() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d7", "45.5");
        QVERIFY(openSettings(screen));
        QCOMPARE(screen.editingField(), QString());
        QCOMPARE(screen.text("d5"), QString("45.5\u00b0"));

        QCOMPARE(rowCount(screen, "settingsTableView"), 3);
        const char* rows[][3] = {{"defaultMapsAppRow", "Default Maps App", "Apple Maps"},
                                 {"licenseAgreementRow", "License Agreement", nullptr},
                                 {"privacyPolicyRow", "Privacy Policy", nullptr}};
        for (const auto& [row, title, detail] : rows) {
            QCOMPARE(rowLabel(screen, row, "titleLabel"), QString(title));
            if (detail) QCOMPARE(rowLabel(screen, row, "detailLabel"), QString(detail));
            QCOMPARE(accessoryShown(screen, row), detail != nullptr); // only the picker's row
        }
        QVERIFY(!settings_->stored("defaultMapsApp").isValid());

        screen.tap("settingsBackButton");
        QVERIFY(waitForPage(screen, 1, "converterPage"));
        screen.tap("settingsButton"); // and again, as often as the user likes
        QVERIFY(waitForPage(screen, 2, "settingsPage"));
    }

    // settings -> Default Maps App -> Waze, back, Open in Maps opens a Waze URL; the next start
    // over the same settings file shows and uses Waze.
    void wazeChosenInThePickerIsUsedAndRestored() {
        {
            ScreenDriver screen(*settings_);
            QVERIFY(screen.loaded());
            enterSouthWestPosition(screen);
            QVERIFY(openSettings(screen));
            screen.tap("defaultMapsAppRow");
            QVERIFY(waitForPage(screen, 3, "defaultMapsPage"));
            QCOMPARE(rowCount(screen, "defaultMapsTableView"), 4);
            QCOMPARE(checkedRows(screen), QStringList{"appleMapsRow"});

            screen.tap("wazeRow");
            QCOMPARE(settings_->stored("defaultMapsApp").toString(), QString("Waze"));
            QTRY_COMPARE(checkedRows(screen), QStringList{"wazeRow"});

            screen.tap("defaultMapsBackButton");
            QVERIFY(waitForPage(screen, 2, "settingsPage"));
            QCOMPARE(rowLabel(screen, "defaultMapsAppRow", "detailLabel"), QString("Waze"));
            screen.tap("settingsBackButton");
            QVERIFY(waitForPage(screen, 1, "converterPage"));

            screen.tap("openInMapsButton");
            QCOMPARE(recorder_->opened, QList<QUrl>{QUrl("https://waze.com/ul?ll=-45.5,-73.25")});
        }
        recorder_->opened.clear();

        ScreenDriver restarted(*settings_);
        QVERIFY(restarted.loaded());
        enterSouthWestPosition(restarted);
        restarted.tap("openInMapsButton");
        QCOMPARE(recorder_->opened, QList<QUrl>{QUrl("https://waze.com/ul?ll=-45.5,-73.25")});
        QVERIFY(openSettings(restarted));
        QCOMPARE(rowLabel(restarted, "defaultMapsAppRow", "detailLabel"), QString("Waze"));
        restarted.tap("defaultMapsAppRow");
        QVERIFY(waitForPage(restarted, 3, "defaultMapsPage"));
        QCOMPARE(checkedRows(restarted), QStringList{"wazeRow"});
    }

    // A name stored while the app ran in another language still stands for its application
    // (shown in the current language, English here); a name no language uses falls back to
    // Apple Maps for Open in Maps and checks no row.
    void storedNameOfAnyLanguage_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QString>("opened");
        const QString apple = "https://maps.apple.com/maps?daddr=-45.5,-73.25";
        const QString osm = "https://www.openstreetmap.org/directions?engine=fossgis_osrm_car&"
                            "route=%3B-45.5%2C-73.25#map=16/-45.5/-73.25";
        const QString apps[] = {"Apple Maps", "Google Maps", "OpenStreetMap"};
        const QString rows[] = {"appleMapsRow", "googleMapsRow", "openStreetMapRow"};
        const QString urls[] = {apple, "https://maps.google.com/?q=-45.5,-73.25", osm};
        const std::pair<const char*, int> names[] = {
            {"Apple Karten", 0}, {"Plans", 0}, {"OpenStreetMap", 2}, {"Google Maps", 1}};
        for (const auto& [name, i] : names)
            QTest::newRow(name) << name << apps[i] << QStringList{rows[i]} << urls[i];
        QTest::newRow("no language's name") << "Bing Maps"
                                            << "Bing Maps" << QStringList{} << apple;
    }
    void storedNameOfAnyLanguage() {
        QFETCH(QString, stored);
        QFETCH(QString, detail);
        QFETCH(QStringList, checked);
        QFETCH(QString, opened);
        settings_->store("defaultMapsApp", stored);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        enterSouthWestPosition(screen);
        screen.tap("openInMapsButton");
        QCOMPARE(recorder_->opened.size(), 1);
        // Hosts are the app's choice; the path, query and fragment are fixed.
        const QUrl url = recorder_->opened.first();
        QCOMPARE(url.scheme(), QString("https"));
        QCOMPARE(url.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority),
                 QUrl(opened).toString(QUrl::RemoveScheme | QUrl::RemoveAuthority));

        QVERIFY(openSettings(screen));
        QCOMPARE(rowLabel(screen, "defaultMapsAppRow", "detailLabel"), detail);
        screen.tap("defaultMapsAppRow");
        QVERIFY(waitForPage(screen, 3, "defaultMapsPage"));
        QCOMPARE(checkedRows(screen), checked);
        QCOMPARE(settings_->stored("defaultMapsApp").toString(), stored); // untouched until a pick
    }

    // The licence row opens the platform vendor's licence page; the privacy row the address set
    // at build time, or else the privacy page installed with the program. No page is pushed.
    void licenceAndPrivacyRowsOpenTheirPages() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QVERIFY(openSettings(screen));

        screen.tap("licenseAgreementRow");
        screen.tap("privacyPolicyRow");
        QCOMPARE(recorder_->opened.size(), 2);
        QCOMPARE(recorder_->opened[0], QUrl(kLicencePage));
        const QUrl privacy = recorder_->opened[1];
        const std::string_view configured = configuredPrivacyPolicyUrl();
        if (!configured.empty()) {
            QCOMPARE(
                privacy.toString(),
                QString::fromUtf8(configured.data(), static_cast<qsizetype>(configured.size())));
        } else {
            QVERIFY2(privacy.isLocalFile(), qPrintable(privacy.toString()));
            QCOMPARE(readAll(privacy.toLocalFile()),
                     readAll(QStringLiteral(QUORVANE_SOURCE_DIR "/packaging/privacy-policy.html")));
        }
        QVERIFY(waitForPage(screen, 2, "settingsPage"));
    }

    // What --page opens: the page on top of the stack, with the pages below it to go back to.
    void showPageOpensTheNamedPage_data() {
        QTest::addColumn<int>("page"); // StartPage
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("shown");
        QTest::newRow("converter") << int(StartPage::converter) << 1 << "converterPage";
        QTest::newRow("settings") << int(StartPage::settings) << 2 << "settingsPage";
        QTest::newRow("maps") << int(StartPage::maps) << 3 << "defaultMapsPage";
    }
    void showPageOpensTheNamedPage() {
        QFETCH(int, page);
        QFETCH(int, depth);
        QFETCH(QString, shown);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QVERIFY(screen.session().showPage(static_cast<StartPage>(page)));
        QVERIFY(waitForPage(screen, depth, shown));
        if (depth > 1) {
            const QString back =
                depth == 3 ? QStringLiteral("defaultMapsBackButton") : "settingsBackButton";
            screen.tap(back);
            QVERIFY(waitForPage(screen, depth - 1, depth == 3 ? "settingsPage" : "converterPage"));
        }
    }

    void pageOption_data() {
        QTest::addColumn<std::vector<std::string>>("words");
        QTest::addColumn<int>("page"); // StartPage, or -1 for a usage error
        using W = std::vector<std::string>;
        QTest::newRow("none") << W{"--screenshot", "a.png"} << int(StartPage::converter);
        QTest::newRow("settings") << W{"--screenshot", "a.png", "--page", "settings"}
                                  << int(StartPage::settings);
        QTest::newRow("maps with =")
            << W{"--page=maps", "--screenshot=a.png"} << int(StartPage::maps);
        QTest::newRow("converter") << W{"--page", "converter"} << int(StartPage::converter);
        QTest::newRow("unknown page") << W{"--page", "about"} << -1;
        QTest::newRow("page names are exact") << W{"--page", "Settings"} << -1;
        QTest::newRow("page missing") << W{"--screenshot", "a.png", "--page"} << -1;
    }
    void pageOption() {
        QFETCH(std::vector<std::string>, words);
        QFETCH(int, page);
        const GuiOptionsResult result = parseGuiOptions(words);
        if (page < 0) {
            QVERIFY(!result.options);
            QVERIFY(QString::fromStdString(result.error).contains("--page"));
            return;
        }
        QVERIFY2(result.options, result.error.c_str());
        QCOMPARE(int(result.options->startPage), page);
    }

private:
    static QString readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll())
                                              : QStringLiteral("<cannot read %1>").arg(path);
    }

    static QQuickItem* stack(ScreenDriver& screen) { return screen.item("stackView"); }

    // The number of rows of a table; -1 when there is no such table.
    static int rowCount(ScreenDriver& screen, const QString& table) {
        const QQuickItem* found = screen.item(table);
        return found ? found->property("count").toInt() : -1;
    }

    // The stack holds `depth` pages with `name` on top, and no transition is running.
    static bool waitForPage(ScreenDriver& screen, int depth, const QString& name) {
        QQuickItem* stackView = stack(screen);
        if (!stackView) return false;
        const auto arrived = [&] {
            auto* current = stackView->property("currentItem").value<QQuickItem*>();
            return stackView->property("depth").toInt() == depth &&
                   !stackView->property("busy").toBool() && current &&
                   current->objectName() == name;
        };
        return QTest::qWaitFor(arrived, kTransitionPatienceMs);
    }

    // Taps the settings button; true once the settings page is on top, with its back control.
    [[nodiscard]] static bool openSettings(ScreenDriver& screen) {
        screen.tap("settingsButton");
        if (!waitForPage(screen, 2, "settingsPage")) return false;
        const QQuickItem* back = screen.item("settingsBackButton");
        return back && back->isVisible();
    }

    // d7 45.5 South, d8 73.25 West: LAT -45.5, LON -73.25.
    static void enterSouthWestPosition(ScreenDriver& screen) {
        screen.typeInto("d7", "45.5");
        screen.typeInto("d8", "73.25");
        screen.tap("doneButton");
        screen.tap("c7_1");
        screen.tap("c8_1");
    }

    static QString rowLabel(ScreenDriver& screen, const QString& row, const QString& label) {
        QQuickItem* found = findItem(screen.item(row), label);
        return found ? found->property("text").toString()
                     : QStringLiteral("<no %1 in %2>").arg(label, row);
    }

    static bool accessoryShown(ScreenDriver& screen, const QString& row) {
        QQuickItem* accessory = findItem(screen.item(row), QStringLiteral("accessoryLabel"));
        return accessory && accessory->isVisible();
    }

    // The picker's rows that carry the checkmark.
    static QStringList checkedRows(ScreenDriver& screen) {
        QStringList checked;
        for (const QString& row : kMapsRows)
            if (accessoryShown(screen, row)) checked << row;
        return checked;
    }

    std::unique_ptr<SettingsFolder> settings_;
    std::unique_ptr<UrlRecorder> recorder_;
};

QUORVANE_UI_TEST(SettingsFlowTest);
#include "settings_flow_test.moc"
