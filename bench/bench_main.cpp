// The main of the benchmarks without widgets: the run, then the ratio of each
// registered pair.
#include "bench/ratio_reporter.h"

int main(int argc, char** argv) { return RunBenchmarksWithRatios(argc, argv); }
