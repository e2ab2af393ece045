// The form writes numbers with the decimal separator of the user's locale (QLocale): German
// and French give commas, English points. Typing accepts either separator.
#include "screen_driver.h"
#include "ui_test.h"

#include <QLocale>
#include <QtTest>

using namespace quorvane::uitest;

class DecimalCommaTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<SettingsFolder>(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Typed into d7 and ended with Done, or typed into the seconds row's d1 and m1 and ended
    // with the seconds left empty.
    void numbersInTheUsersLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("typed"); // field, text, ...
        QTest::addColumn<QStringList>("expected");
        const QLocale german(QLocale::German, QLocale::Germany);
        const QStringList comma{"d7=48,8583701", "d5=48,8583701\u00b0", "d1=48\u00b0", "m1=51'",
                                "s1=30,132\"",   "d3=48\u00b0",         "m3=51,50221'"};
        QTest::newRow("German") << german << QStringList{"d7", "48.8583701"} << comma;
        QTest::newRow("English, typed with a comma")
            << QLocale(QLocale::English, QLocale::UnitedStates) << QStringList{"d7", "48,8583701"}
            << QStringList{"d7=48.8583701", "d5=48.8583701\u00b0", "s1=30.132\"", "m3=51.50221'"};
    }
    void numbersInTheUsersLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, expected);
        QLocale::setDefault(locale);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        const QString separator = locale.decimalPoint();
        QCOMPARE(
            screen.mismatches({"m3=mm" + separator + "mmmmm'", "d7=ddd" + separator + "ddddddd"},
                              "placeholderText"),
            QString());
        for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
            screen.typeInto(typed[i], typed[i + 1]);
        if (typed[0] == "d1") screen.tap("s1");
        screen.tap("doneButton");
        QCOMPARE(screen.mismatches(expected), QString());
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(DecimalCommaTest);
#include "decimal_comma_test.moc"
