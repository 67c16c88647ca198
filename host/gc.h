// The incremental mark-and-sweep collector that owns every collected object.
//
// Objects are created with gc_new<T>(...) and never deleted by hand. The host runs one
// collector step (gc_collect_step) after every event it delivers, when no application
// code is on the stack, so locals need no registration: whatever a module global reaches
// survives, anything else is reclaimed at the next full cycle.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>

class String;

struct gc_object {
  gc_object* succ = nullptr;  // links of the collector list this object is on
  gc_object* pred = nullptr;
  int flags = 0;              // bits 3 and up: allocated size; bits 0..1: colour
  int identity = 0;           // serial number, what debuggers and Compare see

  gc_object() = default;
  gc_object(const gc_object&) = delete;
  gc_object& operator=(const gc_object&) = delete;
  virtual ~gc_object() = default;
  // Queues every object this one refers to.
  virtual void mark() {}
};

// The colour of a static object (the shared empty arrays): never marked, moved or freed.
constexpr int GC_STATIC_COLOUR = 3;

class Object : public gc_object {
 public:
  virtual bool Equals(Object* other) { return this == other; }
  virtual int Compare(Object* other);
  virtual String debug();
};

// Virtual base of every interface class; an object reached through one is marked
// through its gc_object part.
class gc_interface {
 public:
  virtual ~gc_interface() = default;
};

// The type of application exceptions, thrown and caught as pointers.
class ThrowableObject : public Object {};

// --- collector state, visible for the host, the debugger and the tests ---
extern int gc_markbit;
extern int gc_new_bytes;
extern std::atomic<int> gc_ext_new_bytes;
extern int gc_alloced_bytes;
extern int gc_max_alloced_bytes;
extern int gc_marked_bytes;
extern int gc_free_bytes;

// Raw storage for a collected object of `size` bytes; destroys a share of dead objects first.
void* gc_object_alloc(int size);
// The same, all bytes zero. A large block comes zeroed from the system, so its pages take
// no memory until written.
void* gc_object_alloc_zeroed(int size);
// Links freshly constructed storage into the collector as a new, unmarked object.
void gc_object_register(gc_object* obj, int size);
// Runs an object's destructor and returns its storage (to the small-block cache or the system).
void gc_object_destroy(gc_object* obj);

template <class T, class... Args>
T* gc_new(Args&&... args) {
  void* storage = gc_object_alloc(static_cast<int>(sizeof(T)));
  T* obj = new (storage) T(std::forward<Args>(args)...);
  gc_object_register(obj, static_cast<int>(sizeof(T)));
  return obj;
}

// Marking. Both act only on a non-null object not yet marked this cycle.
void gc_mark_q(gc_object* obj);  // queue it for scanning
void gc_mark_n(gc_object* obj);  // scan it now
inline void gc_mark_q(gc_interface* iface) {
  if (iface) gc_mark_q(dynamic_cast<gc_object*>(iface));
}

// The write barrier: every store of an object reference goes through it.
template <class T, class U>
T* gc_assign(T*& field, U* value) {
  gc_mark_q(value);
  field = value;
  return value;
}

// Module globals register a marking function so that gc_mark() can queue all of them.
using gc_root_marker = void (*)();
void gc_register_roots(gc_root_marker marker);
struct gc_roots {
  explicit gc_roots(gc_root_marker marker) { gc_register_roots(marker); }
};

// Queues every object held by a module global.
void gc_mark();
// Empties the collector's lists (start-up).
void gc_reset_lists();
// One step: incremental marking, or a full cycle once 8 MiB of new plus outside bytes built up.
// `extra_root` is the host's delegate, kept alive whatever else happens.
void gc_collect_step(gc_object* extra_root);
// Adds the size of data loaded outside the collector (images, sounds); safe from any thread.
void gc_ext_malloced(int bytes);

// True when `obj` is an object the collector currently knows to be alive (on the unmarked,
// queued or marked list). Used to answer a debugger safely.
bool gc_is_live(const gc_object* obj);
// The live object with this identity, or null.
gc_object* gc_find_identity(int identity);
// Number of objects on each list (statistics and tests).
struct gc_counts {
  int unmarked, queued, marked, free;
};
gc_counts gc_list_counts();
