// The main of the benchmarks that need widgets: an application object on the
// offscreen platform unless QT_QPA_PLATFORM names another (xcb under Xvfb),
// and the ratio of each registered pair after the run.
#include <QApplication>
#include <cstdlib>

#include "bench/ratio_reporter.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  return RunBenchmarksWithRatios(argc, argv);
}
