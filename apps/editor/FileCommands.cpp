#include "FileCommands.h"

#include <giomm/file.h>
#include <glibmm/main.h>
#include <gtkmm/filefilter.h>
#include <gtkmm/recentmanager.h>

#include <filesystem>

#include "FileFormats.h"
#include "MemberDialog.h"
#include "WindowLifetime.h"
#include "objects/typelib/TypeLibrary.h"

namespace vesk::editor {

namespace {

void AddFilters(Gtk::FileChooser& chooser) {
    auto sounds = Gtk::FileFilter::create();
    sounds->set_name("Sound files");
    for (const std::string& pattern : ReadablePatterns()) {
        sounds->add_pattern(pattern);
        // The chooser matches patterns case-sensitively: offer "*.WAV" too.
        std::string upper = pattern;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        sounds->add_pattern(upper);
    }
    auto all = Gtk::FileFilter::create();
    all->set_name("All files");
    all->add_pattern("*");
    chooser.add_filter(sounds);
    chooser.add_filter(all);
}

}  // namespace

FileCommands::FileCommands(Gtk::Window& window, const ControlCalls& calls, DocumentFile& file,
                           ErrorContext& context, std::function<void(const std::string&)> open,
                           std::function<void()> changed)
    : window_(window), calls_(calls), file_(file), context_(context), open_(std::move(open)),
      changed_(std::move(changed)) {}

void FileCommands::Choose(const std::string& title, Gtk::FileChooser::Action action, Chosen chosen) {
    auto* chooser = new Gtk::FileChooserDialog(window_, title, action, true);
    chooser->add_button("_Cancel", Gtk::ResponseType::CANCEL);
    chooser->add_button(action == Gtk::FileChooser::Action::SAVE ? "_Save" : "_Open", Gtk::ResponseType::ACCEPT);
    chooser->set_default_response(Gtk::ResponseType::ACCEPT);
    AddFilters(*chooser);
    if (!file_.Path().empty()) {
        const std::filesystem::path current(file_.Path());
        chooser->set_current_folder(Gio::File::create_for_path(current.parent_path().string()));
        if (action == Gtk::FileChooser::Action::SAVE) chooser->set_current_name(current.filename().string());
    } else if (action == Gtk::FileChooser::Action::SAVE) {
        chooser->set_current_folder(Gio::File::create_for_path(std::filesystem::current_path().string()));
        chooser->set_current_name("Untitled.wav");
    }
    chooser->signal_response().connect([chooser, chosen](int response) {
        std::string path;
        if (response == Gtk::ResponseType::ACCEPT && chooser->get_file()) path = chooser->get_file()->get_path();
        CloseAndDelete(chooser);
        if (!path.empty()) chosen(path);
    });
    chooser->show();
}

void FileCommands::ChooseAndOpen() { Choose("Open a Sound", Gtk::FileChooser::Action::OPEN, open_); }

void FileCommands::Open(const std::string& path) {
    context_ = {"open", path};
    calls_->Open(Bstr(path).get(), 0);
    if (calls_.LastError() == 0 && calls_.Snapshot().open) {
        file_.MatchesFile(path);
        Remember(path);
    }
    changed_();
}

void FileCommands::Save(std::function<void(bool)> done) {
    if (file_.Path().empty()) return SaveAs(false, std::move(done));
    // Saved again in the format it was read from.
    calls_->SetFormatLikeSample(Bstr(file_.Path()).get());
    const bool saved = SaveTo(file_.Path(), false);
    if (done) done(saved);
}

void FileCommands::SaveAs(bool selectionOnly, std::function<void(bool)> done) {
    Choose(selectionOnly ? "Save the Selection As" : "Save As", Gtk::FileChooser::Action::SAVE,
           [this, selectionOnly, done](const std::string& path) { AskFormatThenSave(path, selectionOnly, done); });
}

void FileCommands::AskFormatThenSave(const std::string& path, bool selectionOnly, std::function<void(bool)> done) {
    const std::string member = FormatMemberFor(path);
    const MemberInfo* method = member.empty() ? nullptr : EditorMethod(member);
    if (!method || method->params.empty()) {
        const bool saved = SaveTo(path, selectionOnly);
        if (done) done(saved);
        return;
    }
    const DocumentSnapshot document = calls_.Snapshot();
    const std::map<std::string, std::string> startValues{{"Frequency", std::to_string(document.sampleRateHz)},
                                                         {"nChannels", std::to_string(document.channels)}};
    MemberForm form = MemberForm::For(*method, nullptr, VeskTypeLibrary(), document.sampleRateHz, startValues);
    const std::string title = std::filesystem::path(path).extension().string().substr(1) + " settings";
    MemberDialog::Ask(window_, title, std::move(form),
                      [this, path, selectionOnly, member, done](const std::vector<Variant>& arguments) {
                          calls_.Call(member, arguments);
                          const bool saved = SaveTo(path, selectionOnly);
                          if (done) done(saved);
                      });
}

bool FileCommands::SaveTo(const std::string& path, bool selectionOnly) {
    context_ = {selectionOnly ? "save the selection as" : "save", path};
    calls_->Save(Bstr(path).get(), selectionOnly ? VARIANT_TRUE : VARIANT_FALSE, 0);
    const bool saved = calls_.LastError() == 0;
    if (saved) {
        if (!selectionOnly) file_.MatchesFile(path);
        Remember(path);
    }
    changed_();
    return saved;
}

void FileCommands::ChooseAndPaste() {
    Choose("Paste from a File", Gtk::FileChooser::Action::OPEN, [this](const std::string& path) {
        context_ = {"paste", path};
        calls_->PasteFromFile(Bstr(path).get());
        changed_();
    });
}

void FileCommands::Remember(const std::string& path) {
    Gtk::RecentManager::get_default()->add_item(Gio::File::create_for_path(path)->get_uri());
}

}  // namespace vesk::editor
