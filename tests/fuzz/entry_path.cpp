// Entry paths and page captions as --show and --set take them: any text finds an entry or none; a
// found entry is found again by the captions it reports, and a page caption names one of the
// entry's pages or is refused with the pages to choose from.

#include "fuzz_input.h"

#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/entry_reader.h"
#include "catalogue/model/entry_write.h"

namespace {

std::string Joined(const std::vector<std::string> &captions) {
    std::string text;
    for (const std::string &caption : captions) text += (text.empty() ? "" : ">") + caption;
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t mode = in.Byte();
    const std::string text = in.Rest();
    const MenuCatalogue &catalogue = MenuCatalogue::Instance();

    const FoundEntry found = FindEntryByPath(catalogue, text);
    if (found.entry != nullptr) {
        const FoundEntry again = FindEntryByPath(catalogue, Joined(found.path));
        FuzzCheck(again.entry == found.entry, "an entry is not found by its own captions", text, Joined(found.path));
        EntryCaption(*found.entry, text);
    }
    std::string page;
    const FoundEntry written = FindWriteEntry(catalogue, text, page);
    if (written.entry == nullptr || !IsReadableEntry(*written.entry)) return 0;
    FuzzCheck(page.empty() || written.entry->kind == EntryKind::Pages, "a page of an entry without pages", text);
    WriteOrder order;
    order.row = static_cast<WriteOrder::Row>(mode % 4);
    try {
        PanelForWrite(*written.entry, page, order);
    } catch (const WriteRefused &) {
    }
    return 0;
}
