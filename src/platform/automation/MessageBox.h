// The message box service: the only user-visible message of the control (its start-up
// failure). Headless by default: the text goes to standard error. Every box is also recorded
// so that tests can read the last message.
#pragma once

#include <string>

namespace vesk {

enum class MessageIcon { None, Information, Warning, StopSign };

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    void Show(const std::string& text, const std::string& caption, MessageIcon icon);

    const std::string& LastText() const { return lastText_; }
    const std::string& LastCaption() const { return lastCaption_; }
    MessageIcon LastIcon() const { return lastIcon_; }
    int Count() const { return count_; }
    void Forget();

    // The process's service (headless unless a GUI host installs another presenter).
    static MessageBoxService& Default();

protected:
    // Shows the box; the default writes "caption: text" to standard error.
    virtual void Present(const std::string& text, const std::string& caption, MessageIcon icon);

private:
    std::string lastText_;
    std::string lastCaption_;
    MessageIcon lastIcon_ = MessageIcon::None;
    int count_ = 0;
};

// A service that only records (for tests that expect a message).
class SilentMessageBox : public MessageBoxService {
protected:
    void Present(const std::string&, const std::string&, MessageIcon) override {}
};

}  // namespace vesk
