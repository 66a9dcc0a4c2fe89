#include <gtest/gtest.h>
#include "runtime/type_tag.h"
TEST(TypeTag, ClassifiesTags) { EXPECT_EQ(rt::ClassOf(rt::tag::kInt), rt::TagClass::kBuiltIn); }
