#include "GridAccessibility.h"

#include "ui/grid/GridAccessibleEvents.h"
#include "ui/grid/GridWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <array>

namespace zg {

namespace {

class GridAccessible;

// A cell is switched by its toggle or press action as by a click, so that switch access and voice
// control reach it; the change comes back as the cell's state change.
class CellAccessible : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
  public:
    CellAccessible(GridAccessible* table, GridCell cell) : table_(table), cell_(cell) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return cell_.event; }
    int rowIndex() const override { return cell_.row; }
    bool isSelected() const override { return false; }
    QAccessibleInterface* table() const override;

    QStringList actionNames() const override { return {toggleAction(), pressAction()}; }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    GridAccessible* table_;
    GridCell cell_;
};

class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit GridAccessible(GridWidget* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridAccessible() override {
        for (const auto id : ids_)
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    GridWidget* grid() const { return static_cast<GridWidget*>(widget()); }

    int childCount() const override { return kLedCount * kEventCount; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        auto& id = ids_[std::size_t(index)];
        if (!id)
            id = QAccessible::registerAccessibleInterface(new CellAccessible(
                const_cast<GridAccessible*>(this), GridCell{index / kEventCount, index % kEventCount}));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        return cell ? cell->rowIndex() * kEventCount + cell->columnIndex() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const auto cell = GridGeometry::CellAt(grid()->mapFromGlobal(QPoint(x, y)));
        return cell ? child(AccessibleIndexOf(*cell)) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return grid()->hasFocus() ? child(AccessibleIndexOf(grid()->focusCell())) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= kLedCount || column < 0 || column >= kEventCount)
            return nullptr;
        return child(AccessibleIndexOf(GridCell{row, column}));
    }
    int columnCount() const override { return kEventCount; }
    int rowCount() const override { return kLedCount; }
    QString columnDescription(int column) const override {
        return QCoreApplication::translate("zg::GridWidget", "Event %1").arg(column + 1);
    }
    QString rowDescription(int row) const override {
        return QCoreApplication::translate("zg::GridWidget", "LED #%1").arg(row + 1);
    }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    mutable std::array<QAccessible::Id, kLedCount * kEventCount> ids_{};
};

bool CellAccessible::isValid() const {
    return table_ && table_->isValid();
}

QAccessibleInterface* CellAccessible::parent() const {
    return table_;
}

QAccessibleInterface* CellAccessible::table() const {
    return table_;
}

QString CellAccessible::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name)
        return {};
    return QCoreApplication::translate("zg::GridWidget", "LED #%1, event %2")
        .arg(cell_.row + 1)
        .arg(cell_.event + 1);
}

QRect CellAccessible::rect() const {
    const GridWidget* grid = table_->grid();
    const QRect local = GridGeometry::CellRect(cell_.row, cell_.event);
    return {grid->mapToGlobal(local.topLeft()), local.size()};
}

QAccessible::State CellAccessible::state() const {
    QAccessible::State state;
    state.checkable = true;
    state.focusable = true;
    const GridWidget* grid = table_->grid();
    state.checked = grid->sequence().cell(cell_.row, cell_.event) != 0;
    state.focused = grid->hasFocus() && grid->focusCell() == cell_;
    return state;
}

void CellAccessible::doAction(const QString& name) {
    if (isValid() && (name == toggleAction() || name == pressAction()))
        table_->grid()->switchCell(cell_);
}

QAccessibleInterface* gridFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("zg::GridWidget") && object && object->isWidgetType())
        return new GridAccessible(static_cast<GridWidget*>(object));
    return nullptr;
}

} // namespace

void InstallGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(gridFactory);
        return true;
    }();
    (void)installed;
}

} // namespace zg
