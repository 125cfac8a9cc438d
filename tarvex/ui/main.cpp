#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tarvex");
  QMainWindow window;
  window.setWindowTitle("Tarvex");
  window.show();
  return QApplication::exec();
}
