#pragma once

class PanelRecipe;

// Whether the panel's window edits this row (variable) as a port list of the switch's ports.
bool IsPortListRow(const PanelRecipe &recipe, int row);
