#pragma once

#include <QPointer>
#include <QWidget>

class QSplitter;
class TCtrlBtnPanel;
class TMsgPanel;
class VdSNMPRequest2Edits;

// The frame of every editor panel and table dialog: the content on the left, the button strip on
// the right and, below the content, the message memo that receives the binding's status lines.
class TSNMPPanel : public QWidget {
    Q_OBJECT
public:
    // sharedMessages: the message panel of another frame to write into, or none for an own one.
    TSNMPPanel(QWidget *parent, TMsgPanel *sharedMessages, VdSNMPRequest2Edits *binding);

    void Refresh();
    void SetContent(QWidget *control);
    void AttachToForm(QWidget *form);

    VdSNMPRequest2Edits *binding() const { return binding_; }
    TCtrlBtnPanel *buttons() const { return buttons_; }
    TMsgPanel *messagePanel() const { return messagePanel_; }
    // The panel whose memo shows this frame's status lines.
    TMsgPanel *messages() const { return messages_; }
    QWidget *content() const { return content_; }
    QWidget *contentArea() const { return contentArea_; }
    QWidget *owningForm() const { return owningForm_; }

    // Closes the window this frame was fitted to.
    void CloseOwningForm();

protected:
    VdSNMPRequest2Edits *binding_;
    TCtrlBtnPanel *buttons_;

private:
    QSplitter *sideSplitter_;
    QWidget *contentArea_;
    QSplitter *bottomSplitter_;
    TMsgPanel *messagePanel_ = nullptr;
    TMsgPanel *messages_;
    QPointer<QWidget> content_;
    QPointer<QWidget> owningForm_;
};
