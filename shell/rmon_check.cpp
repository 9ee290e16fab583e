#include "shell/rmon_check.h"

#include "engine/option_list.h"
#include "binding/ui/request2edits.h"
#include "engine/coded_error.h"
#include "forms/exchange_scope.h"

#include <QLabel>

#include <utility>

namespace {

constexpr OptionRecord kRmonStates[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VdOptionList kRmonStateOptions(kRmonStates, VdOptionList::Integer);

const DescriptorRecord kRmonState[] = {
    {"1.3.6.1.4.1.171.11.69.4.2.1.2.3", "RMON State", syntax::Integer, access_bit::ReadWrite,
     &kRmonStateOptions},
    {nullptr, nullptr, 0, 0, nullptr},
};

// A failed read is the check's to show, on the status panel: never in a box of the binding's own.
class RmonStateBinding final : public VdSNMPRequest2Edits {
public:
    using VdSNMPRequest2Edits::VdSNMPRequest2Edits;
    void OnGetError(const VdSNMPError &) override {}
};

}  // namespace

RmonCheck::RmonCheck(QWidget *owner, QLabel *stateText, QLabel *statusPanel, Follow follow)
    : binding_(std::make_unique<RmonStateBinding>(owner)), stateText_(stateText), statusPanel_(statusPanel),
      follow_(std::move(follow)) {
    binding_->request.list.Assign(VdSNMPVarList(kRmonState, VdSNMPVarList::ScalarGroup, 0));
    binding_->BindStaticText(0, stateText_);
}

// A read still outstanding is answered to nobody.
RmonCheck::~RmonCheck() { ExchangeScope::Dispose(std::move(binding_)); }

void RmonCheck::Run() {
    if (binding_->busy) {
        again_ = true;
        return;
    }
    binding_->ended = [this](const std::optional<std::string> &error) { Ended(error); };
    try {
        binding_->Get();
    } catch (const CodedError &error) {
        binding_->ended = nullptr;
        statusPanel_->setText(QString::fromStdString(error.message()));
    }
}

void RmonCheck::Ended(const std::optional<std::string> &error) {
    if (error) {
        statusPanel_->setText(QString::fromStdString(*error));
    } else {
        const QString state = stateText_->text();
        if (state == QLatin1String("disabled") || state == QLatin1String("enabled"))
            follow_(state == QLatin1String("enabled"));
    }
    if (std::exchange(again_, false)) Run();
}
