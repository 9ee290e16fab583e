#pragma once

#include "catalogue/recipe_context.h"

#include <memory>

class TConfigForm;
struct MenuEntry;

// Builds the window of an editor, table or pages entry from its record: bindings over copies of its
// descriptor tables, panels, every adjustment in its listed order, notifications, window size.
// The window reads the device once shown.
std::unique_ptr<TConfigForm> BuildEntryWindow(const MenuEntry &entry, const RecipeContext &context);

// A menu click on such an entry: the Counter64 question where the entry asks it, then the window,
// shown modally and destroyed when it closes.
void OpenEntryWindow(const MenuEntry &entry, const RecipeContext &context);
