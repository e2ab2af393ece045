// The keystroke filter on a real Qt Quick text field.
//
// Qt Quick has no hook that runs before a TextInput changes its text, so the gate watches the
// field's events instead. For every event that would change the text it works out the change
// the field is about to make, as one proposal (a range of the current text in UTF-16 code units
// and its replacement), and asks the decider. A refused event is swallowed: the text, cursor and
// selection stay exactly as they were.
//
// Events that change a TextInput's text, and how they become a proposal:
//   typed text (KeyPress with printable text)     the selection, or the cursor, by the text
//   Backspace / Delete                            the selection, or the character before/after
//   word and line deletes (Ctrl+Backspace, ...)   the span the cursor move would select
//   Cut                                           the selection, or the character after it
//   Paste, Shift+Insert                           the selection, or the cursor, by the clipboard
//   InputMethod (commit, replacement)             selection removed, then the replacement range
//                                                 relative to the cursor, then the commit string
//   middle-button release (X11 primary selection) the cursor, by the selection clipboard
// Undo and Redo only return the field to texts it held earlier in the same edit and pass.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QEvent;
class QQuickItem;

namespace quorvane::qt {

// What the gate reads of a field before an event.
struct EditState {
    QString text;
    int cursor = 0;
    int selectionStart = 0;
    int selectionEnd = 0;
    QString preedit; // uncommitted input-method text, not part of `text`

    bool hasSelection() const { return selectionStart < selectionEnd; }
};

// One proposed change: `length` UTF-16 code units from `start` become `replacement`.
struct TextProposal {
    int start = 0;
    int length = 0;
    QString replacement;

    QString appliedTo(const QString& text) const;
    friend bool operator==(const TextProposal&, const TextProposal&) = default;
};

EditState editStateOf(const QQuickItem& field);

// The change the field will make when it handles `event`; none for events that change no text.
std::optional<TextProposal> proposalFor(const QEvent& event, const EditState& state);

enum class GateVerdict : unsigned char { pass, block };

class KeystrokeGate final : public QObject {
    Q_OBJECT
public:
    // Asked once per proposed change, before the field applies it.
    using Decider =
        std::function<GateVerdict(QQuickItem& field, const EditState&, const TextProposal&)>;

    explicit KeystrokeGate(Decider decider, QObject* parent = nullptr);

    // Starts judging the field's input; the gate must outlive the field or be destroyed first.
    void watch(QQuickItem& field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Decider decider_;
};

} // namespace quorvane::qt
