#pragma once
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "automation/objects/Dispatchable.h"
#include "automation/values/SafeArray.h"
#include "automation/values/Variant.h"

namespace tav {

// An insertion-ordered map from keys to Variants, with the semantics of the scripting run
// time's Dictionary:
//  - string keys compare exactly (case-sensitive); numbers compare by value whatever their
//    type (the key 1 as Integer, Long or Double is one key; Booleans and dates count as
//    numbers); the string "1" is not the number 1; Empty, Null, error values and objects
//    (by identity) are keys of their own kinds; an array is no key (error 13);
//  - Add of a key already present is error 457; Remove of an absent key is error 32811;
//  - reading Item of an absent key adds the key with an Empty item (as the run time does);
//    letting Item of an absent key adds it;
//  - Keys and Items are 0-based arrays in insertion order; for-each walks the keys.
class Dictionary : public Dispatchable<Dictionary> {
public:
    static ClassDesc describe();
    std::string_view typeName() const override { return "Dictionary"; }

    void Add(const Variant& Key, const Variant& Item);
    bool Exists(const Variant& Key) const;
    Variant Item(const Variant& Key);
    void LetItem(const Variant& Key, const Variant& NewItem);
    void Remove(const Variant& Key);
    void RemoveAll();
    int32_t Count() const { return static_cast<int32_t>(entries_.size()); }
    SafeArray Keys() const;
    SafeArray Items() const;
    Ref<Object> NewEnum() const;

    // Lookup without adding: nullptr when the key is absent.
    const Variant* find(const Variant& key) const;
    const std::vector<std::pair<Variant, Variant>>& entries() const { return entries_; }

private:
    // A key reduced to what decides equality. Text refers to the key Variant it came from.
    struct KeyView {
        enum Kind : uint8_t { Empty, Null, Number, Text, ObjectRef, ErrorCode } kind = Empty;
        double number = 0;
        std::string_view text;
        const void* object = nullptr;
        int32_t code = 0;
        bool operator==(const KeyView& o) const;
    };
    struct KeyHash {
        size_t operator()(const KeyView& k) const;
    };
    static KeyView view(const Variant& key);
    void reindexFrom(size_t first);

    std::vector<std::pair<Variant, Variant>> entries_;
    std::unordered_map<KeyView, size_t, KeyHash> index_;
};

}  // namespace tav
