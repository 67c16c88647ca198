// Collected arrays. An Array<T> value is a handle to a collected representation; copying
// the handle shares it. Every element type has one static empty array, used for every
// empty array of that type. Indexing outside the bounds is a runtime error.
#pragma once

#include <new>
#include <type_traits>

#include "host/gc.h"
#include "host/report.h"
#include "host/string.h"

template <class T>
struct ArrayRep : gc_object {
  int length;

  // Numbers and pointers are zero in zeroed storage already: such an array is not written
  // here, so a large one takes no memory until its elements are.
  static constexpr bool kZeroIsEmpty = std::is_arithmetic_v<T> || std::is_pointer_v<T>;

  explicit ArrayRep(int n) : length(n) {
    if constexpr (!kZeroIsEmpty) {
      for (int i = 0; i < n; ++i) new (&elements()[i]) T();
    }
  }
  ~ArrayRep() override {
    if constexpr (!std::is_trivially_destructible_v<T>) {
      for (int i = 0; i < length; ++i) elements()[i].~T();
    }
  }
  // Elements sit right after the header.
  T* elements() { return reinterpret_cast<T*>(this + 1); }
  void mark() override {
    if constexpr (std::is_pointer_v<T>) {
      for (int i = 0; i < length; ++i) gc_mark_q(elements()[i]);
    }
  }
  static int SizeFor(int n) { return static_cast<int>(sizeof(ArrayRep) + sizeof(T) * n); }
};

template <class T>
class Array {
  static_assert(alignof(T) <= alignof(ArrayRep<T>), "element alignment");

 public:
  Array() : rep_(Empty()) {}
  explicit Array(int length) : rep_(length > 0 ? New(length) : Empty()) {}
  Array(std::initializer_list<T> items) : Array(static_cast<int>(items.size())) {
    int i = 0;
    for (const T& item : items) rep_->elements()[i++] = item;
  }

  int Length() const { return rep_->length; }
  T& operator[](int index) const {
    if (static_cast<unsigned>(index) >= static_cast<unsigned>(rep_->length)) {
      dbg_error("Array index out of range");
    }
    return rep_->elements()[index];
  }
  T* begin() const { return rep_->elements(); }
  T* end() const { return rep_->elements() + rep_->length; }

  // A new array of `length` elements holding as many of these as fit.
  Array Resize(int length) const {
    Array out(length);
    for (int i = 0; i < length && i < Length(); ++i) out.rep_->elements()[i] = rep_->elements()[i];
    return out;
  }

  ArrayRep<T>* Rep() const { return rep_; }
  bool operator==(const Array& other) const { return rep_ == other.rep_; }

  // The one static empty array of this element type.
  static ArrayRep<T>* Empty() {
    static ArrayRep<T>* empty = [] {
      alignas(ArrayRep<T>) static unsigned char storage[sizeof(ArrayRep<T>)];
      auto* rep = new (storage) ArrayRep<T>(0);
      rep->flags = GC_STATIC_COLOUR;
      return rep;
    }();
    return empty;
  }

 private:
  static ArrayRep<T>* New(int length) {
    int size = ArrayRep<T>::SizeFor(length);
    void* storage = ArrayRep<T>::kZeroIsEmpty ? gc_object_alloc_zeroed(size) : gc_object_alloc(size);
    auto* rep = new (storage) ArrayRep<T>(length);
    gc_object_register(rep, size);
    return rep;
  }

  ArrayRep<T>* rep_;
};

template <class T>
void gc_mark_q(const Array<T>& array) {
  gc_mark_q(static_cast<gc_object*>(array.Rep()));
}

// The write barrier for array fields and globals.
template <class T>
const Array<T>& gc_assign(Array<T>& field, const Array<T>& value) {
  gc_mark_q(value);
  field = value;
  return field;
}
