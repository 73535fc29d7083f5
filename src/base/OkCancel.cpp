#include "base/OkCancel.h"

#include <QDialogButtonBox>
#include <QPushButton>

OkCancel MakeOkCancel(QWidget* dialog) {
    OkCancel buttons{new QDialogButtonBox(dialog), new QPushButton(QStringLiteral("OK"), dialog),
                     new QPushButton(QStringLiteral("Cancel"), dialog)};
    buttons.ok->setDefault(true);
    buttons.box->addButton(buttons.ok, QDialogButtonBox::AcceptRole);
    buttons.box->addButton(buttons.cancel, QDialogButtonBox::RejectRole);
    return buttons;
}
