// Starting on a position: `quorvane POSITION` and `quorvane geo:...` fill the form exactly as
// `quorvane convert` fills its form; a position that cannot be read leaves the form empty and
// says why on screen. Also the application's own screenshots and usage errors, run as a user
// runs them.
#include "app/convert_command.h"
#include "core/position_reader.h"
#include "app/qt/gui_options.h"
#include "screen_driver.h"
#include "ui_test.h"

#include <QDir>
#include <QImage>
#include <QLocale>
#include <QtTest>

using namespace quorvane::uitest;

class OpenPositionTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QLocale::setDefault(QLocale::c());
        settings_ = std::make_unique<SettingsFolder>();
    }

    // The screen shows what `quorvane convert --fields` shows for the same position (the
    // opened text itself, or the signed degrees a geo: URI stands for).
    void fillsTheFormAsConvertDoes_data() {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("convertText");
        const char* same = "45\u00b0 30' 15\" S, 73\u00b0 20' 30\" W";
        QTest::newRow(same) << same << same;
        QTest::newRow("geo: URI with altitude, upper case") << "GEO:48.8583701,2.2944813,35"
                                                            << "48.8583701, 2.2944813";
    }
    void fillsTheFormAsConvertDoes() {
        QFETCH(QString, opened);
        QFETCH(QString, convertText);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QVERIFY(screen.session().openPosition(opened.toStdString()));

        const std::string text = convertText.toStdString(); // the reading refers into it
        const quorvane::PositionReading reading = quorvane::readPosition(text);
        QVERIFY(reading.ok());
        quorvane::ConversionForm convert(quorvane::DecimalMode::point);
        convert.enter(reading);
        for (const auto& f : quorvane::kFields)
            QCOMPARE(screen.text(qtName(f.name)),
                     QString::fromStdString(convert.view().text(f.id)));
        for (const auto& c : quorvane::kSelectors)
            QCOMPARE(screen.selectorIndex(qtName(c.name)), convert.view().selectedIndex(c.id));
        QCOMPARE(screen.editingField(), QString());
        QCOMPARE(screen.session().screen().notice(), QString());
    }

    void unreadablePositionLeavesTheFormEmpty_data() {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("reason"); // part of the message
        const char* rows[][2] = {{"91, 10", "range"}, {"geo:48,2;crs=utm", "utm"}};
        for (const auto& r : rows)
            QTest::newRow(r[0]) << r[0] << r[1];
    }
    void unreadablePositionLeavesTheFormEmpty() {
        QFETCH(QString, opened);
        QFETCH(QString, reason);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QVERIFY(!screen.session().openPosition(opened.toStdString()));
        for (const auto& f : quorvane::kFields)
            QCOMPARE(screen.text(qtName(f.name)), QString());
        const QString notice = screen.text("noticeLabel");
        QVERIFY2(notice.contains(reason), qPrintable(notice));
        QVERIFY(screen.item("noticeBanner")->isVisible());
        screen.tap("noticeCloseButton");
        QVERIFY(!screen.item("noticeBanner")->isVisible());
    }

    void screenshotsAtTheRequestedSize_data() {
        QTest::addColumn<QStringList>("size");
        QTest::addColumn<QSize>("expected");
        // The phone's form is taller than its window: pictured whole, grid card included.
        QTest::newRow("phone default, whole form") << QStringList{} << QSize(390, 1000);
        QTest::newRow("desktop") << QStringList{"--size", "1024x768"} << QSize(1024, 768);
    }
    // The southern and western start position leaves the user's settings as they were.
    void screenshotsAtTheRequestedSize() {
        QFETCH(QStringList, size);
        QFETCH(QSize, expected);
        QTemporaryDir dir, home;
        const QString file = dir.filePath("screen.png");
        const Run run = runQuorvane(QStringList{"--screenshot", file} + size +
                                        QStringList{"-48.8583701,", "-2.2944813"},
                                    {"XDG_CONFIG_HOME=" + home.path()});
        QVERIFY2(run.exitCode == 0, qPrintable(run.output));
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{});
        const QImage picture(file);
        QCOMPARE(picture.width(), expected.width());
        QVERIFY2(picture.height() >= expected.height() && picture.height() < expected.height() + 200,
                 qPrintable(QString::number(picture.height())));
        // Not a blank picture: the form and its texts are drawn.
        QVERIFY(picture.pixelColor(5, 5) != picture.pixelColor(expected.width() / 2, 140));
    }

    // The program's first word "convert" hands the rest to the terminal converter.
    void convertRunsInTheProgram() {
        const Run run = runQuorvane({"convert", "--decimal-point", "-45.5, 73.25"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.output.endsWith("-45.5, 73.25\n"), qPrintable(run.output));
    }

    // Also a position source the program cannot use, named on the command line or in
    // QUORVANE_POSITION_SOURCE (the column; empty: unset).
    void usageErrorsExplainThemselves_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("message");
        const QStringList source{"--self-test", "--position-source"};
        QTest::newRow("size too small") << QStringList{"--size", "10x10"} << ""
                                        << "--size";
        QTest::newRow("unknown option") << QStringList{"--colour"} << ""
                                        << "--colour";
        QTest::newRow("unknown source in the environment")
            << QStringList{"--self-test"} << "satellite"
            << "QUORVANE_POSITION_SOURCE: unknown position source";
        QTest::newRow("the command line wins") << source + QStringList{"bad"} << "none"
                                               << "unknown position source \"bad\"";
    }
    void usageErrorsExplainThemselves() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, source);
        QFETCH(QString, message);
        const QString variable = qtName(quorvane::kPositionSourceVariable);
        const Run run =
            runQuorvane(arguments, {source.isEmpty() ? variable : variable + '=' + source});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.output.contains(message), qPrintable(run.output));
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(OpenPositionTest);
#include "open_position_test.moc"
