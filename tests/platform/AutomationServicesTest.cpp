#include <gtest/gtest.h>

#include <thread>

#include "platform/automation/ClassRegistry.h"
#include "platform/automation/Dispatch.h"
#include "platform/automation/MessageQueue.h"

namespace vesk {
namespace {

class Widget : public RefCounted, public IUnknown {
public:
    VESK_IUNKNOWN_IMPL(Widget, IUnknown)
};

TEST(ClassRegistry, CreatesRegisteredNamesAndRefusesOthers) {
    ClassRegistry registry = ClassRegistry::Default();  // a copy: the process's stays untouched
    registry.Register("Test.Widget", FactoryOf<Widget>());
    ASSERT_TRUE(registry.IsRegistered("Test.Widget"));
    ComPtr<IUnknown> widget = registry.Create<IUnknown>("Test.Widget");
    EXPECT_TRUE(widget);
    void* object = &registry;
    EXPECT_EQ(registry.CreateInstance("Test.Widget", IDispatch::kIid, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);

    registry.Unregister("Test.Widget");
    EXPECT_FALSE(registry.IsRegistered("Test.Widget"));
    object = &registry;
    EXPECT_EQ(registry.CreateInstance("Test.Widget", IUnknown::kIid, &object), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);
    EXPECT_FALSE(ClassRegistry::Default().IsRegistered("Test.Widget"));
}

TEST(MessageQueue, RunsMessagesPostedElsewhereOnThePumpingThread) {
    MessageQueue& queue = MessageQueue::ForCurrentThread();
    std::vector<std::thread::id> ranOn;
    std::thread poster([&queue, &ranOn] {
        EXPECT_NE(&MessageQueue::ForCurrentThread(), &queue);  // each thread has its own
        for (int i = 0; i < 2; ++i) queue.Post([&ranOn] { ranOn.push_back(std::this_thread::get_id()); });
    });
    poster.join();
    EXPECT_TRUE(ranOn.empty());  // nothing runs inside Post
    EXPECT_EQ(queue.Pending(), 2u);
    EXPECT_EQ(queue.PumpWaitingMessages(), 2);
    ASSERT_EQ(ranOn.size(), 2u);
    EXPECT_EQ(ranOn[0], std::this_thread::get_id());
}

TEST(MessageQueue, WakeUpRunsOnThePostingThreadAfterTheMessageIsQueuedUntilRemoved) {
    MessageQueue& queue = MessageQueue::ForCurrentThread();
    std::vector<std::pair<std::thread::id, size_t>> wakeUps;  // thread and messages pending then
    queue.SetWakeUp([&] { wakeUps.emplace_back(std::this_thread::get_id(), queue.Pending()); });
    std::thread::id posterId;
    std::thread poster([&] {
        posterId = std::this_thread::get_id();
        queue.Post([] {});
    });
    poster.join();
    ASSERT_EQ(wakeUps.size(), 1u);
    EXPECT_EQ(wakeUps[0].first, posterId);
    EXPECT_EQ(wakeUps[0].second, 1u);  // a woken loop finds the message waiting

    queue.SetWakeUp(nullptr);
    queue.Post([] {});
    EXPECT_EQ(wakeUps.size(), 1u);
    EXPECT_EQ(queue.PumpWaitingMessages(), 2);
}

TEST(MessageQueue, MessagesPostedWhilePumpingWaitForTheNextPump) {
    MessageQueue& queue = MessageQueue::ForCurrentThread();
    int runs = 0;
    queue.Post([&] {
        ++runs;
        queue.Post([&] { ++runs; });
    });
    EXPECT_EQ(queue.PumpWaitingMessages(), 1);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(queue.PumpWaitingMessages(), 1);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(queue.Pending(), 0u);
}

}  // namespace
}  // namespace vesk
