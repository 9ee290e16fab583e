#include "shell/device_commands.h"

#include "binding/ui/message_box.h"
#include "binding/ui/request2controls.h"
#include "engine/coded_error.h"
#include "forms/exchange_scope.h"

#include <algorithm>
#include <utility>

namespace {

// One command's SET: its failure is the runner's to show, never in a box of the binding's own.
class CommandBinding final : public VdSNMPRequest2Controls {
public:
    using VdSNMPRequest2Controls::VdSNMPRequest2Controls;
    void OnGetResult() override {}
    void OnSetError(const VdSNMPError &) override {}
};

}  // namespace

DeviceCommands::DeviceCommands(QWidget *parent) : parent_(parent) {}

DeviceCommands::~DeviceCommands() {
    for (auto &binding : running_) ExchangeScope::Dispose(std::move(binding));
}

void DeviceCommands::Run(const DeviceCommand &command, Failed failed) {
    const QString caption = QString::fromLatin1(command.caption);
    if (MessageBox::YesNoChange(parent_, caption, QString::fromLatin1(command.question)) != QMessageBox::Yes) return;
    auto owned = std::make_unique<CommandBinding>(parent_);
    VdSNMPRequest2Controls *binding = owned.get();
    VdSNMPVarList &list = binding->request.list;
    list.kind = VdSNMPVarList::ScalarGroup;
    list.AddItem(command.oid, "", syntax::Integer, access_bit::ReadWrite);
    list.Item(0).value = command.value;
    running_.push_back(std::move(owned));
    binding->ended = [this, binding, &command, failed](const std::optional<std::string> &error) {
        Ended(binding, command, failed, error);
    };
    try {
        // Its end may come before Set returns: the binding is freed once this call has left it.
        const ExchangeScope scope(binding);
        binding->Set(false, false);
    } catch (const CodedError &error) {
        if (binding->ended) std::exchange(binding->ended, nullptr)(error.message());
    }
}

void DeviceCommands::Ended(VdSNMPRequest2Controls *binding, const DeviceCommand &command, const Failed &failed,
                           const std::optional<std::string> &error) {
    const auto it = std::find_if(running_.begin(), running_.end(), [&](const auto &b) { return b.get() == binding; });
    if (it != running_.end()) {
        ExchangeScope::Dispose(std::move(*it));
        running_.erase(it);
    }
    if (!error || !command.reportFailure) return;
    const QString text = QString::fromStdString(*error);
    MessageBox::Tell(parent_, QString::fromLatin1(command.caption), text, MessageBox::Icon::Warning);
    if (failed) failed(text);
}
