#include "FPageWindow.h"

#include "FRecordPage.h"

namespace zentrel::basicdata {

void FPageWindow::addPage(const QString &caption, PageFactory factory) {
    m_captions << caption;
    m_factories.insert(caption, std::move(factory));
}

FRecordPage *FPageWindow::Page(const QString &caption) {
    if (FRecordPage *page = m_pages.value(caption))
        return page;
    if (!m_factories.contains(caption))
        return nullptr;
    FRecordPage *page = m_factories.value(caption)();
    m_pages.insert(caption, page);
    addWidget(page);
    return page;
}

FRecordPage *FPageWindow::CurrentPage() const {
    return m_pages.value(m_current);
}

bool FPageWindow::SelectTab(const QString &caption) {
    FRecordPage *page = Page(caption);
    if (!page)
        return false;
    m_current = caption;
    setCurrentWidget(page);
    return true;
}

bool FPageWindow::ShowTab(const QString &caption) {
    if (!SelectTab(caption))
        return false;
    CurrentPage()->Activate();
    return true;
}

void FPageWindow::TabActivated() {
    if (FRecordPage *page = CurrentPage())
        page->Activate();
}

} // namespace zentrel::basicdata
