#include "grid_card_screen.h"

#include "field_keyboards.h"
#include "keystroke_gate.h"
#include "main_screen.h"
#include "screens/main/accessible_names.h"
#include "screens/qt/engine_singleton.h"

#include <QJSEngine>
#include <QQmlEngine>
#include <algorithm>

namespace quorvane::qt {

namespace {

constexpr const char* kCardName = "card_grid";
constexpr const char* kRowSuffix = "Row";

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string_view utf16View(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

std::optional<grid::GridSystem> systemNamed(const QString& name) {
    const QByteArray latin = name.toLatin1();
    const std::string_view wanted(latin.constData(), static_cast<std::size_t>(latin.size()));
    for (const grid::GridSystemInfo& s : grid::gridSystems())
        if (s.name == wanted) return s.id;
    return std::nullopt;
}

std::size_t at(grid::GridSystem system) {
    return static_cast<std::size_t>(system);
}

} // namespace

GridCardScreen::GridCardScreen(MainScreen& screen) : screen_(screen) {
    // MainScreen's Done (the bar's button and a tap beside the fields) leaves a reference too.
    connect(&screen_, &MainScreen::doneRequested, this, &GridCardScreen::done);
}

GridCardScreen::~GridCardScreen() {
    detach();
}

GridCardScreen* GridCardScreen::create(QQmlEngine* qmlEngine, QJSEngine*) {
    return providedBy<GridCardScreen>(qmlEngine);
}

void GridCardScreen::provideTo(QQmlEngine& engine, GridCardScreen& screen) {
    provideToEngine(engine, screen);
}

void GridCardScreen::connectCard(GridCard& card, const Translator& translator) {
    card_ = &card;
    translator_ = &translator;
    gate_ = new KeystrokeGate(
        [this](QQuickItem& item, const EditState& state, const TextProposal& proposal) {
            const auto system = systemNamed(item.objectName());
            if (!card_ || !system) return GateVerdict::block;
            const Utf16Range range{static_cast<std::size_t>(proposal.start),
                                   static_cast<std::size_t>(proposal.length)};
            return card_->shouldChangeCharacters(*system, utf16View(state.text), range,
                                                 utf16View(proposal.replacement)) ==
                           FilterDecision::accept
                       ? GateVerdict::pass
                       : GateVerdict::block;
        },
        this);
}

QStringList GridCardScreen::attach() {
    detach();
    QStringList missing;
    cardItem_ = screen_.outlet(QLatin1String(kCardName));
    if (!cardItem_) missing << QLatin1String(kCardName);
    const auto names = translator_ ? gridAccessibleNames(*translator_) : std::vector<ControlName>{};
    for (const grid::GridSystemInfo& s : grid::gridSystems()) {
        const QString name = qtText(s.name);
        QQuickItem* item = screen_.outlet(name);
        rows_[at(s.id)] = screen_.outlet(name + QLatin1String(kRowSuffix));
        if (!item) {
            missing << name;
            continue;
        }
        fields_[at(s.id)] = item;
        item->setProperty("placeholderText", qtText(s.example));
        // A reference is one field: its Enter key ends the edit.
        askForKeyboard(*item, KeyboardKind::gridReference, Qt::EnterKeyDone);
        if (gate_) gate_->watch(*item);
        const grid::GridSystem system = s.id;
        connections_.push_back(
            connect(item, &QQuickItem::activeFocusChanged, this, [this, system](bool hasFocus) {
                if (!hasFocus && card_) card_->editingEnded(system);
                if (!hasFocus) refreshSpokenName(system);
                emit editingChanged();
            }));
    }
    for (const ControlName& control : names)
        if (QQuickItem* item = screen_.outlet(QString::fromStdString(control.objectName)))
            item->setProperty("accessibleName", QString::fromStdString(control.name));
    for (const grid::GridSystemInfo& s : grid::gridSystems()) {
        const auto control = std::find_if(names.begin(), names.end(), [&](const ControlName& c) {
            return c.objectName == s.name;
        });
        plainNames_[at(s.id)] = control == names.end() ? std::string(s.name) : control->name;
        refreshSpokenName(s.id);
    }
    return missing;
}

void GridCardScreen::detach() {
    for (const auto& connection : connections_)
        disconnect(connection);
    connections_.clear();
    fields_.fill(nullptr);
    rows_.fill(nullptr);
    cardItem_ = nullptr;
}

void GridCardScreen::copy(const QString& system) {
    if (const auto s = systemNamed(system); s && card_) screen_.showOutcome(card_->copy(*s));
}

void GridCardScreen::cancel() {
    for (const grid::GridSystemInfo& s : grid::gridSystems())
        if (QQuickItem* item = field(s.id); item && item->hasActiveFocus() && card_)
            card_->cancelEditing(s.id);
    done();
}

void GridCardScreen::done() {
    for (const grid::GridSystemInfo& s : grid::gridSystems()) {
        QQuickItem* item = field(s.id);
        if (!item || !item->hasActiveFocus()) continue;
        // The focus goes on to the row's Copy button, the next control that does not edit:
        // dropped, it would fall to the window, and Tab would start over at the top.
        QQuickItem* copy = screen_.outlet(QLatin1String("copy_") + qtText(s.name));
        if (copy && copy->isVisible())
            copy->forceActiveFocus(Qt::OtherFocusReason);
        else
            item->setFocus(false, Qt::OtherFocusReason);
    }
}

void GridCardScreen::refreshSpokenName(grid::GridSystem system) {
    QQuickItem* item = field(system);
    if (!item || item->hasActiveFocus() || !translator_) return;
    item->setProperty("accessibleName",
                      qtText(nameWithValue(plainNames_[at(system)], text(system), *translator_)));
}

bool GridCardScreen::editing() const {
    return std::any_of(fields_.begin(), fields_.end(), [](const QPointer<QQuickItem>& item) {
        return item && item->hasActiveFocus();
    });
}

QQuickItem* GridCardScreen::field(grid::GridSystem system) const {
    return fields_[at(system)];
}

std::string GridCardScreen::text(grid::GridSystem system) const {
    const QQuickItem* item = field(system);
    return item ? item->property("text").toString().toStdString() : std::string();
}

void GridCardScreen::setText(grid::GridSystem system, std::string_view text) {
    if (QQuickItem* item = field(system)) item->setProperty("text", qtText(text));
    refreshSpokenName(system);
}

void GridCardScreen::setReason(grid::GridSystem system, std::string_view reason) {
    if (QQuickItem* item = field(system))
        item->setProperty("placeholderText",
                          qtText(reason.empty() ? grid::info(system).example : reason));
}

void GridCardScreen::setVisibility(grid::GridSystem system, grid::Visibility visibility) {
    visibility_[at(system)] = visibility;
    if (QQuickItem* row = rows_[at(system)]) row->setVisible(visibility == grid::Visibility::shown);
    const bool any = std::any_of(visibility_.begin(), visibility_.end(),
                                 [](grid::Visibility v) { return v == grid::Visibility::shown; });
    if (cardItem_) cardItem_->setVisible(any);
}

void GridCardScreen::showMessage(grid::GridSystem system, std::string_view message) {
    QQuickItem* row = rows_[at(system)];
    if (!row) return;
    const QString text = qtText(message);
    if (row->property("message").toString() == text) return;
    row->setProperty("message", text);
    if (!text.isEmpty()) screen_.announce(text);
}

} // namespace quorvane::qt
