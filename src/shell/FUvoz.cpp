#include "FUvoz.h"

#include "FFileDialog.h"
#include "FGlavna.h"
#include "FOzadje.h"
#include "ProjectFiles.h"
#include "controls/UrDataGrid.h"
#include "core/AppState.h"
#include "core/TextFunctions.h"
#include "db/MBaza.h"
#include "db/ProjectCopy.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrel::shell {

using namespace core;

namespace {

// Slot 8 of the folders: the dialog that chooses another project file.
constexpr int kSourceFolder = 8;
// Slot 6: the project open and save dialogs.
constexpr int kProjectFolder = 6;

controls::UrDataGrid *namesGrid(const QString &caption) {
    auto *grid = new controls::UrDataGrid;
    grid->SetCaption(caption);
    grid->SetDataField({QStringLiteral("IME")});
    grid->SetDataFieldCaption({QStringLiteral("Ime")});
    grid->SetDataFieldLenChrs({30});
    return grid;
}

} // namespace

FUvoz::FUvoz(QWidget *parent)
    : QWidget(parent), DatotekaE(new QLineEdit), DatotekaB(new QPushButton(QStringLiteral("..."))),
      UvozCB(new QComboBox), PredmetnikiDG(namesGrid(QStringLiteral("Razporedi"))),
      UrnikiDG(namesGrid(QStringLiteral("Urniki"))), UstvariB(new QPushButton(QStringLiteral("&Ustvari"))),
      ZapriB(new QPushButton(QStringLiteral("&Zapri"))) {
    setObjectName(QStringLiteral("FUvoz"));
    setWindowTitle(QStringLiteral("Na osnovi obstoječega"));
    DatotekaE->setObjectName(QStringLiteral("DatotekaE"));
    DatotekaE->setReadOnly(true);
    DatotekaE->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    DatotekaB->setObjectName(QStringLiteral("DatotekaB"));
    DatotekaB->setToolTip(QStringLiteral("Izberi obstoječi projekt"));
    DatotekaB->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("...")) * 4);
    UvozCB->setObjectName(QStringLiteral("UvozCB"));
    UvozCB->addItems(Uvoz::Choices());
    PredmetnikiDG->setObjectName(QStringLiteral("PredmetnikiDG"));
    UrnikiDG->setObjectName(QStringLiteral("UrnikiDG"));
    UstvariB->setObjectName(QStringLiteral("UstvariB"));
    ZapriB->setObjectName(QStringLiteral("ZapriB"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Datoteka z obstoječim projektom:")));
    auto *file = new QHBoxLayout;
    file->addWidget(DatotekaE, 1);
    file->addWidget(DatotekaB);
    layout->addLayout(file);
    layout->addWidget(new QLabel(QStringLiteral("Izbira podatkov:")));
    layout->addWidget(UvozCB);
    auto *lists = new QHBoxLayout;
    lists->addWidget(PredmetnikiDG);
    lists->addWidget(UrnikiDG);
    layout->addLayout(lists, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(UstvariB);
    buttons->addWidget(ZapriB);
    layout->addLayout(buttons);

    connect(DatotekaB, &QPushButton::clicked, this, &FUvoz::browse);
    connect(UvozCB, &QComboBox::currentIndexChanged, this, &FUvoz::updateState);
    connect(PredmetnikiDG, &controls::UrDataGrid::RowColChange, this, &FUvoz::showTimetables);
    connect(UstvariB, &QPushButton::clicked, this, &FUvoz::Create);
    connect(ZapriB, &QPushButton::clicked, this, &FUvoz::closeAllWork);

    // A new school year is most often made from the project that is open.
    if (db::ProjectOpen())
        ChooseSource(App().projectPath());
    updateState();
}

FUvoz *FUvoz::Show(FGlavna *main) {
    if (!main->CloseAllWork())
        return nullptr;
    auto *window = new FUvoz;
    QMdiSubWindow *frame = main->ozadje()->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    main->SetWorkCaption(QStringLiteral("&Ustvari projekt  -  &Na osnovi obstoječega..."));
    frame->show();
    frame->move(0, 0);
    window->UvozCB->setFocus(Qt::OtherFocusReason);
    return window;
}

bool FUvoz::ChooseSource(const QString &path) {
    if (!m_logic.setSource(path))
        return false;
    DatotekaE->setText(QDir::toNativeSeparators(m_logic.sourcePath()));
    PredmetnikiDG->SetRowSet(m_logic.curricula());
    showTimetables();
    updateState();
    return true;
}

void FUvoz::browse() {
    const QString path = FileDialog(this, FileDialogOpen, QStringLiteral("Obstoječi projekt"),
                                    App().settings.folders[kSourceFolder], QString(), ProjectFileFilter());
    if (!path.isEmpty() && ChooseSource(path))
        App().settings.folders[kSourceFolder] = SplitPath(m_logic.sourcePath()).first;
}

void FUvoz::showTimetables() {
    UrnikiDG->SetRowSet(m_logic.timetables(chosenId(PredmetnikiDG)));
}

void FUvoz::updateState() {
    const int part = UvozCB->currentIndex();
    PredmetnikiDG->setEnabled(m_logic.hasSource() && part != db::CopyBasic);
    UrnikiDG->setEnabled(m_logic.hasSource() && part == db::CopyTimetable);
    UstvariB->setEnabled(m_logic.hasSource());
}

qint64 FUvoz::chosenId(controls::UrDataGrid *grid) const {
    return grid->CurrentRow() < 0 ? db::kCopyAll : grid->CurrentId();
}

void FUvoz::Create() {
    if (!m_logic.hasSource())
        return;
    const QString path =
        FileDialog(this, FileDialogSave, QStringLiteral("Ustvari nov projekt"), App().settings.folders[kProjectFolder],
                   ProposedProjectName(), ProjectFileFilter(), QStringLiteral(".znt"),
                   [this](const QString &name) { return m_logic.acceptsNewName(name); });
    if (path.isEmpty())
        return;
    const int part = UvozCB->currentIndex();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_logic.create(path, part, chosenId(PredmetnikiDG), part == db::CopyTimetable ? chosenId(UrnikiDG) : db::kCopyNone);
    QApplication::restoreOverrideCursor();
    closeAllWork();
}

void FUvoz::closeAllWork() {
    if (FGlavna *main = FGlavna::instance())
        main->CloseAllWork();
    else if (QWidget *frame = parentWidget())
        frame->close();
}

} // namespace zentrel::shell
