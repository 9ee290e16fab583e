#include "shell/device_commands.h"

#include "binding/ui/message_box.h"
#include "engine/coded_error.h"

QString RunDeviceCommand(const DeviceCommand &command, QWidget *parent) {
    const QString caption = QString::fromLatin1(command.caption);
    if (MessageBox::YesNoChange(parent, caption, QString::fromLatin1(command.question)) != QMessageBox::Yes)
        return {};
    try {
        SendDeviceCommand(command);
    } catch (const CodedError &error) {
        if (!command.reportFailure) return {};
        const QString text = QString::fromStdString(error.message());
        MessageBox::Ok(parent, caption, text, MessageBox::Icon::Warning);
        return text;
    }
    return {};
}
