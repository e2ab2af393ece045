// The converter screen driven through its real controls: typing, Previous / Next / Done,
// background taps, Return and Tab, the conversions that follow, Clear, and the keystroke filter
// on keys, pastes and input-method commits.
#include "screen_driver.h"
#include "ui_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QtTest>

using namespace quorvane::uitest;

namespace {

const QString kSec = QStringLiteral("\"");
const QString kDeg = QStringLiteral("\u00b0");

struct Entry {
    QString field;
    QString text;
};

// What a field shows and where its cursor and selection are.
struct EditSnapshot {
    QString text;
    int cursor;
    int selectionStart;
    int selectionEnd;
    friend bool operator==(const EditSnapshot&, const EditSnapshot&) = default;
};

EditSnapshot snapshot(const QQuickItem& field) {
    return {field.property("text").toString(), field.property("cursorPosition").toInt(),
            field.property("selectionStart").toInt(), field.property("selectionEnd").toInt()};
}

QString describe(const EditSnapshot& s) {
    return QStringLiteral("'%1' cursor %2 selection %3..%4")
        .arg(s.text)
        .arg(s.cursor)
        .arg(s.selectionStart)
        .arg(s.selectionEnd);
}

void commitFromInputMethod(QQuickItem& field, const QString& commit, int replaceFrom = 0,
                           int replaceLength = 0) {
    QInputMethodEvent event;
    event.setCommitString(commit, replaceFrom, replaceLength);
    QCoreApplication::sendEvent(&field, &event);
}

} // namespace

Q_DECLARE_METATYPE(QList<Entry>)
Q_DECLARE_METATYPE(QStringList)

class ConverterScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<SettingsFolder>(); }

    // Typing 45, Next, 30, Next, 15 into the degrees-minutes-seconds latitude and ending the
    // edit in each of the ways the screen offers.
    void dmsLatitudeConvertsWhenEditingEnds_data() {
        QTest::addColumn<QString>("ending");
        QTest::newRow("Done button") << "done";
        QTest::newRow("background tap") << "background";
        QTest::newRow("Return key") << "return";
    }
    void dmsLatitudeConvertsWhenEditingEnds() {
        QFETCH(QString, ending);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d1", "45");
        screen.tap("nextButton");
        screen.type("30");
        screen.tap("nextButton");
        screen.type("15");
        QCOMPARE(screen.editingField(), QString("s1"));
        if (ending == "done") screen.tap("doneButton");
        if (ending == "background") screen.tapBackground();
        if (ending == "return") screen.key(Qt::Key_Return);

        QCOMPARE(screen.editingField(), QString());
        QCOMPARE(screen.text("d1"), "45" + kDeg);
        QCOMPARE(screen.text("m1"), QString("30'"));
        QCOMPARE(screen.text("s1"), "15.0" + kSec);
        QCOMPARE(screen.text("d3"), "45" + kDeg);
        QCOMPARE(screen.text("m3"), QString("30.25'"));
        QCOMPARE(screen.text("d5"), "45.5041667" + kDeg);
        QCOMPARE(screen.text("d7"), QString("45.5041667"));
        QCOMPARE(screen.item("navigationBar")->isVisible(), false);
    }

    // Each entry is typed into its field and ended with Done; then every listed field shows
    // the expected text.
    void conversionsFromEachRow_data() {
        QTest::addColumn<QList<Entry>>("entries");
        QTest::addColumn<QStringList>("expected"); // field, text, field, text, ...
        QTest::newRow("decimal degrees d5 split into the other rows")
            << QList<Entry>{{"d5", "45.5041667"}}
            << QStringList{
                   "d5", "45.5041667" + kDeg, "d7", "45.5041667", "d1", "45" + kDeg, "m1", "30'",
                   "s1", "15.0" + kSec,       "d3", "45" + kDeg,  "m3", "30.25'"};
        QTest::newRow("d5 10.1 carries rounded seconds into the minutes")
            << QList<Entry>{{"d5", "10.1"}}
            << QStringList{"d1", "10" + kDeg, "m1", "6'", "s1", "0.0" + kSec, "m3", "6.0'"};
        QTest::newRow("d5 typed 123 reads as 12.3")
            << QList<Entry>{{"d5", "123"}}
            << QStringList{"d5", "12.3" + kDeg, "d7", "12.3",       "d1", "12" + kDeg,
                           "m1", "18'",         "s1", "0.0" + kSec, "m3", "18.0'"};
        QTest::newRow("decimal minutes after whole degrees")
            << QList<Entry>{{"d3", "45"}, {"m3", "30.25"}}
            << QStringList{"d3", "45" + kDeg, "d1", "45" + kDeg,   "m3", "30.25'",
                           "m1", "30'",       "s1", "15.0" + kSec, "d5", "45.5041667" + kDeg,
                           "d7", "45.5041667"};
        QTest::newRow("seconds with degrees and minutes")
            << QList<Entry>{{"d1", "48"}, {"m1", "51"}, {"s1", "30.132"}}
            << QStringList{"s1", "30.132" + kSec,   "m3", "51.5022'",
                           "d5", "48.85837" + kDeg, "d7", "48.85837"};
        QTest::newRow("seconds ended empty")
            << QList<Entry>{{"d1", "45"}, {"m1", "30"}, {"s1", ""}}
            << QStringList{"s1", "0.0" + kSec, "m3", "30.0'", "d5", "45.5" + kDeg, "d7", "45.5"};
        QTest::newRow("longitude from signed decimal degrees")
            << QList<Entry>{{"d8", "73.3416667"}} << QStringList{"d8", "73.3416667",
                                                                 "d6", "73.3416667" + kDeg,
                                                                 "d2", "73" + kDeg,
                                                                 "m2", "20'",
                                                                 "s2", "30.0" + kSec,
                                                                 "d4", "73" + kDeg,
                                                                 "m4", "20.5'",
                                                                 "d1", "",
                                                                 "d7", ""};
    }
    void conversionsFromEachRow() {
        QFETCH(QList<Entry>, entries);
        QFETCH(QStringList, expected);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        for (const Entry& e : entries) {
            screen.tap(e.field);
            screen.key(Qt::Key_A, Qt::ControlModifier);
            screen.key(Qt::Key_Backspace);
            screen.type(e.text);
            screen.tap("doneButton");
        }
        for (qsizetype i = 0; i + 1 < expected.size(); i += 2)
            QVERIFY2(screen.text(expected[i]) == expected[i + 1],
                     qPrintable(QStringLiteral("%1 shows '%2', expected '%3'")
                                    .arg(expected[i], screen.text(expected[i]), expected[i + 1])));
    }

    // Previous and Next follow each notation's chain, never wrap and never leave the notation.
    void previousAndNextFollowTheChains_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("previous"); // "" when there is no Previous button
        QTest::addColumn<QString>("next");
        const char* chains[][3] = {
            {"d1", "", "m1"},   {"m1", "d1", "s1"}, {"s1", "m1", "d2"}, {"d2", "s1", "m2"},
            {"m2", "d2", "s2"}, {"s2", "m2", ""},   {"d3", "", "m3"},   {"m3", "d3", "d4"},
            {"d4", "m3", "m4"}, {"m4", "d4", ""},   {"d5", "", "d6"},   {"d6", "d5", ""},
            {"d7", "", "d8"},   {"d8", "d7", ""},
        };
        for (const auto& c : chains)
            QTest::newRow(c[0]) << c[0] << c[1] << c[2];
    }
    void previousAndNextFollowTheChains() {
        QFETCH(QString, field);
        QFETCH(QString, previous);
        QFETCH(QString, next);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());

        screen.tap(field);
        QCOMPARE(screen.editingField(), field);
        QCOMPARE(screen.item("previousButton")->isVisible(), !previous.isEmpty());
        QCOMPARE(screen.item("nextButton")->isVisible(), !next.isEmpty());
        if (!next.isEmpty()) {
            screen.tap("nextButton");
            QCOMPARE(screen.editingField(), next);
            screen.tap(field);
        }
        if (!previous.isEmpty()) {
            screen.tap("previousButton");
            QCOMPARE(screen.editingField(), previous);
        }
    }

    // Keys typed into a field convert nothing; each end of editing converts once.
    void typingConvertsOnlyWhenEditingEnds() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        QSignalSpy ended(&screen.session().screen(), &quorvane::qt::MainScreen::fieldEditingEnded);
        screen.typeInto("d5", "45.5041667");
        QCOMPARE(ended.count(), 0);
        QCOMPARE(screen.text("d7"), QString());
        QCOMPARE(screen.text("d5"), QString("45.5041667"));
        screen.tap("nextButton");
        QCOMPARE(ended.count(), 1);
        QCOMPARE(ended.first().first().toString(), QString("d5"));
        QCOMPARE(screen.text("d7"), QString("45.5041667"));
        screen.type("2.5");
        QCOMPARE(ended.count(), 1);
        screen.tapBackground();
        QCOMPARE(ended.count(), 2);
        screen.tapBackground(); // nothing is being edited: nothing happens
        QCOMPARE(ended.count(), 2);
    }

    // The field left ends (and converts) before the field reached begins.
    void focusChangeEndsTheFieldLeftFirst() {
        QStringList events; // outlives the screen, whose end ends the edit of d8 as well
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        auto& bridge = screen.session().screen();
        connect(&bridge, &quorvane::qt::MainScreen::fieldEditingEnded, this,
                [&](const QString& f) { events << "end " + f + " d3=" + screen.text("d3"); });
        connect(&bridge, &quorvane::qt::MainScreen::fieldEditingBegan, this,
                [&](const QString& f) { events << "begin " + f; });
        screen.typeInto("d1", "45");
        screen.tap("d8");
        QCOMPARE(events, (QStringList{"begin d1", "end d1 d3=45" + kDeg, "begin d8"}));
        QCOMPARE(screen.session().controller().form().activeField(),
                 std::optional(quorvane::FieldId::d8));
    }

    // In a short window the form scrolls so that the field being edited stays above the
    // navigation bar, with room to spare.
    void theEditedFieldStaysAboveTheNavigationBar_data() {
        QTest::addColumn<QStringList>("path"); // tapped first, then reached with Next
        QTest::newRow("tap on a low field") << QStringList{"d8"};
        QTest::newRow("Next down the notation") << QStringList{"d7", "next"};
        QTest::newRow("back up with Previous") << QStringList{"d8", "previous"};
    }
    void theEditedFieldStaysAboveTheNavigationBar() {
        QFETCH(QStringList, path);
        ScreenDriver screen(*settings_, {390, 480});
        QVERIFY(screen.loaded());
        for (const QString& step : path) {
            if (step == "next" || step == "previous") {
                screen.tap(step + "Button");
            } else {
                // Scroll so that the field sits at the bottom edge of the form, where the
                // navigation bar will cover it.
                QQuickItem* field = screen.item(step);
                QQuickItem* flickable = screen.item("scrollView");
                const qreal top =
                    field
                        ->mapToItem(flickable->property("contentItem").value<QQuickItem*>(),
                                    QPointF())
                        .y();
                flickable->setProperty("contentY", top + field->height() + 2 - flickable->height());
                screen.tap(step);
            }
        }
        QQuickItem* field = screen.item(screen.editingField());
        QVERIFY(field);
        QQuickItem* bar = screen.item("navigationBar");
        QVERIFY(bar->isVisible());
        const qreal fieldBottom = field->mapToScene(QPointF(0, field->height())).y();
        const qreal fieldTop = field->mapToScene(QPointF()).y();
        const qreal barTop = bar->mapToScene(QPointF()).y();
        const qreal formTop = screen.item("scrollView")->mapToScene(QPointF()).y();
        QVERIFY2(
            fieldBottom + 10 <= barTop,
            qPrintable(
                QStringLiteral("field ends at %1, bar starts at %2").arg(fieldBottom).arg(barTop)));
        QVERIFY(fieldTop >= formTop);
    }

    void tabAndBacktabMoveTheFocus() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d1", "45");
        screen.key(Qt::Key_Tab);
        QCOMPARE(screen.editingField(), QString("m1"));
        QCOMPARE(screen.text("d1"), "45" + kDeg);
        screen.key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(screen.editingField(), QString("d1"));
    }

    void clearEmptiesTheFormAndKeepsTheHemispheres() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d7", "48.8583701");
        screen.tap("doneButton");
        screen.tap("c1_1");
        screen.session().view().setAccuracyText("12 m");
        QCOMPARE(screen.text("accuracyLabel"), QString("12 m"));

        screen.tap("clearButton");
        for (const auto& f : quorvane::kFields)
            QCOMPARE(screen.text(QString::fromLatin1(f.name.data(), f.name.size())), QString());
        QCOMPARE(screen.text("accuracyLabel"), QString());
        QCOMPARE(screen.selectorIndex("c1"), 1);
        QCOMPARE(screen.selectorIndex("c7"), 1);
    }

    // Keyboards get digits for whole numbers, a number pad with separators for the rest, and
    // never predictive text; nothing but the filter limits what a field takes.
    void keyboardHintsFollowTheFieldKinds_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("wholeNumber");
        for (const char* f : {"d1", "m1", "d2", "m2", "d3", "d4"})
            QTest::newRow(f) << f << true;
        for (const char* f : {"s1", "s2", "m3", "m4", "d5", "d6", "d7", "d8"})
            QTest::newRow(f) << f << false;
    }
    void keyboardHintsFollowTheFieldKinds() {
        QFETCH(QString, field);
        QFETCH(bool, wholeNumber);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        const QQuickItem* item = screen.item(field);
        QVERIFY(item);
        const auto hints = item->property("inputMethodHints").value<Qt::InputMethodHints>();
        QCOMPARE(hints, (wholeNumber ? Qt::ImhDigitsOnly : Qt::ImhFormattedNumbersOnly) |
                            Qt::ImhNoPredictiveText);
        QCOMPARE(item->property("validator").value<QObject*>(), nullptr);
        QCOMPARE(item->property("inputMask").toString(), QString());
    }

    // A refused change leaves text, cursor and selection exactly as they were.
    void refusedInputChangesNothing_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");  // typed first, accepted
        QTest::addColumn<QString>("select"); // "all" selects everything before the action
        QTest::addColumn<QString>("action"); // "type:X", "paste:X", "commit:X"
        QTest::newRow("letter into d1") << "d1"
                                        << ""
                                        << ""
                                        << "type:a";
        QTest::newRow("point into d1") << "d1"
                                       << "45"
                                       << ""
                                       << "type:.";
        QTest::newRow("comma into d1") << "d1"
                                       << "45"
                                       << ""
                                       << "type:,";
        QTest::newRow("fourth digit into d1") << "d1"
                                              << "456"
                                              << ""
                                              << "type:7";
        QTest::newRow("third digit into m1") << "m1"
                                             << "12"
                                             << ""
                                             << "type:3";
        QTest::newRow("minus into d7") << "d7"
                                       << ""
                                       << ""
                                       << "type:-";
        QTest::newRow("second separator into s1") << "s1"
                                                  << "12.3"
                                                  << ""
                                                  << "type:,";
        QTest::newRow("12.5 pasted into d1") << "d1"
                                             << ""
                                             << ""
                                             << "paste:12.5";
        QTest::newRow("12.5 pasted over 45 in d1") << "d1"
                                                   << "45"
                                                   << "all"
                                                   << "paste:12.5";
        QTest::newRow("12.5 pasted into s1") << "s1"
                                             << ""
                                             << ""
                                             << "paste:12.5";
        QTest::newRow("digit and letter pasted") << "m3"
                                                 << ""
                                                 << ""
                                                 << "paste:1a";
        QTest::newRow("letter from the input method") << "d1"
                                                      << "4"
                                                      << ""
                                                      << "commit:a";
        QTest::newRow("separator from the input method") << "m1"
                                                         << "4"
                                                         << ""
                                                         << "commit:.";
        QTest::newRow("12.5 from the input method over 45") << "d1"
                                                            << "45"
                                                            << "all"
                                                            << "commit:12.5";
        QTest::newRow("twelfth unit into d5") << "d5"
                                              << "123.1234567"
                                              << ""
                                              << "type:8";
    }
    void refusedInputChangesNothing() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, select);
        QFETCH(QString, action);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto(field, typed);
        QCOMPARE(screen.text(field), typed);
        QQuickItem& item = *screen.item(field);
        if (select == "all") QMetaObject::invokeMethod(&item, "selectAll");
        const EditSnapshot before = snapshot(item);

        perform(screen, item, action);

        const EditSnapshot after = snapshot(item);
        QVERIFY2(after == before,
                 qPrintable("before " + describe(before) + ", after " + describe(after)));
        QCOMPARE(screen.editingField(), field);
    }

    void acceptedInputChangesTheText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("select");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("result");
        QTest::newRow("three digits pasted into m3") << "m3"
                                                     << ""
                                                     << ""
                                                     << "paste:123"
                                                     << "123";
        QTest::newRow("separator typed into s1") << "s1"
                                                 << "12"
                                                 << ""
                                                 << "type:."
                                                 << "12.";
        QTest::newRow("comma typed into d5") << "d5"
                                             << "12"
                                             << ""
                                             << "type:,"
                                             << "12,";
        QTest::newRow("digit from the input method") << "d1"
                                                     << "4"
                                                     << ""
                                                     << "commit:5"
                                                     << "45";
        QTest::newRow("digits pasted over a selection") << "d1"
                                                        << "45"
                                                        << "all"
                                                        << "paste:12"
                                                        << "12";
        QTest::newRow("ten digits into d5") << "d5"
                                            << "123456789"
                                            << ""
                                            << "type:0"
                                            << "1234567890";
        QTest::newRow("twelve-unit limit reached in d5") << "d5"
                                                         << "123.123456"
                                                         << ""
                                                         << "type:7"
                                                         << "123.1234567";
    }
    void acceptedInputChangesTheText() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, select);
        QFETCH(QString, action);
        QFETCH(QString, result);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto(field, typed);
        QQuickItem& item = *screen.item(field);
        if (select == "all") QMetaObject::invokeMethod(&item, "selectAll");
        perform(screen, item, action);
        QCOMPARE(screen.text(field), result);
    }

    // X11's middle-button paste goes through the filter too: "12.5" is refused whole, digits
    // are taken. Only where the platform has a primary selection.
    void middleClickPasteIsFiltered_data() {
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QString>("result");
        QTest::newRow("12.5 refused") << "12.5"
                                      << "4";
        QTest::newRow("digits taken") << "56"
                                      << "456";
    }
    void middleClickPasteIsFiltered() {
        QFETCH(QString, primary);
        QFETCH(QString, result);
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard->supportsSelection())
            QSKIP("this platform has no primary selection (run under X11 for this case)");
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d1", "4");
        clipboard->setText(primary, QClipboard::Selection);
        QTRY_COMPARE(clipboard->text(QClipboard::Selection), primary);
        QQuickItem* field = screen.item("d1");
        const QPointF end = field->mapToScene(QPointF(field->width() - 4, field->height() / 2));
        QTest::mouseClick(&screen.window(), Qt::MiddleButton, Qt::NoModifier, end.toPoint());
        QCOMPARE(screen.text("d1"), result);
        // The field still answers ordinary input afterwards.
        screen.key(Qt::Key_Backspace);
        QCOMPARE(screen.text("d1"), result.left(result.size() - 1));
    }

    // A field that shows 45° after a conversion: a further digit would make 4 units.
    void convertedTextCountsTowardsTheLimit() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d1", "45");
        screen.tap("doneButton");
        screen.tap("d1");
        screen.key(Qt::Key_End);
        screen.type("6");
        QCOMPARE(screen.text("d1"), "45" + kDeg);
        screen.key(Qt::Key_Backspace);
        QCOMPARE(screen.text("d1"), QString("45"));
        screen.type("6");
        QCOMPARE(screen.text("d1"), QString("456"));
    }

    // Every one of the fourteen fields is guarded.
    void everyFieldRefusesALetter_data() {
        QTest::addColumn<QString>("field");
        for (const auto& f : quorvane::kFields)
            QTest::newRow(f.name.data()) << QString::fromLatin1(f.name.data(), f.name.size());
    }
    void everyFieldRefusesALetter() {
        QFETCH(QString, field);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto(field, "1x2");
        QCOMPARE(screen.text(field), QString("12"));
    }

private:
    static void perform(ScreenDriver& screen, QQuickItem& item, const QString& action) {
        const QString kind = action.section(':', 0, 0);
        const QString text = action.section(':', 1);
        if (kind == "type") {
            screen.type(text);
        } else if (kind == "paste") {
            QGuiApplication::clipboard()->setText(text);
            screen.keySequence(QKeySequence(QKeySequence::Paste));
        } else if (kind == "commit") {
            commitFromInputMethod(item, text);
        } else {
            QFAIL(qPrintable("unknown action " + action));
        }
    }

    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(ConverterScreenTest);
#include "converter_screen_test.moc"
