#include "tarvex/ui/platform/string_grid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <algorithm>

namespace tarvex {
namespace {

// The cell editor writes every change into its cell at once, and takes over
// a text the program sets into the cell while it is open.
class TypedTextDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
      auto* self = const_cast<TypedTextDelegate*>(this);
      connect(line, &QLineEdit::textEdited, self, [self, line] { emit self->commitData(line); });
    }
    return editor;
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    // The cell got the editor's own text: keep the cursor where it is.
    const auto* line = qobject_cast<const QLineEdit*>(editor);
    if (line != nullptr && line->text() == index.data(Qt::EditRole).toString()) return;
    QStyledItemDelegate::setEditorData(editor, index);
  }
};

// Draws the table's corner button, where the header row meets the fixed
// column, as a header section holding the button's text (cell (0, 0)); the
// table itself draws it blank.
class CornerCaption : public QObject {
 public:
  explicit CornerCaption(QAbstractButton& corner) : QObject(&corner) {
    corner.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    auto* corner = static_cast<QAbstractButton*>(watched);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = corner->text();
    option.textAlignment = Qt::AlignCenter;
    if (corner->isDown()) option.state |= QStyle::State_Sunken;
    QStylePainter painter(corner);
    painter.drawControl(QStyle::CE_Header, option);
    return true;
  }
};

}  // namespace

StringGrid::StringGrid(int columns, int rows, int fixedColumns, QWidget* parent)
    : QTableWidget(rows - 1, columns - fixedColumns, parent),
      fixedColumns_(fixedColumns),
      corner_(findChild<QAbstractButton*>()) {
  verticalHeader()->setVisible(fixedColumns > 0);
  new CornerCaption(*corner_);
  // A cell shows its text on one line, as typed.
  setWordWrap(false);
  setItemDelegate(new TypedTextDelegate(this));
  connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { updateGeometry(); });
  connect(qApp, &QApplication::focusChanged, this, &StringGrid::FocusChanged);
  for (int c = 0; c < columnCount(); ++c) setHorizontalHeaderItem(c, new QTableWidgetItem);
  for (int r = 0; r < rowCount(); ++r) {
    setVerticalHeaderItem(r, new QTableWidgetItem);
    for (int c = 0; c < columnCount(); ++c) setItem(r, c, new QTableWidgetItem);
  }
}

StringGrid::~StringGrid() {
  // The focus moves while the widget goes; by then no exit is reported.
  disconnect(qApp, nullptr, this, nullptr);
}

QString StringGrid::Cell(int col, int row) const {
  if (row == 0 && col < fixedColumns_) return corner_->text();
  if (row == 0) return horizontalHeaderItem(col - fixedColumns_)->text();
  if (col < fixedColumns_) return verticalHeaderItem(row - 1)->text();
  const QTableWidgetItem* cell = item(row - 1, col - fixedColumns_);
  return cell != nullptr ? cell->text() : QString();
}

void StringGrid::SetCell(int col, int row, const QString& text) {
  if (row == 0 && col < fixedColumns_) {
    corner_->setText(text);
  } else if (row == 0) {
    horizontalHeaderItem(col - fixedColumns_)->setText(text);
  } else if (col < fixedColumns_) {
    verticalHeaderItem(row - 1)->setText(text);
  } else if (QTableWidgetItem* cell = item(row - 1, col - fixedColumns_)) {
    cell->setText(text);
  } else {
    setItem(row - 1, col - fixedColumns_, new QTableWidgetItem(text));
  }
}

void StringGrid::SetHeaderRow(const QStringList& captions) {
  for (int c = 0; c < captions.size() && c < ColCount(); ++c) SetCell(c, 0, captions[c]);
  // Every caption is shown whole.
  for (int c = 0; c < columnCount(); ++c) {
    setColumnWidth(c, std::max(columnWidth(c), horizontalHeader()->sectionSizeHint(c)));
  }
}

void StringGrid::SetFixedColumn(const QStringList& captions) {
  for (int r = 0; r < captions.size() && r < RowCount(); ++r) SetCell(0, r, captions[r]);
}

void StringGrid::ClearRows() {
  for (int r = 1; r < RowCount(); ++r) {
    for (int c = fixedColumns_; c < ColCount(); ++c) SetCell(c, r, QString());
  }
}

int StringGrid::FullWidth() const {
  int width = 2 * frameWidth();
  if (verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff) {
    width += verticalScrollBar()->sizeHint().width();
  }
  if (!verticalHeader()->isHidden()) width += verticalHeader()->sizeHint().width();
  for (int c = 0; c < columnCount(); ++c) width += columnWidth(c);
  return width;
}

QSize StringGrid::sizeHint() const { return {FullWidth(), QTableWidget::sizeHint().height()}; }

int StringGrid::FullHeight() const {
  int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height();
  for (int r = 0; r < rowCount(); ++r) height += rowHeight(r);
  return height;
}

QRect StringGrid::CellRect(int col, int row) const {
  return visualRect(model()->index(row - 1, col - fixedColumns_));
}

void StringGrid::SelectCellQuietly(int col, int row) {
  quiet_ = true;
  setCurrentCell(row - 1, col - fixedColumns_);
  quiet_ = false;
}

void StringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  // The base class first takes over the text of a cell editor that is open.
  QTableWidget::currentChanged(current, previous);
  if (quiet_ || !current.isValid()) return;
  const int previousCol = previous.isValid() ? previous.column() + fixedColumns_ : -1;
  const int previousRow = previous.isValid() ? previous.row() + 1 : -1;
  emit CellSelected(current.column() + fixedColumns_, current.row() + 1, previousCol, previousRow);
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
  QTableWidget::mousePressEvent(event);
  // The base class reports the cell clicked as the current cell first and
  // selects it after. When a handler made another cell current meanwhile (a
  // refused value's cell, or the cell before one that cannot be chosen),
  // that cell is shown selected instead, as the one the keys go to.
  const QModelIndex clicked = indexAt(event->position().toPoint());
  const QModelIndex current = currentIndex();
  if (clicked.isValid() && current.isValid() && current != clicked) {
    selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
  }
}

bool StringGrid::Holds(const QWidget* w) const {
  // Parents are followed across windows, so a drop-down list's pop-up counts.
  for (; w != nullptr; w = w->parentWidget()) {
    if (w == this) return true;
  }
  return false;
}

void StringGrid::FocusChanged(QWidget* old, QWidget* now) {
  if (now == nullptr || now->window() != window()) return;
  if (Holds(old) && !Holds(now)) emit Exited();
}

}  // namespace tarvex
