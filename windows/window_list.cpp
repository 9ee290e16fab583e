#include "windows/window_list.h"

#include "catalogue/window_registry.h"

const WindowRegistry &DedicatedWindows() {
    static const WindowRegistry windows = [] {
        WindowRegistry registry;
        // One Add per window, in alphabetical order of the class name.
        return registry;
    }();
    return windows;
}
