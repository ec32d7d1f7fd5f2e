#include "hotkey/hotkey_service.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/fake_platform.h"

namespace zurvane {
namespace {

using testing::FakePlatform;

// Keeps a copy of the sink so that a test can deliver notifications with any id.
class SinkCapturingPlatform : public FakePlatform {
public:
    void set_hotkey_sink(HotkeySink sink) override {
        captured = sink;
        FakePlatform::set_hotkey_sink(std::move(sink));
    }
    HotkeySink captured;
};

// A window with a label that records its feedback events.
struct Receiver {
    WindowId open(FakePlatform& platform) {
        WindowDefinition definition;
        definition.controls = {{"标签3", ControlKind::label, "", 0, 0, 16, 16, false, false}};
        definition.bindings = {
            {"标签3", Event::feedback, FeedbackHandler([this](Window&, int first, int second) {
                 received.emplace_back(first, second);
                 return 0;
             })}};
        return platform.open_window(definition, WindowMode::modeless);
    }
    std::vector<std::pair<int, int>> received;
};

class HotkeyServiceTest : public ::testing::Test {
protected:
    SinkCapturingPlatform platform;
    HotkeyService service{platform};
    Receiver receiver;
    WindowId window = receiver.open(platform);

    int register_key(int key) { return service.register_hotkey(window, window, "标签3", 0, key); }
};

TEST_F(HotkeyServiceTest, EveryAttemptTakesTheNextIdRefusalsIncluded) {
    platform.keys_held_elsewhere = {113};
    EXPECT_EQ(register_key(112), 33001);
    EXPECT_EQ(register_key(113), 0);  // held by another program
    EXPECT_EQ(service.last_id_issued(), 33002);
    EXPECT_EQ(register_key(114), 33003);
    EXPECT_EQ(register_key(112), 0);  // held by this tool under 33001
    EXPECT_EQ(service.last_id_issued(), 33004);
    EXPECT_EQ(register_key(115), 33005);
    ASSERT_EQ(platform.grabs.size(), 3u);
    EXPECT_EQ(platform.grabs[2].id, 33005);
    EXPECT_EQ(platform.grabs[2].key_code, 115);
    EXPECT_EQ(platform.grabs[2].modifiers, 0);
}

TEST_F(HotkeyServiceTest, ForwardsOnlyIdsFromTheFirstToTheLastIssued) {
    register_key(112);
    register_key(113);
    register_key(114);  // ids 33001..33003
    struct Case {
        int id;
        bool forwarded;
    };
    for (Case c : {Case{33001, true}, Case{33003, true}, Case{33002, true}, Case{33000, false},
                   Case{33004, false}, Case{0, false}, Case{-33001, false}, Case{1, false}}) {
        receiver.received.clear();
        platform.captured(window, c.id);
        if (c.forwarded) {
            ASSERT_EQ(receiver.received.size(), 1u) << "id " << c.id;
            EXPECT_EQ(receiver.received[0], std::make_pair(c.id, 0));
        } else {
            EXPECT_TRUE(receiver.received.empty()) << "id " << c.id;
        }
    }
}

TEST_F(HotkeyServiceTest, NothingIsForwardedBeforeTheFirstAttempt) {
    platform.captured(window, 33001);
    EXPECT_TRUE(receiver.received.empty());
}

TEST_F(HotkeyServiceTest, PressesGoToTheReceiverOfTheLatestAttempt) {
    Receiver second;
    WindowId other = second.open(platform);
    register_key(112);
    platform.keys_held_elsewhere = {113};
    service.register_hotkey(window, other, "标签3", 0, 113);  // refused, yet names the receiver
    EXPECT_TRUE(platform.press_hotkey(112));
    EXPECT_TRUE(receiver.received.empty());
    EXPECT_EQ(second.received, (std::vector<std::pair<int, int>>{{33001, 0}}));
}

TEST_F(HotkeyServiceTest, ReleasesOnlyWhatIsRegisteredForTheWindow) {
    int id = register_key(112);
    EXPECT_FALSE(service.unregister_hotkey(window, 0));
    EXPECT_FALSE(service.unregister_hotkey(window + 1, id));
    EXPECT_EQ(platform.grabs.size(), 1u);
    EXPECT_TRUE(service.unregister_hotkey(window, id));
    EXPECT_TRUE(platform.grabs.empty());
    EXPECT_FALSE(service.unregister_hotkey(window, id));
    EXPECT_FALSE(platform.press_hotkey(112));
}

TEST(HotkeyServiceLifetime, GivesTheSinkBackWhenGone) {
    SinkCapturingPlatform platform;
    { HotkeyService service(platform); }
    EXPECT_FALSE(platform.captured);
}

}  // namespace
}  // namespace zurvane
