// Events: sinks are never kept alive by their source, and either side may go away at any time,
// even in the middle of a delivery. Run under AddressSanitizer to catch a use after free.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "automation/objects/IPropertyNotifySink.h"

namespace tav {
namespace {

struct Source : PropertyNotifySource {
    ConnectionPoint<IPropertyNotifySink> point;
    ConnectionPoint<IPropertyNotifySink>& propertyNotifyPoint() override { return point; }
    void changed(DispId id) {
        point.fire([&](IPropertyNotifySink& s) { s.OnChanged(id); });
    }
};

struct Sink : IPropertyNotifySink {
    std::vector<DispId> heard;
    Connection conn;
    std::function<void()> onHear;
    void OnChanged(DispId id) override {
        heard.push_back(id);
        if (onHear) onHear();
    }
};

TEST(ConnectionPoint, DeliversToConnectedSinksUntilDisconnected) {
    Source src;
    Sink a, b;
    a.conn = src.propertyNotifyPoint().advise(a);
    b.conn = src.point.advise(b);
    src.changed(1);
    a.conn.reset();
    EXPECT_FALSE(a.conn.connected());
    EXPECT_TRUE(b.conn.connected());
    src.changed(2);
    EXPECT_EQ(a.heard, std::vector<DispId>{1});
    EXPECT_EQ(b.heard, (std::vector<DispId>{1, 2}));
    EXPECT_EQ(src.point.sinkCount(), 1u);
}

TEST(ConnectionPoint, EitherSideMayGoFirst) {
    auto sink = std::make_unique<Sink>();
    {
        Source src;
        sink->conn = src.point.advise(*sink);
        src.changed(7);
    }  // source gone: the connection is dead, destroying it later is harmless
    EXPECT_FALSE(sink->conn.connected());
    sink.reset();

    Source src;
    auto gone = std::make_unique<Sink>();
    gone->conn = src.point.advise(*gone);
    gone.reset();  // sink gone first: the source forgets it
    src.changed(8);
    EXPECT_EQ(src.point.sinkCount(), 0u);
}

TEST(ConnectionPoint, SurvivesChangesDuringDelivery) {
    // A sink that destroys another sink, one that disconnects itself, one that connects a new
    // sink, and finally one that destroys the source itself.
    auto src = std::make_unique<Source>();
    auto victim = std::make_unique<Sink>();
    Sink killer, quitter, recruiter, late, last;
    killer.conn = src->point.advise(killer);
    killer.onHear = [&] { victim.reset(); };
    victim->conn = src->point.advise(*victim);
    quitter.conn = src->point.advise(quitter);
    quitter.onHear = [&] { quitter.conn.reset(); };
    recruiter.conn = src->point.advise(recruiter);
    recruiter.onHear = [&] {
        if (!late.conn.connected()) late.conn = src->point.advise(late);
    };
    src->changed(1);
    EXPECT_EQ(quitter.heard.size(), 1u);
    EXPECT_TRUE(late.heard.empty());  // connected during delivery: hears the next one
    src->changed(2);
    EXPECT_EQ(quitter.heard.size(), 1u);
    EXPECT_EQ(late.heard, std::vector<DispId>{2});

    last.conn = src->point.advise(last);
    Sink afterLast;
    afterLast.conn = src->point.advise(afterLast);
    last.onHear = [&] { src.reset(); };
    src->changed(3);
    EXPECT_EQ(last.heard, std::vector<DispId>{3});
    EXPECT_TRUE(afterLast.heard.empty());  // the source died before its turn
    EXPECT_FALSE(afterLast.conn.connected());
}

TEST(ConnectionPoint, ConnectionsMoveAndReplace) {
    Source src;
    Sink a;
    Connection c = src.point.advise(a);
    Connection moved = std::move(c);
    EXPECT_FALSE(c.connected());
    EXPECT_TRUE(moved.connected());
    moved = src.point.advise(a);  // replacing disconnects the old one
    EXPECT_EQ(src.point.sinkCount(), 1u);
    src.changed(5);
    EXPECT_EQ(a.heard.size(), 1u);
}

}  // namespace
}  // namespace tav
