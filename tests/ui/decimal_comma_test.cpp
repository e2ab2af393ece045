// The form writes numbers, placeholders included, with the decimal separator of the user's
// locale (QLocale): German gives commas.
#include "screen_driver.h"
#include "ui_test.h"

#include <QLocale>
#include <QtTest>

using namespace quorvane::uitest;

class DecimalCommaTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void numbersInTheUsersLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const SettingsFolder settings;
        ScreenDriver screen(settings);
        QVERIFY(screen.loaded());
        QCOMPARE(screen.mismatches({"m3=mm,mmmmm'", "d7=ddd,ddddddd"}, "placeholderText"),
                 QString());
        screen.typeInto("d7", "48.8583701");
        screen.tap("doneButton");
        QCOMPARE(screen.mismatches({"d7=48,8583701", "d5=48,8583701\u00b0", "d1=48\u00b0",
                                    "s1=30,132\"", "m3=51,50221'"}),
                 QString());
    }
};

QUORVANE_UI_TEST(DecimalCommaTest);
#include "decimal_comma_test.moc"
