// The command call convention: argument and result records, the command entry
// signature, and the argument helpers every command body reads through.
#pragma once

#include <cstdint>
#include <cstring>

#include "runtime/type_tag.h"

namespace rt {

// One argument: the (low word, high word) pair as one 64-bit value, plus its
// TypeTag. Low word = bits 0-31, high word = bits 32-63; a pointer fills both.
// An omitted optional argument is {0, 0}: value 0, tag 0.
struct ArgRecord {
  uint64_t value = 0;
  TypeTag tag = 0;

  uint32_t low() const { return uint32_t(value); }
  uint32_t high() const { return uint32_t(value >> 32); }
  bool present() const { return tag != 0; }
  template <class T>
  T* pointer() const { return reinterpret_cast<T*>(uintptr_t(value)); }
};

// The result of a command: zero-filled before the call.
struct ResultRecord {
  uint64_t value = 0;
  uint32_t extra = 0;

  uint32_t low() const { return uint32_t(value); }
  template <class T>
  T* pointer() const { return reinterpret_cast<T*>(uintptr_t(value)); }
};

using CommandEntry = void (*)(ResultRecord* result, int32_t count, const ArgRecord* args);

// Argument constructors, for callers building records.
inline ArgRecord IntArg(int32_t v) { return {uint32_t(v), tag::kInt}; }
inline ArgRecord BoolArg(bool v) { return {v ? 1u : 0u, tag::kBool}; }
inline ArgRecord LongArg(int64_t v) { return {uint64_t(v), tag::kLong}; }
inline ArgRecord DoubleArg(double v, TypeTag t = tag::kDouble) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  return {bits, t};
}
inline ArgRecord PointerArg(const void* p, TypeTag t) { return {uint64_t(uintptr_t(p)), t}; }
// A text argument is never null: the empty text travels as a pointer to "".
inline ArgRecord TextArg(const char* t) { return PointerArg(t ? t : "", tag::kText); }
inline ArgRecord ControlArg(uint32_t window_id, uint32_t control_id, TypeTag kind) {
  return {uint64_t(window_id) | (uint64_t(control_id) << 32), kind};
}
inline constexpr ArgRecord kOmitted{};

// Argument readers, for command bodies. Index i counts from 0; reading past
// count gives the omitted record.
class Args {
 public:
  Args(int32_t count, const ArgRecord* args) : count_(count < 0 ? 0 : count), args_(args) {}

  const ArgRecord& operator[](int i) const { return i < count_ ? args_[i] : kOmittedRecord; }
  int32_t count() const { return count_; }
  bool present(int i) const { return (*this)[i].present(); }
  // The text argument i (never null; an omitted text reads as "").
  const char* text(int i) const {
    const char* t = (*this)[i].pointer<const char>();
    return t ? t : "";
  }
  int32_t integer(int i) const { return int32_t((*this)[i].low()); }
  int32_t integer_or(int i, int32_t fallback) const { return present(i) ? integer(i) : fallback; }
  uint32_t low(int i) const { return (*this)[i].low(); }

 private:
  static constexpr ArgRecord kOmittedRecord{};
  int32_t count_;
  const ArgRecord* args_;
};

// Result writers.
inline void SetInt(ResultRecord* r, int32_t v) { r->value = uint32_t(v); }
inline void SetBool(ResultRecord* r, bool v) { r->value = v ? 1 : 0; }
inline void SetPointer(ResultRecord* r, const void* p) { r->value = uint64_t(uintptr_t(p)); }

// Calls a command the way the program's code does: a zeroed result record,
// the count, the records. Entries 2 and 3 of the runtime entry table.
ResultRecord CallCommand(CommandEntry entry, int32_t count, const ArgRecord* args);

}  // namespace rt
