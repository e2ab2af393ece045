// The settings pages in QML, offscreen: rows and their texts, taps on them, the picker pushed
// and left again, and the choice reaching Open in Maps on the converter screen.
#include "screens/settings/qt/settings_screen.h"
#include "settings_fakes.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

Q_IMPORT_QML_PLUGIN(Quorvane_SettingsPlugin)

namespace quorvane {
namespace {

using testing::AppRun;
using testing::RecordingUrlOpener;
using testing::TableTranslator;

constexpr auto kPatience = std::chrono::seconds(5);
constexpr int kPhoneWidth = 390;
constexpr int kPhoneHeight = 844;

constexpr const char* kWindowQml = R"(
import QtQuick
import QtQuick.Controls
import Quorvane.Settings

ApplicationWindow {
    width: 390
    height: 844
    visible: true
    StackView {
        objectName: "stack"
        anchors.fill: parent
        initialItem: SettingsPage {}
    }
}
)";

// Items are found in the visual tree: a StackView's pages and a ListView's rows are visual
// children, not necessarily QObject children, of the items they are shown in.
QQuickItem* findItem(QQuickItem* root, const QString& objectName) {
    if (root == nullptr) return nullptr;
    if (root->objectName() == objectName) return root;
    for (QQuickItem* child : root->childItems())
        if (QQuickItem* found = findItem(child, objectName)) return found;
    return nullptr;
}

bool waitUntil(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        QTest::qWait(10);
    }
    return true;
}

// The settings pages over a settings store, beside the converter screen's logic that shares
// the maps choice with them.
class SettingsPagesUi : public ::testing::Test {
protected:
    void open(const Translator& translator) {
        app_ = std::make_unique<AppRun>(store, translator);
        app_->enterSouthWestPosition();
        screen_ = std::make_unique<qt::SettingsScreen>(
            qt::SettingsScreenPlatform{translator, pageOpener, store}, app_->mapsChoice,
            "https://example.org/privacypolicy");
        qt::SettingsScreen::provideTo(engine_, *screen_);
        QQmlComponent component(&engine_);
        component.setData(kWindowQml, QUrl::fromLocalFile(QStringLiteral("/settings_window.qml")));
        window_.reset(qobject_cast<QQuickWindow*>(component.create()));
        ASSERT_NE(window_, nullptr) << component.errorString().toStdString();
        ASSERT_EQ(window_->width(), kPhoneWidth);
        ASSERT_EQ(window_->height(), kPhoneHeight);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        ASSERT_TRUE(waitUntil([this] { return item("privacyPolicyRow") != nullptr; }));
    }

    QQuickItem* item(const char* objectName) const {
        return findItem(window_->contentItem(), QString::fromLatin1(objectName));
    }
    QString rowText(const char* rowName, const char* labelName) const {
        QQuickItem* row = item(rowName);
        if (row == nullptr) return QStringLiteral("<no row>");
        QQuickItem* label = findItem(row, QString::fromLatin1(labelName));
        return label ? label->property("text").toString() : QStringLiteral("<no label>");
    }
    bool accessoryShown(const char* rowName) const {
        QQuickItem* row = item(rowName);
        QQuickItem* label = findItem(row, QStringLiteral("accessoryLabel"));
        return label != nullptr && label->isVisible();
    }
    void tap(const char* objectName) {
        QQuickItem* target = item(objectName);
        ASSERT_NE(target, nullptr) << objectName;
        const QPointF centre =
            target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
        QTest::mouseClick(window_.get(), Qt::LeftButton, {}, centre.toPoint());
    }
    QQuickItem* stack() const { return item("stack"); }
    bool stackSettled(int depth) const {
        return stack()->property("depth").toInt() == depth && !stack()->property("busy").toBool();
    }
    QString currentPageName() const {
        auto* current = stack()->property("currentItem").value<QQuickItem*>();
        return current ? current->objectName() : QString();
    }

    MemorySettingsStore store;
    RecordingUrlOpener pageOpener;
    std::unique_ptr<AppRun> app_;
    std::unique_ptr<qt::SettingsScreen> screen_;
    QQmlEngine engine_;
    std::unique_ptr<QQuickWindow> window_;
};

TEST_F(SettingsPagesUi, FreshStoreShowsThreeRowsWithAppleMapsAsDetail) {
    const TableTranslator english;
    open(english);

    ASSERT_NE(item("settingsTableView"), nullptr);
    EXPECT_EQ(item("settingsTableView")->property("count").toInt(), 3);
    EXPECT_EQ(rowText("defaultMapsAppRow", "titleLabel"), "Default Maps App");
    EXPECT_EQ(rowText("defaultMapsAppRow", "detailLabel"), "Apple Maps");
    EXPECT_TRUE(accessoryShown("defaultMapsAppRow"));
    EXPECT_EQ(rowText("licenseAgreementRow", "titleLabel"), "License Agreement");
    EXPECT_FALSE(accessoryShown("licenseAgreementRow"));
    EXPECT_EQ(rowText("privacyPolicyRow", "titleLabel"), "Privacy Policy");
    EXPECT_FALSE(accessoryShown("privacyPolicyRow"));
    EXPECT_FALSE(item("settingsBackButton")->isVisible())
        << "the first page has nowhere to go back";
}

TEST_F(SettingsPagesUi, PickingWazeStoresItMovesTheCheckmarkAndChangesOpenInMaps) {
    const TableTranslator english;
    open(english);

    tap("defaultMapsAppRow");
    ASSERT_TRUE(waitUntil([this] { return stackSettled(2) && item("wazeRow") != nullptr; }));
    EXPECT_EQ(currentPageName(), "defaultMapsPage");
    EXPECT_EQ(item("defaultMapsTableView")->property("count").toInt(), 4);
    EXPECT_TRUE(accessoryShown("appleMapsRow"));
    EXPECT_FALSE(accessoryShown("wazeRow"));

    tap("wazeRow");
    EXPECT_EQ(store.raw("defaultMapsApp"), "Waze");
    EXPECT_TRUE(waitUntil([this] { return accessoryShown("wazeRow"); }));
    EXPECT_FALSE(accessoryShown("appleMapsRow"));
    EXPECT_FALSE(accessoryShown("googleMapsRow"));
    EXPECT_FALSE(accessoryShown("openStreetMapRow"));

    tap("defaultMapsBackButton");
    ASSERT_TRUE(waitUntil([this] { return stackSettled(1); }));
    EXPECT_EQ(rowText("defaultMapsAppRow", "detailLabel"), "Waze");

    app_->main.openMaps();
    EXPECT_EQ(app_->urlOpener.opened,
              std::vector<std::string>{"https://waze.com/ul?ll=-45.5,-73.25"});
}

TEST_F(SettingsPagesUi, LicenceAndPrivacyRowsHandTheirPagesToTheUrlOpener) {
    const TableTranslator english;
    open(english);

    tap("licenseAgreementRow");
    tap("privacyPolicyRow");

    EXPECT_EQ(pageOpener.opened,
              (std::vector<std::string>{
                  "https://www.apple.com/legal/internet-services/itunes/dev/stdeula/",
                  "https://example.org/privacypolicy"}));
    EXPECT_TRUE(stackSettled(1)) << "no page is pushed for them";
}

TEST_F(SettingsPagesUi, NameStoredInGermanIsRecognisedUnderEnglish) {
    store.setRaw("defaultMapsApp", "Apple Karten");
    const TableTranslator english;
    open(english);

    EXPECT_EQ(rowText("defaultMapsAppRow", "detailLabel"), "Apple Maps");
    tap("defaultMapsAppRow");
    ASSERT_TRUE(waitUntil([this] { return stackSettled(2) && item("appleMapsRow") != nullptr; }));
    EXPECT_TRUE(accessoryShown("appleMapsRow"));
    EXPECT_EQ(store.raw("defaultMapsApp"), "Apple Karten") << "nothing rewritten until a pick";
}

} // namespace
} // namespace quorvane

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) qputenv("QT_QUICK_BACKEND", "software");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
