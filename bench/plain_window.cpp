// The yardstick for the first pixel: a plain Qt Widgets window with a line of text, shown at
// once. startup_display.py measures from outside when the X server maps it.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel window(QStringLiteral("A plain window"));
  window.setWindowTitle(QStringLiteral("Plain"));
  window.resize(464, 313);
  window.show();
  return QApplication::exec();
}
