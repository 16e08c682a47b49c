#include "FOProgramu.h"

#include "core/AppState.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrel::shell {

using namespace core;

FOProgramu::FOProgramu(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("O programu"));
    auto *title = new QLabel(QStringLiteral("<h2>Zentrel</h2>"), this);
    auto *version = new QLabel(QStringLiteral("Različica ") + App().versionText, this);
    version->setObjectName(QStringLiteral("VerzijaL"));
    auto *about = new QLabel(QStringLiteral("Program za izdelavo in spremljanje šolskih urnikov: osnovni podatki, "
                                            "razporedi, avtomatsko in ročno sestavljanje urnikov, koledar, "
                                            "odsotnosti in nadomeščanja, učenci in izbirni predmeti, izpisi."),
                             this);
    about->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("V redu"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addWidget(about);
    layout->addWidget(buttons);
    setFixedWidth(420);
}

} // namespace zentrel::shell
