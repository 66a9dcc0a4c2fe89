// The text commands, each reading its arguments, computing, and writing a
// text, integer or array result.
#include "runtime/text_commands.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "runtime/text_scan.h"
#include "runtime/values.h"
#include "runtime/work_buffer.h"

namespace rt {
namespace {

constexpr int32_t kNotFound = -1;
constexpr int64_t kAll = -1;

std::string_view TextArgument(const Args& a, int i) { return std::string_view(a.text(i)); }

// Zero-based start offset from a 1-based position argument; at least 0.
int64_t StartOffset(const Args& a, int i, int64_t omitted) {
  return a.present(i) ? std::max<int64_t>(int64_t(a.integer(i)) - 1, 0) : omitted;
}

// The bytes a search scans, as [begin, end) inside the text.
struct Region {
  const char* begin;
  const char* end;
  bool empty() const { return begin >= end; }
};

Region ForwardRegion(std::string_view text, int64_t s) {
  if (s >= int64_t(text.size())) return {text.data(), text.data()};
  return {text.data() + s, text.data() + text.size()};
}

Region BackwardRegion(std::string_view text, int64_t s) {
  const int64_t length = std::min<int64_t>(s, int64_t(text.size()));
  return {text.data(), text.data() + std::max<int64_t>(length, 0)};
}

const char* LastOnBoundary(Region region, std::string_view sought, bool fold) {
  const char* last = nullptr;
  for (const char* p = region.begin;
       (p = FindOnBoundary(p, region.end, sought, fold)) != nullptr; p += CharLength(p))
    last = p;
  return last;
}

enum class Direction { kForward, kBackward };

void Search(ResultRecord* result, const Args& a, Direction direction) {
  const std::string_view text = TextArgument(a, 0);
  const std::string_view sought = TextArgument(a, 1);
  const bool fold = a.low(3) == 1;  // read from the low word; omitted reads as 0
  const Region region = direction == Direction::kForward
                            ? ForwardRegion(text, StartOffset(a, 2, 0))
                            : BackwardRegion(text, StartOffset(a, 2, int64_t(text.size())));
  if (sought.empty()) return SetInt(result, region.empty() ? kNotFound : 1);
  const char* match = direction == Direction::kForward
                          ? FindOnBoundary(region.begin, region.end, sought, fold)
                          : LastOnBoundary(region, sought, fold);
  SetInt(result, match ? int32_t(match - text.data() + 1) : kNotFound);
}

}  // namespace

void TextLength(ResultRecord* result, int32_t count, const ArgRecord* args) {
  SetInt(result, int32_t(std::strlen(Args(count, args).text(0))));
}

void LeftText(ResultRecord* result, int32_t count, const ArgRecord* args) {
  const Args a(count, args);
  const std::string_view text = TextArgument(a, 0);
  const int64_t n = std::min<int64_t>(a.integer(1), int64_t(text.size()));
  SetPointer(result, MakeTextN(text.data(), n));
}

void RightText(ResultRecord* result, int32_t count, const ArgRecord* args) {
  const Args a(count, args);
  const std::string_view text = TextArgument(a, 0);
  const int64_t n = std::min<int64_t>(a.integer(1), int64_t(text.size()));
  if (n > 0) SetPointer(result, MakeTextN(text.data() + text.size() - n, n));
}

void FindText(ResultRecord* result, int32_t count, const ArgRecord* args) {
  Search(result, Args(count, args), Direction::kForward);
}

void FindTextReverse(ResultRecord* result, int32_t count, const ArgRecord* args) {
  Search(result, Args(count, args), Direction::kBackward);
}

void ReplaceSubtext(ResultRecord* result, int32_t count, const ArgRecord* args) {
  const Args a(count, args);
  const std::string_view text = TextArgument(a, 0);
  const std::string_view sought = TextArgument(a, 1);
  const std::string_view replacement = a.present(2) ? TextArgument(a, 2) : std::string_view();
  const int64_t start = StartOffset(a, 3, 0);
  int64_t remaining = a.present(4) ? a.integer(4) : kAll;  // a negative count replaces all
  const bool fold = a.low(5) == 0;  // the case-sensitive flag, read from the low word
  if (text.empty() || sought.empty() || start >= int64_t(text.size()) || remaining == 0)
    return SetPointer(result, MakeText(text));

  WorkBuffer out(text.size() + 1);
  const char* end = text.data() + text.size();
  const char* p = text.data() + start;
  out.Append(text.data(), size_t(start));
  for (const char* match; remaining != 0 && (match = FindOnBoundary(p, end, sought, fold));) {
    out.Append(p, size_t(match - p));
    out.Append(replacement.data(), replacement.size());
    p = match + sought.size();
    if (remaining > 0) --remaining;
  }
  out.Append(p, size_t(end - p));  // the rest, a lone trailing lead byte included
  SetPointer(result, out.ReleaseAsText());
}

void SplitText(ResultRecord* result, int32_t count, const ArgRecord* args) {
  const Args a(count, args);
  const std::string_view text = TextArgument(a, 0);
  const std::string_view separator = a.present(1) ? TextArgument(a, 1) : std::string_view(",");
  int64_t remaining = a.present(2) ? std::max<int32_t>(a.integer(2), 0) : kAll;
  if (text.empty() || remaining == 0) return SetPointer(result, MakePointerArray(0));

  // The array block is built in place: header {1, n}, then the element pointers.
  WorkBuffer block(ArrayHeaderSize(1) + 16 * sizeof(char*));
  const uint32_t header[2] = {1, 0};
  block.Append(header, sizeof header);
  auto add = [&block](const char* begin, const char* end) {
    char* element = MakeTextN(begin, end - begin);
    block.Append(&element, sizeof element);
  };

  const char* end = text.data() + text.size();
  const char* segment = text.data();
  if (separator.empty()) {
    add(segment, end);
  } else {
    for (const char* match; remaining != 0 && (match = FindOnBoundary(segment, end, separator, false));) {
      add(segment, match);
      segment = match + separator.size();
      if (remaining > 0) --remaining;
    }
    if (segment < end && remaining != 0) add(segment, end);
  }
  const uint32_t element_count = uint32_t((block.size() - sizeof header) / sizeof(char*));
  std::memcpy(block.data() + 4, &element_count, sizeof element_count);
  SetPointer(result, block.ReleaseBlock());
}

}  // namespace rt
