#include "shell/device_commands.h"

#include "binding/ui/message_box.h"
#include "engine/coded_error.h"
#include "engine/request.h"

QString RunDeviceCommand(const DeviceCommand &command, QWidget *parent) {
    VdSNMPRequest request;
    request.list.kind = VdSNMPVarList::ScalarGroup;
    request.list.AddItem(command.oid, "", syntax::Integer, access_bit::ReadWrite);
    request.list.Item(0).value = command.value;
    const QString caption = QString::fromLatin1(command.caption);
    if (MessageBox::YesNoChange(parent, caption, QString::fromLatin1(command.question)) != QMessageBox::Yes)
        return {};
    try {
        request.Write(false);
    } catch (const CodedError &error) {
        if (!command.reportFailure) return {};
        const QString text = QString::fromStdString(error.message());
        MessageBox::Ok(parent, caption, text, MessageBox::Icon::Warning);
        return text;
    }
    return {};
}
