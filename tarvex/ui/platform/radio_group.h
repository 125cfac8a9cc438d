#pragma once
// A framed group of radio buttons with one selected item. Clicked is
// reported whenever the selected item changes, by the user or by
// SetItemIndex.

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace tarvex {

class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& caption, const QStringList& items, int columns,
             QWidget* parent = nullptr);

  int ItemIndex() const { return index_; }
  void SetItemIndex(int index);
  QString Item(int index) const;
  int Count() const { return static_cast<int>(buttons_.buttons().size()); }

 signals:
  void Clicked();

 private:
  QButtonGroup buttons_;
  int index_ = -1;
};

}  // namespace tarvex
