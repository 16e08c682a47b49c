#pragma once

#include "controls/TabWindow.h"

#include <QWidget>

namespace zentrel::shell {

class FNastavitvePrveUre;
class FNastavitveTurnusi;
class FNastavitveUre;

// The settings window (menu "&Nastavitve" → "&Urejanje", page set 1 of the tabbed container):
// one of its pages per tab. "Splošne nastavitve" holds the turnusi, shifts and default norms,
// "Ure" the periods, "Prve ure" the first periods of each shift in each turnus.
class FNastavitve : public QWidget, public controls::TabWindow {
    Q_OBJECT
public:
    enum Page { SplosneNastavitve, Ure, PrveUre };

    FNastavitve(Page page, QWidget *parent = nullptr);

    // Registers the three pages with the tabbed container (once, at start-up).
    static void RegisterTabs();

    Page page() const { return m_page; }
    FNastavitveTurnusi *turnusi() const { return m_turnusi; }
    FNastavitveUre *ure() const { return m_ure; }
    FNastavitvePrveUre *prveUre() const { return m_prveUre; }

    // The page takes the command bar whenever its tab becomes current.
    void TabActivated() override;

private:
    Page m_page;
    FNastavitveTurnusi *m_turnusi = nullptr;
    FNastavitveUre *m_ure = nullptr;
    FNastavitvePrveUre *m_prveUre = nullptr;
};

} // namespace zentrel::shell
