// SearchResult result objects, their destruction and the match-text reader.
#include "regex/search_result.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

#include "regex/service_memory.h"

namespace regex_service {
namespace {

SubMatchRecord RecordOf(const boost::csub_match& sub, const char* text_begin) {
  if (!sub.matched) return {0, 0, 0};
  return {int32_t(sub.first - text_begin), int32_t(sub.length()), 1};
}

// The text most recently read, and how many of its leading bytes are known to
// hold no NUL. Results are read one after the other from the same text, so
// remembering this keeps the bounds check from rescanning the text on every
// call (reading all matches of a large text would otherwise be quadratic).
// It relies on a text not being changed in place, or freed and another text
// placed at its address, while the results of one search are read from it;
// every search forgets the text.
class CheckedText {
 public:
  // How many of the first n bytes of the text come before its terminator.
  void Forget() {
    text_ = nullptr;
    nul_free_ = 0;
  }
  size_t LengthUpTo(const char* text, size_t n) {
    if (text != text_) {
      text_ = text;
      nul_free_ = 0;
    }
    // Starts at the known end, so a found terminator is never passed.
    if (n > nul_free_) nul_free_ += strnlen(text + nul_free_, n - nul_free_);
    return n < nul_free_ ? n : nul_free_;
  }

 private:
  const char* text_ = nullptr;
  size_t nul_free_ = 0;
};

thread_local CheckedText t_checked_text;

// The bytes of a record that lie inside the text; empty when none do.
std::string_view BytesInside(const char* text, const SubMatchRecord& record) {
  if (record.start < 0 || record.length <= 0) return {};
  const size_t start = size_t(record.start);
  const size_t inside = t_checked_text.LengthUpTo(text, start + size_t(record.length));
  if (inside <= start) return {};
  return {text + start, inside - start};
}

// The whole-match record of a SearchResult, or null when it has none.
const SubMatchRecord* WholeMatch(const void* block) {
  const ResultObject* object = block ? ResultObjectIn(block) : nullptr;
  if (object == nullptr || object->count == 0 || object->records()[0].matched == 0) return nullptr;
  return &object->records()[0];
}

void StoreInteger(const rt::ArgRecord& variable, int32_t value) {
  if (auto* address = variable.pointer<void>()) std::memcpy(address, &value, sizeof value);
}

}  // namespace

ResultObject* NewResultObject(const boost::cmatch& match, const char* text_begin) {
  const size_t count = match.size();
  void* block = std::malloc(sizeof(ResultObject) + count * sizeof(SubMatchRecord));
  if (block == nullptr) return nullptr;
  auto* object = static_cast<ResultObject*>(block);
  object->count = uint32_t(count);
  for (size_t i = 0; i < count; ++i) object->records()[i] = RecordOf(match[int(i)], text_begin);
  return object;
}

void DeleteResultObject(ResultObject* object) { std::free(object); }

ResultObject* ResultObjectIn(const void* block) {
  ResultObject* object;
  std::memcpy(&object, block, sizeof object);
  return object;
}

void SetResultObjectIn(void* block, ResultObject* object) {
  std::memcpy(block, &object, sizeof object);
}

void ForgetCheckedText() { t_checked_text.Forget(); }

void SearchResultDestruct(rt::ResultRecord*, int32_t count, const rt::ArgRecord* args) {
  void* block = rt::Args(count, args)[0].pointer<void>();
  if (block == nullptr) return;
  DeleteResultObject(ResultObjectIn(block));
  // Cleared so that a second destruct of the same value frees nothing twice.
  SetResultObjectIn(block, nullptr);
}

void ResultMatchText(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args) {
  const rt::Args in(count, args);
  const SubMatchRecord* whole = WholeMatch(in[0].pointer<void>());
  if (whole == nullptr) return;
  if (in.present(2)) StoreInteger(in[2], whole->start);
  const std::string_view bytes = BytesInside(in.text(1), *whole);
  rt::SetPointer(result, MakeRuntimeText(bytes.data(), int64_t(bytes.size())));
}

}  // namespace regex_service
