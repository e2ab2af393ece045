// The converter screen driven through its real controls: the ways an edit ends (Escape too),
// Previous and
// Next, the conversions that follow, Clear, the keyboards, and the keystroke filter on keys,
// pastes and input-method commits.
#include "screen_driver.h"
#include "ui_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QWindow>
#include <QtTest>
#include <map>

using namespace quorvane::uitest;

namespace {

// What a field shows and where its cursor and selection are.
QString snapshot(const QQuickItem& field) {
    QStringList state;
    for (const char* property : {"text", "cursorPosition", "selectionStart", "selectionEnd"})
        state << field.property(property).toString();
    return state.join(u' ');
}

} // namespace

class ConverterScreenTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<SettingsFolder>(); }

    // Steps: a field's name taps it, "next" and "done" tap those buttons, "background" the
    // form beside the fields, "below" the empty area below the cards of a desktop window
    // taller than the form; "return", "tab" and "backtab" are keys, anything else is typed.
    void editingEndsAndConverts_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected"); // name=text
        QTest::addColumn<QString>("editing");      // the field being edited at the end
        const QStringList dms{"d1", "45", "next", "30", "next", "15"};
        const QStringList converted{"d1=45\u00b0", "s1=15.0\"", "d7=45.5041667"};
        for (const char* ending : {"done", "background", "below", "return"})
            QTest::newRow(ending) << dms + QStringList{ending} << converted << "";
        QTest::newRow("tab") << QStringList{"d1", "45", "tab"} << QStringList{"d1=45\u00b0"}
                             << "m1";
        QTest::newRow("backtab") << QStringList{"d1", "45", "tab", "backtab"}
                                 << QStringList{"d1=45\u00b0"} << "d1";
        // Escape puts back the text from before the edit and converts nothing.
        QTest::newRow("escape") << QStringList{"d1", "45", "done", "d1", "7", "escape"}
                                << QStringList{"d1=45\u00b0", "d3=45\u00b0", "d7="} << "";
    }
    void editingEndsAndConverts() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        QFETCH(QString, editing);
        ScreenDriver screen(*settings_, quorvane::WindowSize{1024, 768});
        QVERIFY(screen.loaded());
        const std::map<QString, Qt::Key> keys{{"return", Qt::Key_Return},
                                              {"tab", Qt::Key_Tab},
                                              {"backtab", Qt::Key_Backtab},
                                              {"escape", Qt::Key_Escape}};
        for (const QString& step : steps) {
            if (step == "background")
                screen.tapBackground();
            else if (step == "below") // just above the navigation bar, beside the cards
                QTest::mouseClick(
                    &screen.window(), Qt::LeftButton, {},
                    QPoint(10,
                           int(screen.item("navigationBar")->mapToScene({}).y()) - 10));
            else if (keys.count(step))
                screen.key(keys.at(step), step == "backtab" ? Qt::ShiftModifier : Qt::NoModifier);
            else if (quorvane::fieldFromName(step.toStdString()))
                screen.tap(step);
            else if (screen.item(step + "Button"))
                screen.tap(step + "Button");
            else
                screen.type(step);
        }
        QCOMPARE(screen.editingField(), editing);
        QCOMPARE(screen.shown("navigationBar"), !editing.isEmpty());
        QCOMPARE(screen.mismatches(expected), QString());
    }

    // Previous and Next follow the notation's chain and are hidden at its ends.
    void previousAndNextFollowTheChains() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        const char* moves[][3] = {{"d1", "previousButton", ""},
                                  {"d1", "nextButton", "m1"},
                                  {"m3", "previousButton", "d3"},
                                  {"d8", "nextButton", ""}};
        for (const auto& [field, button, target] : moves) {
            screen.tap(field);
            QCOMPARE(screen.shown(button), *target != '\0');
            if (*target == '\0') continue;
            screen.tap(button);
            QCOMPARE(screen.editingField(), QString(target));
        }
    }

    // Keys typed convert nothing; switching to another window and back leaves the edit alone,
    // the keys still going to the field.
    void windowActivationLeavesTheEditAlone() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.typeInto("d1", "45");
        QCOMPARE(screen.text("d7"), QString());
        QWindow other;
        other.resize(100, 100);
        other.show();
        other.requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        screen.window().requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&screen.window()));
        QCOMPARE(screen.editingField(), QStringLiteral("d1"));
        screen.type("6");
        QCOMPARE(screen.text("d1"), QStringLiteral("456"));
    }

    void clearEmptiesTheFormAndKeepsTheHemispheres() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        screen.set({"d7=48.8583701", "d8=2.5"});
        screen.tap("c1_1");
        screen.session().view().setAccuracyText("12 m");
        screen.tap("clearButton");
        QStringList empty{"accuracyLabel="};
        for (const auto& f : quorvane::kFields)
            empty << qtName(f.name) + '=';
        QCOMPARE(screen.mismatches(empty), QString());
        QCOMPARE(screen.selectorIndex("c7"), 1);
    }

    // Digits for whole numbers, a number pad with separators for the rest, never predictive
    // text; nothing but the filter limits what a field takes: a letter typed is dropped. A
    // paste or an input-method commit over the selected text: a refused one leaves text,
    // cursor and selection exactly as they were, an accepted one replaces the selection.
    void theFilterAloneGuardsTheFields() {
        ScreenDriver screen(*settings_);
        QVERIFY(screen.loaded());
        for (const QString field : {"s1", "d1"}) {
            const QQuickItem* item = screen.item(field);
            QCOMPARE(item->property("inputMethodHints").value<Qt::InputMethodHints>(),
                     (field == "d1" ? Qt::ImhDigitsOnly : Qt::ImhFormattedNumbersOnly) |
                         Qt::ImhNoPredictiveText);
            QCOMPARE(item->property("validator").value<QObject*>(), nullptr);
            QCOMPARE(item->property("inputMask").toString(), QString());
            screen.typeInto(field, "1x2");
            QCOMPARE(screen.text(field), QString("12"));
        }
        QQuickItem& field = *screen.item("d1");
        const struct {
            const char* paste; // nullptr for an input-method commit
            const char* commit;
            const char* result; // nullptr when refused
        } edits[] = {{"12.5", nullptr, nullptr}, {nullptr, "a", nullptr}, {nullptr, "7", "7"}};
        for (const auto& edit : edits) {
            QMetaObject::invokeMethod(&field, "selectAll");
            const QString before = snapshot(field);
            if (edit.paste) {
                QGuiApplication::clipboard()->setText(edit.paste);
                screen.keySequence(QKeySequence(QKeySequence::Paste));
            } else {
                QInputMethodEvent event;
                event.setCommitString(edit.commit);
                QCoreApplication::sendEvent(&field, &event);
            }
            QCOMPARE(edit.result ? screen.text("d1") : snapshot(field),
                     edit.result ? QString(edit.result) : before);
        }
        QCOMPARE(screen.editingField(), QStringLiteral("d1"));
    }

private:
    std::unique_ptr<SettingsFolder> settings_;
};

QUORVANE_UI_TEST(ConverterScreenTest);
#include "converter_screen_test.moc"
