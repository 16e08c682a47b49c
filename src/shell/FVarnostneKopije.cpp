#include "FVarnostneKopije.h"

#include "SafetyCopies.h"
#include "SafetyCopyRestore.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zentrel::shell {

using namespace core;

namespace {

QSpinBox *numberField(const QString &name, int low, int high) {
    auto *box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(low, high);
    return box;
}

} // namespace

FVarnostneKopije::FVarnostneKopije(QWidget *parent)
    : QDialog(parent), KopijeDG(new QTableWidget(0, 3)), OgledB(new QPushButton(QStringLiteral("Odpri za &ogled"))),
      ObnoviB(new QPushButton(QStringLiteral("O&bnovi"))), NazajB(new QPushButton(QStringLiteral("&Nazaj na projekt"))),
      ZapriB(new QPushButton(QStringLiteral("&Zapri"))), ZadnjihE(numberField(QStringLiteral("ZadnjihE"), 1, 1000)),
      DniE(numberField(QStringLiteral("DniE"), 0, 366)),
      MegabajtovE(numberField(QStringLiteral("MegabajtovE"), 10, 1048576)),
      OmejitveB(new QPushButton(QStringLiteral("&Shrani omejitve"))), MapaL(new QLabel) {
    setObjectName(QStringLiteral("FVarnostneKopije"));
    setWindowTitle(QStringLiteral("Varnostne kopije"));
    KopijeDG->setObjectName(QStringLiteral("KopijeDG"));
    KopijeDG->setHorizontalHeaderLabels(
        {QStringLiteral("Čas"), QStringLiteral("Operacija"), QStringLiteral("Velikost")});
    KopijeDG->setSelectionBehavior(QAbstractItemView::SelectRows);
    KopijeDG->setSelectionMode(QAbstractItemView::SingleSelection);
    KopijeDG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    KopijeDG->verticalHeader()->hide();
    KopijeDG->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    KopijeDG->setMinimumSize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 16);
    MapaL->setObjectName(QStringLiteral("MapaL"));
    MapaL->setWordWrap(true);
    MapaL->setTextInteractionFlags(Qt::TextSelectableByMouse);
    OgledB->setObjectName(QStringLiteral("OgledB"));
    ObnoviB->setObjectName(QStringLiteral("ObnoviB"));
    NazajB->setObjectName(QStringLiteral("NazajB"));
    ZapriB->setObjectName(QStringLiteral("ZapriB"));
    OmejitveB->setObjectName(QStringLiteral("OmejitveB"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MapaL);
    layout->addWidget(KopijeDG, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(OgledB);
    buttons->addWidget(ObnoviB);
    buttons->addWidget(NazajB);
    buttons->addStretch(1);
    buttons->addWidget(ZapriB);
    layout->addLayout(buttons);
    auto *limits = new QGroupBox(QStringLiteral("Koliko kopij se hrani"));
    auto *row = new QHBoxLayout(limits);
    row->addWidget(new QLabel(QStringLiteral("zadnjih")));
    row->addWidget(ZadnjihE);
    row->addWidget(new QLabel(QStringLiteral("in po eno na dan za zadnjih")));
    row->addWidget(DniE);
    row->addWidget(new QLabel(QStringLiteral("dni, skupaj največ")));
    row->addWidget(MegabajtovE);
    row->addWidget(new QLabel(QStringLiteral("MB")));
    row->addStretch(1);
    row->addWidget(OmejitveB);
    layout->addWidget(limits);

    const SafetyCopyLimits &l = CopyState().limits;
    ZadnjihE->setValue(l.keepLast);
    DniE->setValue(l.keepDays);
    MegabajtovE->setValue(l.maxMegabytes);

    connect(OgledB, &QPushButton::clicked, this, &FVarnostneKopije::View);
    connect(ObnoviB, &QPushButton::clicked, this, &FVarnostneKopije::Restore);
    connect(NazajB, &QPushButton::clicked, this, &FVarnostneKopije::BackToProject);
    connect(ZapriB, &QPushButton::clicked, this, &QDialog::reject);
    connect(OmejitveB, &QPushButton::clicked, this, &FVarnostneKopije::SaveLimits);
    connect(KopijeDG, &QTableWidget::itemSelectionChanged, this, &FVarnostneKopije::updateState);
    Refresh();
}

void FVarnostneKopije::Refresh() {
    const QString project = SafetyCopyProject();
    m_copies = project.isEmpty() ? QList<SafetyCopy>() : ListSafetyCopies(project);
    MapaL->setText(project.isEmpty()
                       ? QStringLiteral("Noben projekt ni odprt.")
                       : QStringLiteral("Projekt %1, kopije v mapi %2")
                             .arg(SplitPath(project).second, QDir::toNativeSeparators(SafetyCopyFolder(project))));
    KopijeDG->setRowCount(int(m_copies.size()));
    for (int i = 0; i < m_copies.size(); ++i) {
        const SafetyCopy &c = m_copies.at(i);
        KopijeDG->setItem(i, 0, new QTableWidgetItem(SafetyCopyTimeText(c)));
        KopijeDG->setItem(i, 1, new QTableWidgetItem(c.operation));
        auto *size = new QTableWidgetItem(SafetyCopySizeText(c.size));
        size->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        KopijeDG->setItem(i, 2, size);
    }
    KopijeDG->resizeColumnToContents(0);
    KopijeDG->resizeColumnToContents(2);
    if (!m_copies.isEmpty())
        KopijeDG->selectRow(0);
    updateState();
}

QString FVarnostneKopije::ChosenCopy() const {
    const int row = KopijeDG->currentRow();
    return row >= 0 && row < m_copies.size() && KopijeDG->selectionModel()->isRowSelected(row) ? m_copies.at(row).path
                                                                                               : QString();
}

void FVarnostneKopije::updateState() {
    const bool chosen = !ChosenCopy().isEmpty();
    OgledB->setEnabled(chosen);
    ObnoviB->setEnabled(chosen);
    NazajB->setVisible(!CopyState().viewedProject.isEmpty());
}

void FVarnostneKopije::View() {
    const QString copy = ChosenCopy();
    if (copy.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool open = ViewSafetyCopy(copy);
    QApplication::restoreOverrideCursor();
    if (open)
        accept();
}

void FVarnostneKopije::Restore() {
    const QString copy = ChosenCopy();
    if (copy.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    RestoreSafetyCopy(SafetyCopyProject(), copy);
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    Refresh();
}

void FVarnostneKopije::BackToProject() {
    if (EndSafetyCopyViewing())
        Refresh();
}

void FVarnostneKopije::SaveLimits() {
    if (!SaveSafetyCopyLimits({ZadnjihE->value(), DniE->value(), MegabajtovE->value()}))
        ShowMessage(MsgError, QStringLiteral("Datoteke # ni mogoče zapisati."), App().folders.settingsFile());
}

} // namespace zentrel::shell
