#include "qt_services.h"

#include "translator_keys.h"

#include <QByteArray>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLocale>
#include <QString>
#include <QUrl>

namespace quorvane::qt {

namespace {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::string QtNumberFormat::decimalSeparator() const {
    return QLocale().decimalPoint().toStdString();
}

void QtClipboard::setText(std::string_view text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(qtText(text));
}

void QtUrlOpener::openUrl(std::string_view url) {
    // The URL arrives already percent-encoded by the output texts.
    const QByteArray encoded(url.data(), static_cast<qsizetype>(url.size()));
    // No handler for the scheme, or none could be started: at least the log tells.
    if (!QDesktopServices::openUrl(QUrl::fromEncoded(encoded, QUrl::StrictMode)))
        qWarning("quorvane: no application could open %s", encoded.constData());
}

std::string QtTranslator::translate(std::string_view key) const {
    const QByteArray source(key.data(), static_cast<qsizetype>(key.size()));
    return QCoreApplication::translate(kTranslatorContext, source.constData()).toStdString();
}

} // namespace quorvane::qt
