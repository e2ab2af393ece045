// List models that show the settings screen and the default-maps picker in QML. Each wraps its
// platform-free controller: rows, texts and checkmarks come from the controller, and the page's
// taps go straight back to it.
#pragma once

#include "screens/settings/default_maps_view_controller.h"
#include "screens/settings/grid_references_view_controller.h"
#include "screens/settings/settings_view_controller.h"

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

namespace quorvane::qt {

class SettingsTableModel final : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Provided by SettingsScreen")
    // What the last tap has to tell the user (a page that could not be opened); "" for nothing.
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)

public:
    enum Role : int {
        TitleRole = Qt::UserRole + 1,
        DetailRole,
        DisclosureRole, // bool: the row leads to another page
        RowNameRole,    // objectName of the row's item
    };
    Q_ENUM(Role)

    explicit SettingsTableModel(SettingsViewController& controller, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The page is about to show: the maps row's detail follows the current choice.
    Q_INVOKABLE void refresh();
    Q_INVOKABLE void select(int row);
    QString message() const { return message_; }

signals:
    void defaultMapsPickerRequested();
    void gridReferencesRequested();
    void messageChanged();

private:
    SettingsViewController& controller_;
    QString message_;
};

class DefaultMapsTableModel final : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Provided by SettingsScreen")

public:
    enum Role : int {
        TitleRole = Qt::UserRole + 1,
        CheckmarkRole, // bool: the row carries the checkmark
        RowNameRole,
    };
    Q_ENUM(Role)

    explicit DefaultMapsTableModel(DefaultMapsViewController& controller,
                                   QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void reload();
    Q_INVOKABLE void select(int row);
    Q_INVOKABLE void deselect(int row);

signals:
    // The user picked an application (also when it already was the default).
    void defaultMapsAppChosen();

private:
    void redrawAll();

    DefaultMapsViewController& controller_;
};

// The grid-references list: the same roles as the maps picker; a tap toggles the row's mark.
class GridReferencesTableModel final : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Provided by SettingsScreen")

public:
    enum Role : int {
        TitleRole = Qt::UserRole + 1,
        CheckmarkRole,
        RowNameRole,
    };
    Q_ENUM(Role)

    explicit GridReferencesTableModel(GridReferencesViewController& controller,
                                      QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    Q_INVOKABLE void reload();
    Q_INVOKABLE void select(int row);

private:
    GridReferencesViewController& controller_;
};

} // namespace quorvane::qt
