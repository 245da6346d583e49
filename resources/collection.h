// Collections: a property holding a list of items, each with properties of
// its own, stored in a stream as a collection value (the status bar's panels).
//
// A stream that gives a collection at least one item first clears it, then
// adds the items in order; an empty collection value leaves it as it was.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "base/persistent.h"

namespace resources {

class TCollectionItem : public base::TPersistent {
 public:
  const char* ClassName() const override { return "TCollectionItem"; }
};

class TCollection : public base::TPersistent {
 public:
  const char* ClassName() const override { return "TCollection"; }

  std::size_t Count() const { return items_.size(); }
  // Precondition: index < Count().
  TCollectionItem& Item(std::size_t index) const { return *items_[index]; }
  // Appends a new item of the collection's item class.
  TCollectionItem& Add();
  void Clear() { items_.clear(); }

 protected:
  virtual std::unique_ptr<TCollectionItem> NewItem() const = 0;

 private:
  std::vector<std::unique_ptr<TCollectionItem>> items_;
};

// A collection of items of class `ItemClass` (default-constructible).
template <typename ItemClass>
class TCollectionOf : public TCollection {
 public:
  ItemClass& operator[](std::size_t index) const { return static_cast<ItemClass&>(TCollection::Item(index)); }

 protected:
  std::unique_ptr<TCollectionItem> NewItem() const override { return std::make_unique<ItemClass>(); }
};

}  // namespace resources
