// Property entries answered from a kind's stored settings: each entry names
// the settings field it reads and writes, so one generic Get/Set serves every
// entry a kind does not handle live.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "forms/control.h"
#include "forms/kind_settings.h"

namespace forms {

// The settings field behind one property entry; monostate for entries with no
// stored value (they read as 0 or empty and ignore writes).
template <class Settings>
using StoredField = std::variant<std::monostate, uint32_t Settings::*, int32_t Settings::*,
                                 uint16_t Settings::*, std::string Settings::*,
                                 std::optional<FontDescription> Settings::*, Block Settings::*>;

template <class Settings>
PropertyValue ReadStoredField(const Settings& settings, const StoredField<Settings>& field) {
  PropertyValue value;
  std::visit(
      [&](auto member) {
        using Member = decltype(member);
        if constexpr (std::is_same_v<Member, std::monostate>) {
        } else if constexpr (std::is_same_v<Member, std::string Settings::*>) {
          value.bytes = settings.*member;
        } else if constexpr (std::is_same_v<Member, Block Settings::*>) {
          value.bytes.assign((settings.*member).begin(), (settings.*member).end());
        } else if constexpr (std::is_same_v<Member, std::optional<FontDescription> Settings::*>) {
          value.font = settings.*member;
        } else {
          value.number = int64_t(settings.*member);
        }
      },
      field);
  return value;
}

template <class Settings>
void WriteStoredField(Settings& settings, const StoredField<Settings>& field,
                      const PropertyValue& value) {
  std::visit(
      [&](auto member) {
        using Member = decltype(member);
        if constexpr (std::is_same_v<Member, std::monostate>) {
        } else if constexpr (std::is_same_v<Member, std::string Settings::*>) {
          settings.*member = value.bytes;
        } else if constexpr (std::is_same_v<Member, Block Settings::*>) {
          settings.*member = Block(value.bytes.begin(), value.bytes.end());
        } else if constexpr (std::is_same_v<Member, std::optional<FontDescription> Settings::*>) {
          settings.*member = value.font;
        } else {
          using Number = std::remove_reference_t<decltype(settings.*member)>;
          settings.*member = Number(value.number);
        }
      },
      field);
}

}  // namespace forms
