// The framework's growable stacks. Storage grows to 2 * length + 10 when full, so the
// capacities run 10, 30, 70, 150, ... from an empty stack.
#pragma once

#include "framework/display_mode.h"
#include "host/array.h"

template <class T>
class zu_Stack : public Object {
 public:
  Array<T> m_Data;
  int m_Length = 0;

  zu_Stack* m_new() { return this; }
  zu_Stack* m_new2(const Array<T>& items) {
    gc_assign(m_Data, items.Resize(items.Length()));
    m_Length = items.Length();
    return this;
  }

  void p_Push(const T& item) {
    if (m_Length == m_Data.Length()) gc_assign(m_Data, m_Data.Resize(m_Length * 2 + 10));
    Store(m_Length, item);
    ++m_Length;
  }
  void p_Push2(const Array<T>& items, int offset, int count) {
    for (int i = 0; i < count; ++i) p_Push(items[offset + i]);
  }
  void p_Push3(const Array<T>& items, int offset) { p_Push2(items, offset, items.Length() - offset); }

  Array<T> p_ToArray() const {
    Array<T> out(m_Length);
    for (int i = 0; i < m_Length; ++i) out[i] = m_Data[i];
    return out;
  }

  void mark() override { gc_mark_q(m_Data); }

 protected:
  void Store(int index, const T& item) {
    if constexpr (std::is_pointer_v<T>) {
      gc_assign(m_Data[index], item);
    } else {
      m_Data[index] = item;
    }
  }
};

// Display modes, collected while listing the screen's modes.
class c_Stack : public zu_Stack<c_DisplayMode*> {};

class c_Stack2 : public zu_Stack<String> {};

class c_StringStack : public c_Stack2 {
 public:
  // The items with `separator` between each pair; one item gives that item itself.
  String p_Join(const String& separator) const { return separator.Join(p_ToArray()); }
};
