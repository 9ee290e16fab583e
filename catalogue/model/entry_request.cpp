#include "catalogue/model/entry_request.h"

#include "catalogue/model/catalogue_model.h"
#include "engine/request.h"
#include "engine/session.h"

void PrepareEntryRequest(const MenuEntry &entry, const PanelRecipe &recipe, VdSNMPRequest &request) {
    request.list.Assign(VdSNMPVarList(recipe.Table(), recipe.listKind, recipe.indexCount));
    if (entry.useV2cForCounter64) UseV2cForCounter64(request.security);
}

void AnswerCounter64Question(const MenuEntry &entry, bool yes) {
    if (yes && entry.askV2cForCounter64) UseV2cForCounter64(SessionSecurity);
}
