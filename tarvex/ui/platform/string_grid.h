#pragma once
// A grid of text cells addressed as (column, row) with the fixed header row 0
// and, when asked for, a fixed first column: the header row is the table's
// horizontal header and the fixed column its vertical header, so data cells
// start at (fixed columns, 1). A cell being typed into holds the text typed
// so far, so the program always reads what the user sees.

#include <QString>
#include <QStringList>
#include <QTableWidget>

class QAbstractButton;

namespace tarvex {

class StringGrid : public QTableWidget {
  Q_OBJECT

 public:
  // COLUMNS and ROWS count the fixed row and column as well.
  StringGrid(int columns, int rows, int fixedColumns, QWidget* parent = nullptr);
  ~StringGrid() override;

  int ColCount() const { return columnCount() + fixedColumns_; }
  int RowCount() const { return rowCount() + 1; }

  QString Cell(int col, int row) const;
  void SetCell(int col, int row, const QString& text);
  // Captions of the header row from column 0 (or of the fixed column from row 0).
  void SetHeaderRow(const QStringList& captions);
  void SetFixedColumn(const QStringList& captions);

  // Empties every cell of rows 1..RowCount-1; the header row stays.
  void ClearRows();

  // The width that shows every column (beside the vertical scroll bar unless
  // that is switched off) and the height that shows every row. The grid's
  // preferred width is the first.
  int FullWidth() const;
  int FullHeight() const;
  QSize sizeHint() const override;

  // The rectangle of the data cell (COL, ROW) in the coordinates of the
  // grid's viewport.
  QRect CellRect(int col, int row) const;

  // Makes (COL, ROW) the current cell without reporting the selection.
  void SelectCellQuietly(int col, int row);

 signals:
  // A data cell became the current cell; the previous one is given too.
  void CellSelected(int col, int row, int previousCol, int previousRow);
  // The keyboard focus went from the grid, its cell editor or a widget
  // placed over it to another widget of the same window. A message box or
  // another window taking the focus does not count.
  void Exited();

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // W is the grid or lies on it (a cell editor, a list placed over a cell
  // and that list's pop-up).
  bool Holds(const QWidget* w) const;
  void FocusChanged(QWidget* old, QWidget* now);

  int fixedColumns_;
  // The table's corner button, which shows cell (0, 0).
  QAbstractButton* corner_;
  bool quiet_ = false;
};

}  // namespace tarvex
