#pragma once

#include "Dokument.h"
#include "UrIzris.h"

#include <QDialog>
#include <memory>

class QLabel;
class QScrollArea;
class QToolButton;

namespace zentrel::print {

class UrPreview;

// The print preview: the pages of a document at a zoom step, page by page. Keys: "+" and "-"
// zoom, PgUp and PgDn turn pages, Esc closes. Print all closes the window with NatisniVse, so
// that the caller prints the whole document; print page prints the page shown at once.
class Fpreview : public QDialog {
    Q_OBJECT
public:
    enum Rezultat { Zaprto = 0, NatisniVse = 2 };
    // The zoom factors; the preview opens at step 0, the whole page in view.
    static const QList<double> &Faktorji();

    Fpreview(const Dokument &dokument, QWidget *parent = nullptr);
    ~Fpreview() override;

    int Stran() const;
    int SteviloStrani() const;
    int KorakPovecave() const { return m_step; }
    void ZoomIn();
    void ZoomOut();
    // PgUp/PgDn go a page down or up; a document wider than one sheet also goes left and right.
    void PrejsnjaStran();
    void NaslednjaStran();
    void ListLevo();
    void ListDesno();

    QToolButton *ZoomInCB;
    QToolButton *ZoomOutCB;
    QToolButton *NormalSizeCB;
    QToolButton *MaximizeCB;
    QToolButton *PgUpCB;
    QToolButton *PgDnCb;
    QToolButton *PGLeftCB;
    QToolButton *PGRightCB;
    QToolButton *NatisniStranCB;
    QToolButton *Tiskaj_CB;
    QToolButton *SelectPrinterCB;
    QToolButton *CloseCB;
    QLabel *StranL;
    UrPreview *urPreview;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setStep(int step);
    void refresh();
    void choosePrinter();

    const Dokument &m_doc;
    std::unique_ptr<UrIzris> m_izris;
    QScrollArea *m_scroll;
    int m_step = 0;
};

} // namespace zentrel::print
