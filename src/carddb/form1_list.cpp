// Listing the selected sets in the database window.

#include "app/form1.h"

// Not built yet.
void TForm1::Ladensets() {}
void TForm1::AddToGrid(const QString &) {}
void TForm1::MenuItemReloadCardsClick() { Ladensets(); }
