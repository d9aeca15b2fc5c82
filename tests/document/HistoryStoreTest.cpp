// HistoryStore: moving through states, what each push drops, the files that go with dropped
// states, and ordinals.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "document/HistoryStore.h"
#include "support/TempDirGuard.h"

namespace vesk {
namespace {

namespace fs = std::filesystem;

class HistoryStoreTest : public testing::Test {
protected:
    // A state whose working file exists; totalBytes tells the states apart.
    DocState StateWithFile(int32_t tag, int16_t keepFile = 0) {
        DocState state;
        state.filePath = dir_.File("vsk" + std::to_string(tag) + ".tmp");
        std::ofstream(state.filePath) << tag;
        state.totalBytes = tag;
        state.keepFile = keepFile;
        state.channels = 1;
        state.frequency = 8000;
        return state;
    }

    std::vector<DocState> PushStates(HistoryStore& store, int count) {
        std::vector<DocState> states;
        for (int i = 1; i <= count; ++i) {
            states.push_back(StateWithFile(i));
            store.Push(states.back());
        }
        return states;
    }

    test::ScratchDir dir_;
};

TEST_F(HistoryStoreTest, UndoAndRedoMoveTheCurrentState) {
    HistoryStore store;
    EXPECT_EQ(store.Current(), nullptr);
    EXPECT_FALSE(store.StepBack());
    PushStates(store, 2);
    EXPECT_EQ(store.Current()->totalBytes, 2);
    EXPECT_EQ(store.Previous()->totalBytes, 1);
    EXPECT_TRUE(store.StepBack());
    EXPECT_EQ(store.Current()->totalBytes, 1);
    EXPECT_EQ(store.Previous(), nullptr);
    EXPECT_FALSE(store.StepBack());
    EXPECT_EQ(store.Next()->totalBytes, 2);
    EXPECT_TRUE(store.StepForward());
    EXPECT_FALSE(store.StepForward());
    EXPECT_EQ(store.Next(), nullptr);
}

TEST_F(HistoryStoreTest, PushStoresACopyWithItsMarkers) {
    HistoryStore store;
    DocState state = StateWithFile(1);
    state.markers.InsertSorted(MarkerRecord{7, 0});
    store.Push(state);
    state.markers.Clear();
    state.totalBytes = 99;
    EXPECT_EQ(store.Current()->markers.Count(), 1);
    EXPECT_EQ(store.Current()->totalBytes, 1);
}

TEST_F(HistoryStoreTest, PushAfterUndoDiscardsTheRedoSideWithItsFiles) {
    HistoryStore store;
    const auto states = PushStates(store, 3);
    DocState kept = StateWithFile(4, 1);
    store.Push(kept);
    store.StepBack();
    store.StepBack();
    store.StepBack();  // at state 1; states 2, 3 and the kept 4 are the redo side
    store.Push(StateWithFile(5));
    EXPECT_EQ(store.Count(), 2);
    EXPECT_EQ(store.Next(), nullptr);
    EXPECT_EQ(store.Current()->ordinal, 2);
    EXPECT_TRUE(fs::exists(states[0].filePath));
    EXPECT_FALSE(fs::exists(states[1].filePath));
    EXPECT_FALSE(fs::exists(states[2].filePath));
    EXPECT_TRUE(fs::exists(kept.filePath));
}

TEST_F(HistoryStoreTest, DepthDropsTheOldestStateAndItsFile) {
    HistoryStore store;
    store.SetDepth(2);
    const auto states = PushStates(store, 3);
    EXPECT_EQ(store.Count(), 2);
    EXPECT_FALSE(fs::exists(states[0].filePath));
    EXPECT_EQ(store.Previous()->ordinal, 1);
    EXPECT_EQ(store.Previous()->totalBytes, 2);
    EXPECT_EQ(store.Current()->ordinal, 2);
}

TEST_F(HistoryStoreTest, LoweringTheDepthKeepsTheLength) {
    HistoryStore store;
    const auto states = PushStates(store, 10);
    store.SetDepth(5);
    store.Push(StateWithFile(11));
    EXPECT_EQ(store.Count(), 10);  // one dropped, one added
    EXPECT_FALSE(fs::exists(states[0].filePath));
    EXPECT_EQ(store.Current()->ordinal, 10);
    std::vector<int32_t> ordinals;
    while (store.StepBack()) {}
    do ordinals.push_back(store.Current()->ordinal); while (store.StepForward());
    EXPECT_EQ(ordinals, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
}

TEST_F(HistoryStoreTest, ClearDeletesEveryFileButKeptOnesAndToleratesMissingOnes) {
    HistoryStore store;
    const auto states = PushStates(store, 2);
    DocState kept = StateWithFile(3, 1);
    store.Push(kept);
    fs::remove(states[0].filePath);
    store.Clear();
    EXPECT_EQ(store.Current(), nullptr);
    EXPECT_EQ(store.Count(), 0);
    EXPECT_FALSE(fs::exists(states[1].filePath));
    EXPECT_TRUE(fs::exists(kept.filePath));
}

TEST_F(HistoryStoreTest, DestroyingTheStoreDeletesItsFiles) {
    std::string path;
    {
        HistoryStore store;
        path = PushStates(store, 1)[0].filePath;
    }
    EXPECT_FALSE(fs::exists(path));
}

}  // namespace
}  // namespace vesk
