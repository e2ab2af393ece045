// The form writes numbers with the decimal separator of the user's locale (QLocale): German
// and French give commas, English points. Typing accepts either separator.
#include "screen_driver.h"
#include "ui_test.h"

#include <QLocale>
#include <QtTest>

using namespace quorvane::uitest;

namespace {
const QString kSec = QStringLiteral("\"");
const QString kDeg = QStringLiteral("\u00b0");
} // namespace

class DecimalCommaTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<SettingsFolder>(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void signedDecimalDegreesInTheUsersLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected"); // field, text, ...
        const QStringList comma{"d7", "48,8583701", "d5", "48,8583701" + kDeg, "d1", "48" + kDeg,
                                "m1", "51'",        "s1", "30,132" + kSec,     "d3", "48" + kDeg,
                                "m3", "51,50221'"};
        const QStringList point{"d7", "48.8583701",    "d5", "48.8583701" + kDeg,
                                "s1", "30.132" + kSec, "m3", "51.50221'"};
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "48.8583701"
                                << comma;
        QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << "48.8583701"
                                << comma;
        QTest::newRow("German, typed with a comma")
            << QLocale(QLocale::German, QLocale::Germany) << "48,8583701" << comma;
        QTest::newRow("English, typed with a comma")
            << QLocale(QLocale::English, QLocale::UnitedStates) << "48,8583701" << point;
    }
    void signedDecimalDegreesInTheUsersLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        QLocale::setDefault(locale);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d7", typed);
        screen.tap("doneButton");
        for (qsizetype i = 0; i + 1 < expected.size(); i += 2)
            QCOMPARE(screen.text(expected[i]), expected[i + 1]);
    }

    void emptySecondsInCommaMode() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d1", "45");
        screen.tap("nextButton");
        screen.type("30");
        screen.tap("nextButton");
        screen.tap("doneButton");
        QCOMPARE(screen.text("s1"), "0,0" + kSec);
        QCOMPARE(screen.text("m3"), QString("30,0'"));
        QCOMPARE(screen.text("d5"), "45,5" + kDeg);
        QCOMPARE(screen.text("d7"), QString("45,5"));
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(DecimalCommaTest);
#include "decimal_comma_test.moc"
