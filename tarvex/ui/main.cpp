#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "tarvex/ui/main_window.h"
#include "tarvex/ui/platform/user_dialogs.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tarvex");
  tarvex::QtUserDialogs dialogs;
  try {
    tarvex::TForm1 window({&dialogs, {}, {}});
    window.show();
    QApplication::exec();
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, "Tarvex", e.what());
  } catch (...) {
    QMessageBox::critical(nullptr, "Tarvex", "");
  }
  return 0;
}
