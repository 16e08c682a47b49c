#include "FIskanje.h"

#include "RecordSearch.h"
#include "UrButton.h"
#include "UrDataGrid.h"
#include "UrText.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>

namespace zentrel::controls {

FIskanje::FIskanje(UrDataGrid *grid, QWidget *parent)
    : QDialog(parent), m_grid(grid), m_label(new QLabel(this)), m_text(new UrText(this)), m_result(new QLabel(this)),
      m_find(new UrButton(this)) {
    setWindowTitle(QStringLiteral("Iskanje"));
    m_text->SetShowChange(false); // the search text is no data of the record
    m_text->SetAllowD(true);      // codes of user-defined groups begin with "$"
    m_find->SetCaption(QStringLiteral("Najdi"));
    const QString caption = grid ? grid->SearchCaption() : QString();
    m_label->setText((caption.isEmpty() ? QStringLiteral("Oznaka") : caption) + QStringLiteral(":"));
    auto *layout = new QGridLayout(this);
    layout->addWidget(m_label, 0, 0);
    layout->addWidget(m_text, 0, 1);
    layout->addWidget(m_find, 0, 2);
    layout->addWidget(m_result, 1, 0, 1, 3);
    connect(m_text, &QLineEdit::textEdited, this, [this] { searchFrom(0); });
    connect(m_find, &UrButton::clicked, this, [this] { searchFrom(m_grid ? m_grid->CurrentRow() + 1 : 0); });
}

void FIskanje::Search(UrDataGrid *grid, QWidget *parent) {
    FIskanje dialog(grid, parent);
    dialog.exec();
}

void FIskanje::searchFrom(int row) {
    if (!m_grid || m_text->Text().isEmpty()) {
        m_result->clear();
        return;
    }
    const int found = RecordSearch::FindPrefix(m_grid->DataSource(), m_grid->SearchField(), m_text->Text(), row);
    if (found < 0) {
        // The grid stays where it is; the dialog says that nothing begins so.
        m_result->setText(QStringLiteral("Ni zadetka."));
        return;
    }
    m_result->clear();
    m_grid->setCurrentRow(found);
}

void FIskanje::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace zentrel::controls
