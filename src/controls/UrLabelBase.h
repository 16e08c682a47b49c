#pragma once

#include <QLabel>

namespace zentrel::controls {

// What the program's labels share: a caption, a font style, alignment and a few looks.
class UrLabelBase : public QLabel {
    Q_OBJECT
public:
    explicit UrLabelBase(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption) { setText(caption); }
    int FontType() const { return m_fontType; }
    void SetFontType(int type);
    // Horizontal alignment: 0 left, 1 right, 2 centre.
    void SetCaptionHorizAlign(int align);
    int CaptionHorizAlign() const { return m_horiz; }
    // Vertical alignment: 0 top, 1 centre, 2 bottom.
    void SetCaptionVertAlign(int align);
    int CaptionVertAlign() const { return m_vert; }
    void SetLeftAlign(bool left) { SetCaptionHorizAlign(left ? 0 : 1); }
    void SetTextTopOffset(int pixels);
    int TextTopOffset() const { return m_topOffset; }
    void SetShadowWidth(int width) { m_shadowWidth = width; }
    int ShadowWidth() const { return m_shadowWidth; }
    void SetLabelStyle(int style) { m_style = style; }
    int LabelStyle() const { return m_style; }
    void SetForeColor(const QColor &color);
    void SetBackColor(const QColor &color);

private:
    void applyAlignment();
    void applyColors();

    int m_fontType = 0;
    int m_horiz = 0;
    int m_vert = 1;
    int m_topOffset = 0;
    int m_shadowWidth = 0;
    int m_style = 0;
    QColor m_fore;
    QColor m_back;
};

} // namespace zentrel::controls
