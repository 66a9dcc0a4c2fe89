// A match's tooltip text. The groups are found again by searching from the
// end of the match before it, the same search that first found the match, so
// no press keeps the records of its groups.
#include "app/match_description.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "app/control_ids.h"
#include "app/regex_calls.h"
#include "app/text_builder.h"
#include "app/text_calls.h"
#include "resources/constants.h"
#include "runtime/text_scan.h"

namespace app {
namespace {

constexpr int kShownCharacters = 60;

// Complete characters of text before byte offset `end`, stepping as the text
// commands step; a match starting inside a character starts in that one.
int64_t CharactersBefore(std::string_view text, size_t end) {
  int64_t characters = 0;
  for (size_t at = 0; at < text.size();) {
    const size_t next = at + rt::CharLength(text.data() + at);
    if (next > end) break;
    at = next;
    ++characters;
  }
  return characters;
}

// The first kShownCharacters characters of text, and whether that is all of it.
std::string_view ShownPart(std::string_view text, bool& whole) {
  size_t at = 0;
  for (int n = 0; n < kShownCharacters && at < text.size(); ++n) at += rt::CharLength(text.data() + at);
  whole = at >= text.size();
  return text.substr(0, std::min(at, text.size()));
}

void AppendNumber(TextBuilder& text, int64_t n) { text.Append(IntegerToText(int32_t(n)).view()); }

void AppendGroup(TextBuilder& text, size_t group, std::string_view source, GroupSpan span) {
  text.Append(constants::kCrLf).Append(constants::kGroupPrefix);
  AppendNumber(text, int64_t(group));
  text.Append(constants::kGroupSuffix);
  if (span.start < 0) {
    text.Append(constants::kGroupTookNoPart);
  } else if (span.length == 0) {
    text.Append(constants::kGroupEmpty);
  } else {
    bool whole = true;
    text.Append(ShownPart(source.substr(size_t(span.start), size_t(span.length)), whole));
    if (!whole) text.Append(constants::kShortened);
  }
}

}  // namespace

OwnedText DescribeMatch(const char* source, const char* pattern_text, std::span<const forms::MarkedMatch> matches,
                        size_t index) {
  const forms::MarkedMatch match = matches[index];
  const forms::MarkedMatch previous = index == 0 ? forms::MarkedMatch{-1, 0} : matches[index - 1];
  const std::vector<GroupSpan> found = MatchAfter(KeptPattern(pattern_text), source, previous.start, previous.length);

  const std::string_view text(source);
  TextBuilder description;
  description.Append(constants::kMatchNumberPrefix);
  AppendNumber(description, int64_t(index) + 1);
  description.Append(constants::kMatchNumberSuffix);
  AppendNumber(description, CharactersBefore(text, size_t(match.start)) + 1);
  description.Append(constants::kCharacterPositionSuffix);
  AppendNumber(description, int64_t(match.start) + 1);
  description.Append(constants::kBytePositionSuffix);
  AppendNumber(description, match.length);
  description.Append(constants::kLengthSuffix);
  for (size_t group = 1; group < found.size(); ++group) AppendGroup(description, group, text, found[group]);
  return description.Take();
}

std::string DescribeMarkedMatch(std::span<const forms::MarkedMatch> matches, size_t index) {
  const OwnedText source = ReadText(control::kSource);
  const OwnedText pattern = ReadText(control::kPattern);
  return std::string(DescribeMatch(source.get(), pattern.get(), matches, index).view());
}

}  // namespace app
