// The matches of one press as a source box marks them and a report box leads
// to them: where each stands in the source text, the report line that shows
// it, and how to describe one for its tooltip. Plain data, free of Qt.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace forms {

// A match in bytes of the source box's text, as the program reads the text.
struct MarkedMatch {
  int32_t start;
  int32_t length;
};

// The GBK text of match `index`'s tooltip; `matches` are all of them.
using MatchDescriber = std::string (*)(std::span<const MarkedMatch> matches, size_t index);

struct MarkedMatches {
  std::vector<MarkedMatch> matches;   // in text order
  std::vector<int32_t> report_lines;  // per match, its first report line (from 0), or -1 for none
  MatchDescriber describe = nullptr;  // null: no tooltips
};

}  // namespace forms
