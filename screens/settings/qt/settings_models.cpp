#include "settings_models.h"

#include <array>

namespace quorvane::qt {

namespace {

// objectNames of the rows, in the order of kSettingsRows and kMapsApps.
constexpr std::array<const char*, kSettingsRows.size()> kSettingsRowNames{
    "defaultMapsAppRow", "gridReferencesRow", "licenseAgreementRow", "privacyPolicyRow"};
constexpr std::string_view kGridRowSuffix = "GridRow"; // utmGridRow, mgrsGridRow, ...
constexpr std::array<const char*, kMapsApps.size()> kMapsRowNames{"appleMapsRow", "googleMapsRow",
                                                                  "openStreetMapRow", "wazeRow"};

QString qtText(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::optional<std::size_t> rowOf(const QModelIndex& index, std::size_t rowCount) {
    if (!index.isValid() || index.row() < 0) return std::nullopt;
    const auto row = static_cast<std::size_t>(index.row());
    return row < rowCount ? std::optional(row) : std::nullopt;
}

std::optional<std::size_t> rowOf(int row, std::size_t rowCount) {
    if (row < 0 || static_cast<std::size_t>(row) >= rowCount) return std::nullopt;
    return static_cast<std::size_t>(row);
}

} // namespace

// ---- Settings -----------------------------------------------------------------------------

constexpr std::size_t kSettingsSection = 0;

SettingsTableModel::SettingsTableModel(SettingsViewController& controller, QObject* parent)
    : QAbstractListModel(parent), controller_(controller) {}

int SettingsTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(controller_.numberOfRows(kSettingsSection));
}

QVariant SettingsTableModel::data(const QModelIndex& index, int role) const {
    const auto row = rowOf(index, controller_.numberOfRows(kSettingsSection));
    if (!row) return {};
    const TableCell cell = controller_.cellForRow({kSettingsSection, *row});
    switch (role) {
    case Qt::DisplayRole:
    case TitleRole:
        return qtText(cell.title);
    case DetailRole:
        return qtText(cell.detail);
    case DisclosureRole:
        return cell.accessory == CellAccessory::disclosureIndicator;
    case RowNameRole:
        return *row < kSettingsRowNames.size() ? QString::fromLatin1(kSettingsRowNames[*row])
                                               : QString();
    default:
        return {};
    }
}

QHash<int, QByteArray> SettingsTableModel::roleNames() const {
    return {{TitleRole, "title"},
            {DetailRole, "detail"},
            {DisclosureRole, "disclosure"},
            {RowNameRole, "rowName"}};
}

void SettingsTableModel::refresh() {
    const int rows = rowCount();
    if (rows > 0) emit dataChanged(index(0), index(rows - 1));
}

void SettingsTableModel::select(int row) {
    const auto at = rowOf(row, controller_.numberOfRows(kSettingsSection));
    if (!at) return;
    const SettingsOutcome outcome = controller_.didSelectRow({kSettingsSection, *at});
    if (const QString said = qtText(controller_.message()); said != message_) {
        message_ = said;
        emit messageChanged();
    }
    if (outcome == SettingsOutcome::showDefaultMapsPicker) emit defaultMapsPickerRequested();
    if (outcome == SettingsOutcome::showGridReferences) emit gridReferencesRequested();
}

// ---- Default maps picker ------------------------------------------------------------------

DefaultMapsTableModel::DefaultMapsTableModel(DefaultMapsViewController& controller, QObject* parent)
    : QAbstractListModel(parent), controller_(controller) {}

int DefaultMapsTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(controller_.numberOfRows());
}

QVariant DefaultMapsTableModel::data(const QModelIndex& index, int role) const {
    const auto row = rowOf(index, controller_.numberOfRows());
    if (!row) return {};
    const TableCell cell = controller_.cellForRow(*row);
    switch (role) {
    case Qt::DisplayRole:
    case TitleRole:
        return qtText(cell.title);
    case CheckmarkRole:
        return cell.accessory == CellAccessory::checkmark;
    case RowNameRole:
        return *row < kMapsRowNames.size() ? QString::fromLatin1(kMapsRowNames[*row]) : QString();
    default:
        return {};
    }
}

QHash<int, QByteArray> DefaultMapsTableModel::roleNames() const {
    return {{TitleRole, "title"}, {CheckmarkRole, "checkmark"}, {RowNameRole, "rowName"}};
}

void DefaultMapsTableModel::reload() {
    controller_.reloadData();
    redrawAll();
}

void DefaultMapsTableModel::select(int row) {
    const auto at = rowOf(row, controller_.numberOfRows());
    if (!at) return;
    controller_.didSelectRow(*at);
    redrawAll();
    emit defaultMapsAppChosen();
}

void DefaultMapsTableModel::deselect(int row) {
    const auto at = rowOf(row, controller_.numberOfRows());
    if (!at) return;
    controller_.didDeselectRow(*at);
    emit dataChanged(index(row), index(row), {CheckmarkRole});
}

void DefaultMapsTableModel::redrawAll() {
    const int rows = rowCount();
    if (rows > 0) emit dataChanged(index(0), index(rows - 1));
}

// ---- Grid references ----------------------------------------------------------------------

GridReferencesTableModel::GridReferencesTableModel(GridReferencesViewController& controller,
                                                   QObject* parent)
    : QAbstractListModel(parent), controller_(controller) {}

int GridReferencesTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(controller_.numberOfRows());
}

QVariant GridReferencesTableModel::data(const QModelIndex& index, int role) const {
    const auto row = rowOf(index, controller_.numberOfRows());
    if (!row) return {};
    const TableCell cell = controller_.cellForRow(*row);
    switch (role) {
    case Qt::DisplayRole:
    case TitleRole:
        return qtText(cell.title);
    case CheckmarkRole:
        return cell.accessory == CellAccessory::checkmark;
    case RowNameRole:
        return qtText(std::string(grid::gridSystems()[*row].name) + std::string(kGridRowSuffix));
    default:
        return {};
    }
}

QHash<int, QByteArray> GridReferencesTableModel::roleNames() const {
    return {{TitleRole, "title"}, {CheckmarkRole, "checkmark"}, {RowNameRole, "rowName"}};
}

void GridReferencesTableModel::reload() {
    const int rows = rowCount();
    if (rows > 0) emit dataChanged(index(0), index(rows - 1));
}

void GridReferencesTableModel::select(int row) {
    const auto at = rowOf(row, controller_.numberOfRows());
    if (!at) return;
    controller_.didSelectRow(*at);
    emit dataChanged(index(row), index(row), {CheckmarkRole});
}

} // namespace quorvane::qt
