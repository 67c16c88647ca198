#include "host/array.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

struct Item : Object {};

Array<Item*> held_items;
Array<String> held_strings;
const gc_roots array_roots([] {
  gc_mark_q(held_items);
  gc_mark_q(held_strings);
});

void full_cycle() {
  gc_ext_malloced(8388609);
  gc_collect_step(nullptr);
}

void destroy_dead() {
  if (gc_free_bytes > 0) Array<int> payment(gc_free_bytes / 4 + 1);
}

TEST(Arrays, NewElementsStartEmpty) {
  Array<int> ints(3);
  Array<float> floats(2);
  Array<bool> bools(2);
  Array<String> strings(2);
  Array<Item*> items(2);
  EXPECT_EQ(ints[2], 0);
  EXPECT_EQ(floats[1], 0.0f);
  EXPECT_FALSE(bools[1]);
  EXPECT_TRUE(strings[1].IsEmpty());
  EXPECT_EQ(items[0], nullptr);
}

TEST(Arrays, EachElementTypeHasOneStaticEmptyArray) {
  EXPECT_EQ(Array<int>().Rep(), Array<int>(0).Rep());
  EXPECT_EQ(Array<int>(-5).Rep(), Array<int>().Rep());
  EXPECT_EQ(Array<int>().Rep()->flags & 3, GC_STATIC_COLOUR);
  EXPECT_NE(static_cast<gc_object*>(Array<int>().Rep()), static_cast<gc_object*>(Array<float>().Rep()));
  full_cycle();
  destroy_dead();
  EXPECT_EQ(Array<String>().Length(), 0);
}

TEST(Arrays, ObjectArraysKeepTheirElementsAlive) {
  gc_assign(held_items, Array<Item*>(2));
  gc_assign(held_items[1], gc_new<Item>());
  Item* element = held_items[1];
  full_cycle();
  full_cycle();
  EXPECT_TRUE(gc_is_live(element));
  held_items = Array<Item*>();
}

TEST(Arrays, DestroyingAStringArrayReleasesItsElements) {
  String kept("kept value");
  {
    Array<String> local(2);
    local[0] = kept;
    EXPECT_EQ(kept.SharedRefs(), 2);
  }
  full_cycle();
  destroy_dead();
  EXPECT_EQ(kept.SharedRefs(), 1);
}

TEST(Arrays, ResizeKeepsWhatFits) {
  Array<int> a{1, 2, 3};
  Array<int> shorter = a.Resize(2);
  Array<int> longer = a.Resize(5);
  EXPECT_EQ(shorter.Length(), 2);
  EXPECT_EQ(shorter[1], 2);
  EXPECT_EQ(longer[2], 3);
  EXPECT_EQ(longer[4], 0);
}

TEST(ArraysDeathTest, IndexOutsideTheBoundsIsARuntimeError) {
  Array<int> a(4);
  EXPECT_EXIT(
      {
        std::freopen("/dev/null", "r", stdin);
        a[4] = 1;
      },
      ::testing::ExitedWithCode(255), "");
  EXPECT_EXIT(
      {
        std::freopen("/dev/null", "r", stdin);
        std::printf("%d", a[-1]);
      },
      ::testing::ExitedWithCode(255), "");
}

TEST(ArraysDeathTest, RuntimeErrorNamesTheFault) {
  Array<float> a(1);
  testing::internal::CaptureStdout();
  EXPECT_EXIT(
      {
        std::freopen("/dev/null", "r", stdin);
        a[1] = 2.0f;
      },
      ::testing::ExitedWithCode(255), "");
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Vantor Runtime Error : Array index out of range"), std::string::npos) << out;
}

}  // namespace
