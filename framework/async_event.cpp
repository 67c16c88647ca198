#include "framework/async_event.h"

c_IAsyncEventSource* const c_Stack3::m_NIL = nullptr;

c_Stack3* zu_asyncevent__sources = nullptr;
c_IAsyncEventSource* zu_asyncevent__current = nullptr;

namespace {
const gc_roots async_roots([] {
  gc_mark_q(zu_asyncevent__sources);
  gc_mark_q(zu_asyncevent__current);
});
}  // namespace

void c_Stack3::p_Length(int length) {
  for (int i = length; i < m_Length; ++i) m_Data[i] = m_NIL;
  if (length > m_Data.Length()) {
    const int grown = m_Length * 2 + 10;
    gc_assign(m_Data, m_Data.Resize(grown > length ? grown : length));
  }
  m_Length = length;
}

void zu_asyncevent_Init() {
  gc_assign(zu_asyncevent__sources, gc_new<c_Stack3>());
  zu_asyncevent__current = nullptr;
}

int zu_asyncevent_UpdateAsyncEvents() {
  if (zu_asyncevent__current) return 0;
  int i = 0;
  while (i < zu_asyncevent__sources->p_Length2()) {
    gc_assign(zu_asyncevent__current, zu_asyncevent__sources->p_Get(i));
    zu_asyncevent__current->p_UpdateAsyncEvents();
    // A source that removed itself cleared the current one: the same index now holds the next.
    if (zu_asyncevent__current) ++i;
  }
  zu_asyncevent__current = nullptr;
  return 0;
}
