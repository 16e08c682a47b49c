#pragma once

#include "FPageWindow.h"

namespace zentrel::basicdata {

class FRazrednikiIzmenePage;

// "Razredniki in izmene" of page set 3: the class teacher and shift of each class of the
// current curriculum.
class FRazrednikiIzmene : public FPageWindow {
    Q_OBJECT
public:
    explicit FRazrednikiIzmene(QWidget *parent = nullptr);

    FRazrednikiIzmenePage *Page = nullptr;
};

} // namespace zentrel::basicdata
