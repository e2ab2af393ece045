#include "main_screen.h"

#include "busy_indicator_accessible.h"
#include "field_keyboards.h"
#include "keystroke_gate.h"
#include "qt_form_view.h"
#include "reader_properties.h"
#include "screens/main/accessible_names.h"
#include "screens/main/main_view_controller.h"
#include "screens/qt/engine_singleton.h"

#include <QAccessible>
#include <QJSEngine>
#include <QQmlEngine>
#include <string_view>
#include <utility>

namespace quorvane::qt {

namespace {

// How long the reason an output action refused the position stays up.
constexpr int kRefusalNoticeMs = 8000;
// How long the news of a fill waits: Orca takes this long to get through the name and text
// changes of every field.
constexpr int kAfterFillMs = 600;
// How long after the window activates the reader is told the focus: its own handling of the
// activation (which takes the window for the focus) must come first.
constexpr int kAfterActivationMs = 300;
// How long after the page is loaded a screen reader that connects (Qt learns of it once the
// accessibility bus has answered) still has the focus put on the first field.
constexpr qint64 kLaunchFocusMs = 5000;

std::string_view utf8View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QString qtName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

std::u16string_view utf16View(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

std::optional<Notation> notationFromName(const QString& name) {
    const QByteArray wanted = name.toLatin1();
    for (const NotationInfo& n : kNotations)
        if (n.name == utf8View(wanted)) return n.id;
    return std::nullopt;
}

// Screen readers speak a focused control's name again whenever it is set: only a new one is.
void setIfChanged(QQuickItem& item, const char* property, const QString& value) {
    if (item.property(property).toString() != value) item.setProperty(property, value);
}

void collectNamedItems(QQuickItem& item, QHash<QString, QPointer<QQuickItem>>& found) {
    const QString name = item.objectName();
    if (!name.isEmpty() && !found.contains(name)) found.insert(name, &item);
    for (QQuickItem* child : item.childItems())
        collectNamedItems(*child, found);
}

} // namespace

// A screen reader that starts listening finds the screen's items readable, and just after the
// page was loaded still finds the focus on the first field.
class MainScreen::ReaderObserver final : public QAccessible::ActivationObserver {
public:
    explicit ReaderObserver(MainScreen& screen) : screen_(screen) {
        QAccessible::installActivationObserver(this);
    }
    ~ReaderObserver() override { QAccessible::removeActivationObserver(this); }
    ReaderObserver(const ReaderObserver&) = delete;
    ReaderObserver& operator=(const ReaderObserver&) = delete;

    void accessibilityActiveChanged(bool active) override {
        if (!active) return;
        screen_.makeWindowReadable();
        screen_.focusFirstField();
    }

private:
    MainScreen& screen_;
};

MainScreen::MainScreen(QObject* parent)
    : QObject(parent), readerObserver_(std::make_unique<ReaderObserver>(*this)) {
    installBusyIndicatorAccessible();
    noticeTimer_.setSingleShot(true);
    connect(&noticeTimer_, &QTimer::timeout, this, &MainScreen::dismissNotice);
    announcementTimer_.setSingleShot(true);
    connect(&announcementTimer_, &QTimer::timeout, this,
            [this] { speakAnnouncement(std::exchange(pendingAnnouncement_, QString())); });
}

MainScreen::~MainScreen() = default;

MainScreen* MainScreen::create(QQmlEngine* qmlEngine, QJSEngine*) {
    return providedBy<MainScreen>(qmlEngine);
}

void MainScreen::provideTo(QQmlEngine& engine, MainScreen& screen) {
    provideToEngine(engine, screen);
}

void MainScreen::connectController(MainViewController& controller, QtFormView& view) {
    controller_ = &controller;
    view_ = &view;
    gate_ = new KeystrokeGate(
        [this](QQuickItem&, const EditState& state, const TextProposal& proposal) {
            const Utf16Range range{static_cast<std::size_t>(proposal.start),
                                   static_cast<std::size_t>(proposal.length)};
            const bool accepted = controller_->shouldChangeCharacters(
                                      utf16View(state.text), range,
                                      utf16View(proposal.replacement)) == FilterDecision::accept;
            if (!accepted && proposal.replacement.size() > 1)
                emit refusedPaste(proposal.replacement);
            if (accepted) emit keystrokeAccepted();
            return accepted ? GateVerdict::pass : GateVerdict::block;
        },
        this);
}

bool MainScreen::attachPage(QQuickItem* page) {
    if (!page || !controller_ || !view_) return false;
    if (page_) releasePage();
    page_ = page;
    connect(page, &QObject::destroyed, this, &MainScreen::releasePage);
    connect(page, &QQuickItem::windowChanged, this, &MainScreen::watchWindow);
    watchWindow(page->window());

    outlets_.clear();
    collectNamedItems(*page, outlets_);
    missingOutlets_.clear();
    for (const FieldInfo& f : kFields)
        if (!outlets_.contains(qtName(f.name))) missingOutlets_ << qtName(f.name);
    for (const SelectorInfo& s : kSelectors)
        if (!outlets_.contains(qtName(s.name))) missingOutlets_ << qtName(s.name);
    for (const char* name : kScreenOutlets)
        if (!outlets_.contains(QLatin1String(name))) missingOutlets_ << QLatin1String(name);
    if (!missingOutlets_.isEmpty())
        qWarning("MainScreen: the page lacks %s", qPrintable(missingOutlets_.join(u", ")));

    wireControls();
    controller_->viewDidLoad();
    wireSpokenValues();
    showDecorations(controller_->decorations());
    if (QAccessible::isActive()) makeReadable(*page);
    sinceAttached_.start();
    focusFirstField();
    return missingOutlets_.isEmpty();
}

void MainScreen::wireControls() {
    for (const FieldInfo& f : kFields) {
        QQuickItem* item = outlets_.value(qtName(f.name));
        if (!item) continue;
        askForKeyboard(*item, keyboardFor(f.id), enterKeyFor(f.id));
        item->setProperty("placeholderText",
                          QString::fromStdString(controller_->placeholderText(f.id)));
        view_->attachField(f.id, *item);
        gate_->watch(*item);
    }
    for (const SelectorInfo& s : kSelectors)
        if (QQuickItem* item = outlets_.value(qtName(s.name))) view_->attachSelector(s.id, *item);
    if (QQuickItem* label = outlets_.value(QStringLiteral("accuracyLabel")))
        view_->attachAccuracyLabel(*label);
    // What a screen reader says for each segment and copy button; the fields and selectors
    // also say their values, which showDecorations() keeps current.
    for (const ControlName& control : accessibleNames(controller_->translator()))
        if (QQuickItem* item = outlets_.value(QString::fromStdString(control.objectName)))
            item->setProperty("accessibleName", qtText(control.name));
}

void MainScreen::wireSpokenValues() {
    if (QQuickItem* label = outlets_.value(QStringLiteral("accuracyLabel")))
        connect(label, SIGNAL(textChanged(QString)), this, SLOT(accuracyShown()));
}

void MainScreen::showDecorations(const FormDecorations& decorations) {
    if (!view_) return;
    for (const FieldInfo& f : kFields) {
        QQuickItem* item = view_->fieldItem(f.id);
        if (!item) continue;
        setIfChanged(*item, "accessibleName", qtText(decorations.fieldNames[indexOf(f.id)]));
        setIfChanged(*item, "rangeWarning", qtText(decorations.rangeWarnings[indexOf(f.id)]));
    }
    for (const SelectorInfo& c : kSelectors)
        if (QQuickItem* item = view_->selectorItem(c.id))
            setIfChanged(*item, "accessibleName", qtText(decorations.selectorNames[indexOf(c.id)]));
}

void MainScreen::accuracyShown() {
    QQuickItem* label = outlets_.value(QStringLiteral("accuracyLabel"));
    const QString accuracy = label ? label->property("text").toString() : QString();
    if (accuracy.isEmpty() || !controller_) return;
    announce(qtText(locatedAnnouncement(accuracy.toStdString(), controller_->translator())),
             AnnouncementTiming::afterFill);
}

void MainScreen::makeWindowReadable() {
    if (page_ && page_->window()) makeReadable(*page_->window()->contentItem());
}

void MainScreen::itemsAdded(QQuickItem* item) {
    if (!item) return;
    collectNamedItems(*item, outlets_);
    if (QAccessible::isActive()) makeReadable(*item);
}

void MainScreen::showWholePage() {
    if (wholePage_) return;
    wholePage_ = true;
    emit wholePageChanged();
}

void MainScreen::focusFirstField() {
    // Later a reader that (re)connects finds the focus where the user left it.
    if (!QAccessible::isActive() || !view_ || !sinceAttached_.isValid() ||
        sinceAttached_.hasExpired(kLaunchFocusMs))
        return;
    // After the window has given its initial focus and a start position has been entered (which
    // leaves the focus on the last selector), either of which would take it back.
    QTimer::singleShot(0, this, [this] {
        if (!view_ || !page_ || !page_->isVisible() || view_->editingField()) return;
        if (QQuickItem* first = view_->fieldItem(kFields.front().id))
            first->forceActiveFocus(Qt::OtherFocusReason);
    });
}

void MainScreen::watchWindow(QQuickWindow* window) {
    if (window_ == window) return;
    if (window_) window_->disconnect(this);
    window_ = window;
    if (window) connect(window, &QWindow::activeChanged, this, &MainScreen::windowActiveChanged);
}

void MainScreen::windowActiveChanged() {
    if (!window_ || !window_->isActive() || !QAccessible::isActive()) return;
    QTimer::singleShot(kAfterActivationMs, this, [this] {
        QQuickItem* focused = window_ && window_->isActive() ? window_->activeFocusItem() : nullptr;
        if (!focused || !QAccessible::isActive()) return;
        QAccessibleEvent event(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    });
}

void MainScreen::releasePage() {
    if (view_) view_->detachAll();
    outlets_.clear();
    page_ = nullptr;
    emit editingChanged();
}

QQuickItem* MainScreen::outlet(const QString& objectName) const {
    return outlets_.value(objectName);
}

void MainScreen::previousButtonAction() {
    if (controller_) controller_->previousButtonAction();
}

void MainScreen::nextButtonAction() {
    if (controller_) controller_->nextButtonAction();
}

void MainScreen::doneButtonAction() {
    if (controller_) controller_->doneButtonAction();
    emit doneRequested();
}

void MainScreen::cancelButtonAction() {
    if (controller_) controller_->cancelButtonAction();
}

void MainScreen::changeHemisphere(const QString& selectorName) {
    const auto selector = selectorFromName(utf8View(selectorName.toUtf8()));
    if (!controller_ || !selector) return;
    if (info(*selector).half == Half::latitude)
        controller_->changeNS(*selector);
    else
        controller_->changeEW(*selector);
    if (view_)
        announce(qtText(hemisphereAnnouncement(*selector, view_->selectedIndex(*selector),
                                               controller_->translator())));
}

void MainScreen::clearButtonAction() {
    if (controller_) controller_->clearButtonAction();
}

void MainScreen::copyNotation(const QString& notationName) {
    if (const auto notation = notationFromName(notationName); controller_ && notation)
        showOutcome(controller_->copyNotation(*notation));
}

void MainScreen::openMaps() {
    if (controller_) showOutcome(controller_->openMaps());
}

void MainScreen::share() {
    if (controller_) showOutcome(controller_->share());
}

void MainScreen::showOutcome(const OutputOutcome& outcome) {
    if (outcome.result == OutputResult::refused)
        showNotice(QString::fromStdString(outcome.message), kRefusalNoticeMs);
}

void MainScreen::getCurrentLocation() {
    emit currentLocationRequested();
}

void MainScreen::dismissNotice() {
    showNotice(QString());
}

void MainScreen::showNotice(const QString& text, int milliseconds, AnnouncementTiming timing) {
    noticeTimer_.stop();
    if (milliseconds > 0 && !text.isEmpty()) noticeTimer_.start(milliseconds);
    if (notice_ == text) return;
    notice_ = text;
    emit noticeChanged();
    if (!text.isEmpty()) announce(text, timing);
}

void MainScreen::announce(const QString& text, AnnouncementTiming timing) {
    announcementTimer_.stop();
    pendingAnnouncement_.clear();
    if (timing == AnnouncementTiming::afterFill) {
        pendingAnnouncement_ = text;
        announcementTimer_.start(kAfterFillMs);
        return;
    }
    speakAnnouncement(text);
}

void MainScreen::speakAnnouncement(const QString& text) {
    // Emptied first, so that the notification item hides and shows again even for the same text.
    announcement_.clear();
    emit announcementChanged();
    announcement_ = text;
    emit announcementChanged();
}

void MainScreen::announceCopy(std::string_view title, std::string_view line) {
    if (controller_) announce(qtText(copiedAnnouncement(title, line, controller_->translator())));
}

QString MainScreen::locatingName() const {
    return controller_ ? qtText(locatingAnnouncement(controller_->translator())) : QString();
}

void MainScreen::setLocationBusy(bool busy) {
    if (locationBusy_ == busy) return;
    locationBusy_ = busy;
    emit locationBusyChanged();
    if (QQuickItem* indicator = outlets_.value(QStringLiteral("getcurrentlocationindicator"));
        indicator && QAccessible::isActive()) {
        QAccessible::State changed;
        changed.busy = true;
        QAccessibleStateChangeEvent event(indicator, changed);
        QAccessible::updateAccessibility(&event);
    }
    if (busy) announce(locatingName());
}

QString MainScreen::editingField() const {
    if (!view_) return {};
    const auto field = view_->editingField();
    return field ? qtName(info(*field).name) : QString();
}

bool MainScreen::canGoPrevious() const {
    const auto field = view_ ? view_->editingField() : std::nullopt;
    return field && neighbours(*field).previous.has_value();
}

bool MainScreen::canGoNext() const {
    const auto field = view_ ? view_->editingField() : std::nullopt;
    return field && neighbours(*field).next.has_value();
}

void MainScreen::textFieldDidBeginEditing(FieldId field) {
    if (controller_) controller_->textFieldDidBeginEditing(field);
    emit editingChanged();
    emit fieldEditingBegan(qtName(info(field).name));
}

void MainScreen::textFieldDidEndEditing(FieldId field) {
    if (controller_) controller_->textFieldDidEndEditing(field);
    emit editingChanged();
    emit fieldEditingEnded(qtName(info(field).name));
}

} // namespace quorvane::qt
