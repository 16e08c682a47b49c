#include "FCommandBar.h"

#include "UrComndBar.h"

namespace zentrel::controls {

FCommandBar::FCommandBar(QWidget *parent) : QDockWidget(parent), m_bar(new UrComndBar(this)) {
    setObjectName(QStringLiteral("FCommandBar"));
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setTitleBarWidget(new QWidget(this)); // no title: the bar is all there is
    setWidget(m_bar);
}

} // namespace zentrel::controls
