// A host for sub-objects under test: a real document and view (its window a headless site that
// counts the redraws it could not compose), and counters of what the sub-objects cause.
#pragma once

#include "document/Document.h"
#include "objects/EditorHost.h"
#include "platform/window/ControlSite.h"
#include "view/EditorView.h"

namespace vesk::test {

// Counts how often the view composed a background (each reads the colours once).
class CountingViewHost : public ViewHost {
public:
    mutable int colorReads = 0;
    ViewColors Colors() const override {
        ++colorReads;
        return {};
    }
    ScaleSettings ScaleX() const override { return {}; }
    ScaleSettings ScaleY() const override { return {}; }
};

class FakeEditorHost : public EditorHost, private EventSink {
public:
    Document document;
    CountingViewHost viewHost;
    EditorView view{document, viewHost};
    HeadlessSite site{200, 100};
    int restarts = 0;
    int recorderChanges = 0;
    int positionEvents = 0;

    FakeEditorHost() {
        document.Attach(this, &view);
        document.SetFormat(44100, 2);
        view.SetSite(&site);
    }
    ~FakeEditorHost() override {
        view.SetSite(nullptr);
        document.Attach(nullptr, nullptr);
    }

    // Redraws the view could not compose (no paint yet) and backgrounds it rendered.
    int Redraws() const { return site.ViewChanges(); }
    int Backgrounds() const { return viewHost.colorReads; }

    Document& Doc() override { return document; }
    EditorView& View() override { return view; }
    void RestartPlayback() override { ++restarts; }
    void RecorderSettingsChanged() override { ++recorderChanges; }

private:
    void ChangePosition() override { ++positionEvents; }
};

}  // namespace vesk::test
