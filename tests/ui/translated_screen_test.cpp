// The screen in the user's language: German from the shipped translation (installed as the
// application installs it at start), while the lines for other programs keep their points.
#include "app/qt/app_translations.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;

class TranslatedScreenTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Texts, spoken names and the maps application's name; Swiss German takes the German.
    void screenInGerman() {
        const QLocale swiss(QLocale::German, QLocale::Switzerland);
        QCOMPARE(qt::AppTranslations(swiss).language().section(u'_', 0, 0), QString("de"));
        const QLocale german(QLocale::German, QLocale::Germany);
        QLocale::setDefault(german);
        const qt::AppTranslations translations(german);
        SettingsFolder settings;
        ScreenDriver screen(settings);
        QVERIFY(screen.loaded());
        QVERIFY(screen.session().openPosition("48.8583701, 2.2944813"));
        QCOMPARE(screen.mismatches({"copy1=Kopieren", "c2_0=O", "d7=48,8583701"}), QString());
        QCOMPARE(screen.mismatches({"c8=Länge, Hemisphäre, Dezimalgrad mit Vorzeichen: Ost"},
                                   "accessibleName"),
                 QString());
        QCOMPARE(QString::fromStdString(screen.session().mapsChoice().defaultMapsAppName()),
                 QString("Apple Karten"));

        screen.tap("copy4");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("48.8583701, 2.2944813"));
        QCOMPARE(screen.item("copyConfirmation")->property("title").toString(),
                 QString("In die Zwischenablage kopiert"));
    }
};

QUORVANE_UI_TEST(TranslatedScreenTest);
#include "translated_screen_test.moc"
