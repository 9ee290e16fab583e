#include "catalogue/model/entry_request.h"

#include "catalogue/model/catalogue_model.h"
#include "engine/request.h"

void PrepareEntryRequest(const MenuEntry &entry, const PanelRecipe &recipe, VdSNMPRequest &request) {
    request.list.Assign(VdSNMPVarList(recipe.Table(), recipe.listKind, recipe.indexCount));
    if (entry.useV2cForCounter64 && request.security.version == 0) request.security.version = 1;
}
