#include "edit/SystemClipboardCommands.h"

#include "components/ComponentErrors.h"
#include "edit/ClipboardFile.h"
#include "platform/io/TempFile.h"

namespace vesk {

void SystemClipboardCommands::CopyToClipboard() {
    commands_.Copy();
    // Copy clears the code only when it ran; a code left by an earlier command is reported too.
    if (document_.LastErrorNum() == 0) document_.SetError(OfferClipboardFile());
    document_.ReportError();
}

int32_t SystemClipboardCommands::OfferClipboardFile() {
    // A copy refused by its guards (while playing, say) still offers the earlier clipboard, and
    // must not end the running operation's Status.
    const bool idle = document_.IsIdle();
    if (idle) document_.SetStatus(Status::Copying);
    std::vector<uint8_t> image;
    const auto read = ClipboardFile(document_.TempFileName()).ReadImage(image);
    // A clipboard that cannot be taken goes unreported, as the platform's own failures do.
    if (read == ClipboardFile::ImageRead::Read) exchange_().Offer(std::move(image));
    if (idle) document_.SetStatus(Status::Idle);
    return read == ClipboardFile::ImageRead::Refused ? component_error::kFileAccess : component_error::kNone;
}

void SystemClipboardCommands::PasteFromClipboard() {
    if (!document_.IsOpen() || !document_.IsIdle()) return;
    document_.ClearError();
    std::optional<std::vector<uint8_t>> image = exchange_().Fetch();
    if (!image) return;
    ClipboardFile incoming(SystemTempDirectory() + kIncomingFileName);
    const bool written = incoming.WriteImage(*image);
    image.reset();  // the decoder reads the file; the memory is better free meanwhile
    if (!written) {
        document_.SetError(component_error::kFileAccess);
        return;
    }
    commands_.PasteFromFile(incoming.Path());
    incoming.Remove();
}

void SystemClipboardCommands::ClearSystemClipboard() { exchange_().Clear(); }

}  // namespace vesk
