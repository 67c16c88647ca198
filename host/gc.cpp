#include "host/gc.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "host/numeric.h"
#include "host/string.h"

int gc_markbit = 1;
int gc_new_bytes = 0;
std::atomic<int> gc_ext_new_bytes{0};
int gc_alloced_bytes = 0;
int gc_max_alloced_bytes = 0;
int gc_marked_bytes = 0;
int gc_free_bytes = 0;

namespace {

constexpr int kFullCycleBytes = 8388608;  // 8 MiB of new plus outside data
constexpr int kCacheLimit = 64;           // blocks below this size are recycled by size class

// Each list is circular and doubly linked through succ/pred, headed by a sentinel.
gc_object queued_list;
gc_object unmarked_list;
gc_object marked_list;
gc_object free_list;

// Free small blocks by size class (size / 8), linked through their first word.
void* cache[kCacheLimit / 8];

int next_identity = 0;

std::vector<gc_root_marker>& root_markers() {
  static std::vector<gc_root_marker> markers;
  return markers;
}

int size_of(const gc_object* obj) { return obj->flags & ~7; }
int colour_of(const gc_object* obj) { return obj->flags & 3; }

void make_empty(gc_object& list) { list.succ = list.pred = &list; }
bool is_empty(const gc_object& list) { return list.succ == &list; }

void unlink(gc_object* obj) {
  obj->pred->succ = obj->succ;
  obj->succ->pred = obj->pred;
}

void append(gc_object* obj, gc_object& list) {
  obj->succ = &list;
  obj->pred = list.pred;
  list.pred->succ = obj;
  list.pred = obj;
}

// Moves the whole of `from` to the end of `to`, leaving `from` empty.
void splice_all(gc_object& from, gc_object& to) {
  if (is_empty(from)) return;
  from.succ->pred = to.pred;
  to.pred->succ = from.succ;
  from.pred->succ = &to;
  to.pred = from.pred;
  make_empty(from);
}

// Moves every object of `from` into the empty list `to`.
void move_all(gc_object& from, gc_object& to) {
  make_empty(to);
  splice_all(from, to);
}

bool is_unmarked(const gc_object* obj) { return colour_of(obj) == gc_markbit; }

void scan(gc_object* obj) {
  unlink(obj);
  append(obj, marked_list);
  gc_marked_bytes += size_of(obj);
  obj->mark();
}

void drain_queue() {
  while (!is_empty(queued_list)) scan(queued_list.succ);
}

void full_cycle() {
  gc_ext_new_bytes.fetch_sub(gc_ext_new_bytes.load());
  drain_queue();
  // Whatever is still unmarked is dead; it is destroyed later, a little at each allocation.
  if (gc_alloced_bytes != gc_marked_bytes) gc_free_bytes += gc_alloced_bytes - gc_marked_bytes;
  splice_all(unmarked_list, free_list);
  gc_alloced_bytes = gc_marked_bytes;
  move_all(marked_list, unmarked_list);
  gc_marked_bytes = 0;
  gc_markbit ^= 1;
  gc_mark();
  gc_new_bytes = 0;
}

bool list_contains(const gc_object& list, const gc_object* obj) {
  for (const gc_object* p = list.succ; p != &list; p = p->succ) {
    if (p == obj) return true;
  }
  return false;
}

gc_object* find_in(gc_object& list, int identity) {
  for (gc_object* p = list.succ; p != &list; p = p->succ) {
    if (p->identity == identity) return p;
  }
  return nullptr;
}

int count(const gc_object& list) {
  int n = 0;
  for (const gc_object* p = list.succ; p != &list; p = p->succ) ++n;
  return n;
}

const bool lists_ready = (gc_reset_lists(), true);

}  // namespace

int Object::Compare(Object* other) { return zu_wrap_sub(identity, other->identity); }

String Object::debug() { return String("+Object\n"); }

void gc_reset_lists() {
  make_empty(queued_list);
  make_empty(unmarked_list);
  make_empty(marked_list);
  make_empty(free_list);
}

namespace {

void* Allocate(int requested, bool zeroed) {
  (void)lists_ready;
  const int size = (requested + 7) & ~7;
  gc_new_bytes += size;

  // Pay for freeing: destroy at least as many dead bytes as are being allocated.
  const int keep = gc_free_bytes - size > 0 ? gc_free_bytes - size : 0;
  while (gc_free_bytes > keep) {
    if (is_empty(free_list)) {
      gc_free_bytes = 0;
      break;
    }
    gc_object* dead = free_list.succ;
    unlink(dead);
    gc_object_destroy(dead);
  }

  if (size < kCacheLimit) {
    void*& chain = cache[size >> 3];
    if (chain) {
      void* block = chain;
      chain = *static_cast<void**>(block);
      if (zeroed) std::memset(block, 0, static_cast<size_t>(size));
      return block;
    }
  }
  void* block = zeroed ? std::calloc(1, static_cast<size_t>(size)) : std::malloc(size);
  if (!block) {
    std::fputs("Vantor Runtime Error : Out of memory\n", stdout);
    std::fflush(stdout);
    std::_Exit(-1);
  }
  return block;
}

}  // namespace

void* gc_object_alloc(int requested) { return Allocate(requested, false); }

void* gc_object_alloc_zeroed(int requested) { return Allocate(requested, true); }

void gc_object_register(gc_object* obj, int requested) {
  const int size = (requested + 7) & ~7;
  obj->flags = size | gc_markbit;
  next_identity = zu_wrap_add(next_identity, 1);
  if (next_identity == 0) next_identity = 1;  // 0 means "no object" to the debugger
  obj->identity = next_identity;
  append(obj, unmarked_list);
  gc_alloced_bytes += size;
  if (gc_alloced_bytes > gc_max_alloced_bytes) gc_max_alloced_bytes = gc_alloced_bytes;
}

void gc_object_destroy(gc_object* obj) {
  const int size = size_of(obj);
  obj->~gc_object();
  gc_free_bytes -= size;
  if (size < kCacheLimit) {
    void*& chain = cache[size >> 3];
    *reinterpret_cast<void**>(obj) = chain;
    chain = obj;
  } else {
    std::free(obj);
  }
}

void gc_mark_q(gc_object* obj) {
  if (!obj || !is_unmarked(obj)) return;
  obj->flags ^= 1;
  unlink(obj);
  append(obj, queued_list);
}

void gc_mark_n(gc_object* obj) {
  if (!obj || !is_unmarked(obj)) return;
  obj->flags ^= 1;
  scan(obj);
}

void gc_register_roots(gc_root_marker marker) { root_markers().push_back(marker); }

void gc_mark() {
  for (gc_root_marker marker : root_markers()) marker();
}

void gc_collect_step(gc_object* extra_root) {
  if (extra_root && is_unmarked(extra_root)) gc_mark_n(extra_root);

  if (gc_new_bytes + gc_ext_new_bytes.load() > kFullCycleBytes) {
    full_cycle();
    return;
  }
  // Spread marking over the steps: as new allocation approaches the full-cycle threshold,
  // the target approaches everything allocated.
  const long long target =
      gc_new_bytes +
      (static_cast<long long>(gc_alloced_bytes - gc_new_bytes) * gc_new_bytes) / kFullCycleBytes;
  while (gc_marked_bytes < target && !is_empty(queued_list)) scan(queued_list.succ);
}

void gc_ext_malloced(int bytes) { gc_ext_new_bytes.fetch_add(bytes); }

bool gc_is_live(const gc_object* obj) {
  return obj && (list_contains(unmarked_list, obj) || list_contains(queued_list, obj) ||
                 list_contains(marked_list, obj));
}

gc_object* gc_find_identity(int identity) {
  if (identity == 0) return nullptr;
  if (gc_object* p = find_in(unmarked_list, identity)) return p;
  if (gc_object* p = find_in(queued_list, identity)) return p;
  return find_in(marked_list, identity);
}

gc_counts gc_list_counts() {
  return {count(unmarked_list), count(queued_list), count(marked_list), count(free_list)};
}
