#include "FSheetImport.h"

#include "SheetKinds.h"
#include "core/AppState.h"
#include "core/Messages.h"
#include "core/TextFunctions.h"
#include "shell/FFileDialog.h"
#include "shell/FGlavna.h"
#include "shell/FOzadje.h"

#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zentrel::basicdata {

namespace {
// Slot 0 of the folders: where import files are chosen, as for the pupils.
constexpr int kImportFolder = 0;
const QColor kRefused(255, 220, 220);
const QColor kAdded(225, 245, 225);
const QColor kChanged(255, 245, 210);
} // namespace

FSheetImport::FSheetImport(QWidget *parent)
    : QWidget(parent), VrstaCB(new QComboBox), RazporedCB(new QComboBox), DatotekaE(new QLineEdit),
      DatotekaB(new QPushButton(QStringLiteral("..."))), PredogledG(new QTableWidget), PovzetekL(new QLabel),
      UvoziB(new QPushButton(QStringLiteral("&Uvozi"))), ZapriB(new QPushButton(QStringLiteral("&Zapri"))) {
    setObjectName(QStringLiteral("FSheetImport"));
    setWindowTitle(QStringLiteral("Uvoz iz preglednice"));
    VrstaCB->setObjectName(QStringLiteral("VrstaCB"));
    for (SheetKind k : SheetKindsAll())
        VrstaCB->addItem(SheetKindCaption(k), static_cast<int>(k));
    RazporedCB->setObjectName(QStringLiteral("RazporedCB"));
    const db::RowSet curricula = SheetCurricula();
    for (int r = 0; r < curricula.rowCount(); ++r)
        RazporedCB->addItem(curricula.text(r, QStringLiteral("IME")), curricula.integer(r, QStringLiteral("ID")));
    if (const int current = RazporedCB->findData(core::App().trenutniPredmetnik); current >= 0)
        RazporedCB->setCurrentIndex(current);
    DatotekaE->setObjectName(QStringLiteral("DatotekaE"));
    DatotekaE->setReadOnly(true);
    DatotekaE->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    DatotekaB->setObjectName(QStringLiteral("DatotekaB"));
    DatotekaB->setToolTip(QStringLiteral("Izberi datoteko"));
    DatotekaB->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("...")) * 4);
    PredogledG->setObjectName(QStringLiteral("PredogledG"));
    PredogledG->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PredogledG->setSelectionBehavior(QAbstractItemView::SelectRows);
    PredogledG->verticalHeader()->hide();
    PredogledG->horizontalHeader()->setStretchLastSection(true);
    // Room for a class's rows with their notes without scrolling sideways.
    PredogledG->setMinimumSize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 18);
    PovzetekL->setObjectName(QStringLiteral("PovzetekL"));
    UvoziB->setObjectName(QStringLiteral("UvoziB"));
    ZapriB->setObjectName(QStringLiteral("ZapriB"));

    auto *layout = new QVBoxLayout(this);
    auto *choices = new QGridLayout;
    auto *vrsta = new QLabel(QStringLiteral("&Vrsta podatkov:"));
    vrsta->setBuddy(VrstaCB);
    auto *razpored = new QLabel(QStringLiteral("&Razpored:"));
    razpored->setBuddy(RazporedCB);
    auto *datoteka = new QLabel(QStringLiteral("&Datoteka:"));
    datoteka->setBuddy(DatotekaB);
    choices->addWidget(vrsta, 0, 0);
    choices->addWidget(VrstaCB, 0, 1);
    choices->addWidget(razpored, 0, 2);
    choices->addWidget(RazporedCB, 0, 3);
    choices->addWidget(datoteka, 1, 0);
    auto *file = new QHBoxLayout;
    file->addWidget(DatotekaE, 1);
    file->addWidget(DatotekaB);
    choices->addLayout(file, 1, 1, 1, 3);
    choices->setColumnStretch(3, 1);
    layout->addLayout(choices);
    layout->addWidget(new QLabel(QStringLiteral("Predogled (nič še ni zapisano):")));
    layout->addWidget(PredogledG, 1);
    layout->addWidget(PovzetekL);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(UvoziB);
    buttons->addWidget(ZapriB);
    layout->addLayout(buttons);

    connect(VrstaCB, &QComboBox::currentIndexChanged, this, &FSheetImport::kindChanged);
    connect(RazporedCB, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_path.isEmpty())
            ReadFile(m_path);
    });
    connect(DatotekaB, &QPushButton::clicked, this, &FSheetImport::browse);
    connect(UvoziB, &QPushButton::clicked, this, &FSheetImport::Import);
    connect(ZapriB, &QPushButton::clicked, this, [this] {
        if (shell::FGlavna *main = shell::FGlavna::instance())
            main->CloseAllWork();
        else if (QWidget *frame = parentWidget())
            frame->close();
    });
    kindChanged();
}

FSheetImport *FSheetImport::Show(shell::FGlavna *main) {
    if (!main->CloseAllWork())
        return nullptr;
    auto *window = new FSheetImport;
    QMdiSubWindow *frame = main->ozadje()->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    main->SetWorkCaption(QStringLiteral("U&voz  -  Iz &preglednice..."));
    frame->show();
    frame->move(0, 0);
    window->VrstaCB->setFocus(Qt::OtherFocusReason);
    return window;
}

SheetKind FSheetImport::kind() const {
    return static_cast<SheetKind>(VrstaCB->currentData().toInt());
}

void FSheetImport::kindChanged() {
    RazporedCB->setEnabled(kind() == SheetKind::Assignments && RazporedCB->count() > 1);
    if (!m_path.isEmpty())
        ReadFile(m_path);
    else
        showPreview();
}

void FSheetImport::browse() {
    const QString path = shell::FileDialog(this, shell::FileDialogOpen, QStringLiteral("Uvoz iz preglednice"),
                                           core::App().settings.folders[kImportFolder], QString(),
                                           SheetImport::DialogFilter());
    if (path.isEmpty())
        return;
    core::App().settings.folders[kImportFolder] = core::SplitPath(path).first;
    ReadFile(path);
}

bool FSheetImport::ReadFile(const QString &path) {
    m_path = path;
    DatotekaE->setText(QDir::toNativeSeparators(path));
    const qint64 curriculum = kind() == SheetKind::Assignments ? RazporedCB->currentData().toLongLong() : -1;
    m_import = std::make_unique<SheetImport>(kind(), RazporedCB->count() > 0 ? curriculum : -1);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool read = m_import->readFile(path);
    QApplication::restoreOverrideCursor();
    if (!read)
        m_import.reset();
    showPreview();
    return read;
}

void FSheetImport::showPreview() {
    const QList<SheetColumn> &columns = SheetColumns(kind());
    QStringList header{QStringLiteral("Vrstica"), QStringLiteral("Dejanje")};
    for (const SheetColumn &column : columns)
        header << column.caption;
    header << QStringLiteral("Opomba");
    PredogledG->clear();
    PredogledG->setColumnCount(static_cast<int>(header.size()));
    PredogledG->setHorizontalHeaderLabels(header);
    const QList<SheetRow> rows = m_import ? m_import->rows() : QList<SheetRow>();
    PredogledG->setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const SheetRow &row = rows[r];
        QStringList cells{QString::number(row.line), SheetImport::ActionText(row.action)};
        for (const QString &cell : row.cells)
            cells << QString(cell).replace(u'\n', u' ');
        cells << row.note;
        const QColor colour = row.action == SheetAction::Refused ? kRefused
                              : row.action == SheetAction::Add   ? kAdded
                              : row.action == SheetAction::Change ? kChanged
                                                                  : QColor();
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (colour.isValid())
                item->setBackground(colour);
            if (c == 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            PredogledG->setItem(r, c, item);
        }
    }
    PredogledG->resizeColumnsToContents();
    PovzetekL->setText(m_import ? m_import->summary() : QStringLiteral("Izberite datoteko."));
    UvoziB->setEnabled(m_import && m_import->count(SheetAction::Refused) == 0 &&
                       m_import->count(SheetAction::Add) + m_import->count(SheetAction::Change) > 0);
}

bool FSheetImport::Import() {
    if (!m_import)
        return false;
    const QString summary = m_import->summary();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = m_import->apply();
    QApplication::restoreOverrideCursor();
    if (written)
        core::ShowMessage(core::MsgInformation, QStringLiteral("Uvoz je zaključen. ") + summary);
    ReadFile(m_path);
    return written;
}

} // namespace zentrel::basicdata
