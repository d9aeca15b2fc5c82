// The desktop clipboard on a real X server, in the cases other programs cannot show (the
// exchange with xclip is tested from Python). These tests run only on a private display: ctest
// starts one with Xvfb for them and sets VESK_PRIVATE_DISPLAY, so the clipboard of whoever runs
// the tests is never touched.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "platform/clipboard/X11Clipboard.h"

namespace vesk {
namespace {

using std::chrono::milliseconds;

// Large enough to need many pieces, with the bytes a text-mode copy would mangle.
std::vector<uint8_t> Image(size_t bytes) {
    std::vector<uint8_t> image(bytes);
    for (size_t i = 0; i < bytes; ++i) image[i] = static_cast<uint8_t>(i * 7 + i / 251);
    const uint8_t risky[] = {0x0D, 0x0A, 0x1A, 0x00};
    std::copy(std::begin(risky), std::end(risky), image.begin() + static_cast<std::ptrdiff_t>(bytes / 2));
    return image;
}

class X11ClipboardTest : public testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("VESK_PRIVATE_DISPLAY")) GTEST_SKIP() << "needs the private display ctest starts";
        clipboard_ = X11Clipboard::Connect(queue_, milliseconds(300));
        ASSERT_TRUE(clipboard_) << "no display at DISPLAY";
    }
    MessageQueue queue_;
    std::unique_ptr<X11Clipboard> clipboard_;
};

TEST_F(X11ClipboardTest, APasteOfOurOwnOfferIsServedWhileWeWait) {
    ASSERT_TRUE(clipboard_->Offer(Image(size_t{2} << 20)));
    const auto fetched = clipboard_->Fetch();
    ASSERT_TRUE(fetched.has_value());
    EXPECT_TRUE(*fetched == Image(size_t{2} << 20));
}

TEST_F(X11ClipboardTest, AnOwnerThatNeverAnswersCostsOneTimeoutAndNothingElse) {
    auto silent = XcbConnection::Open();  // takes the selection and never reads an event
    ASSERT_TRUE(silent);
    xcb_set_selection_owner(silent->Get(), silent->Window(), silent->Atoms().clipboard, XCB_CURRENT_TIME);
    // A round trip: the server has made it the owner before we ask.
    XcbReply<xcb_get_input_focus_reply_t>(
        xcb_get_input_focus_reply(silent->Get(), xcb_get_input_focus(silent->Get()), nullptr));
    EXPECT_FALSE(clipboard_->Fetch().has_value());
    // The clipboard still works afterwards.
    ASSERT_TRUE(clipboard_->Offer(Image(100)));
    EXPECT_EQ(clipboard_->Fetch(), Image(100));
}

}  // namespace
}  // namespace vesk
