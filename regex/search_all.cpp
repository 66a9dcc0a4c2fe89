// The search loop of SearchAll and the list of SearchResult blocks it builds.
// Engine exceptions end the loop here and never leave the command.
#include "regex/search_all.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <new>
#include <string>
#include <string_view>

#include "regex/pattern.h"
#include "regex/search_result.h"
#include "regex/service_memory.h"

namespace regex_service {
namespace {

// Offsets are 32-bit, so at most this many bytes are searched.
constexpr size_t kMaxSearchedBytes = size_t(std::numeric_limits<int32_t>::max());

// The SearchResult blocks found so far, in a pointer list of the service's own
// heap that grows geometrically; it becomes the runtime array at the end.
class ResultList {
 public:
  ResultList() = default;
  ResultList(const ResultList&) = delete;
  ResultList& operator=(const ResultList&) = delete;
  ~ResultList() { std::free(blocks_); }

  // Makes a SearchResult for the match and appends it; false when the heap is exhausted.
  bool Append(const boost::cmatch& match, const char* text_begin) {
    if (size_ == capacity_ && !Grow()) return false;
    ResultObject* object = NewResultObject(match, text_begin);
    if (object == nullptr) return false;
    void* block = AllocateRuntimeBlock(sizeof(ResultObject*));
    if (block == nullptr) {
      DeleteResultObject(object);
      return false;
    }
    SetResultObjectIn(block, object);
    blocks_[size_++] = block;
    return true;
  }

  // The runtime array {1, n, the n block pointers}; null only before the
  // runtime's notify entry arrived. The list is trimmed first, so the spare
  // capacity and the array are never held together.
  void* ToRuntimeArray() {
    ShrinkToFit();
    const uint32_t header[2] = {1, uint32_t(size_)};
    auto* array = static_cast<uint8_t*>(AllocateRuntimeBlock(sizeof header + size_ * sizeof(void*)));
    if (array == nullptr) return nullptr;
    std::memcpy(array, header, sizeof header);
    if (size_ > 0) std::memcpy(array + sizeof header, blocks_, size_ * sizeof(void*));
    return array;
  }

 private:
  bool Grow() {
    const size_t capacity = capacity_ == 0 ? 16 : capacity_ * 2;
    void* grown = std::realloc(blocks_, capacity * sizeof(void*));
    if (grown == nullptr) return false;
    blocks_ = static_cast<void**>(grown);
    capacity_ = capacity;
    return true;
  }

  void ShrinkToFit() {
    if (size_ == 0 || size_ == capacity_) return;
    if (void* trimmed = std::realloc(blocks_, size_ * sizeof(void*))) {
      blocks_ = static_cast<void**>(trimmed);
      capacity_ = size_;
    }
  }

  void** blocks_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

boost::regex_constants::match_flag_type MatchFlags(const PatternValue& pattern) {
  return pattern.multiline != 0 ? boost::regex_constants::match_default
                                : boost::regex_constants::match_single_line;
}

// Where the search after a match begins, or past the text when searching ends.
// An empty match at offset 0 ends it; another empty match moves on one byte so
// the same empty match is not found again.
size_t NextSearchStart(size_t match_begin, size_t match_end, size_t text_size) {
  if (match_end == 0) return text_size + 1;
  return match_begin == match_end ? match_end + 1 : match_end;
}

// Searches text from its start and again from each match's end, each search
// taking its own start as the beginning of the text. An engine exception
// (complexity or stack limit) ends the loop with the matches found so far.
void CollectMatches(const Regex& regex, std::string_view text,
                    boost::regex_constants::match_flag_type flags, ResultList& found) {
  const char* const begin = text.data();
  const char* const end = begin + std::min(text.size(), kMaxSearchedBytes);
  const size_t size = size_t(end - begin);
  try {
    boost::cmatch match;
    for (size_t start = 0; start <= size;) {
      if (!boost::regex_search(begin + start, end, match, regex, flags)) return;
      if (!found.Append(match, begin)) return;
      start = NextSearchStart(size_t(match[0].first - begin), size_t(match[0].second - begin), size);
    }
  } catch (const std::exception&) {
    // Abandoned search: keep what was found.
  }
}

}  // namespace

void SearchAll(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args) {
  const rt::Args in(count, args);
  if (!HasRuntimeNotify()) return;
  ForgetCheckedText();
  const auto* pattern = in[0].pointer<const PatternValue>();
  ResultList found;
  try {
    const std::string text(in.text(1));  // the private copy every search runs over
    const Regex* regex = CompiledExpression(pattern);
    if (regex != nullptr && !text.empty()) CollectMatches(*regex, text, MatchFlags(*pattern), found);
  } catch (const std::exception&) {
    // No room for the private copy: nothing is searched.
  }
  rt::SetPointer(result, found.ToRuntimeArray());
}

}  // namespace regex_service
