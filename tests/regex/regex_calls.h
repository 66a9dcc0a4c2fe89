// Test helpers that drive the regex library only through its command table and
// call form: a Pattern and a result array that clean up in the ownership order.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "regex/pattern.h"
#include "regex/regex_library.h"
#include "regex/search_all.h"
#include "regex/search_result.h"
#include "runtime/call.h"
#include "runtime/memory.h"
#include "runtime/notify.h"
#include "runtime/values.h"

namespace regex_testing {

using regex_service::Command;

inline rt::ResultRecord Call(Command command, std::initializer_list<rt::ArgRecord> args) {
  return rt::CallCommand(RegexLibrary().commands[command], int32_t(args.size()), args.begin());
}

// How the last SearchAll ended (a regex_service::SearchEnd).
inline int32_t LastSearchEnd() { return int32_t(Call(regex_service::kLastSearchEnd, {}).low()); }

// A match as (start, length) of its whole-match record.
using Span = std::pair<int32_t, int32_t>;

// A Pattern in runtime memory: allocated zeroed, constructed, destructed, freed.
class Pattern {
 public:
  Pattern() : value_(static_cast<regex_service::PatternValue*>(rt::RuntimeAlloc(sizeof *value_))) {
    std::memset(value_, 0, sizeof *value_);
    Call(regex_service::kPatternConstruct, {Ref()});
  }
  explicit Pattern(const std::string& text) : Pattern() { EXPECT_TRUE(Compile(text)) << text; }
  ~Pattern() {
    Call(regex_service::kPatternDestruct, {Ref()});
    rt::RuntimeFree(value_);
  }
  Pattern(const Pattern&) = delete;
  Pattern& operator=(const Pattern&) = delete;

  bool Compile(const std::string& text, rt::ArgRecord case_sensitive = rt::kOmitted) {
    return Call(regex_service::kPatternCreate, {Ref(), rt::TextArg(text.c_str()), case_sensitive}).low() != 0;
  }
  rt::ArgRecord Ref() const { return rt::PointerArg(value_, rt::tag::kPattern); }
  regex_service::PatternValue& value() { return *value_; }

 private:
  regex_service::PatternValue* value_;
};

// The array SearchAll returns; freed element by element, then the array.
class Results {
 public:
  Results(const Pattern& pattern, const std::string& text)
      : array_(Call(regex_service::kSearchAll, {pattern.Ref(), rt::TextArg(text.c_str())}).pointer<void>()) {}
  ~Results() {
    for (int64_t i = 0; i < count(); ++i) {
      Call(regex_service::kSearchResultDestruct, {Element(i)});
      rt::RuntimeFree(rt::ArrayPointerAt(array_, i));
    }
    rt::RuntimeFree(array_);
  }
  Results(const Results&) = delete;
  Results& operator=(const Results&) = delete;

  void* array() const { return array_; }
  int64_t count() const { return rt::ArrayCount(array_); }
  rt::ArgRecord Element(int64_t i) const {
    return rt::PointerArg(rt::ArrayPointerAt(array_, i), rt::tag::kSearchResult);
  }
  const regex_service::ResultObject& Object(int64_t i) const {
    return *regex_service::ResultObjectIn(rt::ArrayPointerAt(array_, i));
  }
  std::vector<Span> Spans() const {
    std::vector<Span> spans;
    for (int64_t i = 0; i < count(); ++i) {
      const regex_service::SubMatchRecord& whole = Object(i).records()[0];
      spans.emplace_back(whole.start, whole.length);
    }
    return spans;
  }
  // ResultMatchText of element i on text, as bytes (null reads as "").
  std::string MatchText(int64_t i, const char* text, rt::ArgRecord variable = rt::kOmitted) const {
    char* result = Call(regex_service::kResultMatchText, {Element(i), rt::TextArg(text), variable}).pointer<char>();
    std::string bytes(rt::TextView(result));
    rt::RuntimeFree(result);
    return bytes;
  }

 private:
  void* array_;
};

// Registers the library with the runtime before every test.
class RegexServiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegexLibrary().notify(1, reinterpret_cast<intptr_t>(&rt::RuntimeNotify), 0), 0);
  }
};

}  // namespace regex_testing
