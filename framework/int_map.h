// An ordered map from int keys to display modes: a red-black tree, larger keys to the right.
#pragma once

#include "framework/display_mode.h"

class c_Node : public Object {
 public:
  int m_Key = 0;
  c_Node* m_Right = nullptr;
  c_Node* m_Left = nullptr;
  c_DisplayMode* m_Value = nullptr;
  int m_Color = 0;  // -1 red, 1 black
  c_Node* m_Parent = nullptr;

  c_Node* m_new(int key, c_DisplayMode* value, int color, c_Node* parent);
  void mark() override;
};

class c_Map : public Object {
 public:
  c_Node* m_Root = nullptr;

  virtual int p_Compare(int a, int b) = 0;
  // Stores the value under the key: true for a new key, false when an existing value was replaced.
  bool p_Set(int key, c_DisplayMode* value);
  bool p_Insert(int key, c_DisplayMode* value) { return p_Set(key, value); }
  bool p_Contains(int key) { return p_FindNode(key) != nullptr; }
  c_Node* p_FindNode(int key);
  void mark() override;

 private:
  void RotateLeft(c_Node* node);
  void RotateRight(c_Node* node);
  void InsertFixup(c_Node* node);
};

class c_IntMap : public c_Map {
 public:
  c_IntMap* m_new() { return this; }
  // Wrap-around subtraction, as the ordering has always been defined.
  int p_Compare(int a, int b) override;
};
