#include "controls/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <map>
#include <utility>

#include "controls/button_base.h"
#include "controls/scroll_bar.h"
#include "controls/tlm_tab.h"
#include "controls/tvx_dyntex.h"

namespace vx {
namespace {

// A control with a fixed role, named by its accessibleName(), else by
// `fallback`.
class OwnControl : public QAccessibleWidget {
 public:
  OwnControl(QWidget* widget, QAccessible::Role role, QString fallback = {})
      : QAccessibleWidget(widget, role), fallback_(std::move(fallback)) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
    return fallback_;
  }

 private:
  QString fallback_;
};

// A button: pressed by its action as by a click (once the event loop runs
// again), also where it is out of the Tab chain; one that stays down is a
// toggle (RoleOf), checked while down.
class ButtonControl : public OwnControl {
 public:
  explicit ButtonControl(ButtonBase* button)
      : OwnControl(button, RoleOf(*button)), button_(button) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !button_->accessibleName().isEmpty()) return OwnControl::text(t);
    // Button captions break lines with carriage returns.
    const QString caption = button_->buttext().simplified();
    return caption.isEmpty() ? button_->hint() : caption;
  }
  // Asked each time: a button may become a toggle after its interface was
  // made (by a name given before its kind).
  QAccessible::Role role() const override { return RoleOf(*button_); }
  QAccessible::State state() const override {
    QAccessible::State s = OwnControl::state();
    if (Toggle()) {
      s.checkable = true;
      s.checked = button_->property("down").toBool();
    }
    return s;
  }
  QStringList actionNames() const override {
    QStringList names = {Toggle() ? toggleAction() : pressAction()};
    names += OwnControl::actionNames();
    return names;
  }
  void doAction(const QString& name) override {
    if (name != pressAction() && name != toggleAction()) return OwnControl::doAction(name);
    if (!button_->isEnabled() || !button_->isVisible()) return;
    // After the call has returned: a button that opens a modal window must
    // not keep assistive technology waiting for its answer.
    QTimer::singleShot(0, button_, [button = button_] { button->Activate(); });
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    if ((name != pressAction() && name != toggleAction()) || button_->Shortcut().isEmpty())
      return {};
    return {button_->Shortcut().toString(QKeySequence::NativeText)};
  }

 private:
  bool Toggle() const { return button_->property("staydown").toBool(); }
  // A toggle is a check box, or a radio button where it is one of a group
  // of which one is down (the register toggles, the sort order).
  static QAccessible::Role RoleOf(const ButtonBase& button) {
    if (!button.property("staydown").toBool()) return QAccessible::Button;
    return button.property("radio").toBool() ? QAccessible::RadioButton : QAccessible::CheckBox;
  }

  ButtonBase* button_;
};

class ScrollBarControl : public OwnControl, public QAccessibleValueInterface {
 public:
  explicit ScrollBarControl(Tspecscr* bar) : OwnControl(bar, QAccessible::ScrollBar), bar_(bar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return OwnControl::interface_cast(type);
  }
  QVariant currentValue() const override { return bar_->position(); }
  void setCurrentValue(const QVariant& value) override { bar_->setPosition(value.toInt()); }
  QVariant maximumValue() const override { return bar_->max(); }
  QVariant minimumValue() const override { return bar_->min(); }
  QVariant minimumStepSize() const override { return bar_->smallch(); }

 private:
  Tspecscr* bar_;
};

// A coded-text display: static text whose value is the text without codes.
class TextDisplay : public OwnControl {
 public:
  explicit TextDisplay(TVXdyntex* display)
      : OwnControl(display, QAccessible::StaticText), display_(display) {}
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? display_->AccessibleText() : OwnControl::text(t);
  }

 private:
  TVXdyntex* display_;
};

// One cell of a grid, named by the text a screen reader should read.
class GridCellControl : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  GridCellControl(TLMtab* table, int row, int column) : table_(table), row_(row), column_(column) {}

  bool isValid() const override { return table_ && row_ < table_->rowCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return table_ ? table_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(table_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (!table_ || (t != QAccessible::Name && t != QAccessible::Value)) return {};
    return table_->ReadableText(row_, column_);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!table_) return {};
    const QRect cell = table_->CellRect(row_, column_);
    return QRect(table_->mapToGlobal(cell.topLeft()), cell.size());
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!table_) return s;
    s.selectable = true;
    s.selected = isSelected();
    const int top = table_->topRow();
    s.invisible = row_ < top || row_ >= top + table_->VisibleRowCount();
    s.offscreen = s.invisible;
    if (column_ == 0 && table_->MarksChosenRows()) {
      s.checkable = true;
      s.checked = table_->RowChosen(row_);
    }
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
  }

  bool isSelected() const override { return table_ && table_->currentRow() == row_; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  QPointer<TLMtab> table_;
  int row_;
  int column_;
};

// A grid as a table: every row and column, the current row selected; its
// children are the cells of the rows in view, so that a list of a million
// persons is not walked whole.
class GridControl : public OwnControl, public QAccessibleTableInterface {
 public:
  explicit GridControl(TLMtab* table) : OwnControl(table, QAccessible::Table), table_(table) {}
  ~GridControl() override { ForgetCells(); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return OwnControl::interface_cast(type);
  }

  int childCount() const override { return ShownRows() * table_->columnCount(); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    const int columns = table_->columnCount();
    return Cell(table_->topRow() + index / columns, index % columns);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr || child->role() != QAccessible::Cell) return -1;
    auto* cell = const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cell == nullptr) return -1;
    const int row = cell->rowIndex() - table_->topRow();
    if (row < 0 || row >= ShownRows()) return -1;
    return row * table_->columnCount() + cell->columnIndex();
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const GridCell cell = table_->MouseToCell(table_->mapFromGlobal(QPoint(x, y)));
    return cell.valid() ? Cell(cell.row, cell.column) : nullptr;
  }

  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    return Cell(row, column);
  }
  int columnCount() const override { return table_->columnCount(); }
  int rowCount() const override { return table_->isEnabled() ? table_->rowCount() : 0; }
  QString columnDescription(int) const override { return {}; }
  QString rowDescription(int) const override { return {}; }
  int selectedCellCount() const override { return rowCount() > 0 ? columnCount() : 0; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return rowCount() > 0 ? 1 : 0; }
  QList<QAccessibleInterface*> selectedCells() const override {
    QList<QAccessibleInterface*> cells;
    for (int column = 0; rowCount() > 0 && column < columnCount(); ++column)
      cells.append(Cell(table_->currentRow(), column));
    return cells;
  }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override {
    return rowCount() > 0 ? QList<int>{table_->currentRow()} : QList<int>{};
  }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int row) const override {
    return rowCount() > 0 && row == table_->currentRow();
  }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override { ForgetCells(); }

 private:
  int ShownRows() const {
    return std::clamp(rowCount() - table_->topRow(), 0, table_->VisibleRowCount());
  }
  QAccessibleInterface* Cell(int row, int column) const {
    const auto key = std::make_pair(row, column);
    if (auto found = cells_.find(key); found != cells_.end())
      return QAccessible::accessibleInterface(found->second);
    auto* cell = new GridCellControl(table_, row, column);
    cells_[key] = QAccessible::registerAccessibleInterface(cell);
    return cell;
  }
  void ForgetCells() {
    for (const auto& [key, id] : cells_)
      QAccessible::deleteAccessibleInterface(id);
    cells_.clear();
  }

  TLMtab* table_;
  mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

QAccessibleInterface* Factory(const QString& key, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (key == QLatin1String("vx::Tspecscr"))
    return new ScrollBarControl(static_cast<Tspecscr*>(widget));
  if (key == QLatin1String("vx::TVXdyntex"))
    return new TextDisplay(static_cast<TVXdyntex*>(widget));
  if (key == QLatin1String("vx::TVXpanel") || key == QLatin1String("vx::TLMpanel"))
    return new OwnControl(widget, QAccessible::Pane);
  if (key == QLatin1String("vx::TVXknapp") || key == QLatin1String("vx::Tspecbut") ||
      key == QLatin1String("vx::Tnrknapp"))
    return new ButtonControl(static_cast<ButtonBase*>(widget));
  if (key == QLatin1String("vx::TLMtab")) return new GridControl(static_cast<TLMtab*>(widget));
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(&Factory);
}

}  // namespace vx
