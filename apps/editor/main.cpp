// vesk-editor [FILE...]: the desktop audio editor, one window per file.
#include "EditorApplication.h"
#include "control/Registration.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/MessageQueue.h"

#include <glibmm/dispatcher.h>
#include <glibmm/main.h>

int main(int argc, char* argv[]) {
    vesk::RegisterAudioEditorClasses(vesk::ClassRegistry::Default());
    auto application = vesk::editor::EditorApplication::Create();
    // The audio components post their notifications to this thread's queue from their own
    // threads; the dispatcher wakes the main loop to run them.
    Glib::Dispatcher pump;
    vesk::MessageQueue& queue = vesk::MessageQueue::ForCurrentThread();
    pump.connect([&queue] { queue.PumpWaitingMessages(); });
    queue.SetWakeUp([&pump] { pump.emit(); });
    // Other programs asking for what the editor put on the desktop clipboard arrive on the
    // display connection's descriptor, which the queue's pump answers.
    queue.SetSourceWatch([&queue](int descriptor) {
        Glib::signal_io().connect(
            [&queue](Glib::IOCondition condition) {
                queue.PumpWaitingMessages();
                return (condition & (Glib::IOCondition::IO_HUP | Glib::IOCondition::IO_ERR |
                                     Glib::IOCondition::IO_NVAL)) == Glib::IOCondition{};
            },
            descriptor, Glib::IOCondition::IO_IN | Glib::IOCondition::IO_HUP);
    });
    const int status = application->run(argc, argv);
    queue.SetSourceWatch(nullptr);
    queue.SetWakeUp(nullptr);
    return status;
}
