// The records a program hands the runtime: its header, its library records and
// the procedure table that event-handler offsets index.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "runtime/call.h"

namespace rt {

// The program's event handlers. A handler offset in a window template is an
// index into this table; 0xFFFFFFFF means "no handler".
using Procedure = void (*)();
struct ProcedureTable {
  const Procedure* entries = nullptr;
  uint32_t count = 0;
};
constexpr uint32_t kNoHandler = 0xFFFFFFFF;

// A library's notify function: code 1 at start-up hands it RuntimeNotify,
// code 6 tells it the program is ending.
using NotifyFunction = intptr_t (*)(intptr_t code, intptr_t a, intptr_t b);
using LibraryNotify = intptr_t (*)(int32_t code, intptr_t a, intptr_t b);

struct DataTypeInfo {
  const char* display_name;  // GBK
  const char* english_name;
};

// A library's description of itself, fields in their fixed order.
struct LibraryInfo {
  char signature[4] = {'k', '-', '1', '\x01'};
  const char* identifier = nullptr;
  uint32_t version_flags[7] = {};
  const char* name = nullptr;
  uint32_t flags[3] = {};
  uint32_t reserved1[8] = {};
  uint32_t type_count = 0;
  const DataTypeInfo* types = nullptr;
  uint32_t reserved2[2] = {};
  uint32_t command_count = 0;
  uint32_t reserved3 = 0;
  const CommandEntry* commands = nullptr;
  uint32_t reserved4[2] = {};
  LibraryNotify notify = nullptr;
  uint32_t reserved5[5] = {};
};

// A library record from its tables; the version and flag words stay zero.
inline LibraryInfo DescribeLibrary(const char* identifier, const char* name,
                                   std::span<const DataTypeInfo> types,
                                   std::span<const CommandEntry> commands, LibraryNotify notify) {
  LibraryInfo info;
  info.identifier = identifier;
  info.name = name;
  info.type_count = uint32_t(types.size());
  info.types = types.data();
  info.command_count = uint32_t(commands.size());
  info.commands = commands.data();
  info.notify = notify;
  return info;
}

// The program header, fields in their fixed order.
struct ProgramHeader {
  uint32_t word1 = 0;
  uint32_t word2 = 0;
  uint32_t word3 = 0;
  const ProcedureTable* code_base = nullptr;
  const char* constants = nullptr;
  uint32_t constants_size = 0;
  const uint8_t* templates = nullptr;
  uint32_t templates_size = 0;
  uint32_t library_count = 0;
  const LibraryInfo* const* libraries = nullptr;
  uint32_t extra_count = 0;
  const uint32_t* extra1 = nullptr;
  const uint32_t* extra2 = nullptr;
};

}  // namespace rt
