// The converter screen driven through its real controls: typing, Previous / Next / Done,
// background taps, Return and Tab, the conversions that follow, Clear, and the keystroke filter
// on keys, pastes and input-method commits.
#include "screen_driver.h"
#include "ui_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QWindow>
#include <QtTest>

using namespace quorvane::uitest;

namespace {

// What a field shows and where its cursor and selection are.
QString snapshot(const QQuickItem& field) {
    return QStringLiteral("'%1' cursor %2 selection %3..%4")
        .arg(field.property("text").toString())
        .arg(field.property("cursorPosition").toInt())
        .arg(field.property("selectionStart").toInt())
        .arg(field.property("selectionEnd").toInt());
}

// An edit on a field that holds `typed` (all of it selected when `selectAll`): "type:X",
// "paste:X" or "commit:X" (from the input method). `result` is null when the filter refuses.
struct Edit {
    const char* name;
    const char* field;
    const char* typed;
    bool selectAll;
    const char* action;
    const char* result;
};
constexpr Edit kEdits[] = {
    {"letter into d1", "d1", "", false, "type:a", nullptr},
    {"12.5 pasted into d1", "d1", "", false, "paste:12.5", nullptr},
    {"12.5 pasted over 45 in d1", "d1", "45", true, "paste:12.5", nullptr},
    {"letter from the input method", "d1", "4", false, "commit:a", nullptr},
    {"12.5 from the input method over 45", "d1", "45", true, "commit:12.5", nullptr},
    {"three digits pasted into m3", "m3", "", false, "paste:123", "123"},
    {"digit from the input method", "d1", "4", false, "commit:5", "45"},
};

void perform(ScreenDriver& screen, QQuickItem& item, const QString& action) {
    const QString kind = action.section(':', 0, 0);
    const QString text = action.section(':', 1);
    if (kind == "type") {
        screen.type(text);
    } else if (kind == "paste") {
        QGuiApplication::clipboard()->setText(text);
        screen.keySequence(QKeySequence(QKeySequence::Paste));
    } else {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(&item, &event);
    }
}

} // namespace

class ConverterScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<SettingsFolder>(); }

    // Steps: a field's name taps it and empties it, "next", "previous", "done" and "background"
    // tap those, "return", "tab" and "backtab" are keys, anything else is typed.
    void editingEndsAndConverts_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected"); // name=text
        QTest::addColumn<QString>("editing");      // the field being edited at the end
        const QStringList dms{"d1", "45", "next", "30", "next", "15"};
        const QStringList dmsConverted{"d1=45\u00b0",  "m1=30'",    "s1=15.0\"",
                                       "d3=45\u00b0",  "m3=30.25'", "d5=45.5041667\u00b0",
                                       "d7=45.5041667"};
        for (const char* ending : {"done", "background", "return"})
            QTest::newRow(qPrintable(QString("45 Next 30 Next 15, %1").arg(ending)))
                << dms + QStringList{ending} << dmsConverted << "";
        QTest::newRow("Tab") << QStringList{"d1", "45", "tab"} << QStringList{"d1=45\u00b0"}
                             << "m1";
        QTest::newRow("Backtab") << QStringList{"d1", "45", "tab", "backtab"}
                                 << QStringList{"d1=45\u00b0"} << "d1";
    }
    void editingEndsAndConverts() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        QFETCH(QString, editing);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        for (const QString& step : steps) {
            if (screen.item(step) && quorvane::fieldFromName(step.toStdString())) {
                screen.tap(step);
                screen.key(Qt::Key_A, Qt::ControlModifier);
                screen.key(Qt::Key_Backspace);
            } else if (QStringList{"next", "previous", "done"}.contains(step)) {
                screen.tap(step + "Button");
            } else if (step == "background") {
                screen.tapBackground();
            } else if (step == "return" || step == "tab" || step == "backtab") {
                const bool back = step == "backtab";
                screen.key(back            ? Qt::Key_Backtab
                           : step == "tab" ? Qt::Key_Tab
                                           : Qt::Key_Return,
                           back ? Qt::ShiftModifier : Qt::NoModifier);
            } else {
                screen.type(step);
            }
        }
        QCOMPARE(screen.editingField(), editing);
        QCOMPARE(screen.shown("navigationBar"), !editing.isEmpty());
        QCOMPARE(screen.mismatches(expected), QString());
    }

    // Previous and Next follow each notation's chain, never wrap and never leave the notation.
    void previousAndNextFollowTheChains_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("previous"); // "" when there is no Previous button
        QTest::addColumn<QString>("next");
        const char* chains[][3] = {
            {"d1", "", "m1"}, {"m1", "d1", "s1"}, {"m3", "d3", "d4"}, {"d8", "d7", ""},
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
        const std::pair<QString, QString> moves[] = {{"nextButton", next},
                                                     {"previousButton", previous}};
        for (const auto& [button, target] : moves) {
            screen.tap(field);
            QCOMPARE(screen.item(button)->isVisible(), !target.isEmpty());
            if (target.isEmpty()) continue;
            screen.tap(button);
            QCOMPARE(screen.editingField(), target);
        }
    }

    // Keys typed convert nothing; each end of editing converts once, the field left ending
    // before the field reached begins.
    void typingConvertsOnlyWhenEditingEnds() {
        QStringList events; // outlives the screen, whose end ends the last edit as well
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        auto& bridge = screen.session().screen();
        connect(&bridge, &quorvane::qt::MainScreen::fieldEditingEnded, this, [&](const QString& f) {
            events << f + " ends: " + screen.text("d7") + "/" + screen.text("d8");
        });
        connect(&bridge, &quorvane::qt::MainScreen::fieldEditingBegan, this,
                [&](const QString& f) { events << "begin " + f; });
        screen.typeInto("d5", "45.5041667");
        QCOMPARE(screen.text("d7"), QString());
        screen.tap("nextButton");
        screen.type("2.5");
        screen.tap("d8");
        QCOMPARE(screen.session().controller().form().activeField(),
                 std::optional(quorvane::FieldId::d8));
        screen.tapBackground();
        screen.tapBackground(); // nothing is being edited: nothing happens
        QCOMPARE(events,
                 (QStringList{"begin d5", "d5 ends: 45.5041667/", "begin d6",
                              "d6 ends: 45.5041667/2.5", "begin d8", "d8 ends: 45.5041667/2.5"}));
    }

    // In a desktop window taller than the form, a click on the empty area below the cards or on
    // the title bar ends the edit like a tap beside the fields.
    void aClickBesideTheFormEndsTheEdit() {
        ScreenDriver screen(*settings_, quorvane::WindowSize{1024, 768});
        QVERIFY(screen.loaded());
        screen.typeInto("d1", "45");
        screen.settle();
        const QQuickItem* bar = screen.item("navigationBar");
        const QQuickItem* actions = screen.item("clearButton");
        const qreal belowCards = bar->mapToScene({0, 0}).y() - 10;
        QVERIFY(belowCards > actions->mapToScene({0, actions->height()}).y() + 20);
        QTest::mouseClick(&screen.window(), Qt::LeftButton, {},
                          QPoint(screen.window().width() / 2, int(belowCards)));
        QCOMPARE(screen.editingField(), QString());
        QCOMPARE(screen.text("d1"), QStringLiteral("45\u00b0"));
    }

    // From 320 pixels wide, every converted text fits its field and every card title shows
    // whole.
    void aNarrowPhoneShowsWholeTextsAndTitles() {
        ScreenDriver screen(*settings_, quorvane::WindowSize{320, 700});
        QVERIFY(screen.loaded());
        QVERIFY(screen.session().openPosition("48.8583701, 179.2944813"));
        screen.settle();
        for (const quorvane::FieldInfo& f : quorvane::kFields) {
            const QQuickItem* field = screen.item(qtName(f.name));
            const qreal room = field->width() - field->property("leftPadding").toReal() -
                               field->property("rightPadding").toReal();
            QVERIFY2(field->property("contentWidth").toReal() <= room, f.name.data());
        }
        for (const quorvane::NotationInfo& n : quorvane::kNotations)
            QVERIFY2(!screen.item("title_" + qtName(n.name))->property("truncated").toBool(),
                     n.name.data());

    }

    // Switching to another window and back neither ends nor begins the edit: no conversion
    // runs, and nothing stops a current-location request.
    void windowActivationLeavesTheEditAlone() {
        QStringList events;
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        auto& bridge = screen.session().screen();
        connect(&bridge, &quorvane::qt::MainScreen::fieldEditingEnded, this,
                [&](const QString& f) { events << "end " + f; });
        connect(&bridge, &quorvane::qt::MainScreen::fieldEditingBegan, this,
                [&](const QString& f) { events << "begin " + f; });
        screen.typeInto("d1", "45");
        QWindow other;
        other.resize(100, 100);
        other.show();
        other.requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!screen.window().isActive());
        screen.window().requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&screen.window()));
        QCOMPARE(events, QStringList{"begin d1"});
        QCOMPARE(screen.editingField(), QStringLiteral("d1"));
        QCOMPARE(screen.text("d1"), QStringLiteral("45"));
        screen.type("6");
        QCOMPARE(screen.text("d1"), QStringLiteral("456")); // the keys still go to the field
    }

    // In a short window the form scrolls so that the field being edited stays above the
    // navigation bar, with room to spare.
    void theEditedFieldStaysAboveTheNavigationBar_data() {
        QTest::addColumn<QStringList>("path"); // tapped first, then reached with Next
        QTest::newRow("tap on a low field") << QStringList{"d8"};
        QTest::newRow("Next down the notation") << QStringList{"d7", "next"};
    }
    void theEditedFieldStaysAboveTheNavigationBar() {
        QFETCH(QStringList, path);
        ScreenDriver screen(*settings_, {390, 480});
        QVERIFY(screen.loaded());
        QQuickItem* flickable = screen.item("scrollView");
        // Scroll so that the tapped field sits at the bottom edge of the form, where the
        // navigation bar will cover it.
        QQuickItem* tapped = screen.item(path[0]);
        const auto* content = flickable->property("contentItem").value<QQuickItem*>();
        const qreal top = tapped->mapToItem(content, QPointF()).y();
        flickable->setProperty("contentY", top + tapped->height() + 2 - flickable->height());
        screen.tap(path[0]);
        if (path.size() > 1) screen.tap(path[1] + "Button");

        QQuickItem* field = screen.item(screen.editingField());
        QVERIFY(field);
        QQuickItem* bar = screen.item("navigationBar");
        QVERIFY(bar->isVisible());
        const qreal fieldBottom = field->mapToScene(QPointF(0, field->height())).y();
        const qreal barTop = bar->mapToScene(QPointF()).y();
        QVERIFY2(
            fieldBottom + 10 <= barTop,
            qPrintable(QStringLiteral("field ends at %1, bar at %2").arg(fieldBottom).arg(barTop)));
        QVERIFY(field->mapToScene(QPointF()).y() >= flickable->mapToScene(QPointF()).y());
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
        QStringList empty{"accuracyLabel="};
        for (const auto& f : quorvane::kFields)
            empty << qtName(f.name) + '=';
        QCOMPARE(screen.mismatches(empty), QString());
        QCOMPARE(screen.selectorIndex("c1"), 1);
        QCOMPARE(screen.selectorIndex("c7"), 1);
    }

    // Keyboards get digits for whole numbers, a number pad with separators for the rest, and
    // never predictive text; nothing but the filter limits what a field takes: a letter typed
    // between digits is dropped in every field.
    void everyFieldIsGuarded_data() {
        QTest::addColumn<QString>("field");
        for (const char* field : {"d1", "s1", "d8"})
            QTest::newRow(field) << QString(field);
    }
    void everyFieldIsGuarded() {
        QFETCH(QString, field);
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        const QQuickItem* item = screen.item(field);
        QVERIFY(item);
        const bool wholeNumber = QStringList{"d1", "m1", "d2", "m2", "d3", "d4"}.contains(field);
        QCOMPARE(item->property("inputMethodHints").value<Qt::InputMethodHints>(),
                 (wholeNumber ? Qt::ImhDigitsOnly : Qt::ImhFormattedNumbersOnly) |
                     Qt::ImhNoPredictiveText);
        QCOMPARE(item->property("validator").value<QObject*>(), nullptr);
        QCOMPARE(item->property("inputMask").toString(), QString());
        screen.typeInto(field, "1x2");
        QCOMPARE(screen.text(field), QString("12"));
    }

    // A refused change leaves text, cursor and selection exactly as they were; an accepted one
    // gives the expected text.
    void theFilterDecidesEachEdit_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kEdits)); ++i)
            QTest::newRow(kEdits[i].name) << i;
    }
    void theFilterDecidesEachEdit() {
        QFETCH(int, row);
        const Edit& edit = kEdits[row];
        const QString field = edit.field;
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto(field, edit.typed);
        QCOMPARE(screen.text(field), QString(edit.typed));
        QQuickItem& item = *screen.item(field);
        if (edit.selectAll) QMetaObject::invokeMethod(&item, "selectAll");
        const QString before = snapshot(item);

        perform(screen, item, edit.action);

        if (edit.result)
            QCOMPARE(screen.text(field), QString(edit.result));
        else
            QCOMPARE(snapshot(item), before);
        QCOMPARE(screen.editingField(), field);
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
        QCOMPARE(screen.text("d1"), QString("45\u00b0"));
        screen.key(Qt::Key_Backspace);
        QCOMPARE(screen.text("d1"), QString("45"));
        screen.type("6");
        QCOMPARE(screen.text("d1"), QString("456"));
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(ConverterScreenTest);
#include "converter_screen_test.moc"
