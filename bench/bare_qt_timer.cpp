// The yardstick of the program's idle cost: a bare Qt Widgets window that does nothing but run
// one 16 ms timer, as the program's clock does.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("bare Qt timer");
  window.resize(587, 380);
  window.show();
  int ticks = 0;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
  timer.start(16);
  return application.exec();
}
