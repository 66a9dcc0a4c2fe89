// Test helpers for calling commands through the runtime entry table exactly
// as the program's code does, and for taking their results back.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "runtime/entry_table.h"
#include "runtime/memory.h"
#include "runtime/values.h"

namespace runtime_test {

inline rt::ResultRecord Call(rt::CommandEntry command, std::initializer_list<rt::ArgRecord> args) {
  const std::vector<rt::ArgRecord> records(args);
  return rt::Runtime().call_core_command(command, int32_t(records.size()), records.data());
}

inline rt::ArgRecord OptionalInt(std::optional<int32_t> v) { return v ? rt::IntArg(*v) : rt::kOmitted; }
inline rt::ArgRecord OptionalBool(std::optional<bool> v) { return v ? rt::BoolArg(*v) : rt::kOmitted; }
inline rt::ArgRecord OptionalText(const std::optional<std::string>& v) {
  return v ? rt::TextArg(v->c_str()) : rt::kOmitted;
}

// Takes a text result: copies it out and frees it as its owner must. An
// empty result has to come back as null, never as an allocated "".
inline std::string TakeText(const rt::ResultRecord& result) {
  char* text = result.pointer<char>();
  EXPECT_TRUE(text == nullptr || *text != '\0') << "an empty result must be null";
  std::string copy = text ? text : "";
  rt::RuntimeFree(text);
  return copy;
}

// Takes an array-of-texts result: its elements (null ones as ""), then frees it.
inline std::vector<std::string> TakeTextArray(const rt::ResultRecord& result) {
  void* array = result.pointer<void>();
  EXPECT_NE(array, nullptr);
  EXPECT_EQ(rt::ArrayDimensions(array), 1u);
  std::vector<std::string> elements;
  for (int64_t i = 0; i < rt::ArrayCount(array); ++i) {
    const char* element = static_cast<const char*>(rt::ArrayPointerAt(array, i));
    EXPECT_TRUE(element == nullptr || *element != '\0') << "an empty element must be null";
    elements.push_back(element ? element : "");
  }
  rt::FreeArray(rt::ArrayOf(rt::tag::kText), array);
  return elements;
}

// Regex for EXPECT_EXIT that matches `text` at the end of the output
// (special characters escaped).
inline std::string EndsWith(const std::string& text) {
  std::string pattern;
  for (char c : text) {
    if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) pattern += '\\';
    pattern += c;
  }
  return pattern + "$";
}

// Regex for EXPECT_EXIT that matches exactly `text`.
inline std::string Exactly(const std::string& text) { return "^" + EndsWith(text); }

}  // namespace runtime_test
