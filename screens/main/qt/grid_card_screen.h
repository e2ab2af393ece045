// The grid card's bridge between QML and GridCard.
//
// QML reaches it as the singleton `GridCardScreen` of the module Quorvane.Main; the rows of
// GridReferencesCard.qml call copy() and done(). After the converter page is attached to
// MainScreen, attach() finds the card's controls among the page's named items: the fields utm,
// mgrs, pluscode and maidenhead, their rows (utmRow, ...) and the card (card_grid). It shows the
// card's texts on them, puts a KeystrokeGate on each field, and tells GridCard when a field loses
// the focus (the user left it: Tab, Return, a tap beside, another field, Done).
#pragma once

#include "screens/main/grid_card.h"

#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QStringList>
#include <QtQml/qqmlregistration.h>
#include <array>
#include <vector>

class QJSEngine;
class QQmlEngine;

namespace quorvane::qt {

class KeystrokeGate;
class MainScreen;

class GridCardScreen final : public QObject, public GridCardView {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    // Whether a reference field is being edited (the page then shows its Done bar).
    Q_PROPERTY(bool editing READ editing NOTIFY editingChanged)

public:
    // The screen shows the card's messages and knows the page; it must outlive this bridge.
    explicit GridCardScreen(MainScreen& screen);
    ~GridCardScreen() override;

    static GridCardScreen* create(QQmlEngine* qmlEngine, QJSEngine* jsEngine);
    static void provideTo(QQmlEngine& engine, GridCardScreen& screen);

    // The card and the translator outlive the bridge.
    void connectCard(GridCard& card, const Translator& translator);
    // Finds the card's controls on the attached page; the names of those missing.
    QStringList attach();
    // Forgets the controls (before the page goes away); a field being edited is left first.
    void detach();

    // ---- Called from QML ----
    // system: "utm", "mgrs", "pluscode" or "maidenhead".
    Q_INVOKABLE void copy(const QString& system);
    // Return in a field, and MainScreen's Done: the reference field being edited is left.
    Q_INVOKABLE void done();
    // Escape in a field: it gets back the reference the card wrote, and is left.
    Q_INVOKABLE void cancel();

    bool editing() const;

    // ---- GridCardView ----
    std::string text(grid::GridSystem system) const override;
    void setText(grid::GridSystem system, std::string_view text) override;
    void setReason(grid::GridSystem system, std::string_view reason) override;
    void setVisibility(grid::GridSystem system, grid::Visibility visibility) override;
    // Shown in the row, under its field (the row's "message").
    void showMessage(grid::GridSystem system, std::string_view message) override;

signals:
    void editingChanged();

private:
    QQuickItem* field(grid::GridSystem system) const;
    // The field's spoken name with the reference it shows (not while it is typed in: the reader
    // echoes the keys).
    void refreshSpokenName(grid::GridSystem system);

    MainScreen& screen_;
    GridCard* card_ = nullptr;
    const Translator* translator_ = nullptr;
    KeystrokeGate* gate_ = nullptr; // child of this
    std::array<QPointer<QQuickItem>, grid::kGridSystemCount> fields_{};
    std::array<QPointer<QQuickItem>, grid::kGridSystemCount> rows_{};
    std::array<std::string, grid::kGridSystemCount> plainNames_{};
    std::array<grid::Visibility, grid::kGridSystemCount> visibility_{};
    QPointer<QQuickItem> cardItem_;
    std::vector<QMetaObject::Connection> connections_;
};

} // namespace quorvane::qt
