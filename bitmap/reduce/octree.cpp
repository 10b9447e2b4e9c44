// Octree colour quantiser. Nodes live in one pool addressed by index, so creating and
// merging nodes costs no heap calls and the tree of a bounded quantiser stays in cache.
// Colour sums are 64-bit: a 2^28-pixel image overflows 32-bit sums.
#include "bitmap/reduce/octree.h"

#include <cstdlib>
#include <cstring>

namespace {

const int32_t kNone = -1;
const int kMaxLevels = 9;

struct OctreeNode {
  uint64_t SumRed;
  uint64_t SumGreen;
  uint64_t SumBlue;
  uint32_t Count;
  int32_t aChild[8];
  int32_t Next;  // reducible list of its level, or the free list
  uint8_t IsLeaf;
};

}  // namespace

struct ColorOctree {
  OctreeNode* pNodes;
  int32_t NumNodes;   // nodes handed out from the pool (used or free)
  int32_t Capacity;
  int32_t FreeList;
  int32_t Root;
  int LeafCount;
  int MaxColors;
  int Depth;
  int32_t aReducible[kMaxLevels];
};

static int32_t new_node(ColorOctree* t) {
  int32_t i;
  if (t->FreeList != kNone) {
    i = t->FreeList;
    t->FreeList = t->pNodes[i].Next;
  } else {
    if (t->NumNodes == t->Capacity) {
      if (t->Capacity > (1 << 26)) return kNone;
      int32_t cap = t->Capacity ? t->Capacity * 2 : 256;
      void* p = std::realloc(t->pNodes, static_cast<size_t>(cap) * sizeof(OctreeNode));
      if (!p) return kNone;
      t->pNodes = static_cast<OctreeNode*>(p);
      t->Capacity = cap;
    }
    i = t->NumNodes++;
  }
  OctreeNode* n = &t->pNodes[i];
  std::memset(n, 0, sizeof(*n));
  for (int32_t& c : n->aChild) c = kNone;
  n->Next = kNone;
  return i;
}

static void free_node(ColorOctree* t, int32_t i) {
  t->pNodes[i].Next = t->FreeList;
  t->FreeList = i;
}

// Merges the newest inner node of the deepest level that has one into a leaf.
static bool reduce_once(ColorOctree* t) {
  int level = t->Depth - 1;
  while (level > 0 && t->aReducible[level] == kNone) --level;
  int32_t i = t->aReducible[level];
  if (i == kNone) return false;
  OctreeNode* n = &t->pNodes[i];
  t->aReducible[level] = n->Next;
  n->Next = kNone;
  int merged = 0;
  for (int32_t& c : n->aChild) {
    if (c == kNone) continue;
    const OctreeNode* child = &t->pNodes[c];
    n->SumRed += child->SumRed;
    n->SumGreen += child->SumGreen;
    n->SumBlue += child->SumBlue;
    n->Count += child->Count;
    free_node(t, c);
    c = kNone;
    ++merged;
  }
  n->IsLeaf = 1;
  t->LeafCount += 1 - merged;
  return true;
}

ColorOctree* OCTREE_Create(int maxColors, int depth) {
  if (depth < 1 || depth > kMaxLevels - 1) return nullptr;
  auto* t = static_cast<ColorOctree*>(std::calloc(1, sizeof(ColorOctree)));
  if (!t) return nullptr;
  t->FreeList = kNone;
  t->Root = kNone;
  t->MaxColors = maxColors;
  t->Depth = depth;
  for (int32_t& r : t->aReducible) r = kNone;
  return t;
}

bool OCTREE_AddColorN(ColorOctree* t, unsigned red, unsigned green, unsigned blue, uint32_t count) {
  // The slot is named by its parent and child number: creating a node may move the pool.
  int32_t parent = kNone;
  int childNo = 0;
  int32_t idx = t->Root;
  for (int level = 0;; ++level) {
    if (idx == kNone) {
      idx = new_node(t);
      if (idx == kNone) return false;
      if (parent == kNone)
        t->Root = idx;
      else
        t->pNodes[parent].aChild[childNo] = idx;
      if (level == t->Depth) {
        t->pNodes[idx].IsLeaf = 1;
        ++t->LeafCount;
      } else {
        t->pNodes[idx].Next = t->aReducible[level];
        t->aReducible[level] = idx;
      }
    }
    OctreeNode* n = &t->pNodes[idx];
    if (n->IsLeaf) {
      n->Count += count;
      n->SumRed += static_cast<uint64_t>(red) * count;
      n->SumGreen += static_cast<uint64_t>(green) * count;
      n->SumBlue += static_cast<uint64_t>(blue) * count;
      break;
    }
    const int shift = 7 - level;
    childNo = static_cast<int>((((red >> shift) & 1) << 2) | (((green >> shift) & 1) << 1) | ((blue >> shift) & 1));
    parent = idx;
    idx = n->aChild[childNo];
  }
  while (t->LeafCount > t->MaxColors && reduce_once(t)) {
  }
  return true;
}

bool OCTREE_AddColor(ColorOctree* t, unsigned red, unsigned green, unsigned blue) {
  return OCTREE_AddColorN(t, red, green, blue, 1);
}

int OCTREE_GetLeafCount(const ColorOctree* t) { return t->LeafCount; }

int OCTREE_GetMaxColors(const ColorOctree* t) { return t->MaxColors; }

int OCTREE_GetPalette(const ColorOctree* t, ColorValue* pColors, uint32_t* pCounts) {
  if (t->Root == kNone) return 0;
  // Explicit stack: at most 8 pending children per level.
  int32_t stack[8 * kMaxLevels + 1];
  int sp = 0;
  int num = 0;
  stack[sp++] = t->Root;
  while (sp > 0) {
    const OctreeNode* n = &t->pNodes[stack[--sp]];
    if (n->IsLeaf) {
      if (num >= t->LeafCount) break;
      const uint32_t c = n->Count ? n->Count : 1;
      pColors[num] = COLOR_Make(static_cast<unsigned>(n->SumRed / c), static_cast<unsigned>(n->SumGreen / c),
                                static_cast<unsigned>(n->SumBlue / c));
      if (pCounts) pCounts[num] = n->Count;
      ++num;
      continue;
    }
    for (int k = 7; k >= 0; --k)
      if (n->aChild[k] != kNone) stack[sp++] = n->aChild[k];
  }
  return num;
}

void OCTREE_Delete(ColorOctree* t) {
  if (!t) return;
  std::free(t->pNodes);
  std::free(t);
}
