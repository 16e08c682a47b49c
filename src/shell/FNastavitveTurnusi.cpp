#include "FNastavitveTurnusi.h"

#include "controls/UrCheckBox.h"
#include "controls/UrComndBar.h"
#include "controls/UrComndBarClient.h"
#include "controls/UrFieldBinding.h"
#include "controls/UrFrame.h"
#include "controls/UrLabel.h"
#include "controls/UrText.h"
#include "core/Messages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zentrel::shell {

using namespace core;

using namespace controls;

namespace {

const QString kBadNorm = QStringLiteral("Vrenost mora biti Pozitvno število.");

QGroupBox *boxGroup(const QString &caption, QList<UrCheckBox *> &boxes, QWidget *parent, QString (*captionOf)(int),
                    const QString &namePrefix) {
    auto *group = new QGroupBox(caption, parent);
    auto *grid = new QGridLayout(group);
    for (int i = 0; i < TurnusiIzmeneChoices::Count; ++i) {
        auto *box = new UrCheckBox(group);
        box->SetCaption(captionOf(i));
        box->setObjectName(namePrefix + QString::number(i));
        grid->addWidget(box, i % 3, i / 3);
        boxes << box;
    }
    return group;
}

} // namespace

FNastavitveTurnusi::FNastavitveTurnusi(QWidget *parent) : QWidget(parent) {
    NastavitveFrame = new UrFrame(this);
    NastavitveFrame->SetCaption(QStringLiteral("Turnusi, izmene in učenci"));
    NastavitveBar = new UrComndBarClient(this);
    QWidget *body = NastavitveFrame->Body();

    QGroupBox *turnusi = boxGroup(QStringLiteral("Turnusi"), TurnusiCB, body, &NastavitveTurnusi::TurnusCaption,
                                  QStringLiteral("TurnusCB"));
    QGroupBox *izmene = boxGroup(QStringLiteral("Izmene"), IzmeneCB, body, &NastavitveTurnusi::IzmenaCaption,
                                 QStringLiteral("IzmenaCB"));
    auto *normativ = new QGroupBox(QStringLiteral("Privzeti normativ (izbirni)"), body);
    NormativMaxL = new UrLabel(normativ);
    NormativMaxE = new UrText(normativ);
    NormativMaxE->setObjectName(QStringLiteral("NormativMaxE"));
    NormativMinL = new UrLabel(normativ);
    NormativMinE = new UrText(normativ);
    NormativMinE->setObjectName(QStringLiteral("NormativMinE"));
    auto *norms = new QGridLayout(normativ);
    norms->addWidget(NormativMaxL, 0, 0);
    norms->addWidget(NormativMaxE, 0, 1, Qt::AlignLeft);
    norms->addWidget(NormativMinL, 1, 0);
    norms->addWidget(NormativMinE, 1, 1, Qt::AlignLeft);
    norms->setColumnStretch(2, 1);

    auto *columns = new QHBoxLayout;
    columns->addWidget(turnusi);
    columns->addWidget(izmene);
    auto *bodyLayout = new QVBoxLayout(body);
    bodyLayout->addLayout(columns);
    bodyLayout->addWidget(normativ);
    bodyLayout->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(NastavitveFrame);
    layout->addStretch(1);

    BindField(NormativMaxL, NormativMaxE, QString(), QStringLiteral("Največ"), 5);
    BindField(NormativMinL, NormativMinE, QString(), QStringLiteral("Najmanj"), 5);
    NormativMaxE->SetOnlyNumeric(true);
    NormativMinE->SetOnlyNumeric(true);

    // Keyboard order: the turnusi, the shifts, the two norms. Turnus 0 and shift A are fixed.
    for (int i = 0; i < TurnusiIzmeneChoices::Count; ++i) {
        NastavitveFrame->AddControl(TurnusiCB[i]);
        TurnusiCB[i]->SetForceLock(NastavitveTurnusi::TurnusFixed(i));
    }
    for (int i = 0; i < TurnusiIzmeneChoices::Count; ++i) {
        NastavitveFrame->AddControl(IzmeneCB[i]);
        IzmeneCB[i]->SetForceLock(NastavitveTurnusi::IzmenaFixed(i));
    }
    NastavitveFrame->AddControl(NormativMaxE);
    NastavitveFrame->AddControl(NormativMinE);
    for (UrText *norm : {NormativMaxE, NormativMinE})
        connect(norm, &UrText::MyValidate, this, [norm](bool &cancel) {
            if (!NastavitveTurnusi::ValidNorm(norm->Text())) {
                ShowMessage(MsgWarning, kBadNorm);
                cancel = true;
            }
        });

    connect(NastavitveBar, &UrComndBarClient::acceptEdit, this, [this](bool &cancel) { cancel = !acceptEdit(); });
    connect(NastavitveBar, &UrComndBarClient::cancelEdit, this, [this] { show(m_logic.Load()); });
    show(m_logic.Load());
}

void FNastavitveTurnusi::Activate() {
    if (UrComndBar *bar = UrComndBar::CommandBar())
        bar->Init(NastavitveBar, NastavitveFrame, {4, 15, 13});
}

void FNastavitveTurnusi::show(const TurnusiIzmeneChoices &c) {
    for (int i = 0; i < TurnusiIzmeneChoices::Count; ++i) {
        TurnusiCB[i]->SetValue(c.turnusi[i]);
        IzmeneCB[i]->SetValue(c.izmene[i]);
    }
    NormativMaxE->SetText(c.normativMax);
    NormativMinE->SetText(c.normativMin);
}

TurnusiIzmeneChoices FNastavitveTurnusi::choices() const {
    TurnusiIzmeneChoices c;
    for (int i = 0; i < TurnusiIzmeneChoices::Count; ++i) {
        c.turnusi[i] = TurnusiCB[i]->Value();
        c.izmene[i] = IzmeneCB[i]->Value();
    }
    c.normativMax = NormativMaxE->Text();
    c.normativMin = NormativMinE->Text();
    return c;
}

bool FNastavitveTurnusi::acceptEdit() {
    TurnusiIzmeneChoices c = choices();
    const bool saved = m_logic.Save(c);
    // Boxes whose deletion was refused or not confirmed are checked again.
    for (int i = 0; i < TurnusiIzmeneChoices::Count; ++i) {
        TurnusiCB[i]->SetValue(c.turnusi[i]);
        IzmeneCB[i]->SetValue(c.izmene[i]);
    }
    return saved;
}

} // namespace zentrel::shell
