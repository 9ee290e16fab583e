// The boot counter file as another program may have left it: read, then written back with a new
// count that reads back as written.

#include "fuzz_input.h"

#include "engine/boot_counter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzInput in(data, size);
    const std::string engineId = in.Line();
    const std::string &file = WriteScratchFile(in.Rest(), "boots");
    unsigned boots = 0;
    boot_counter::Get(file, engineId, boots);
    if (boot_counter::Save(file, engineId, 7) == boot_counter::Found) {
        unsigned back = 0;
        FuzzCheck(boot_counter::Get(file, engineId, back) == boot_counter::Found && back == 7,
                  "saved boot count does not read back", engineId);
    }
    return 0;
}
