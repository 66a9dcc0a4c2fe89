// The marks one press shows in a source box: its matches in bytes of the
// box's text, and the lookups that painting, hovering and the report box's
// lines need. Matches are in text order and never overlap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "forms/multi_line/marked_matches.h"

namespace forms {

class MatchMarks {
 public:
  static constexpr size_t kNone = size_t(-1);

  explicit MatchMarks(MarkedMatches matches) : data_(std::move(matches)) {}

  size_t size() const { return data_.matches.size(); }
  const MarkedMatch& operator[](size_t i) const { return data_.matches[i]; }

  // The first match that ends after byte `from`, or is empty at `from` or
  // later: where the matches overlapping a range starting at `from` begin.
  size_t FirstFrom(int64_t from) const;
  // The match covering byte `at`, else one empty exactly at `at`; kNone when neither.
  size_t At(int64_t at) const;
  // The match that report line `line` (from 0) shows; kNone for the count
  // line and the empty line after it, and for every line when no match has one.
  size_t OnReportLine(int32_t line) const;
  // The GBK tooltip text of match i; empty without a describer.
  std::string Describe(size_t i) const;

 private:
  MarkedMatches data_;
};

}  // namespace forms
