#pragma once

#include "controls/FTabStrip.h"
#include "controls/TabPageSets.h"

#include <QString>

namespace zentrel::basicdata {

// Registers the tab (a top tab, or the second-row tab `second` under `top`) of page set `set`
// (in the shape it has in `context`) to open window W on its page `page`. A tab the page set
// does not have is left alone.
template <typename W>
void RegisterPageTab(int set, const QString &top, const QString &second, const QString &page,
                     const controls::PageSetContext &context = {}) {
    const int id = controls::PageSet::Build(set, context).find(top, second);
    if (id < 0)
        return;
    controls::RegisterTabWindow(id, [page](QWidget *parent) {
        auto *window = new W(parent);
        window->SelectTab(page);
        return window;
    });
}

} // namespace zentrel::basicdata
