// The values of --set and the row of --row, for any readable entry of the catalogue: every order
// is refused with a sentence or gives the bindings of one SET. Nothing is sent: without a session
// a row that must be found by reading the table ends with the session's error.

#include "fuzz_input.h"

#include "catalogue/model/catalogue_model.h"
#include "catalogue/model/entry_path.h"
#include "catalogue/model/entry_write.h"
#include "catalogue/model/snapshot.h"
#include "engine/coded_error.h"

#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const std::vector<FoundEntry> entries = ReadableEntries(MenuCatalogue::Instance(), "");
    FuzzInput in(data, size);
    const std::size_t pick = (std::size_t{in.Byte()} << 8) | in.Byte();
    const MenuEntry &entry = *entries[pick % entries.size()].entry;
    const std::uint8_t mode = in.Byte();
    std::string page;
    if (mode & 0x80 && !entry.panels.empty()) page = entry.panels[in.Byte() % entry.panels.size()].pageCaption;

    WriteOrder order;
    order.row = static_cast<WriteOrder::Row>(mode % 4);
    order.rowText = in.Line();
    while (!in.empty()) order.assignments.push_back(in.Line());
    try {
        EntryWrite write(entry, PanelForWrite(entry, page, order), order);
        for (const BindingLine &line : write.Bindings())
            FuzzCheck(!line.oid.empty() && !line.type.empty(), "a binding without a name or a type", line.label);
    } catch (const WriteRefused &) {
    } catch (const CodedError &) {
    }
    return 0;
}
