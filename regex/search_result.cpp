// SearchResult blocks, their destruction and the match-text reader.
#include "regex/search_result.h"

#include <cstring>
#include <string_view>

#include "regex/runtime_link.h"

namespace regex_service {
namespace {

// The bytes of the whole match that lie inside text. The searched text holds
// every match by construction (a text is not changed while the results of its
// search are read); another text is measured up to the match's end.
std::string_view MatchBytes(const char* text, const ResultObject& object) {
  const SubMatchRecord& whole = object.records()[0];
  if (whole.start < 0 || whole.length <= 0) return {};
  const size_t start = size_t(whole.start);
  const size_t end = start + size_t(whole.length);
  const bool searched = text == object.searched->address && end <= object.searched->length;
  const size_t inside = searched ? end : strnlen(text, end);
  if (inside <= start) return {};
  return {text + start, inside - start};
}

// The result object of a SearchResult with a matched whole match, or null.
const ResultObject* MatchedObject(const void* block) {
  const ResultObject* object = block ? ResultObjectIn(block) : nullptr;
  if (object == nullptr || object->count == 0 || object->records()[0].matched == 0) return nullptr;
  return object;
}

void StoreInteger(const rt::ArgRecord& variable, int32_t value) {
  if (auto* address = variable.pointer<void>()) std::memcpy(address, &value, sizeof value);
}

}  // namespace

ResultObject* ResultObjectIn(const void* block) {
  ResultObject* object;
  std::memcpy(&object, block, sizeof object);
  return object;
}

void SetResultObjectIn(void* block, ResultObject* object) {
  std::memcpy(block, &object, sizeof object);
}

void SearchResultDestruct(rt::ResultRecord*, int32_t count, const rt::ArgRecord* args) {
  void* block = rt::Args(count, args)[0].pointer<void>();
  if (block != nullptr) SetResultObjectIn(block, nullptr);
}

void ResultMatchText(rt::ResultRecord* result, int32_t count, const rt::ArgRecord* args) {
  const rt::Args in(count, args);
  const ResultObject* object = MatchedObject(in[0].pointer<void>());
  if (object == nullptr) return;
  if (in.present(2)) StoreInteger(in[2], object->records()[0].start);
  const std::string_view bytes = MatchBytes(in.text(1), *object);
  rt::SetPointer(result, MakeRuntimeText(bytes.data(), int64_t(bytes.size())));
}

}  // namespace regex_service
