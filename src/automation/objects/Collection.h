#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "automation/values/Variant.h"

namespace tav {

// An ordered collection with the semantics of VB's Collection:
//  - items keep the order they were added in; positions are 1-based and close up when an
//    item is removed;
//  - an item may have a text key; keys compare without regard to (ASCII) letter case and a
//    second item with the same key is error 457; a key that is not text is error 13;
//  - Item and Remove take a key (text) or a position (a number): an absent key is error 5,
//    a position outside 1..Count error 9, anything else error 13;
//  - Add may place the item before or after an existing item (by key or position); giving
//    both is error 5;
//  - for-each (the hidden NewEnum member, dispatch id -4) walks a snapshot of the items.
class Collection : public Dispatchable<Collection> {
public:
    static ClassDesc describe();
    std::string_view typeName() const override { return "Collection"; }

    void Add(const Variant& NewItem, const Variant& Key, const Variant& Before, const Variant& After);
    Variant Item(const Variant& Index) const;
    void Remove(const Variant& Index);
    int32_t Count() const { return static_cast<int32_t>(items_.size()); }
    Ref<Object> NewEnum() const;

    // Conveniences for C++ callers.
    void add(const Variant& item) { Add(item, missingArg(), missingArg(), missingArg()); }
    void add(const Variant& item, std::string_view key) { Add(item, Variant(key), missingArg(), missingArg()); }
    void clear();

private:
    struct Entry {
        Variant item;
        std::string folded;  // the folded key; empty when the item has none
        bool hasKey = false;
    };
    // The 0-based position an index names (5, 9 or 13 when it names none).
    size_t positionOf(const Variant& index) const;
    void reindex();

    std::vector<Entry> items_;
    std::unordered_map<std::string, size_t> byKey_;
};

}  // namespace tav
