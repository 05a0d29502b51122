// Looks at a window of the X display from outside, as a person would: counts the dark pixels in
// a rectangle of it (a caption drawn in black, against one greyed out). Usage:
//   window_probe WINDOW_ID X Y WIDTH HEIGHT
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: window_probe WINDOW_ID X Y WIDTH HEIGHT\n");
    return 2;
  }
  QGuiApplication application(argc, argv);
  const auto window = static_cast<WId>(std::strtoull(argv[1], nullptr, 0));
  const QImage image = QGuiApplication::primaryScreen()
                           ->grabWindow(window, std::atoi(argv[2]), std::atoi(argv[3]),
                                        std::atoi(argv[4]), std::atoi(argv[5]))
                           .toImage();
  int dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 64) ++dark;
  std::printf("%d\n", dark);
  return 0;
}
