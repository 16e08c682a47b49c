#include "Fpreview.h"

#include "FIzbiraTiskalnika.h"
#include "UrPreview.h"
#include "UrTiskalnik.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace zentrel::print {

namespace {

QToolButton *button(QWidget *parent, const char *name, const QString &text, const QString &tip = QString()) {
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(true);
    return b;
}

} // namespace

const QList<double> &Fpreview::Faktorji() {
    static const QList<double> factors{0.5, 0.6, 0.75, 1.0, 1.25, 1.5};
    return factors;
}

Fpreview::Fpreview(const Dokument &dokument, QWidget *parent) : QDialog(parent), m_doc(dokument) {
    setObjectName(QStringLiteral("Fpreview"));
    m_izris = std::make_unique<UrIzris>(m_doc);
    ZoomInCB = button(this, "ZoomInCB", QStringLiteral("Povečaj"), QStringLiteral("Tipka \"+\""));
    ZoomOutCB = button(this, "ZoomOutCB", QStringLiteral("Pomanjšaj"), QStringLiteral("Tipka \"-\""));
    NormalSizeCB = button(this, "NormalSizeCB", QStringLiteral("Običajno okno"));
    MaximizeCB = button(this, "MaximizeCB", QStringLiteral("Celo okno"));
    PgUpCB = button(this, "PgUpCB", QStringLiteral("◀ Stran"), QStringLiteral("Tipka PgUp"));
    PgDnCb = button(this, "PgDnCb", QStringLiteral("Stran ▶"), QStringLiteral("Tipka PgDn"));
    PGLeftCB = button(this, "PGLeftCB", QStringLiteral("◀ List"));
    PGRightCB = button(this, "PGRightCB", QStringLiteral("List ▶"));
    StranL = new QLabel(this);
    StranL->setObjectName(QStringLiteral("StranL"));
    NatisniStranCB = button(this, "NatisniStranCB", QStringLiteral("Natisni stran"));
    Tiskaj_CB = button(this, "Tiskaj_CB", QStringLiteral("Natisni vse"));
    SelectPrinterCB = button(this, "SelectPrinterCB", QStringLiteral("Izbira tiskalnika"));
    CloseCB = button(this, "CloseCB", QStringLiteral("Zapri"), QStringLiteral("Tipka Esc"));

    auto *tools = new QHBoxLayout;
    for (QWidget *w :
         {static_cast<QWidget *>(ZoomInCB), static_cast<QWidget *>(ZoomOutCB), static_cast<QWidget *>(NormalSizeCB),
          static_cast<QWidget *>(MaximizeCB), static_cast<QWidget *>(PgUpCB), static_cast<QWidget *>(StranL),
          static_cast<QWidget *>(PgDnCb), static_cast<QWidget *>(PGLeftCB), static_cast<QWidget *>(PGRightCB),
          static_cast<QWidget *>(NatisniStranCB), static_cast<QWidget *>(Tiskaj_CB),
          static_cast<QWidget *>(SelectPrinterCB)})
        tools->addWidget(w);
    tools->addStretch(1);
    tools->addWidget(CloseCB);

    urPreview = new UrPreview;
    urPreview->SetIzris(m_izris.get());
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("PreviewSA"));
    m_scroll->setWidget(urPreview);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(tools);
    layout->addWidget(m_scroll, 1);

    connect(ZoomInCB, &QToolButton::clicked, this, &Fpreview::ZoomIn);
    connect(ZoomOutCB, &QToolButton::clicked, this, &Fpreview::ZoomOut);
    connect(NormalSizeCB, &QToolButton::clicked, this, [this] { showNormal(); });
    connect(MaximizeCB, &QToolButton::clicked, this, [this] { showMaximized(); });
    connect(PgUpCB, &QToolButton::clicked, this, &Fpreview::PrejsnjaStran);
    connect(PgDnCb, &QToolButton::clicked, this, &Fpreview::NaslednjaStran);
    connect(PGLeftCB, &QToolButton::clicked, this, &Fpreview::ListLevo);
    connect(PGRightCB, &QToolButton::clicked, this, &Fpreview::ListDesno);
    connect(NatisniStranCB, &QToolButton::clicked, this, [this] { Natisni(this, m_doc, Stran()); });
    connect(Tiskaj_CB, &QToolButton::clicked, this, [this] { done(NatisniVse); });
    connect(SelectPrinterCB, &QToolButton::clicked, this, &Fpreview::choosePrinter);
    connect(CloseCB, &QToolButton::clicked, this, [this] { done(Zaprto); });

    setWindowTitle(QStringLiteral("Predogled tiska (") + IzbraniTiskalnik() + u')');
    resize(1000, 720);
    setStep(0);
}

Fpreview::~Fpreview() = default;

int Fpreview::Stran() const {
    return urPreview->Stran();
}

int Fpreview::SteviloStrani() const {
    return m_izris->SteviloStrani();
}

void Fpreview::setStep(int step) {
    m_step = std::clamp(step, 0, int(Faktorji().size()) - 1);
    urPreview->SetMerilo(Faktorji().at(m_step));
    refresh();
}

void Fpreview::ZoomIn() {
    // Steps up only while the factor is below one and a half times the page.
    if (Faktorji().at(m_step) < 1.49)
        setStep(m_step + 1);
}

void Fpreview::ZoomOut() {
    setStep(m_step - 1);
}

void Fpreview::PrejsnjaStran() {
    if (Stran() > m_izris->SteviloStolpcev())
        urPreview->SetStran(Stran() - m_izris->SteviloStolpcev());
    refresh();
}

void Fpreview::NaslednjaStran() {
    if (Stran() + m_izris->SteviloStolpcev() <= SteviloStrani())
        urPreview->SetStran(Stran() + m_izris->SteviloStolpcev());
    refresh();
}

void Fpreview::ListLevo() {
    if ((Stran() - 1) % m_izris->SteviloStolpcev() > 0)
        urPreview->SetStran(Stran() - 1);
    refresh();
}

void Fpreview::ListDesno() {
    if ((Stran() - 1) % m_izris->SteviloStolpcev() < m_izris->SteviloStolpcev() - 1)
        urPreview->SetStran(Stran() + 1);
    refresh();
}

void Fpreview::refresh() {
    const int across = m_izris->SteviloStolpcev();
    const int row = (Stran() - 1) / across + 1, column = (Stran() - 1) % across + 1;
    const int rows = SteviloStrani() / across;
    StranL->setText(across == 1 ? QStringLiteral("Stran %1 od %2").arg(row).arg(rows)
                                : QStringLiteral("Stran %1 od %2, list %3 od %4").arg(row).arg(rows).arg(column).arg(across));
    PgUpCB->setEnabled(row > 1);
    PgDnCb->setEnabled(row < rows);
    // Left and right only for a document wider than one sheet.
    PGLeftCB->setVisible(across > 1);
    PGRightCB->setVisible(across > 1);
    PGLeftCB->setEnabled(column > 1);
    PGRightCB->setEnabled(column < across);
    ZoomInCB->setEnabled(Faktorji().at(m_step) < 1.49);
    ZoomOutCB->setEnabled(m_step > 0);
}

void Fpreview::choosePrinter() {
    FIzbiraTiskalnika dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    setWindowTitle(QStringLiteral("Zentrel - predogled tiska (") + IzbraniTiskalnik() + u')');
    // Every printer here takes A4, so the layout stays; the page is drawn anew.
    urPreview->update();
}

void Fpreview::keyPressEvent(QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Plus:
        ZoomIn();
        return;
    case Qt::Key_Minus:
        ZoomOut();
        return;
    case Qt::Key_PageUp:
        PrejsnjaStran();
        return;
    case Qt::Key_PageDown:
        NaslednjaStran();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace zentrel::print
