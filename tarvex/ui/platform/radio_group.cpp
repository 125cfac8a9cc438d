#include "tarvex/ui/platform/radio_group.h"

#include <QGridLayout>
#include <QRadioButton>

namespace tarvex {

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent) {
  auto* layout = new QGridLayout(this);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    buttons_.addButton(button, i);
    layout->addWidget(button, i / columns, i % columns);
  }
  connect(&buttons_, &QButtonGroup::idClicked, this, [this](int id) {
    if (id == index_) return;
    index_ = id;
    emit Clicked();
  });
}

void RadioGroup::SetItemIndex(int index) {
  if (index == index_) return;
  index_ = index;
  if (QAbstractButton* button = buttons_.button(index)) {
    button->setChecked(true);
  } else if (QAbstractButton* checked = buttons_.checkedButton()) {
    buttons_.setExclusive(false);
    checked->setChecked(false);
    buttons_.setExclusive(true);
  }
  emit Clicked();
}

QString RadioGroup::Item(int index) const {
  const QAbstractButton* button = buttons_.button(index);
  return button != nullptr ? button->text() : QString();
}

}  // namespace tarvex
