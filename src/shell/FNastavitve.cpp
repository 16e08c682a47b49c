#include "FNastavitve.h"

#include "FNastavitvePrveUre.h"
#include "FNastavitveTurnusi.h"
#include "FNastavitveUre.h"
#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"

#include <QVBoxLayout>

namespace zentrel::shell {

namespace {
constexpr int kSettingsPageSet = 1;
}

FNastavitve::FNastavitve(Page page, QWidget *parent) : QWidget(parent), m_page(page) {
    setObjectName(QStringLiteral("FNastavitve"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    switch (page) {
    case SplosneNastavitve:
        layout->addWidget(m_turnusi = new FNastavitveTurnusi(this));
        break;
    case Ure:
        layout->addWidget(m_ure = new FNastavitveUre(this));
        break;
    case PrveUre:
        layout->addWidget(m_prveUre = new FNastavitvePrveUre(this));
        break;
    }
}

void FNastavitve::TabActivated() {
    if (m_turnusi)
        m_turnusi->Activate();
    if (m_ure)
        m_ure->Activate();
    if (m_prveUre)
        m_prveUre->Activate();
}

void FNastavitve::RegisterTabs() {
    const controls::PageSet set = controls::PageSet::Build(kSettingsPageSet);
    const QList<QPair<QString, Page>> pages{{QStringLiteral("Splošne nastavitve"), SplosneNastavitve},
                                            {QStringLiteral("Ure"), Ure},
                                            {QStringLiteral("Prve ure"), PrveUre}};
    for (const auto &[caption, page] : pages) {
        const int id = set.find(caption);
        if (id >= 0)
            controls::RegisterTabWindow(id, [page](QWidget *parent) { return new FNastavitve(page, parent); });
    }
}

} // namespace zentrel::shell
