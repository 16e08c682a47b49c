#include "FPomoc.h"

#include "core/Messages.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace zentrel::shell {

FPomoc::FPomoc(QWidget *parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("FPomoc"));
    setWindowTitle(QStringLiteral("Zentrel - Pomoč"));
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(760, 640);
}

bool FPomoc::ShowPage(const QString &path) {
    if (!QFileInfo::exists(path)) {
        core::ShowMessage(core::MsgWarning, QStringLiteral("Ni datoteke #."), path);
        return false;
    }
    m_browser->setSource(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
    return true;
}

} // namespace zentrel::shell
