// Any bytes either read as a patch or are refused with a message; a patch read writes a text that
// reads back as the same patch, and applying it to an empty file of its generation stays in bounds.

#include "analysis/patchapply.h"
#include "analysis/patchfile.h"
#include "obdata/quorvantdoc.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// An empty file of the generation: its size tells BW1, a strength byte tells BW3 from BW2.
std::vector<std::uint8_t> EmptyImage(int generation) {
    std::vector<std::uint8_t> bytes(generation == 0 ? 38500 : 44500, 0);
    if (generation == 2) bytes[42500] = 1;
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const std::optional<quorvant::Patch> patch = quorvant::ReadPatch(text, error);
    if (!patch) {
        if (error.empty()) __builtin_trap();
        return 0;
    }
    const std::string written = quorvant::WritePatch(*patch);
    const std::optional<quorvant::Patch> again = quorvant::ReadPatch(written, error);
    if (!again || quorvant::WritePatch(*again) != written) __builtin_trap();

    for (quorvant::PatchMatch match : {quorvant::PatchMatch::BySlot, quorvant::PatchMatch::ByName}) {
        quorvant::CQuorvantDoc doc;
        doc.ReadBytes(EmptyImage(patch->generation));
        const quorvant::PatchPreview preview = quorvant::PreviewPatch(doc, *patch, match);
        quorvant::CQuorvantDoc::SlotsByTable changed;
        quorvant::ApplyPatchRows(doc, preview.Writes(true), changed, error);
    }
    return 0;
}
