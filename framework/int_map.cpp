#include "framework/int_map.h"

#include "host/numeric.h"

namespace {
constexpr int kRed = -1;
constexpr int kBlack = 1;
}  // namespace

c_Node* c_Node::m_new(int key, c_DisplayMode* value, int color, c_Node* parent) {
  m_Key = key;
  gc_assign(m_Value, value);
  m_Color = color;
  gc_assign(m_Parent, parent);
  return this;
}

void c_Node::mark() {
  gc_mark_q(m_Right);
  gc_mark_q(m_Left);
  gc_mark_q(m_Value);
  gc_mark_q(m_Parent);
}

void c_Map::mark() { gc_mark_q(m_Root); }

int c_IntMap::p_Compare(int a, int b) { return zu_wrap_sub(a, b); }

c_Node* c_Map::p_FindNode(int key) {
  c_Node* node = m_Root;
  while (node) {
    int cmp = p_Compare(key, node->m_Key);
    if (cmp > 0) {
      node = node->m_Right;
    } else if (cmp < 0) {
      node = node->m_Left;
    } else {
      return node;
    }
  }
  return nullptr;
}

bool c_Map::p_Set(int key, c_DisplayMode* value) {
  c_Node* node = m_Root;
  c_Node* parent = nullptr;
  int cmp = 0;
  while (node) {
    parent = node;
    cmp = p_Compare(key, node->m_Key);
    if (cmp > 0) {
      node = node->m_Right;
    } else if (cmp < 0) {
      node = node->m_Left;
    } else {
      gc_assign(node->m_Value, value);
      return false;
    }
  }
  node = gc_new<c_Node>()->m_new(key, value, kRed, parent);
  if (!parent) {
    gc_assign(m_Root, node);
    m_Root->m_Color = kBlack;
    return true;
  }
  if (cmp > 0) {
    gc_assign(parent->m_Right, node);
  } else {
    gc_assign(parent->m_Left, node);
  }
  InsertFixup(node);
  return true;
}

void c_Map::RotateLeft(c_Node* node) {
  c_Node* child = node->m_Right;
  gc_assign(node->m_Right, child->m_Left);
  if (child->m_Left) gc_assign(child->m_Left->m_Parent, node);
  gc_assign(child->m_Parent, node->m_Parent);
  if (!node->m_Parent) {
    gc_assign(m_Root, child);
  } else if (node == node->m_Parent->m_Left) {
    gc_assign(node->m_Parent->m_Left, child);
  } else {
    gc_assign(node->m_Parent->m_Right, child);
  }
  gc_assign(child->m_Left, node);
  gc_assign(node->m_Parent, child);
}

void c_Map::RotateRight(c_Node* node) {
  c_Node* child = node->m_Left;
  gc_assign(node->m_Left, child->m_Right);
  if (child->m_Right) gc_assign(child->m_Right->m_Parent, node);
  gc_assign(child->m_Parent, node->m_Parent);
  if (!node->m_Parent) {
    gc_assign(m_Root, child);
  } else if (node == node->m_Parent->m_Right) {
    gc_assign(node->m_Parent->m_Right, child);
  } else {
    gc_assign(node->m_Parent->m_Left, child);
  }
  gc_assign(child->m_Right, node);
  gc_assign(node->m_Parent, child);
}

void c_Map::InsertFixup(c_Node* node) {
  while (node->m_Parent && node->m_Parent->m_Color == kRed && node->m_Parent->m_Parent) {
    c_Node* parent = node->m_Parent;
    c_Node* grandparent = parent->m_Parent;
    if (parent == grandparent->m_Left) {
      c_Node* uncle = grandparent->m_Right;
      if (uncle && uncle->m_Color == kRed) {
        parent->m_Color = kBlack;
        uncle->m_Color = kBlack;
        grandparent->m_Color = kRed;
        node = grandparent;
      } else {
        if (node == parent->m_Right) {
          node = parent;
          RotateLeft(node);
          parent = node->m_Parent;
        }
        parent->m_Color = kBlack;
        grandparent->m_Color = kRed;
        RotateRight(grandparent);
      }
    } else {
      c_Node* uncle = grandparent->m_Left;
      if (uncle && uncle->m_Color == kRed) {
        parent->m_Color = kBlack;
        uncle->m_Color = kBlack;
        grandparent->m_Color = kRed;
        node = grandparent;
      } else {
        if (node == parent->m_Left) {
          node = parent;
          RotateRight(node);
          parent = node->m_Parent;
        }
        parent->m_Color = kBlack;
        grandparent->m_Color = kRed;
        RotateLeft(grandparent);
      }
    }
  }
  m_Root->m_Color = kBlack;
}
