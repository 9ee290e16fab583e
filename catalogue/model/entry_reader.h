#pragma once

#include "catalogue/model/entry_reading.h"

#include <string>
#include <vector>

struct MenuEntry;
struct PanelRecipe;
class VdSNMPRequest;

// True for the entries whose windows show device values: editor, table and pages entries.
bool IsReadableEntry(const MenuEntry &entry);

// Reads an entry from the device as its window would, with the session's parameters: a scalar
// panel with one get, a table panel walked to its end, every page of a pages entry. Rows and
// columns are those the window shows. Throws CodedError for a failed exchange.
EntryReading ReadEntry(const MenuEntry &entry, std::vector<std::string> path, std::string title);

// The steps of reading one panel, for readers that run the request themselves: the page before any
// value (captions, marks, an editor's labels), each result taken in (a table's next row, an
// editor's values), and why a table read stopped short ("[page] ..."; empty when it did not).
PageReading EmptyPage(const PanelRecipe &recipe, const VdSNMPRequest &request);
void TakeResult(PageReading &page, VdSNMPRequest &request);
std::string ShortfallText(const PageReading &page, const VdSNMPRequest &request);
