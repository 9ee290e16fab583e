// The menu notation: any text is refused with an error naming its line, or parsed into menus whose
// entries can all be found again by their captions.

#include "fuzz_input.h"

#include "catalogue/model/catalogue_model.h"

#include <stdexcept>

namespace {
void Walk(const MenuCatalogue &catalogue, const std::vector<MenuEntry> &entries, std::vector<std::string> &path) {
    for (const MenuEntry &entry : entries) {
        path.push_back(entry.caption);
        catalogue.Find(path, MenuCatalogue::CaptionMatch::Folded);
        Walk(catalogue, entry.children, path);
        path.pop_back();
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    if (text.find('\0') != std::string::npos) return 0;  // the texts are C strings
    try {
        const std::vector<MenuCatalogue::MenuText> texts{{"fuzz.menu", text.c_str()}};
        const MenuCatalogue catalogue(texts);
        std::vector<std::string> path;
        for (const Menu &menu : catalogue.menus()) {
            path = {menu.caption};
            Walk(catalogue, menu.entries, path);
        }
    } catch (const std::runtime_error &) {
    }
    return 0;
}
