#pragma once

#include "UrIzris.h"

#include <QColor>
#include <QWidget>

namespace zentrel::print {

// The page control of the preview: one page of a laid-out document at a scale, on a coloured
// background, as large as the page at that scale.
class UrPreview : public QWidget {
    Q_OBJECT
public:
    explicit UrPreview(QWidget *parent = nullptr);

    void SetIzris(const UrIzris *izris);
    // The page shown (1 to the number of pages).
    int Stran() const { return m_page; }
    void SetStran(int stran);
    // Scale: 1 is the page's real size on the screen.
    double Merilo() const { return m_scale; }
    void SetMerilo(double merilo);
    QColor ColorPodlaga() const { return m_background; }
    void SetColorPodlaga(const QColor &color);
    // Sets the control's size from the page size and the scale.
    void NastaviMere();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double twipsToPixels() const;

    const UrIzris *m_izris = nullptr;
    int m_page = 1;
    double m_scale = 1.0;
    QColor m_background = QColor(0x80, 0x80, 0x80);
};

} // namespace zentrel::print
