#include "UrUrnikOpozorilo.h"

#include "controls/CommandTable.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>

namespace zentrel::timetable {

UrUrnikOpozorilo::UrUrnikOpozorilo(QWidget *parent)
    : QFrame(parent), m_vprasanje(new QLabel(QStringLiteral("Ali želite shraniti opravljene spremembe?"), this)),
      m_potrdi(new QPushButton(this)), m_preklici(new QPushButton(this)), m_nova(new QPushButton(this)),
      m_potrdiKey(Qt::Key_Return), m_prekliciKey(Qt::Key_F11), m_novaKey(Qt::Key_Insert) {
    setObjectName(QStringLiteral("UrUrnikOpozorilo"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0xFF, 0xF1, 0x9A));
    setPalette(p);
    QFont f = m_vprasanje->font();
    f.setBold(true);
    m_vprasanje->setFont(f);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_vprasanje, 1);
    for (QPushButton *b : {m_potrdi, m_preklici, m_nova}) {
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    connect(m_potrdi, &QPushButton::clicked, this, &UrUrnikOpozorilo::Potrjeno);
    connect(m_preklici, &QPushButton::clicked, this, &UrUrnikOpozorilo::Preklicano);
    connect(m_nova, &QPushButton::clicked, this, &UrUrnikOpozorilo::NovaMenjavaIzbrana);
    napisi();
    hide();
}

void UrUrnikOpozorilo::SetButtonKeyCodes(int potrdi, int preklici, int novaMenjava) {
    m_potrdiKey = potrdi;
    m_prekliciKey = preklici;
    m_novaKey = novaMenjava;
    napisi();
}

void UrUrnikOpozorilo::SetIzMenjave(bool on) {
    m_izMenjave = on;
    m_nova->setVisible(on);
}

bool UrUrnikOpozorilo::ObdelajTipko(int kljuc) {
    if (!isVisible())
        return false;
    if (kljuc == m_potrdiKey || (m_potrdiKey == Qt::Key_Return && kljuc == Qt::Key_Enter))
        m_potrdi->click();
    else if (kljuc == m_prekliciKey)
        m_preklici->click();
    else if (kljuc == m_novaKey && m_izMenjave)
        m_nova->click();
    else
        return false;
    return true;
}

void UrUrnikOpozorilo::napisi() {
    // The keys are named as the command bar names them ("Enter", "Ins"), others as the platform does.
    auto tipka = [](int k) {
        if (const int vk = controls::VirtualKeyOfQtKey(k); vk != 0)
            for (int vrsta = 0; vrsta < controls::CommandTableSize; ++vrsta)
                if (const controls::CommandDef *d = controls::CommandRow(vrsta); d && d->keyCode == vk)
                    return d->keyCaption;
        return QKeySequence(k).toString(QKeySequence::NativeText);
    };
    m_potrdi->setText(QStringLiteral("Potrdi (%1)").arg(tipka(m_potrdiKey)));
    m_preklici->setText(QStringLiteral("Prekliči (%1)").arg(tipka(m_prekliciKey)));
    m_nova->setText(QStringLiteral("Nova menjava (%1)").arg(tipka(m_novaKey)));
}

} // namespace zentrel::timetable
