// Asynchronous event sources, updated once per application update. Nothing in this
// program registers one, so the list stays empty; the machinery is kept for the framework's
// loaders that use it elsewhere.
#pragma once

#include "framework/stack.h"

class c_IAsyncEventSource : public virtual gc_interface {
 public:
  virtual void p_UpdateAsyncEvents() = 0;
};

class c_Stack3 : public zu_Stack<c_IAsyncEventSource*> {
 public:
  // The value that clears freed slots.
  static c_IAsyncEventSource* const m_NIL;

  c_IAsyncEventSource* p_Get(int index) { return m_Data[index]; }
  int p_Length2() const { return m_Length; }
  void p_Length(int length);
};

extern c_Stack3* zu_asyncevent__sources;
extern c_IAsyncEventSource* zu_asyncevent__current;

void zu_asyncevent_Init();
// Updates every registered source once; does not re-enter. Returns 0.
int zu_asyncevent_UpdateAsyncEvents();
