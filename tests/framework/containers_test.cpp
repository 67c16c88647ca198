#include <gtest/gtest.h>

#include <set>

#include "framework/int_map.h"
#include "framework/stack.h"

namespace {

std::u16string text(const String& s) { return std::u16string(s.View()); }

TEST(Stacks, CapacityRunsTenThirtySeventy) {
  c_Stack2* stack = gc_new<c_Stack2>();
  stack->m_new();
  EXPECT_EQ(stack->m_Data.Length(), 0);
  for (int i = 0; i < 10; ++i) stack->p_Push(String(i));
  EXPECT_EQ(stack->m_Data.Length(), 10);
  stack->p_Push(String("eleventh"));
  EXPECT_EQ(stack->m_Data.Length(), 30);
  EXPECT_EQ(stack->m_Length, 11);
  for (int i = 0; i < 20; ++i) stack->p_Push(String(i));
  EXPECT_EQ(stack->m_Data.Length(), 70);
}

TEST(Stacks, PushRangesAndCopyOut) {
  Array<String> items{String("a"), String("b"), String("c"), String("d")};
  c_StringStack* stack = gc_new<c_StringStack>();
  stack->p_Push2(items, 1, 2);
  stack->p_Push3(items, 3);
  Array<String> out = stack->p_ToArray();
  ASSERT_EQ(out.Length(), 3);
  EXPECT_EQ(text(out[0]), u"b");
  EXPECT_EQ(text(out[2]), u"d");
}

TEST(Stacks, CopyConstructionTakesTheWholeArray) {
  c_Stack2* stack = gc_new<c_Stack2>();
  stack->m_new2(Array<String>{String("x"), String("y")});
  EXPECT_EQ(stack->m_Length, 2);
  stack->p_Push(String("z"));
  EXPECT_EQ(stack->m_Data.Length(), 14);
}

TEST(Stacks, JoinPutsTheSeparatorBetweenItems) {
  c_StringStack* stack = gc_new<c_StringStack>();
  EXPECT_EQ(text(stack->p_Join(String(","))), u"");
  stack->p_Push(String("a"));
  EXPECT_EQ(text(stack->p_Join(String(","))), u"a");
  stack->p_Push(String("b"));
  stack->p_Push(String("c"));
  EXPECT_EQ(text(stack->p_Join(String(","))), u"a,b,c");
}

// Checks the red-black invariants and returns the black height.
int black_height(c_Node* node, int low, int high) {
  if (!node) return 1;
  EXPECT_GT(node->m_Key, low);
  EXPECT_LT(node->m_Key, high);
  if (node->m_Color == -1) {
    EXPECT_TRUE(!node->m_Left || node->m_Left->m_Color == 1);
    EXPECT_TRUE(!node->m_Right || node->m_Right->m_Color == 1);
  }
  if (node->m_Left) {
    EXPECT_EQ(node->m_Left->m_Parent, node);
  }
  if (node->m_Right) {
    EXPECT_EQ(node->m_Right->m_Parent, node);
  }
  int left = black_height(node->m_Left, low, node->m_Key);
  int right = black_height(node->m_Right, node->m_Key, high);
  EXPECT_EQ(left, right);
  return left + (node->m_Color == 1 ? 1 : 0);
}

TEST(IntMap, SettingAnExistingKeyReplacesTheValue) {
  c_IntMap* map = gc_new<c_IntMap>()->m_new();
  c_DisplayMode* first = gc_new<c_DisplayMode>()->m_new(1, 1);
  c_DisplayMode* second = gc_new<c_DisplayMode>()->m_new(2, 2);
  EXPECT_TRUE(map->p_Set(7, first));
  EXPECT_FALSE(map->p_Set(7, second));
  EXPECT_TRUE(map->p_Contains(7));
  EXPECT_EQ(map->p_FindNode(7)->m_Value, second);
  EXPECT_FALSE(map->p_Contains(8));
}

TEST(IntMap, StaysBalancedUnderOrderedAndShuffledInserts) {
  c_IntMap* map = gc_new<c_IntMap>()->m_new();
  for (int key = 0; key < 500; ++key) map->p_Insert(key, nullptr);
  for (int key = 1000; key > 500; key -= 3) map->p_Insert(key, nullptr);
  EXPECT_EQ(map->m_Root->m_Color, 1);
  EXPECT_EQ(map->m_Root->m_Parent, nullptr);
  int height = black_height(map->m_Root, -1, 1001);
  EXPECT_LE(height, 11);  // about log2(667) + 1
  for (int key = 0; key < 500; ++key) ASSERT_TRUE(map->p_Contains(key));
  EXPECT_TRUE(map->p_Contains(997));
  EXPECT_FALSE(map->p_Contains(999));
}

TEST(IntMap, OrdersByWrappingDifference) {
  // Keys far apart overflow a plain subtraction; the wrapped difference decides the side.
  c_IntMap* map = gc_new<c_IntMap>()->m_new();
  EXPECT_EQ(map->p_Compare(-2147483647 - 1, 1), 2147483647);
  map->p_Set((1920 << 16) | 1080, nullptr);
  map->p_Set((640 << 16) | 480, nullptr);
  EXPECT_TRUE(map->p_Contains((1920 << 16) | 1080));
  EXPECT_TRUE(map->p_Contains((640 << 16) | 480));
}

}  // namespace
