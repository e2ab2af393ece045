// Hemisphere selectors: a change moves the whole half and is stored under "c1" .. "c8" in
// QSettings; a fresh screen restores what was stored, and stored values that are no index do
// not break it.
#include "screen_driver.h"
#include "ui_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace quorvane::uitest;

namespace {

const QStringList kLatitudeSelectors{"c1", "c3", "c5", "c7"};
const QStringList kLongitudeSelectors{"c2", "c4", "c6", "c8"};

} // namespace

class HemisphereSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<SettingsFolder>(); }

    // A tap on any selector's other segment moves its whole half and stores the four indices;
    // the other half, the field texts and the stored values of the other half stay.
    void aChangeMovesTheHalfAndIsStored_data() {
        QTest::addColumn<QString>("segment"); // tapped
        QTest::addColumn<QStringList>("moved");
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("c5 to South") << "c5_1" << kLatitudeSelectors << kLongitudeSelectors;
        QTest::newRow("c2 to West") << "c2_1" << kLongitudeSelectors << kLatitudeSelectors;
    }
    void aChangeMovesTheHalfAndIsStored() {
        QFETCH(QString, segment);
        QFETCH(QStringList, moved);
        QFETCH(QStringList, kept);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        for (const QString& c : kLatitudeSelectors + kLongitudeSelectors)
            QCOMPARE(screen.selectorIndex(c), 0); // North and East at first
        screen.typeInto("d7", "45.5");
        screen.tap("doneButton");
        const QString d5Before = screen.text("d5");

        screen.tap(segment);
        for (const QString& c : moved) {
            QCOMPARE(screen.selectorIndex(c), 1);
            QCOMPARE(settings_->stored(c).toInt(), 1);
        }
        for (const QString& c : kept) {
            QCOMPARE(screen.selectorIndex(c), 0);
            QVERIFY2(!settings_->stored(c).isValid(), qPrintable(c + " was stored"));
        }
        QCOMPARE(screen.text("d5"), d5Before); // the hemisphere is not part of the texts
        QCOMPARE(screen.text("d7"), QString("45.5"));
    }

    // Values another program (or a damaged file) left behind: the screen comes up with the
    // segment the value stands for (any whole number but 0 is South, anything that is no
    // whole number reads as 0).
    void storedValuesThatAreNoIndex_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("south");
        QTest::newRow("7") << QVariant(7) << 1 << true;
        QTest::newRow("text abc") << QVariant("abc") << 0 << false;
    }
    void storedValuesThatAreNoIndex() {
        QFETCH(QVariant, stored);
        QFETCH(int, index);
        QFETCH(bool, south);
        settings_->store("c5", stored);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QCOMPARE(screen.selectorIndex("c5"), index);
        QCOMPARE(screen.item("c5_0")->property("selected").toBool(), !south);
        QCOMPARE(screen.item("c5_1")->property("selected").toBool(), south);

        // A tap on the North segment makes it a proper index again, for the whole half.
        if (south) {
            screen.tap("c5_0");
            for (const QString& c : kLatitudeSelectors) {
                QCOMPARE(screen.selectorIndex(c), 0);
                QCOMPARE(settings_->stored(c).toInt(), 0);
            }
        }
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(HemisphereSettingsTest);
#include "hemisphere_settings_test.moc"
