// The text of an editable combo box set by the program, as the desktop
// platform's combo boxes take it: shown without counting as a choice. Qt
// makes the item of a typed text the current one, and reports it as chosen,
// when the focus leaves a box whose text is not its current item's; so the
// item of the text, where there is one, becomes the current one here.
#pragma once

#include <QComboBox>
#include <QString>

namespace tarvex {

inline void SetComboBoxText(QComboBox& box, const QString& text) {
  box.setCurrentIndex(box.findText(text));
  box.setEditText(text);
}

}  // namespace tarvex
