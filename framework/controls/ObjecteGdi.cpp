#include "framework/controls/ObjecteGdi.h"

namespace Win {

int ObjecteGdi::vius_ = 0;

void ObjecteGdi::Posa(HGDIOBJ objecte)
{
    if (objecte == objecte_)
        return;
    Allibera();
    objecte_ = objecte;
    if (objecte_)
        ++vius_;
}

void ObjecteGdi::Allibera()
{
    if (!objecte_)
        return;
    DeleteObject(objecte_);
    objecte_ = nullptr;
    --vius_;
}

} // namespace Win
