// The three sources of a kind's property entries: a field of the kind's stored
// settings (Stored), accessors of the control itself (Live), or no value at
// all (Unstored). Each kind lists its entries in one table of these.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include "forms/kinds/kind_control.h"

namespace forms {
namespace entry_detail {

template <class T>
PropertyValue ToValue(const T& stored) {
  PropertyValue value;
  if constexpr (std::is_arithmetic_v<T>) value.number = int64_t(stored);
  else if constexpr (std::is_same_v<T, std::optional<FontDescription>>) value.font = stored;
  else value.bytes.assign(stored.begin(), stored.end());  // a text or a byte block
  return value;
}

// A text takes the value's bytes rather than a copy: a box's text may be
// tens of megabytes.
template <class T>
T FromValue(PropertyValue&& value) {
  if constexpr (std::is_arithmetic_v<T>) return T(value.number);
  else if constexpr (std::is_same_v<T, std::optional<FontDescription>>) return value.font;
  else if constexpr (std::is_same_v<T, std::string>) return std::move(value.bytes);
  else return T(value.bytes.begin(), value.bytes.end());
}

// The class a settings field or an accessor belongs to; the value type of a setter.
template <class F> struct Owner;
template <class T, class C> struct Owner<T C::*> { using type = C; using Value = T; };
template <class R, class C> struct Owner<R (*)(const C&)> { using type = C; };
template <class F> struct SetterArgument;
template <class R, class C, class A> struct SetterArgument<R (C::*)(A)> { using type = std::remove_cvref_t<A>; };
template <class R, class C, class A> struct SetterArgument<R (*)(C&, A)> { using type = std::remove_cvref_t<A>; };

inline bool IgnoreWrite(Control&, PropertyValue&&) { return false; }

}  // namespace entry_detail

// A field of the kind's settings: a write stores it and asks the control to
// show it, or to be built anew when it cannot.
template <auto Field>
constexpr PropertyEntry Stored(uint16_t type_code) {
  using Settings = typename entry_detail::Owner<decltype(Field)>::type;
  using Value = typename entry_detail::Owner<decltype(Field)>::Value;
  return {type_code,
          [](Control& control) {
            return entry_detail::ToValue(static_cast<KindControl<Settings>&>(control).settings().*Field);
          },
          [](Control& control, PropertyValue&& value) {
            auto& kind = static_cast<KindControl<Settings>&>(control);
            kind.settings().*Field = entry_detail::FromValue<Value>(std::move(value));
            return !kind.ShowSettings();
          }};
}

// A value the control answers itself: Getter is a const member function or a
// function of the const control; Setter, a member function or a function of
// the control, or none (writes are ignored). A setter that returns bool asks,
// with true, for the control to be built anew.
template <auto Getter, auto Setter = nullptr>
constexpr PropertyEntry Live(uint16_t type_code) {
  using Kind = typename entry_detail::Owner<decltype(Getter)>::type;
  PropertyEntry entry{type_code,
                      [](Control& control) {
                        return entry_detail::ToValue(std::invoke(Getter, static_cast<Kind&>(control)));
                      },
                      &entry_detail::IgnoreWrite};
  if constexpr (!std::is_null_pointer_v<decltype(Setter)>) {
    entry.write = [](Control& control, PropertyValue&& value) {
      using Argument = typename entry_detail::SetterArgument<decltype(Setter)>::type;
      auto& kind = static_cast<Kind&>(control);
      if constexpr (std::is_same_v<decltype(std::invoke(Setter, kind, std::declval<Argument>())), bool>) {
        return std::invoke(Setter, kind, entry_detail::FromValue<Argument>(std::move(value)));
      } else {
        std::invoke(Setter, kind, entry_detail::FromValue<Argument>(std::move(value)));
        return false;
      }
    };
  }
  return entry;
}

// An entry with no value: it reads as 0 or empty and ignores writes.
constexpr PropertyEntry Unstored(uint16_t type_code) {
  return {type_code, [](Control&) { return PropertyValue{}; }, &entry_detail::IgnoreWrite};
}

}  // namespace forms
