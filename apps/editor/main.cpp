// vesk-editor [FILE...]: the desktop audio editor, one window per file.
#include "EditorApplication.h"
#include "control/Registration.h"
#include "platform/automation/ClassRegistry.h"
#include "platform/automation/MessageQueue.h"

#include <glibmm/dispatcher.h>

int main(int argc, char* argv[]) {
    vesk::RegisterAudioEditorClasses(vesk::ClassRegistry::Default());
    auto application = vesk::editor::EditorApplication::Create();
    // The audio components post their notifications to this thread's queue from their own
    // threads; the dispatcher wakes the main loop to run them.
    Glib::Dispatcher pump;
    vesk::MessageQueue& queue = vesk::MessageQueue::ForCurrentThread();
    pump.connect([&queue] { queue.PumpWaitingMessages(); });
    queue.SetWakeUp([&pump] { pump.emit(); });
    const int status = application->run(argc, argv);
    queue.SetWakeUp(nullptr);
    return status;
}
