// Build tool: turns one of the window's XPM icon images into the PNG file
// the desktop's icon theme wants. Usage: xpm_to_png <in.xpm> <out.png> <size>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s <in.xpm> <out.png> <size>\n", argv[0]);
    return 2;
  }
  const QImage image(QString::fromLocal8Bit(argv[1]), "XPM");
  if (image.isNull()) {
    std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
    return 1;
  }
  // The theme folder names the size; an image of another size would be
  // shown blurred or refused by the desktop.
  const int size = QString::fromLocal8Bit(argv[3]).toInt();
  if (image.width() != size || image.height() != size) {
    std::fprintf(stderr, "%s: %s is %dx%d, expected %dx%d\n", argv[0], argv[1], image.width(), image.height(), size,
                 size);
    return 1;
  }
  if (!image.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
    return 1;
  }
  return 0;
}
