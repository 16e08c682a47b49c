#include "UrComndBarClient.h"

#include "UrComndBar.h"
#include "UrStatusLine.h"

namespace zentrel::controls {

UrComndBarClient::UrComndBarClient(QWidget *parent) : QWidget(parent) {
    hide();
    setFocusPolicy(Qt::NoFocus);
}

UrComndBarClient::~UrComndBarClient() {
    // A closing window must not leave the bar calling into it, nor its texts in the status line
    // (hints, refusals, mode marks): they speak of that window.
    if (UrComndBar *bar = UrComndBar::CommandBar()) {
        if (bar->client() == this) {
            bar->StatusLine()->Clear();
            bar->StatusLine()->SetStatus1(QString());
            bar->StatusLine()->SetStatus2(QString());
        }
        bar->state().Release(this);
    }
}

} // namespace zentrel::controls
