#include "UrComndBarClient.h"

#include "UrComndBar.h"

namespace zentrel::controls {

UrComndBarClient::UrComndBarClient(QWidget *parent) : QWidget(parent) {
    hide();
    setFocusPolicy(Qt::NoFocus);
}

UrComndBarClient::~UrComndBarClient() {
    // A closing window must not leave the bar calling into it.
    if (UrComndBar *bar = UrComndBar::CommandBar())
        bar->state().Release(this);
}

} // namespace zentrel::controls
