#include "tarvex/ui/about_dialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "tarvex/ui/platform/picture_label.h"

namespace tarvex {

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent),
      Image1(new PictureLabel("tarvex_about.jpg", this)),
      Memo1(new QPlainTextEdit(this)),
      Button1(new QPushButton("OK", this)) {
  setWindowTitle("About Tarvex");
  resize(279, 255);
  Memo1->setReadOnly(true);
  // An empty first line, then the name and version and the maker.
  Memo1->setPlainText("\nTarvex! v1.3.2\nMade by KeldonKRC");
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Image1, 3);
  layout->addWidget(Memo1, 2);
  layout->addWidget(Button1, 0, Qt::AlignHCenter);
}

}  // namespace tarvex
