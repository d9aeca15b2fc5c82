#include "platform/automation/MessageBox.h"

#include <cstdio>

namespace vesk {

void MessageBoxService::Show(const std::string& text, const std::string& caption, MessageIcon icon) {
    lastText_ = text;
    lastCaption_ = caption;
    lastIcon_ = icon;
    ++count_;
    Present(text, caption, icon);
}

void MessageBoxService::Forget() {
    lastText_.clear();
    lastCaption_.clear();
    lastIcon_ = MessageIcon::None;
    count_ = 0;
}

MessageBoxService& MessageBoxService::Default() {
    static MessageBoxService service;
    return service;
}

void MessageBoxService::Present(const std::string& text, const std::string& caption, MessageIcon) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

}  // namespace vesk
