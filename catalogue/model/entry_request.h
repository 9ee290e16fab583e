#pragma once

class PanelRecipe;
class VdSNMPRequest;
struct MenuEntry;

// Prepares a request for one panel of an entry, as its window and a headless read both do: the
// list built from the panel's descriptor table, and SNMPv2c for entries whose Counter64 columns
// SNMPv1 cannot carry (only this request changes, not the session).
void PrepareEntryRequest(const MenuEntry &entry, const PanelRecipe &recipe, VdSNMPRequest &request);

// The question an entry's window asks before reading Counter64 values over SNMPv1, answered
// without asking: yes switches the session to SNMPv2c, as the window's Ok does.
void AnswerCounter64Question(const MenuEntry &entry, bool yes);
