#include "ui/boot.h"
#include "ui/extrkbar.h"
#include "ui/messageline.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

// The lobby's controls as assistive technology reads them: each by the label beside it.
namespace ui {

void Tbootform::nameControls()
{
    BoxName->setAccessibleName(tr("お名前"));
    BoxPort->setAccessibleName(tr("ポート番号"));
    LabIP->setAccessibleName(tr("ローカルかもしれないあなたのIP"));
    BoxIP->setAccessibleName(tr("接続先IPアドレス"));
    BoxIP->lineEdit()->setAccessibleName(BoxIP->accessibleName());
    Mem->setAccessibleName(tr(" 参加者").trimmed());
    Chat->setAccessibleName(tr(" 会話").trimmed());
    EditMessage->setAccessibleName(tr("メッセージ"));
    nameSliders();
}

// A slider's label shows its value: the name follows the label.
void Tbootform::nameSliders()
{
    TableSize->setAccessibleName(LSize->text());
    TimeLimit->setAccessibleName(LTime->text());
}

} // namespace ui
