#include "resources/collection.h"

namespace resources {

TCollectionItem& TCollection::Add() {
  items_.push_back(NewItem());
  return *items_.back();
}

}  // namespace resources
