// The share sheet of the desktop: ShareSheet.qml hanging from the share button, offering the
// entries of kShareActions (copy the text, the link or both, open the link, send it by e-mail).
//
// On Android and iOS a native share sheet takes the two items instead: implement ShareSheet
// there with the platform's share intent or activity sheet and hand it to MainViewController in
// place of this class; nothing else changes.
#pragma once

#include "actions/share_actions.h"
#include "page_component.h"

#include <QObject>
#include <QPointer>
#include <QQuickItem>

namespace quorvane::qt {

class MainScreen;

class QtShareSheet final : public QObject, public ShareSheet {
    Q_OBJECT

public:
    QtShareSheet(const MainScreen& screen, const ShareServices& services);

    // Opens the sheet for the two items (replacing what an open sheet offered).
    void share(std::string_view text, std::string_view url) override;

    // The items of the last share() call.
    const ShareItems& items() const { return items_; }

public slots:
    // An entry of the sheet was chosen (by its name in kShareActions).
    void choose(const QString& name);

private:
    QObject* sheetFor(QQuickItem& page, QQuickItem& anchor);

    const MainScreen& screen_;
    ShareServices services_;
    ShareItems items_;
    PageComponent component_{"ShareSheet.qml"};
    QPointer<QObject> sheet_;
    QPointer<QQuickItem> anchor_;
};

} // namespace quorvane::qt
