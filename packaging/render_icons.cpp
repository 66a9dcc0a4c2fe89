// Build-time tool: renders the program's vector icon as PNG files for the
// hicolor icon theme, one per size, each drawn at its own size so that every
// one is crisp: <out>/<n>x<n>/apps/regex-workbench.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: render_icons ICON.svg OUT_DIR SIZE...\n");
    return 2;
  }
  QGuiApplication app(argc, argv);
  QSvgRenderer icon{QString(argv[1])};
  if (!icon.isValid()) {
    std::fprintf(stderr, "render_icons: %s is not a valid SVG picture\n", argv[1]);
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const QString dir = QString("%1/%2x%2/apps").arg(argv[2]).arg(size);
    QDir().mkpath(dir);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.render(&painter);
    painter.end();
    if (!image.save(dir + "/regex-workbench.png", "PNG")) return 1;
  }
  return 0;
}
