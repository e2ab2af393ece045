// The keystroke gate predicts what a Qt Quick text field is about to do with an event. This
// oracle keeps the prediction honest: with a gate that accepts everything, the proposal applied
// to the text before the event must give exactly the text Qt produced, and an event for which
// the gate proposes nothing must leave the text alone. It runs over typed keys, deletes, cut,
// paste and input-method commits, on a plain TextInput (what the screen's fields are) and on a
// Controls TextField, so a Qt upgrade that changes their behaviour fails here.
#include "screens/main/qt/keystroke_gate.h"
#include "ui_test.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

using quorvane::qt::EditState;
using quorvane::qt::GateVerdict;
using quorvane::qt::KeystrokeGate;
using quorvane::qt::TextProposal;

namespace {

// The event of one step, sent to the window (keys) or the field (input method).
using Action = std::function<void(QQuickWindow&, QQuickItem&)>;

Action keys(QKeySequence::StandardKey standard) {
    return [standard](QQuickWindow& window, QQuickItem&) {
        QTest::keySequence(&window, QKeySequence(standard));
    };
}

Action key(Qt::Key code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return [code, modifiers](QQuickWindow& window, QQuickItem&) {
        QTest::keyClick(&window, code, modifiers);
    };
}

Action typed(const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return [text, modifiers](QQuickWindow& window, QQuickItem&) {
        QTest::sendKeyEvent(QTest::Press, &window, Qt::Key_unknown, text, modifiers);
        QTest::sendKeyEvent(QTest::Release, &window, Qt::Key_unknown, text, modifiers);
    };
}

Action inputMethod(const QString& commit, int replaceFrom, int replaceLength,
                   const QString& preedit = {}) {
    return [=](QQuickWindow&, QQuickItem& field) {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit, replaceFrom, replaceLength);
        QCoreApplication::sendEvent(&field, &event);
    };
}

// X11's middle-button paste of the primary selection, at the end of the field.
Action middleClick() {
    return [](QQuickWindow& window, QQuickItem& field) {
        const QPointF end = field.mapToScene(QPointF(field.width() - 4, field.height() / 2));
        QTest::mouseClick(&window, Qt::MiddleButton, Qt::NoModifier, end.toPoint());
    };
}

struct Step {
    QString text;      // the field's text before the event
    int anchor;        // selection anchor ...
    int cursor;        // ... and cursor (equal: no selection)
    QString clipboard; // what a paste (or a middle-button paste) would insert
    Action action;
    bool changesText; // whether Qt changes the text (checked, so the oracle tests something)
};

} // namespace

Q_DECLARE_METATYPE(Step)

class KeystrokeOracleTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QQmlComponent component(&engine_);
        component.setData(R"(
            import QtQuick
            import QtQuick.Controls.Basic
            Window {
                width: 300; height: 80; visible: true
                Column {
                    TextInput { objectName: "TextInput"; width: 280; height: 30 }
                    TextField { objectName: "TextField"; width: 280 }
                }
            })",
                          QUrl());
        window_.reset(qobject_cast<QQuickWindow*>(component.create()));
        QVERIFY2(window_, qPrintable(component.errorString()));
        gate_ = std::make_unique<KeystrokeGate>(
            [this](QQuickItem&, const EditState&, const TextProposal& proposal) {
                proposals_.push_back(proposal);
                return GateVerdict::pass;
            });
        for (const char* kind : {"TextInput", "TextField"}) {
            auto* field = window_->findChild<QQuickItem*>(kind);
            QVERIFY(field);
            gate_->watch(*field);
        }
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanupTestCase() {
        gate_.reset();
        window_.reset();
    }

    void proposalReproducesQt_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Step>("step");
        for (const char* kind : {"TextInput", "TextField"})
            addSteps(QString::fromLatin1(kind));
    }

    void proposalReproducesQt() {
        QFETCH(QString, kind);
        QFETCH(Step, step);
        QQuickItem* field = window_->findChild<QQuickItem*>(kind);
        QVERIFY(field);
        field->forceActiveFocus();
        QVERIFY(field->hasActiveFocus());
        field->setProperty("text", step.text);
        QMetaObject::invokeMethod(field, "select", Q_ARG(int, step.anchor),
                                  Q_ARG(int, step.cursor));
        QCOMPARE(field->property("cursorPosition").toInt(), step.cursor);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(step.clipboard);
        if (clipboard->supportsSelection()) { // after the select(), which sets it as well
            clipboard->setText(step.clipboard, QClipboard::Selection);
            QTRY_COMPARE(clipboard->text(QClipboard::Selection), step.clipboard);
        }
        proposals_.clear();

        step.action(*window_, *field);

        const QString after = field->property("text").toString();
        QCOMPARE(after != step.text, step.changesText);
        QVERIFY2(proposals_.size() <= 1, "one event, one proposal");
        if (proposals_.empty()) {
            QCOMPARE(after, step.text);
        } else {
            const TextProposal& p = proposals_.front();
            QVERIFY2(p.appliedTo(step.text) == after,
                     qPrintable(QStringLiteral("proposal %1+%2 '%3' gives '%4', Qt made '%5'")
                                    .arg(p.start)
                                    .arg(p.length)
                                    .arg(p.replacement, p.appliedTo(step.text), after)));
        }
        // Leave no uncommitted input-method text for the next step.
        QInputMethodEvent clear;
        QCoreApplication::sendEvent(field, &clear);
    }

private:
    static void addSteps(const QString& kind) {
        const auto row = [&kind](const char* name) {
            return &(QTest::newRow(qPrintable(kind + ": " + name)) << kind);
        };
        const QString pair = QString::fromUtf8("1\xF0\x9F\x98\x80"
                                               "2");        // 1, an emoji, 2
        const QString accent = QStringLiteral("1e\u03012"); // e + combining acute
        *row("digit at the end") << Step{"12", 2, 2, {}, typed("3"), true};
        *row("digit in the middle") << Step{"12", 1, 1, {}, typed("5"), true};
        *row("digit over a selection") << Step{"12345", 1, 4, {}, typed("9"), true};
        *row("digit over a backward selection") << Step{"12345", 4, 1, {}, typed("9"), true};
        *row("letter") << Step{"12", 2, 2, {}, typed("a"), true};
        *row("AltGr character") << Step{
            "1", 1, 1, {}, typed("@", Qt::ControlModifier | Qt::AltModifier), true};
        *row("Ctrl+letter inserts nothing")
            << Step{"12", 2, 2, {}, typed("q", Qt::ControlModifier), false};
        *row("Backspace") << Step{"123", 3, 3, {}, key(Qt::Key_Backspace), true};
        *row("Backspace at the start") << Step{"123", 0, 0, {}, key(Qt::Key_Backspace), false};
        *row("Backspace over a selection") << Step{"12345", 1, 3, {}, key(Qt::Key_Backspace), true};
        *row("Backspace after a surrogate pair")
            << Step{pair, 3, 3, {}, key(Qt::Key_Backspace), true};
        *row("Delete") << Step{"123", 1, 1, {}, key(Qt::Key_Delete), true};
        *row("Delete at the end") << Step{"123", 3, 3, {}, key(Qt::Key_Delete), false};
        *row("Delete before a surrogate pair") << Step{pair, 1, 1, {}, key(Qt::Key_Delete), true};
        *row("Delete before a combining accent")
            << Step{accent, 1, 1, {}, key(Qt::Key_Delete), true};
        *row("Delete over a selection") << Step{"12345", 3, 1, {}, key(Qt::Key_Delete), true};
        *row("delete word backwards")
            << Step{"12.5 678", 8, 8, {}, keys(QKeySequence::DeleteStartOfWord), true};
        *row("delete word backwards with a selection")
            << Step{"12 345 678", 5, 9, {}, keys(QKeySequence::DeleteStartOfWord), true};
        *row("delete word forwards")
            << Step{"12 345", 0, 0, {}, keys(QKeySequence::DeleteEndOfWord), true};
        *row("delete word forwards with a selection")
            << Step{"12 345 678", 4, 7, {}, keys(QKeySequence::DeleteEndOfWord), true};
        // The word end after the cursor is the selection's anchor: nothing is selected.
        *row("delete word forwards up to the anchor")
            << Step{"12 345 678", 7, 4, {}, keys(QKeySequence::DeleteEndOfWord), false};
        *row("Ctrl+Backspace") << Step{
            "12 345", 6, 6, {}, key(Qt::Key_Backspace, Qt::ControlModifier), true};
        *row("cut a selection") << Step{"12345", 1, 3, {}, keys(QKeySequence::Cut), true};
        *row("cut without a selection") << Step{"12345", 2, 2, {}, keys(QKeySequence::Cut), true};
        *row("paste at the cursor") << Step{"12", 1, 1, "345", keys(QKeySequence::Paste), true};
        *row("paste over a selection") << Step{"12345", 1, 4, "9", keys(QKeySequence::Paste), true};
        *row("paste of 12.5") << Step{"", 0, 0, "12.5", keys(QKeySequence::Paste), true};
        *row("paste of nothing over a selection")
            << Step{"12345", 1, 4, "", keys(QKeySequence::Paste), true};
        *row("paste of nothing") << Step{"12", 1, 1, "", keys(QKeySequence::Paste), false};
        *row("Shift+Insert pastes")
            << Step{"12", 2, 2, "7", key(Qt::Key_Insert, Qt::ShiftModifier), true};
        *row("commit") << Step{"12", 2, 2, {}, inputMethod("3", 0, 0), true};
        *row("commit over a selection") << Step{"12345", 1, 3, {}, inputMethod("9", 0, 0), true};
        *row("commit replacing the character before the cursor")
            << Step{"123", 3, 3, {}, inputMethod("9", -1, 1), true};
        *row("commit replacing after the cursor")
            << Step{"12345", 1, 1, {}, inputMethod("9", 1, 2), true};
        *row("commit replacing a range beyond the start")
            << Step{"123", 1, 1, {}, inputMethod("9", -3, 2), true};
        *row("commit replacing next to a selection")
            << Step{"12345", 2, 3, {}, inputMethod("9", -1, 1), true};
        *row("replacement without commit") << Step{"12345", 3, 3, {}, inputMethod("", -2, 2), true};
        *row("preedit over a selection removes it")
            << Step{"12345", 1, 3, {}, inputMethod("", 0, 0, "7"), true};
        *row("commit with a new preedit")
            << Step{"12", 2, 2, {}, inputMethod("3", 0, 0, "4"), true};
        *row("Return") << Step{"12", 2, 2, {}, key(Qt::Key_Return), false};
        *row("cursor moves") << Step{"12", 2, 2, {}, key(Qt::Key_Left), false};
        *row("select all") << Step{"12", 2, 2, {}, keys(QKeySequence::SelectAll), false};
        *row("copy") << Step{"12", 0, 2, {}, keys(QKeySequence::Copy), false};
        // Only where the platform has a primary selection (run under X11 for these).
        if (!QGuiApplication::clipboard()->supportsSelection()) return;
        *row("middle-button paste") << Step{"12", 2, 2, "34", middleClick(), true};
        *row("middle-button paste with a selection")
            << Step{"12345", 1, 5, "9", middleClick(), true};
        *row("middle-button paste of 12.5") << Step{"", 0, 0, "12.5", middleClick(), true};
    }

    QQmlEngine engine_;
    std::unique_ptr<QQuickWindow> window_;
    std::unique_ptr<KeystrokeGate> gate_;
    std::vector<TextProposal> proposals_;
};

QUORVANE_UI_TEST(KeystrokeOracleTest);
#include "keystroke_oracle_test.moc"
