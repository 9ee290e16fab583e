// The simulator's profile files: any text loads or is refused with "FILE:LINE: problem"; a file
// that loads gives the same instances when it is loaded once more over itself, as an overlay.

#include "fuzz_input.h"

#include "mib_model.h"
#include "profile_loader.h"

#include <string>
#include <vector>

namespace {

std::vector<Oid> Names(const MibModel &model) {
    std::vector<Oid> names;
    for (const auto &[name, instance] : model.instances()) names.push_back(name);
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string &path = WriteScratchFile(std::string(reinterpret_cast<const char *>(data), size), "profile");
    MibModel model;
    try {
        loadProfile(path, model);
    } catch (const ProfileError &error) {
        const std::string message = error.what();
        FuzzCheck(message.rfind(path + ":", 0) == 0, "a refusal that does not name the file and line", message);
        return 0;
    }
    const std::vector<Oid> once = Names(model);
    try {
        loadProfile(path, model);
    } catch (const ProfileError &error) {
        FuzzCheck(false, "a profile that loaded is refused over itself", error.what());
    }
    FuzzCheck(Names(model) == once, "loading a profile over itself changed its instances");
    return 0;
}
