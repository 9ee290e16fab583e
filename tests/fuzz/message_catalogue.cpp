// Message catalogue files as a user may have edited them, loaded in place of each built-in one;
// every text of the catalogue can then be asked for.

#include "fuzz_input.h"

#include "engine/coded_error.h"
#include "engine/messages.h"

#include <iterator>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    FuzzInput in(data, size);
    const MessageCatalogue c = messages::kAll[in.Byte() % std::size(messages::kAll)];
    const std::string &file = WriteScratchFile(in.Rest(), "catalogue");
    messages::LoadCatalogue(file, c);
    for (int n = -2; n < 40; ++n) messages::Text(c, n);
    for (int status : {0, 1, 5, 18, -5, -11, -24, 1403, 1410, -1402, 99999, -99999}) TranslateStatus(status);
    messages::FrameworkError(18);
    messages::CommonError(1);
    ReplacePlaceholder(messages::Text(c, 1), "%s", "value");
    messages::ResetToBuiltIn();
    return 0;
}
