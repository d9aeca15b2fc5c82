// A program that takes the desktop clipboard and never answers a request for it: what a hung
// program looks like to a paste. Prints "owning" once it holds the clipboard and keeps it until
// its standard input closes.
#include <unistd.h>

#include <cstdio>

#include "platform/clipboard/XcbConnection.h"

int main() {
    auto x = vesk::XcbConnection::Open();
    if (!x) {
        std::fprintf(stderr, "silent_clipboard_owner: no display\n");
        return 1;
    }
    xcb_set_selection_owner(x->Get(), x->Window(), x->Atoms().clipboard, XCB_CURRENT_TIME);
    // A round trip, so the server has made us the owner before anyone hears that we are.
    vesk::XcbReply<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(x->Get(), xcb_get_input_focus(x->Get()), nullptr));
    std::printf("owning\n");
    std::fflush(stdout);
    char byte;
    while (read(STDIN_FILENO, &byte, 1) > 0) {
    }
    return 0;
}
