#pragma once

class WindowRegistry;

// The module's dedicated windows, by the class names the menu data gives them.
const WindowRegistry &DedicatedWindows();
