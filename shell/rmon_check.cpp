#include "shell/rmon_check.h"

#include "engine/option_list.h"
#include "binding/ui/request2edits.h"
#include "engine/coded_error.h"

#include <QLabel>

namespace {

constexpr OptionRecord kRmonStates[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VdOptionList kRmonStateOptions(kRmonStates, VdOptionList::Integer);

const DescriptorRecord kRmonState[] = {
    {"1.3.6.1.4.1.171.11.69.4.2.1.2.3", "RMON State", syntax::Integer, access_bit::ReadWrite,
     &kRmonStateOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};

}  // namespace

RmonCheck::RmonCheck(QWidget *owner, QLabel *stateText, QLabel *statusPanel, Follow follow)
    : binding_(std::make_unique<VdSNMPRequest2Edits>(owner)), stateText_(stateText),
      statusPanel_(statusPanel), follow_(std::move(follow)) {
    binding_->request.list.Assign(VdSNMPVarList(kRmonState, VdSNMPVarList::ScalarGroup, 0));
    binding_->asyncMode = false;
    binding_->BindStaticText(0, stateText_);
}

RmonCheck::~RmonCheck() = default;

void RmonCheck::Run() {
    try {
        binding_->Get();
    } catch (const CodedError &error) {
        statusPanel_->setText(QString::fromStdString(error.message()));
        return;
    }
    const QString state = stateText_->text();
    if (state != QLatin1String("disabled") && state != QLatin1String("enabled")) return;
    follow_(state == QLatin1String("enabled"));
}
