#include "Promotions.h"

#include "LinkLabel.h"
#include "Look.h"

namespace Tessivane {

void StylePromotions(LinkLabel* forum, LinkLabel* coBrand, LinkLabel* fullBrand)
{
    forum->setFont(Look::Verdana(8.25, false, true));
    Look::PaintText(forum, Qt::white);
    for (LinkLabel* label : {coBrand, fullBrand}) {
        label->setFont(Look::Verdana(8.25, true, true));
        // Opaque, so that only the label in front is seen.
        Look::Paint(label, Look::LightBlue, Qt::blue);
    }
    for (LinkLabel* label : {forum, coBrand, fullBrand})
        Look::ShrinkToFit(label);
}

} // namespace Tessivane
