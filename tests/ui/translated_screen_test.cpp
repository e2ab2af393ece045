// The screen in the user's language: German and French texts from the shipped translations
// (installed as the application installs them at start), decimal commas in the fields, and
// lines for other programs still written with points.
#include "app/qt/app_translations.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;

// objectName=text pairs a case expects.
using Shown = QStringList;

class TranslatedScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<SettingsFolder>(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void screenInTheUsersLanguage_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("language"); // of the installed translation; "" for none
        QTest::addColumn<Shown>("texts");
        QTest::addColumn<Shown>("spoken");
        QTest::addColumn<QString>("copied");
        QTest::addColumn<QString>("mapsName");
        const Shown commas{"d7=48,8583701", "d5=48,8583701°", "m3=51,50221'", "s1=30,132\""};
        const Shown deTexts{"copy1=Kopieren",
                            "openInMapsButton=Karte öffnen",
                            "clearButton=Löschen",
                            "c2_0=O",
                            "c2_1=W",
                            "c1_0=N"};
        const Shown deSpoken{"d1=Breite, Grad, Grad-Minuten-Sekunden: 48 Grad",
                             "m4=Länge, Dezimalminuten, Grad und Dezimalminuten: 17,66888 Minuten",
                             "c8=Länge, Hemisphäre, Dezimalgrad mit Vorzeichen: Ost",
                             "c8_0=Ost",
                             "copy3=Dezimalgrad kopieren",
                             "getcurrentlocationButton=Aktueller Standort"};
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "de"
                                << commas + deTexts << deSpoken << "In die Zwischenablage kopiert"
                                << "Apple Karten";
        QTest::newRow("Swiss German: the German translation")
            << QLocale(QLocale::German, QLocale::Switzerland) << "de"
            << Shown{"copy1=Kopieren", "d7=48.8583701"} // Swiss German writes points
            << Shown{"c1_1=Süd"} << "In die Zwischenablage kopiert"
            << "Apple Karten";
        QTest::newRow("English: the keys")
            << QLocale(QLocale::English, QLocale::UnitedKingdom) << ""
            << Shown{"copy1=Copy", "openInMapsButton=Open in Maps", "c2_0=E", "d7=48.8583701"}
            << Shown{"d1=Latitude degrees, degrees-minutes-seconds: 48 degrees", "copy3=Copy decimal degrees"}
            << "Copied to Clipboard"
            << "Apple Maps";
    }
    void screenInTheUsersLanguage() {
        QFETCH(QLocale, locale);
        QFETCH(QString, language);
        QFETCH(Shown, texts);
        QFETCH(Shown, spoken);
        QFETCH(QString, copied);
        QFETCH(QString, mapsName);
        QLocale::setDefault(locale);
        const qt::AppTranslations translations(locale);
        QCOMPARE(translations.language().section(u'_', 0, 0), language);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QVERIFY(screen.session().openPosition("48.8583701, 2.2944813"));

        QCOMPARE(screen.mismatches(texts), QString());
        QCOMPARE(screen.mismatches(spoken, "accessibleName"), QString());
        QCOMPARE(QString::fromStdString(screen.session().mapsChoice().defaultMapsAppName()),
                 mapsName);

        // Other programs get points whatever the language; the confirmation is translated.
        screen.tap("copy4");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("48.8583701, 2.2944813"));
        QQuickItem* alert = screen.item("copyConfirmation");
        QVERIFY(alert);
        QCOMPARE(alert->property("title").toString(), copied);
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(TranslatedScreenTest);
#include "translated_screen_test.moc"
