#include "qt_copy_confirmation.h"

#include "main_screen.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

namespace quorvane::qt {

namespace {

// The fade-out normally ends the alert; should it not run (a window that is not drawn), the
// alert is removed this long after the fade began.
constexpr int kFadeOutLimitMilliseconds = 500;

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void QtCopyConfirmation::showCopied(std::string_view title, std::string_view line) {
    QQuickItem* page = screen_.page();
    if (!page) return;
    screen_.announceCopy(title, line);
    // Over the whole window, so the alert is centred on what the user sees.
    QQuickItem* host = page->window() ? page->window()->contentItem() : page;
    QObject* alert =
        component_.create(*page, {{QStringLiteral("parent"), QVariant::fromValue(host)},
                                  {QStringLiteral("title"), qtText(title)},
                                  {QStringLiteral("message"), qtText(line)}});
    if (!alert) return;
    alert->setParent(host);
    QObject::connect(alert, SIGNAL(dismissed()), alert, SLOT(deleteLater()));

    auto* timer = new QTimer(alert);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, alert, [alert] {
        QMetaObject::invokeMethod(alert, "dismiss");
        QTimer::singleShot(kFadeOutLimitMilliseconds, alert, &QObject::deleteLater);
    });
    timer->start(kShownMilliseconds);
}

} // namespace quorvane::qt
