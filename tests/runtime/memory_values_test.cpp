// Runtime memory, value constructors, array freeing, RuntimeNotify's memory
// codes and the entry table, exercised through their real entry points.
#include <gtest/gtest.h>

#include <cstring>

#include "runtime/block_group.h"
#include "runtime/entry_table.h"
#include "runtime/memory.h"
#include "runtime/notify.h"
#include "runtime/values.h"

namespace {

// A constant block for the duration of one test.
class ConstantBlock {
 public:
  ConstantBlock(const void* start, size_t size) { rt::SetConstantBlock(start, size); }
  ~ConstantBlock() { rt::ClearConstantBlock(); }
};

void NoCommand(rt::ResultRecord*, int32_t, const rt::ArgRecord*) {}

TEST(ValueConstructors, ReturnNullForEmptyValues) {
  EXPECT_EQ(rt::MakeText(static_cast<const char*>(nullptr)), nullptr);
  EXPECT_EQ(rt::MakeText(""), nullptr);
  for (int64_t n : {int64_t(0), int64_t(-1), INT64_MIN}) {
    EXPECT_EQ(rt::MakeTextN("abc", n), nullptr) << n;
    EXPECT_EQ(rt::MakeByteSet("abc", n), nullptr) << n;
  }
}

TEST(ValueConstructors, CopyTheirBytesIntoNewBlocks) {
  const char source[] = "a\0b";
  char* text = rt::MakeTextN(source, 3);
  EXPECT_EQ(std::string(text, 4), std::string("a\0b\0", 4));  // zero bytes kept, then a terminator
  char* copy = rt::MakeText("xy");
  EXPECT_STREQ(copy, "xy");
  void* set = rt::MakeByteSet(source, 3);
  const rt::ByteSetHeader header = *static_cast<rt::ByteSetHeader*>(set);
  EXPECT_EQ(header.one, 1);
  EXPECT_EQ(header.length, 3);
  EXPECT_EQ(std::memcmp(rt::ByteSetBytes(set), source, 3), 0);
  for (void* p : {static_cast<void*>(text), static_cast<void*>(copy), set}) rt::RuntimeFree(p);
}

TEST(FreeArray, FreesOwnedElementsAndTheBlock) {
  void* texts = rt::MakePointerArray(3);
  rt::SetArrayPointerAt(texts, 0, rt::MakeText("a"));
  rt::SetArrayPointerAt(texts, 2, rt::MakeText("c"));  // element 1 stays null
  EXPECT_EQ(rt::ArrayCount(texts), 3);
  rt::FreeArray(rt::ArrayOf(rt::tag::kText), texts);  // the leak checker sees any element left

  void* sets = rt::MakePointerArray(1);
  rt::SetArrayPointerAt(sets, 0, rt::MakeByteSet("x", 1));
  rt::FreeArray(rt::tag::kByteSet, sets);  // the array bit is ignored

  void* empty = rt::MakePointerArray(0);
  EXPECT_EQ(rt::ArrayDimensions(empty), 1u);
  EXPECT_EQ(rt::ArrayCount(empty), 0);
  rt::FreeArray(rt::ArrayOf(rt::tag::kText), empty);

  auto* no_dimensions = static_cast<uint32_t*>(rt::RuntimeAlloc(4));
  *no_dimensions = 0;
  EXPECT_EQ(rt::ArrayCount(no_dimensions), 0);
  rt::FreeArray(rt::ArrayOf(rt::tag::kText), no_dimensions);
  rt::FreeArray(rt::ArrayOf(rt::tag::kText), nullptr);
}

TEST(RuntimeFree, IgnoresNullAndConstants) {
  static char block[] = "constant";
  ConstantBlock constants(block, sizeof block);
  rt::RuntimeFree(nullptr);
  rt::RuntimeFree(block + 3);
  EXPECT_STREQ(block, "constant");
  EXPECT_TRUE(rt::IsConstant(block + sizeof block - 1));
  EXPECT_FALSE(rt::IsConstant(block + sizeof block));
}

TEST(RuntimeRealloc, CopiesConstantsUpToTheEndOfTheBlock) {
  static char block[] = "abcd\0xyz";  // 9 bytes
  ConstantBlock constants(block, sizeof block);
  const std::tuple<char*, int64_t, std::string> cases[] = {
      {block, 100, std::string(block, 9)},
      {block + 6, 100, std::string("yz\0", 3)},
      {block, 3, "abc"},
  };
  for (const auto& [p, n, copied] : cases) {
    char* q = static_cast<char*>(rt::RuntimeRealloc(p, n));
    EXPECT_NE(q, p);
    EXPECT_FALSE(rt::IsConstant(q));
    EXPECT_EQ(std::string(q, copied.size()), copied);
    rt::RuntimeFree(q);
  }
  EXPECT_STREQ(block, "abcd");
}

TEST(RuntimeRealloc, GrowsHeapBlocksKeepingTheirContents) {
  char* p = static_cast<char*>(rt::RuntimeRealloc(nullptr, 4));
  std::memcpy(p, "abc", 4);
  p = static_cast<char*>(rt::RuntimeRealloc(p, 1 << 20));
  EXPECT_STREQ(p, "abc");
  rt::RuntimeFree(p);
}

// Inner blocks of a group survive their own free (ASan would report a real
// one) and copy out on realloc; the group's first address frees everything
// (the leak checker sees anything left).
TEST(BlockGroup, InnerBlocksGoWithTheGroup) {
  auto* group = static_cast<char*>(reinterpret_cast<void*>(rt::RuntimeNotify(rt::notify::kAllocGroup, 64, 0)));
  std::memcpy(group, "0123456789", 11);
  char* inner = group + 8;
  rt::RuntimeFree(inner);
  EXPECT_STREQ(inner, "89");
  auto* copy = static_cast<char*>(rt::RuntimeRealloc(group + 4, 200));
  EXPECT_STREQ(copy, "456789");
  rt::RuntimeFree(copy);
  rt::RuntimeFree(group);
}

// A results array the program grows: its elements stay valid, and freeing the
// grown array (wherever later resizes moved it) frees the group.
TEST(BlockGroup, GrowingTheFirstBlockKeepsTheInnerBlocksUntilTheGrownOneIsFreed) {
  auto** array = static_cast<char**>(rt::RuntimeAllocGroup(64));
  array[0] = reinterpret_cast<char*>(array) + 16;
  std::strcpy(array[0], "kept");
  auto** grown = static_cast<char**>(rt::RuntimeRealloc(array, 256));
  rt::RuntimeFree(grown[0]);
  EXPECT_NE(rt::GroupContaining(grown[0]).begin, nullptr);
  EXPECT_STREQ(grown[0], "kept");
  grown = static_cast<char**>(rt::RuntimeRealloc(grown, 1 << 20));
  EXPECT_STREQ(grown[0], "kept");
  char* element = grown[0];
  rt::RuntimeFree(grown);
  EXPECT_EQ(rt::GroupContaining(element).begin, nullptr);
}

TEST(MakeArrayWritable, CopiesOnlyConstantArrays) {
  alignas(8) static uint32_t constant_array[] = {1, 2, 7, 9};
  ConstantBlock constants(constant_array, sizeof constant_array);
  void* variable = constant_array;
  rt::Runtime().service_call(rt::service::kMakeArrayWritable, 4, intptr_t(&variable));
  ASSERT_NE(variable, static_cast<void*>(constant_array));
  EXPECT_EQ(std::memcmp(variable, constant_array, sizeof constant_array), 0);
  void* heap_array = variable;
  rt::MakeArrayWritable(4, &variable);
  EXPECT_EQ(variable, heap_array);
  rt::RuntimeFree(variable);
}

TEST(RuntimeNotify, ServesTheMemoryCodes) {
  using namespace rt::notify;
  void* block = reinterpret_cast<void*>(rt::RuntimeNotify(kAlloc, 16, 0));
  ASSERT_NE(block, nullptr);
  block = reinterpret_cast<void*>(rt::RuntimeNotify(kRealloc, intptr_t(block), 64));
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(rt::RuntimeNotify(kFree, intptr_t(block), 0), 0);
  void* raw = reinterpret_cast<void*>(rt::RuntimeNotify(kAlloc, 8, 1));
  ASSERT_NE(raw, nullptr);
  rt::RuntimeFree(raw);
  void* texts = rt::MakePointerArray(1);
  rt::SetArrayPointerAt(texts, 0, rt::MakeText("x"));
  EXPECT_EQ(rt::RuntimeNotify(kFreeArray, intptr_t(rt::ArrayOf(rt::tag::kText)), intptr_t(texts)), 0);
  EXPECT_EQ(rt::RuntimeNotify(kLiveObject, 0x52010001, 0), 0);  // no window host: nothing is loaded
  EXPECT_EQ(rt::RuntimeNotify(1234, 1, 2), 0);
}

TEST(EntryTable, CallsCommandsWithAZeroedResultAndReachesMemory) {
  const rt::RuntimeEntryTable& table = rt::Runtime();
  const rt::ArgRecord arg = rt::IntArg(1);
  for (auto call : {table.call_core_command, table.call_library_command}) {
    const rt::ResultRecord result = call(&NoCommand, 1, &arg);
    EXPECT_EQ(result.value, 0u);
    EXPECT_EQ(result.extra, 0u);
  }
  void* p = table.alloc(8);
  p = table.realloc(p, 32);
  table.free(p);
  table.free(nullptr);
}

}  // namespace
