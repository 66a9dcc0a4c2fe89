// Build-time tool: renders the program's own icon as PNG files for the hicolor
// icon theme, one per size: <out>/<n>x<n>/apps/regex-workbench.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "resources/program_data.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: render_icons OUT_DIR SIZE...\n");
    return 2;
  }
  const auto icon = resources::ProgramIcon();
  QImage source;
  if (!source.loadFromData(icon.data(), int(icon.size()), "ICO")) {
    std::fprintf(stderr, "render_icons: the program icon does not decode\n");
    return 1;
  }
  for (int i = 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const QString dir = QString("%1/%2x%2/apps").arg(argv[1]).arg(size);
    QDir().mkpath(dir);
    const QImage scaled = source.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!scaled.save(dir + "/regex-workbench.png", "PNG")) return 1;
  }
  return 0;
}
