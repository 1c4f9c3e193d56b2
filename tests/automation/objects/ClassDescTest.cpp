// The member index: names of every length and letter case are found, near misses are not,
// and ids are given in table order unless set.
#include <gtest/gtest.h>

#include <stdexcept>

#include "automation/objects/ClassDesc.h"

namespace tav {
namespace {

Variant noop(Object&, const CallArgs&) { return {}; }

MemberDesc member(std::string name, DispId id = DispIdUnknown) {
    MemberDesc m;
    m.name = std::move(name);
    m.id = id;
    m.thunks[kindSlot(InvokeKind::Method)] = &noop;
    return m;
}

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

TEST(ClassDesc, FindsNamesOfEveryLengthWithoutRegardToCase) {
    InterfaceDesc iface("_T", "");
    std::vector<std::string> names;
    for (size_t len = 1; len <= 70; ++len) {
        std::string n;
        for (size_t i = 0; i < len; ++i) n += static_cast<char>('a' + (i * 7 + len) % 26);
        names.push_back(n);
        iface.add(member(n));
    }
    iface.add(member("Caf\xC3\xA9_1"));  // bytes above 0x7F are compared as they are
    for (const std::string& n : names) {
        const MemberDesc* m = iface.find(upper(n));
        ASSERT_NE(m, nullptr) << n;
        EXPECT_EQ(m->name, n);
        std::string miss = n;
        miss.back() = miss.back() == 'z' ? 'y' : static_cast<char>(miss.back() + 1);
        if (!iface.find(miss)) continue;  // another member may have that name
        EXPECT_NE(iface.find(miss)->name, n);
    }
    EXPECT_NE(iface.find("CAF\xC3\xA9_1"), nullptr);
    EXPECT_EQ(iface.find("CAF\xC3\x89_1"), nullptr);  // no folding beyond ASCII
    EXPECT_EQ(iface.find(""), nullptr);
    EXPECT_EQ(iface.find(names[9] + "x"), nullptr);
    EXPECT_EQ(iface.find(names[20].substr(0, 15)), nullptr);  // a prefix of a member is none
    EXPECT_EQ(iface.find("a@"), nullptr);  // '@' and '`' border the letters
    EXPECT_EQ(iface.find("A["), nullptr);
}

TEST(ClassDesc, GivesIdsInOrderAndRefusesDuplicates) {
    InterfaceDesc iface("_T", "");
    iface.add(member("First")).add(member("Item", DispIdValue)).add(member("Second")).add(member("Tenth", 10));
    iface.add(member("Eleventh"));
    EXPECT_EQ(iface.find("first")->id, 1);
    EXPECT_EQ(iface.find("second")->id, 2);
    EXPECT_EQ(iface.find("eleventh")->id, 11);
    EXPECT_EQ(iface.findById(DispIdValue)->name, "Item");
    EXPECT_THROW(iface.add(member("FIRST")), std::logic_error);
    EXPECT_THROW(iface.add(member("Other", 10)), std::logic_error);
}

}  // namespace
}  // namespace tav
