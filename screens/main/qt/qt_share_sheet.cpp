#include "qt_share_sheet.h"

#include "main_screen.h"

#include <QVariantList>
#include <QVariantMap>

namespace quorvane::qt {

namespace {

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QVariantList sheetEntries(const Translator& translator) {
    QVariantList entries;
    for (const ShareSheetEntry& entry : shareSheetEntries(translator))
        entries.append(QVariantMap{{QStringLiteral("name"), qtText(entry.name)},
                                   {QStringLiteral("title"), qtText(entry.title)}});
    return entries;
}

} // namespace

QtShareSheet::QtShareSheet(const MainScreen& screen, const ShareServices& services)
    : screen_(screen), services_(services) {}

QObject* QtShareSheet::sheetFor(QQuickItem& page, QQuickItem& anchor) {
    if (sheet_ && anchor_ == &anchor) return sheet_;
    if (sheet_) sheet_->deleteLater();
    const Translator& translator = services_.translator;
    sheet_ = component_.create(
        page, {{QStringLiteral("parent"), QVariant::fromValue(&anchor)},
               {QStringLiteral("heading"), qtText(translator.translate(kShareTitleKey))},
               {QStringLiteral("cancelTitle"), qtText(translator.translate(kShareCancelKey))},
               {QStringLiteral("entries"), sheetEntries(translator)}});
    anchor_ = &anchor;
    if (!sheet_) return nullptr;
    sheet_->setParent(&anchor); // goes with the page
    nameDialog(*sheet_, qtText(translator.translate(kShareTitleKey)));
    connect(sheet_, SIGNAL(chosen(QString)), this, SLOT(choose(QString)));
    return sheet_;
}

void QtShareSheet::share(std::string_view text, std::string_view url) {
    items_ = {std::string(text), std::string(url)};
    QQuickItem* page = screen_.page();
    if (!page) return;
    QQuickItem* anchor = screen_.outlet(QStringLiteral("shareButton"));
    QObject* sheet = sheetFor(*page, anchor ? *anchor : *page);
    if (!sheet) return;
    sheet->setProperty("shareText", qtText(items_.text));
    sheet->setProperty("shareUrl", qtText(items_.url));
    QMetaObject::invokeMethod(sheet, "open");
}

void QtShareSheet::choose(const QString& name) {
    if (const auto action = shareActionFromName(name.toStdString()))
        performShareAction(*action, items_, services_);
}

} // namespace quorvane::qt
