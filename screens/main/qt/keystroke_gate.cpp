#include "keystroke_gate.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QQuickItem>
#include <QTextLayout>
#include <algorithm>

namespace quorvane::qt {

namespace {

// A span [start, end) of the current text.
struct Span {
    int start = 0;
    int end = 0;
};

TextProposal replaceSpan(Span span, QString replacement) {
    return {span.start, span.end - span.start, std::move(replacement)};
}

Span selectionOrCursor(const EditState& s) {
    return s.hasSelection() ? Span{s.selectionStart, s.selectionEnd} : Span{s.cursor, s.cursor};
}

// Cursor stops as the field's own text layout computes them (graphemes, or words).
int nextCursorStop(const QString& text, int position, QTextLayout::CursorMode mode) {
    const QTextLayout layout(text);
    return layout.nextCursorPosition(position, mode);
}

int previousCursorStop(const QString& text, int position, QTextLayout::CursorMode mode) {
    const QTextLayout layout(text);
    return layout.previousCursorPosition(position, mode);
}

// Backspace without a selection removes the code unit before the cursor, or a whole surrogate
// pair.
Span beforeCursor(const EditState& s) {
    if (s.cursor <= 0) return {0, 0};
    int start = s.cursor - 1;
    if (start > 0 && s.text.at(start).isLowSurrogate() && s.text.at(start - 1).isHighSurrogate())
        --start;
    return {start, s.cursor};
}

// Delete without a selection removes up to the next grapheme boundary.
Span afterCursor(const EditState& s) {
    return {s.cursor, nextCursorStop(s.text, s.cursor, QTextLayout::SkipCharacters)};
}

Span selectionOrAfterCursor(const EditState& s) {
    return s.hasSelection() ? Span{s.selectionStart, s.selectionEnd} : afterCursor(s);
}

// A selecting cursor move keeps the selection's far end as its anchor; the span between the
// anchor and the new cursor position is what a word delete removes.
Span selectingMove(const EditState& s, int newCursor) {
    int anchor = s.cursor;
    if (s.hasSelection()) anchor = s.cursor == s.selectionStart ? s.selectionEnd : s.selectionStart;
    return {std::min(anchor, newCursor), std::max(anchor, newCursor)};
}

// The field inserts typed text for exactly these key events (printable text, not a Ctrl chord).
bool insertsTypedText(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty()) return false;
    const QChar first = text.at(0);
    if (first.category() == QChar::Other_Format) return true;
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    if (first.isPrint() || first.category() == QChar::Other_PrivateUse) return true;
    return first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate();
}

QString clipboardText(QClipboard::Mode mode) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text(mode) : QString();
}

std::optional<TextProposal> keyProposal(const QKeyEvent& key, const EditState& s) {
    if (key.key() == Qt::Key_Enter || key.key() == Qt::Key_Return) return std::nullopt;
    if (key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
        key.matches(QKeySequence::SelectAll) || key.matches(QKeySequence::Copy))
        return std::nullopt;
    if (key.matches(QKeySequence::Paste)) {
        const QString pasted = clipboardText(QClipboard::Clipboard);
        if (pasted.isEmpty() && !s.hasSelection()) return std::nullopt;
        return replaceSpan(selectionOrCursor(s), pasted);
    }
    if (key.matches(QKeySequence::Cut)) return replaceSpan(selectionOrAfterCursor(s), {});
    if (key.matches(QKeySequence::DeleteEndOfLine))
        return replaceSpan({s.cursor, static_cast<int>(s.text.size())}, {});
    if (key.matches(QKeySequence::DeleteStartOfWord))
        return replaceSpan(
            selectingMove(s, previousCursorStop(s.text, s.cursor, QTextLayout::SkipWords)), {});
    if (key.matches(QKeySequence::DeleteEndOfWord))
        return replaceSpan(
            selectingMove(s, nextCursorStop(s.text, s.cursor, QTextLayout::SkipWords)), {});
    if (key.matches(QKeySequence::DeleteCompleteLine))
        return replaceSpan({0, static_cast<int>(s.text.size())}, {});
    if (key.matches(QKeySequence::Delete)) return replaceSpan(selectionOrAfterCursor(s), {});
    if (key.key() == Qt::Key_Backspace) {
        if (key.modifiers() & Qt::ControlModifier) {
            // Selects back to the word start, then deletes like Delete.
            const Span selected =
                selectingMove(s, previousCursorStop(s.text, s.cursor, QTextLayout::SkipWords));
            if (selected.start < selected.end) return replaceSpan(selected, {});
            return replaceSpan(afterCursor(s), {});
        }
        return replaceSpan(
            s.hasSelection() ? Span{s.selectionStart, s.selectionEnd} : beforeCursor(s), {});
    }
    if (insertsTypedText(key)) return replaceSpan(selectionOrCursor(s), key.text());
    return std::nullopt;
}

// An input-method event: any input removes the selection first; then the replacement range,
// relative to the cursor, gives way to the commit string. The result is returned as the one
// span of the original text that changes.
std::optional<TextProposal> inputMethodProposal(const QInputMethodEvent& im, const EditState& s) {
    const bool givesInput = !im.commitString().isEmpty() || im.preeditString() != s.preedit ||
                            im.replacementLength() > 0;
    if (!givesInput) return std::nullopt;

    QString text = s.text;
    int cursor = s.cursor;
    Span removedSelection{cursor, cursor};
    if (s.hasSelection()) {
        removedSelection = {s.selectionStart, s.selectionEnd};
        text.remove(s.selectionStart, s.selectionEnd - s.selectionStart);
        cursor = s.selectionStart;
    }
    const int length = static_cast<int>(text.size());
    const int start = std::clamp(cursor + im.replacementStart(), 0, length);
    const int end = std::min(start + im.replacementLength(), length);
    text.replace(start, end - start, im.commitString());

    // Map the replaced span back onto the original text and join it with the selection.
    const int removed = removedSelection.end - removedSelection.start;
    const auto toOriginal = [&](int p) { return p <= removedSelection.start ? p : p + removed; };
    const int first =
        removed > 0 ? std::min(removedSelection.start, toOriginal(start)) : toOriginal(start);
    const int last =
        removed > 0 ? std::max(removedSelection.end, toOriginal(end)) : toOriginal(end);
    const int tail = static_cast<int>(s.text.size()) - last;
    return TextProposal{first, last - first,
                        text.mid(first, static_cast<int>(text.size()) - tail - first)};
}

std::optional<TextProposal> middleClickProposal(const QMouseEvent& mouse, const EditState& s) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (mouse.button() != Qt::MiddleButton || !clipboard || !clipboard->supportsSelection())
        return std::nullopt;
    const QString pasted = clipboardText(QClipboard::Selection);
    if (pasted.isEmpty()) return std::nullopt;
    return TextProposal{s.cursor, 0, pasted};
}

} // namespace

QString TextProposal::appliedTo(const QString& text) const {
    QString result = text;
    result.replace(start, length, replacement);
    return result;
}

EditState editStateOf(const QQuickItem& field) {
    return {field.property("text").toString(), field.property("cursorPosition").toInt(),
            field.property("selectionStart").toInt(), field.property("selectionEnd").toInt(),
            field.property("preeditText").toString()};
}

std::optional<TextProposal> proposalFor(const QEvent& event, const EditState& state) {
    std::optional<TextProposal> proposal;
    switch (event.type()) {
    case QEvent::KeyPress:
        proposal = keyProposal(static_cast<const QKeyEvent&>(event), state);
        break;
    case QEvent::InputMethod:
        proposal = inputMethodProposal(static_cast<const QInputMethodEvent&>(event), state);
        break;
    case QEvent::MouseButtonRelease:
        proposal = middleClickProposal(static_cast<const QMouseEvent&>(event), state);
        break;
    default:
        break;
    }
    // Replacing nothing by nothing (a word delete that selects no text) changes nothing.
    if (proposal && proposal->length == 0 && proposal->replacement.isEmpty()) return std::nullopt;
    return proposal;
}

KeystrokeGate::KeystrokeGate(Decider decider, QObject* parent)
    : QObject(parent), decider_(std::move(decider)) {}

void KeystrokeGate::watch(QQuickItem& field) {
    field.installEventFilter(this);
}

bool KeystrokeGate::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::InputMethod &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto* field = qobject_cast<QQuickItem*>(watched);
    if (!field || field->property("readOnly").toBool()) return false;

    const EditState state = editStateOf(*field);
    const std::optional<TextProposal> proposal = proposalFor(*event, state);
    if (!proposal || decider_(*field, state, *proposal) == GateVerdict::pass) return false;

    // Refused: the field never sees the event. An input method that was composing is told to
    // start over, so its uncommitted text does not linger.
    if (type == QEvent::InputMethod && !state.preedit.isEmpty())
        if (QInputMethod* inputMethod = QGuiApplication::inputMethod()) inputMethod->reset();
    event->accept();
    return true;
}

} // namespace quorvane::qt
