#include "catalogue/model/entry_request.h"

#include "catalogue/model/catalogue_model.h"
#include "engine/request.h"

void PrepareEntryRequest(const MenuEntry &entry, const BindingSpec &spec, VdSNMPRequest &request) {
    request.list.Assign(VdSNMPVarList(spec.Table(), spec.listKind, spec.indexCount));
    if (entry.useV2cForCounter64 && request.security.version == 0) request.security.version = 1;
}
