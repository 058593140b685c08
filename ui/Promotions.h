#pragma once

namespace Tessivane {

class LinkLabel;

// The look of the forum advertisement and of the two overlapping promotion
// labels that the input and result windows both carry.
void StylePromotions(LinkLabel* forum, LinkLabel* coBrand, LinkLabel* fullBrand);

} // namespace Tessivane
