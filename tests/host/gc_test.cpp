#include "host/gc.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "host/array.h"

namespace {

// Says through `destroyed` when it is destroyed. Probes still undestroyed when a test ends
// are disarmed, since their flags die with the test and a later test's allocations may
// destroy them.
struct Probe : Object {
  explicit Probe(bool* destroyed_flag = nullptr, int tag = 0) : destroyed(destroyed_flag), tag(tag) {
    Armed().insert(this);
  }
  ~Probe() override {
    if (destroyed) *destroyed = true;
    magic = 0;
    Armed().erase(this);
  }
  static std::set<Probe*>& Armed() {
    static std::set<Probe*> armed;
    return armed;
  }
  static void DisarmAll() {
    for (Probe* probe : Armed()) probe->destroyed = nullptr;
  }
  void mark() override { gc_mark_q(next); }
  bool* destroyed;
  int tag;
  int magic = 0x5eed;
  Probe* next = nullptr;
};

Probe* test_global = nullptr;
Array<Probe*> test_slots;
const gc_roots test_roots([] {
  gc_mark_q(test_global);
  gc_mark_q(test_slots);
});

// Forces the next step to be a full cycle.
void full_cycle() {
  gc_ext_malloced(8388609);
  gc_collect_step(nullptr);
}

// Destroys every dead object by allocating at least as many bytes as are waiting.
void destroy_dead() {
  if (gc_free_bytes > 0) Array<int> payment(gc_free_bytes / 4 + 1);
}

// Scans everything queued, as incremental steps would just before a full cycle is due.
void scan_queued() {
  gc_new_bytes = 8388608 - gc_ext_new_bytes.load();
  gc_collect_step(nullptr);
  gc_new_bytes = 0;
}

class Collector : public ::testing::Test {
 protected:
  void SetUp() override {
    test_global = nullptr;
    test_slots = Array<Probe*>();
    full_cycle();
    full_cycle();
    destroy_dead();
  }
  void TearDown() override {
    Probe::DisarmAll();
    test_global = nullptr;
    test_slots = Array<Probe*>();
  }
};

TEST_F(Collector, ObjectHeldOnlyByALocalIsReclaimedAtTheNextFullCycle) {
  bool destroyed = false;
  Probe* local = gc_new<Probe>(&destroyed);
  EXPECT_TRUE(gc_is_live(local));
  full_cycle();
  EXPECT_FALSE(gc_is_live(local));
  EXPECT_FALSE(destroyed) << "destruction waits for a later allocation";
  destroy_dead();
  EXPECT_TRUE(destroyed);
}

TEST_F(Collector, ObjectHeldByAGlobalSurvivesEveryCycle) {
  bool destroyed = false;
  gc_assign(test_global, gc_new<Probe>(&destroyed));
  gc_assign(test_global->next, gc_new<Probe>(&destroyed));
  for (int i = 0; i < 5; ++i) {
    full_cycle();
    destroy_dead();
  }
  EXPECT_FALSE(destroyed);
  EXPECT_TRUE(gc_is_live(test_global));
  EXPECT_TRUE(gc_is_live(test_global->next));
  EXPECT_EQ(test_global->next->magic, 0x5eed);
}

TEST_F(Collector, DroppingTheLastReferenceFreesTheObject) {
  bool destroyed = false;
  gc_assign(test_global, gc_new<Probe>(&destroyed));
  full_cycle();
  test_global = nullptr;
  full_cycle();  // roots were queued while the object was still held
  full_cycle();
  destroy_dead();
  EXPECT_TRUE(destroyed);
}

TEST_F(Collector, WriteBarrierKeepsAnObjectStoredIntoAScannedOne) {
  gc_assign(test_global, gc_new<Probe>());
  scan_queued();
  ASSERT_EQ(gc_list_counts().queued, 0);

  Probe* unguarded = gc_new<Probe>();
  test_global->next = unguarded;  // a store that skips the barrier
  full_cycle();
  EXPECT_FALSE(gc_is_live(unguarded)) << "without the barrier the store is invisible";

  test_global->next = nullptr;
  full_cycle();
  scan_queued();
  Probe* guarded = gc_new<Probe>();
  gc_assign(test_global->next, guarded);
  full_cycle();
  EXPECT_TRUE(gc_is_live(guarded));
}

TEST_F(Collector, IncrementalStepMarksUpToTheTarget) {
  // Scan the roots queued by the last cycle, so that only the probes wait in the queue.
  scan_queued();
  ASSERT_EQ(gc_list_counts().queued, 0);
  std::vector<Probe*> queued;
  for (int i = 0; i < 10; ++i) {
    queued.push_back(gc_new<Probe>());
    gc_mark_q(queued.back());
  }
  const int object_size = queued[0]->flags & ~7;
  gc_new_bytes = 100;
  gc_marked_bytes = 0;
  const long long target =
      gc_new_bytes + (static_cast<long long>(gc_alloced_bytes - gc_new_bytes) * gc_new_bytes) / 8388608;
  gc_collect_step(nullptr);
  const int expected_scans = static_cast<int>((target + object_size - 1) / object_size);
  EXPECT_EQ(gc_marked_bytes, expected_scans * object_size);
  EXPECT_EQ(gc_list_counts().queued, 10 - expected_scans);
  gc_new_bytes = 0;
}

TEST_F(Collector, OutsideDataBringsTheFullCycleForward) {
  bool destroyed = false;
  Probe* local = gc_new<Probe>(&destroyed);
  gc_collect_step(nullptr);
  EXPECT_TRUE(gc_is_live(local)) << "a small step does not sweep";
  gc_ext_malloced(5000000);
  gc_ext_malloced(4000000);
  gc_collect_step(nullptr);
  EXPECT_FALSE(gc_is_live(local));
  EXPECT_EQ(gc_ext_new_bytes.load(), 0);
  EXPECT_EQ(gc_new_bytes, 0);
}

TEST_F(Collector, DelegateIsAlwaysKeptAlive) {
  bool destroyed = false;
  Probe* delegate = gc_new<Probe>(&destroyed);
  gc_collect_step(delegate);
  gc_ext_malloced(8388609);
  gc_collect_step(delegate);
  destroy_dead();
  EXPECT_FALSE(destroyed);
  EXPECT_TRUE(gc_is_live(delegate));
}

TEST_F(Collector, SmallBlocksAreRecycledBySizeClass) {
  static_assert(sizeof(Probe) < 64, "a small object");
  std::vector<void*> blocks;
  for (int i = 0; i < 3; ++i) blocks.push_back(gc_new<Probe>());
  full_cycle();
  destroy_dead();  // the dead probes' blocks go to their size class's chain
  void* fresh = gc_new<Probe>();
  EXPECT_EQ(fresh, blocks.back()) << "the most recently freed block of the class comes first";
}

TEST_F(Collector, DestructionIsPaidForByAllocation) {
  for (int i = 0; i < 100; ++i) gc_new<Probe>();
  full_cycle();
  const int waiting = gc_free_bytes;
  ASSERT_GT(waiting, 0);
  gc_new<Probe>();
  EXPECT_LT(gc_free_bytes, waiting);
  EXPECT_LE(gc_free_bytes, waiting - static_cast<int>(sizeof(Probe)));
  EXPECT_EQ(gc_list_counts().free * static_cast<int>((sizeof(Probe) + 7) & ~7), gc_free_bytes);
}

TEST_F(Collector, IdentitiesResolveOnlyForLiveObjects) {
  Probe* live = gc_new<Probe>();
  gc_assign(test_global, live);
  Probe* dead = gc_new<Probe>();
  const int dead_identity = dead->identity;
  full_cycle();
  EXPECT_EQ(gc_find_identity(live->identity), live);
  EXPECT_EQ(gc_find_identity(dead_identity), nullptr);
  EXPECT_EQ(gc_find_identity(0), nullptr);
  EXPECT_EQ(gc_find_identity(-12345), nullptr);
}

TEST_F(Collector, CompareIsTheDifferenceOfIdentities) {
  Probe* a = gc_new<Probe>();
  Probe* b = gc_new<Probe>();
  EXPECT_EQ(b->Compare(a), b->identity - a->identity);
  EXPECT_EQ(a->Compare(a), 0);
  EXPECT_TRUE(a->Equals(a));
  EXPECT_FALSE(a->Equals(b));
  EXPECT_EQ(std::u16string(a->debug().View()), u"+Object\n");
}

TEST_F(Collector, StressOfAllocationsCyclesAndBarrierStores) {
  constexpr int kSlots = 64;
  gc_assign(test_slots, Array<Probe*>(kSlots));
  std::mt19937 random(1234);
  for (int round = 0; round < 20000; ++round) {
    int slot = static_cast<int>(random() % kSlots);
    Probe* p = gc_new<Probe>(nullptr, round);
    if (random() % 3 == 0) gc_assign(p->next, test_slots[static_cast<int>(random() % kSlots)]);
    gc_assign(test_slots[slot], p);
    if (random() % 7 == 0) Array<String> garbage(static_cast<int>(random() % 50));
    if (random() % 11 == 0) gc_collect_step(nullptr);
    if (random() % 997 == 0) full_cycle();
  }
  full_cycle();
  destroy_dead();
  for (Probe* p : test_slots) {
    for (Probe* q = p; q; q = q->next) ASSERT_EQ(q->magic, 0x5eed);
  }
}

}  // namespace
