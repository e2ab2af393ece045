// The screen on a phone: what each field asks of the on-screen keyboard, and controls a finger
// can hit on every page at 360×720.
#include "screen_driver.h"
#include "ui_test.h"

#include <QAccessible>
#include <QInputMethodQueryEvent>
#include <QtTest>

using namespace quorvane;
using namespace quorvane::uitest;

namespace {

constexpr WindowSize kSmallPhone{360, 720};
// The smallest side of a control a finger hits reliably, in logical pixels.
constexpr double kTouchSide = 44;

// What the input method learns from the field, as the platform asks it.
QString keyboardOf(QQuickItem& field) {
    QInputMethodQueryEvent query(Qt::ImHints | Qt::ImEnterKeyType);
    QCoreApplication::sendEvent(&field, &query);
    return QStringLiteral("hints 0x%1, enter %2")
        .arg(query.value(Qt::ImHints).toInt(), 0, 16)
        .arg(query.value(Qt::ImEnterKeyType).toInt());
}

QString keyboardOf(Qt::InputMethodHints hints, Qt::EnterKeyType enter) {
    return QStringLiteral("hints 0x%1, enter %2").arg(hints.toInt(), 0, 16).arg(int(enter));
}

// The visible controls under the item smaller than a fingertip, as "name WxH".
QStringList tooSmallToTouch(QQuickItem* item, QStringList found = {}) {
    static const QList<QAccessible::Role> kControls{QAccessible::Button, QAccessible::EditableText,
                                                    QAccessible::RadioButton, QAccessible::CheckBox,
                                                    QAccessible::ListItem};
    if (!item->isVisible()) return found;
    const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(item);
    if (face && kControls.contains(face->role()) &&
        (item->width() < kTouchSide || item->height() < kTouchSide))
        found << QStringLiteral("%1 %2x%3").arg(item->objectName()).arg(item->width()).arg(
                     item->height());
    for (QQuickItem* child : item->childItems())
        found = tooSmallToTouch(child, found);
    return found;
}

} // namespace

class PhoneScreenTest : public QObject {
    Q_OBJECT

private slots:
    // Digits for whole numbers, a number pad for decimals, capitals for the grid references,
    // never predictive text; the Enter key is named Next where the editing bar leads on and Done
    // where it ends.
    void keyboardsFollowTheFieldKinds() {
        const auto whole = Qt::ImhDigitsOnly | Qt::ImhNoPredictiveText;
        const auto decimal = Qt::ImhFormattedNumbersOnly | Qt::ImhNoPredictiveText;
        const auto grid = Qt::ImhPreferUppercase | Qt::ImhLatinOnly | Qt::ImhNoPredictiveText;
        const struct {
            const char* field;
            Qt::InputMethodHints hints;
            Qt::EnterKeyType enter;
        } expected[] = {
            {"d1", whole, Qt::EnterKeyNext},       {"m1", whole, Qt::EnterKeyNext},
            {"s1", decimal, Qt::EnterKeyNext},     {"m2", whole, Qt::EnterKeyNext},
            {"s2", decimal, Qt::EnterKeyDone},     {"d3", whole, Qt::EnterKeyNext},
            {"m4", decimal, Qt::EnterKeyDone},     {"d5", decimal, Qt::EnterKeyNext},
            {"d6", decimal, Qt::EnterKeyDone},     {"d8", decimal, Qt::EnterKeyDone},
            {"mgrs", grid, Qt::EnterKeyDone},      {"maidenhead", grid, Qt::EnterKeyDone},
        };
        SettingsFolder settings;
        ScreenDriver screen(settings, kSmallPhone);
        QVERIFY(screen.loaded());
        for (const auto& e : expected) {
            QQuickItem* field = screen.item(e.field);
            QVERIFY2(field, e.field);
            QCOMPARE(e.field + (": " + keyboardOf(*field)),
                     e.field + (": " + keyboardOf(e.hints, e.enter)));
        }
    }

    // The converter (also while a field is edited, with its bar), the settings, the maps picker
    // and the grid references' page.
    void everyControlTakesAFingertip() {
        SettingsFolder settings;
        ScreenDriver screen(settings, kSmallPhone);
        QVERIFY(screen.loaded());
        QStringList small;
        const auto check = [&screen, &small](const char* page) {
            screen.settle();
            for (const QString& control : tooSmallToTouch(screen.window().contentItem()))
                small << page + (": " + control);
        };
        screen.tap("d8");
        check("converter, editing");
        screen.tapBackground();
        screen.tap("settingsButton");
        QVERIFY(screen.showsPage("settingsPage"));
        check("settings");
        screen.tap("defaultMapsAppRow");
        QVERIFY(screen.showsPage("defaultMapsPage"));
        check("maps picker");
        screen.tap("defaultMapsBackButton");
        QVERIFY(screen.showsPage("settingsPage"));
        screen.tap("gridReferencesRow");
        QVERIFY(screen.showsPage("gridReferencesPage"));
        check("grid references");
        QVERIFY2(small.isEmpty(), qPrintable(small.join(u'\n')));
    }
};

QUORVANE_UI_TEST(PhoneScreenTest);
#include "phone_screen_test.moc"
