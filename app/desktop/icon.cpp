// SPDX-License-Identifier: MIT
// Draws the program's icon as a PNG of one size, from the same figures as
// de.razaduvovi.RaZaduvovi.svg (a 256-unit square), so that the installed
// sizes need no SVG renderer.
//   razaduvovi_icon SIZE FILE
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <cstdlib>

namespace {

struct Box {
  int x, y, width, height, radius;
  QColor fill;
};

void DrawBox(QPainter& painter, const Box& box) {
  painter.setBrush(box.fill);
  painter.drawRoundedRect(QRectF(box.x, box.y, box.width, box.height), box.radius, box.radius);
}

}  // namespace

int main(int argc, char** argv) {
  const int size = argc == 3 ? std::atoi(argv[1]) : 0;
  if (size < 8 || size > 1024) {
    std::fprintf(stderr, "Aufruf: razaduvovi_icon GRÖSSE DATEI\n");
    return 2;
  }
  const QColor red(255, 0, 0), grey(0xc0, 0xc0, 0xc0), lime(0, 255, 0), dark(0x55, 0x55, 0x55);
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 256.0, size / 256.0);
  painter.setPen(QPen(dark, 8));
  DrawBox(painter, {16, 24, 224, 216, 24, red});
  painter.setPen(Qt::NoPen);
  DrawBox(painter, {28, 84, 200, 144, 8, Qt::white});
  DrawBox(painter, {68, 8, 16, 44, 8, dark});
  DrawBox(painter, {172, 8, 16, 44, 8, dark});
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      const QColor fill = column == 3 ? red : (row == 1 && column == 1) ? lime : grey;
      DrawBox(painter, {40 + 48 * column, 96 + 44 * row, 36, 36, 4, fill});
    }
  }
  painter.end();
  return image.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
