#pragma once

#include "controls/TabWindow.h"

#include <QMap>
#include <QStackedWidget>
#include <QStringList>
#include <functional>

namespace zentrel::basicdata {

class FRecordPage;

// A basic-data window: the record tabs it serves, one page each, made when first shown; one
// page is shown at a time. Showing a tab activates its page (requery, command bar). The tab
// strip makes one window per tab and tells it when its tab becomes active again.
class FPageWindow : public QStackedWidget, public controls::TabWindow {
    Q_OBJECT
public:
    explicit FPageWindow(QWidget *parent = nullptr) : QStackedWidget(parent) {}

    // The captions of the tabs this window serves, in order.
    QStringList Tabs() const { return m_captions; }
    // Makes the tab's page current without activating it; false for a tab of another window.
    bool SelectTab(const QString &caption);
    // Selects the tab and activates its page.
    bool ShowTab(const QString &caption);
    // The page of a tab, made on first use; nullptr for a tab of another window.
    FRecordPage *Page(const QString &caption);
    FRecordPage *CurrentPage() const;
    QString CurrentTab() const { return m_current; }

    // TabWindow: the tab became active again.
    void TabActivated() override;

protected:
    using PageFactory = std::function<FRecordPage *()>;
    void addPage(const QString &caption, PageFactory factory);

private:
    QStringList m_captions;
    QMap<QString, PageFactory> m_factories;
    QMap<QString, FRecordPage *> m_pages;
    QString m_current;
};

} // namespace zentrel::basicdata
