#include "Promotions.h"

#include "LinkLabel.h"
#include "Look.h"
#include "modHelp.h"

namespace Tessivane {

void setUpPromotions(modHelp& help, LinkLabel* forum, LinkLabel* coBrand, LinkLabel* fullBrand)
{
    forum->setFont(Look::verdana(8.25, false, true));
    Look::paintText(forum, Qt::white);
    for (LinkLabel* label : {coBrand, fullBrand}) {
        label->setFont(Look::verdana(8.25, true, true));
        // Opaque, so that only the label in front is seen.
        Look::paint(label, Look::LightBlue, Qt::blue);
    }

    // Label61_Click, lblCobrand_Click and lblFullBrand_Click of both windows.
    const std::pair<LinkLabel*, Page> links[]
        = {{forum, Page::HomePage}, {coBrand, Page::CoBrand}, {fullBrand, Page::FullyBranded}};
    for (const auto& [label, page] : links)
        QObject::connect(label, &LinkLabel::clicked, label, [&help, page = page] { help.OpenPage(page); });
    // The form stacks the co-branding label above the other.
    bringToFront(coBrand, fullBrand);
}

void bringToFront(LinkLabel* front, LinkLabel* behind)
{
    front->raise();
    front->setFocusPolicy(Qt::TabFocus);
    behind->setFocusPolicy(Qt::NoFocus);
}

} // namespace Tessivane
