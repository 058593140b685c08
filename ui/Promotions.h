#pragma once

namespace Tessivane {

class LinkLabel;
class modHelp;

// The forum advertisement and the two overlapping promotion labels that the
// input and result windows both carry: their look, and the pages they open.
void setUpPromotions(modHelp& help, LinkLabel* forum, LinkLabel* coBrand, LinkLabel* fullBrand);
// Shows one of the two overlapping labels; only the one seen takes the focus.
void bringToFront(LinkLabel* front, LinkLabel* behind);

} // namespace Tessivane
