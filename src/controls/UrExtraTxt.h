#pragma once

#include <QColor>
#include <QLabel>

namespace zentrel::controls {

// An additional read-only text beside the fields; greyed while TxtEnabled is false.
class UrExtraTxt : public QLabel {
    Q_OBJECT
public:
    explicit UrExtraTxt(QWidget *parent = nullptr);

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption) { setText(caption); }
    bool TxtEnabled() const { return isEnabled(); }
    void SetTxtEnabled(bool on) { setEnabled(on); }
    int FontType() const { return m_fontType; }
    void SetFontType(int type);
    void SetBackColor(const QColor &color);
    QColor BackColor() const { return m_back; }
    void SetForeColor(const QColor &color);
    QColor ForeColor() const { return m_fore; }

private:
    void applyColors();

    int m_fontType = 0;
    QColor m_back;
    QColor m_fore;
};

} // namespace zentrel::controls
